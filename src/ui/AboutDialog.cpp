#include "ui/AboutDialog.h"

#include "assets/Assets.h"
#include "ui/ClickLabel.h"
#include "platform/Services.h"
#include "ui/TextFit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

// Set by the build (CMake cache variables of the same names); empty unless
// the builder names real people and places.
#ifndef QUADRIFOGLIO_WEB_ADDRESS
#define QUADRIFOGLIO_WEB_ADDRESS ""
#endif
#ifndef QUADRIFOGLIO_MAIL_ADDRESS_1
#define QUADRIFOGLIO_MAIL_ADDRESS_1 ""
#endif
#ifndef QUADRIFOGLIO_MAIL_ADDRESS_2
#define QUADRIFOGLIO_MAIL_ADDRESS_2 ""
#endif
#ifndef QUADRIFOGLIO_NOTICE_YEARS
#define QUADRIFOGLIO_NOTICE_YEARS "Copyright 2004-2005"
#endif
#ifndef QUADRIFOGLIO_NOTICE_NAMES
#define QUADRIFOGLIO_NOTICE_NAMES ""
#endif

using texts::TextId;

namespace about {

Credits builtCredits()
{
    Credits credits;
    credits.webAddress = QString::fromUtf8(QUADRIFOGLIO_WEB_ADDRESS).trimmed();
    credits.mailAddresses[0] = QString::fromUtf8(QUADRIFOGLIO_MAIL_ADDRESS_1).trimmed();
    credits.mailAddresses[1] = QString::fromUtf8(QUADRIFOGLIO_MAIL_ADDRESS_2).trimmed();
    credits.years = QString::fromUtf8(QUADRIFOGLIO_NOTICE_YEARS);
    credits.names = QString::fromUtf8(QUADRIFOGLIO_NOTICE_NAMES);
    return credits;
}

QString authorsNotice(const Credits &credits, texts::Language language)
{
    const QString names =
        credits.names.isEmpty() ? texts::text(language, TextId::Authors) : credits.names;
    return credits.years.isEmpty() ? names : credits.years + QLatin1Char('\n') + names;
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

// The window's design: texts in a column 267 pixels wide, 10 pixels in from
// the window's margin; the note on how the puzzle was made is wider.
constexpr int Indent = 10;
constexpr int TextWidth = 267;
constexpr int NoteWidth = 283;

QLabel *textLabel(QWidget *parent, const QString &name, const QString &text, int width,
                  Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setText(text);
    ui::fitLabelToText(label, width);
    return label;
}

QLabel *picture(QWidget *parent, const QString &name)
{
    auto *image = new QLabel(parent);
    image->setPixmap(QPixmap::fromImage(assets::aboutPicture(name)));
    return image;
}

// An etched separator: a grey line with a light one just below it.
class EtchedRule : public QWidget
{
public:
    EtchedRule(QWidget *parent, int width) : QWidget(parent) { setFixedSize(width, 2); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(0, 0, width(), 1, QColor(128, 128, 128));
        p.fillRect(0, 1, width(), 1, QColor(224, 224, 224));
    }
};

void addIndented(QBoxLayout *column, QWidget *widget)
{
    auto *row = new QHBoxLayout;
    row->addSpacing(Indent);
    row->addWidget(widget);
    row->addStretch();
    column->addLayout(row);
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent, texts::Language language, const QColor &windowColour,
                         platform::Shell &shell, const about::Credits &credits)
    : QDialog(parent), m_shell(shell)
{
    setObjectName(QStringLiteral("aboutDialog"));
    const auto S = [language](TextId id) { return texts::text(language, id); };
    setFont(arial(8));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(S(TextId::AboutTip));
    const QCursor hand = assets::cursor(assets::Cursor::PointingHand);

    // The title and the version between the clover badge and a jigsaw piece.
    QLabel *title = textLabel(this, QStringLiteral("title"), QStringLiteral("Quadrifoglio"), 190,
                              Qt::AlignHCenter);
    title->setFont(arial(14.25, true));
    ui::fitLabelToText(title, 190);

    QLabel *version = textLabel(this, QStringLiteral("version"), about::versionLine(language), 183,
                                Qt::AlignHCenter);
    version->setFont(arial(9.75, true));
    ui::fitLabelToText(version, 183);
    QPalette versionColours = version->palette();
    versionColours.setColor(QPalette::Window, QColor(0, 0, 192));
    versionColours.setColor(QPalette::WindowText,
                            QApplication::palette().color(QPalette::HighlightedText));
    version->setPalette(versionColours);
    version->setAutoFillBackground(true);

    auto *titles = new QVBoxLayout;
    titles->setSpacing(6);
    titles->addWidget(title, 0, Qt::AlignHCenter);
    titles->addWidget(version, 0, Qt::AlignHCenter);
    auto *header = new QHBoxLayout;
    header->setContentsMargins(Indent, 0, Indent, 0);
    header->addWidget(picture(this, QStringLiteral("icona")), 0, Qt::AlignTop);
    header->addStretch();
    header->addLayout(titles);
    header->addStretch();
    header->addWidget(picture(this, QStringLiteral("image1")), 0, Qt::AlignTop);

    QLabel *madeWith = textLabel(this, QStringLiteral("madeWith"), S(TextId::MadeWith), NoteWidth);

    // The logo links to the authors' page only when the build names one.
    const QPixmap logoPicture = QPixmap::fromImage(assets::aboutPicture(QStringLiteral("logo")));
    QLabel *logo = nullptr;
    if (credits.webAddress.isEmpty()) {
        logo = new QLabel(this);
    } else {
        auto *link = new ClickLabel(this);
        link->setCursor(hand);
        link->setToolTip(credits.webAddress);
        const QString address = credits.webAddress;
        connect(link, &ClickLabel::clicked, this, [this, address] { openAndClose(address); });
        logo = link;
    }
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(logoPicture);

    QLabel *notice = textLabel(this, QStringLiteral("authors"), about::authorsNotice(credits, language),
                               245, Qt::AlignHCenter);
    notice->setFont(arial(9));
    ui::fitLabelToText(notice, 245);

    // A pennant by the authors' mail links, those the build names.
    auto *mails = new QVBoxLayout;
    mails->setSpacing(3);
    for (int i = 0; i < 2; ++i) {
        const QString address = credits.mailAddresses[i];
        if (address.isEmpty())
            continue;
        auto *mail = new ClickLabel(this);
        mail->setObjectName(QStringLiteral("mail%1").arg(i));
        mail->setTextFormat(Qt::PlainText);
        QFont font = arial(9, i == 0);
        font.setUnderline(true);
        mail->setFont(font);
        QPalette pal = mail->palette();
        pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
        mail->setPalette(pal);
        mail->setText(address);
        mail->setCursor(hand);
        connect(mail, &ClickLabel::clicked, this,
                [this, address] { openAndClose(QLatin1String("mailto:") + address); });
        mails->addWidget(mail);
    }
    auto *mailRow = new QHBoxLayout;
    mailRow->setSpacing(4);
    if (mails->count() > 0)
        mailRow->addWidget(picture(this, QStringLiteral("image2")), 0, Qt::AlignTop);
    mailRow->addLayout(mails);

    auto *close = new QPushButton(S(TextId::Close), this);
    close->setObjectName(QStringLiteral("close"));
    close->setMinimumSize(78, 22);
    close->setCursor(hand);
    close->setToolTip(S(TextId::CloseTip));
    // Return presses Close wherever the focus is.
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->setContentsMargins(6, 6, 6, 5);
    column->setSpacing(0);
    column->addLayout(header);
    column->addSpacing(6);
    column->addWidget(madeWith);
    column->addSpacing(9);
    column->addWidget(logo, 0, Qt::AlignHCenter);
    column->addSpacing(8);
    addIndented(column, new EtchedRule(this, 271));
    column->addSpacing(12);
    column->addWidget(notice, 0, Qt::AlignHCenter);
    column->addLayout(mailRow);
    column->setAlignment(mailRow, Qt::AlignHCenter);
    column->addSpacing(4);
    addIndented(column, new EtchedRule(this, 271));
    column->addSpacing(13);
    addIndented(column, textLabel(this, QStringLiteral("platform"), S(TextId::Platform), TextWidth));
    addIndented(column, textLabel(this, QStringLiteral("licence"), S(TextId::Licence), TextWidth));
    addIndented(column, textLabel(this, QStringLiteral("screenNote"), S(TextId::ScreenNote), TextWidth));
    column->addSpacing(13);
    column->addWidget(close, 0, Qt::AlignHCenter);

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
