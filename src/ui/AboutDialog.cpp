#include "ui/AboutDialog.h"

#include "assets/Assets.h"
#include "platform/ClickLabel.h"
#include "platform/Services.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

// Set by the build (CMake cache variables of the same names).
#ifndef QUADRIFOGLIO_WEB_ADDRESS
#define QUADRIFOGLIO_WEB_ADDRESS "https://www.example.org/quadrifoglio/"
#endif
#ifndef QUADRIFOGLIO_MAIL_ADDRESS_1
#define QUADRIFOGLIO_MAIL_ADDRESS_1 "autore1@example.org"
#endif
#ifndef QUADRIFOGLIO_MAIL_ADDRESS_2
#define QUADRIFOGLIO_MAIL_ADDRESS_2 "autore2@example.org"
#endif
#ifndef QUADRIFOGLIO_NOTICE_YEARS
#define QUADRIFOGLIO_NOTICE_YEARS "Copyright 2004-2005"
#endif
#ifndef QUADRIFOGLIO_NOTICE_NAMES
#define QUADRIFOGLIO_NOTICE_NAMES "Gli autori di Quadrifoglio"
#endif

using texts::TextId;

namespace about {

QString webAddress()
{
    return QString::fromUtf8(QUADRIFOGLIO_WEB_ADDRESS);
}

QString mailAddress(int index)
{
    return QString::fromUtf8(index == 0 ? QUADRIFOGLIO_MAIL_ADDRESS_1 : QUADRIFOGLIO_MAIL_ADDRESS_2);
}

QString authorsNotice()
{
    return QString::fromUtf8(QUADRIFOGLIO_NOTICE_YEARS) + QLatin1String("\r\n")
           + QString::fromUtf8(QUADRIFOGLIO_NOTICE_NAMES);
}

QString versionLine(texts::Language language)
{
    return texts::text(language, TextId::Version) + QLatin1String("  ")
           + QStringLiteral("%1.%2.%3")
                 .arg(QUADRIFOGLIO_VERSION_MAJOR)
                 .arg(QUADRIFOGLIO_VERSION_MINOR)
                 .arg(QUADRIFOGLIO_VERSION_PATCH);
}

} // namespace about

namespace {

QFont arial(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString withLineBreaks(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QLabel *textLabel(QWidget *parent, const QRect &geometry, const QString &text,
                  Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setText(text);
    return label;
}

QLabel *picture(QWidget *parent, const QString &name, QPoint at)
{
    auto *image = new QLabel(parent);
    const QImage img = assets::aboutPicture(name);
    image->setPixmap(QPixmap::fromImage(img));
    image->setGeometry(QRect(at, img.isNull() ? QSize(0, 0) : img.size()));
    return image;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent, texts::Language language, const QColor &windowColour,
                         platform::Shell &shell)
    : QDialog(parent), m_shell(shell)
{
    setObjectName(QStringLiteral("aboutDialog"));
    const auto S = [language](TextId id) { return texts::text(language, id); };
    setFont(arial(8));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(302, 348);
    setWindowTitle(S(TextId::AboutTip) + QLatin1String("...."));

    QLabel *title = textLabel(this, QRect(70, 7, 190, 22), QStringLiteral("Quadrifoglio"),
                              Qt::AlignHCenter);
    title->setFont(arial(14.25, true));

    QLabel *version = textLabel(this, QRect(77, 35, 183, 15), about::versionLine(language),
                                Qt::AlignHCenter);
    version->setObjectName(QStringLiteral("version"));
    version->setFont(arial(9.75, true));
    QPalette versionColours = version->palette();
    versionColours.setColor(QPalette::Window, QColor(0, 0, 192));
    versionColours.setColor(QPalette::WindowText,
                            QApplication::palette().color(QPalette::HighlightedText));
    version->setPalette(versionColours);
    version->setAutoFillBackground(true);

    // The clover badge and a jigsaw piece either side of the title, and a
    // pennant by the first mail link.
    picture(this, QStringLiteral("icona"), QPoint(16, 6));
    picture(this, QStringLiteral("image1"), QPoint(254, 6));
    picture(this, QStringLiteral("image2"), QPoint(78, 205));

    textLabel(this, QRect(6, 56, 283, 55), withLineBreaks(S(TextId::MadeWith)))
        ->setObjectName(QStringLiteral("madeWith"));

    const QCursor hand = assets::cursor(assets::Cursor::PointingHand);

    // The logo sits under the note that points to the web site.
    const QImage logoImage = assets::aboutPicture(QStringLiteral("logo"));
    auto *logo = new platform::ClickLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(QPixmap::fromImage(logoImage));
    logo->setGeometry(QRect(QPoint(78, 120), logoImage.isNull() ? QSize(147, 26) : logoImage.size()));
    logo->setCursor(hand);
    connect(logo, &platform::ClickLabel::clicked, this,
            [this] { openAndClose(about::webAddress()); });

    // Two etched separators: a grey line with a light one just below it.
    struct Rule
    {
        QRect geometry;
        QColor colour;
    };
    const QColor grey(128, 128, 128), light(224, 224, 224);
    const Rule rules[4] = {{QRect(16, 154, 271, 1), grey}, {QRect(16, 155, 271, 1), light},
                           {QRect(16, 241, 269, 1), light}, {QRect(16, 240, 269, 1), grey}};
    for (const Rule &rule : rules) {
        auto *line = new QWidget(this);
        line->setGeometry(rule.geometry);
        QPalette pal = line->palette();
        pal.setColor(QPalette::Window, rule.colour);
        line->setPalette(pal);
        line->setAutoFillBackground(true);
    }

    textLabel(this, QRect(29, 168, 245, 37), withLineBreaks(about::authorsNotice()),
              Qt::AlignHCenter)
        ->setFont(arial(9));

    const QRect mails[2] = {QRect(96, 203, 134, 15), QRect(96, 221, 134, 15)};
    for (int i = 0; i < 2; ++i) {
        auto *mail = new platform::ClickLabel(this);
        mail->setObjectName(QStringLiteral("mail%1").arg(i));
        mail->setGeometry(mails[i]);
        mail->setTextFormat(Qt::PlainText);
        QFont font = arial(9, i == 0);
        font.setUnderline(true);
        mail->setFont(font);
        QPalette pal = mail->palette();
        pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
        mail->setPalette(pal);
        mail->setText(about::mailAddress(i));
        mail->setCursor(hand);
        connect(mail, &platform::ClickLabel::clicked, this,
                [this, i] { openAndClose(QLatin1String("mailto:") + about::mailAddress(i)); });
    }

    textLabel(this, QRect(16, 255, 267, 15), S(TextId::Platform))->setObjectName(QStringLiteral("platform"));
    textLabel(this, QRect(16, 269, 267, 15), S(TextId::Licence))->setObjectName(QStringLiteral("licence"));
    textLabel(this, QRect(16, 283, 265, 25), S(TextId::ScreenNote))->setObjectName(QStringLiteral("screenNote"));

    auto *close = new QPushButton(S(TextId::Close), this);
    close->setObjectName(QStringLiteral("close"));
    close->setGeometry(112, 321, 78, 22);
    close->setCursor(hand);
    close->setToolTip(S(TextId::CloseTip));
    // Return presses Close wherever the focus is.
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    // The main window's colour of the moment.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, windowColour);
    setPalette(pal);
    setAutoFillBackground(true);
}

void AboutDialog::openAndClose(const QString &address)
{
    // Nothing to open the address with is no reason to keep the window open.
    m_shell.open(address);
    close();
}
