#include "ui/AboutDialog.h"

#include "ui/MainWindow.h"
#include "platform/ClickLabel.h"
#include "platform/Numbers.h"
#include "platform/Services.h"
#include "assets/Assets.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
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

namespace about {

QString WebAddress()
{
    return QString::fromUtf8(QUADRIFOGLIO_WEB_ADDRESS);
}

QString MailAddress(int index)
{
    return QString::fromUtf8(index == 0 ? QUADRIFOGLIO_MAIL_ADDRESS_1 : QUADRIFOGLIO_MAIL_ADDRESS_2);
}

QString AuthorsNotice()
{
    return QString::fromUtf8(QUADRIFOGLIO_NOTICE_YEARS) + QLatin1String("\r\n")
           + QString::fromUtf8(QUADRIFOGLIO_NOTICE_NAMES);
}

QString VersionLine(std::int16_t language)
{
    return resources::LoadResString(language + 118) + QLatin1String("  ")
           + QStringLiteral("%1.%2.%3")
                 .arg(QUADRIFOGLIO_VERSION_MAJOR)
                 .arg(QUADRIFOGLIO_VERSION_MINOR)
                 .arg(QUADRIFOGLIO_VERSION_PATCH);
}

} // namespace about

namespace {

// The design's rectangles are in twips, 15 to the pixel.
int px(int twips)
{
    return platform::CInt(twips / double(platform::TwipsPerPixel));
}

QRect twips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

QFont arial(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel *textLabel(QWidget *parent, const QRect &geometry, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QLabel *picture(QWidget *parent, const QString &name, QPoint at)
{
    auto *image = new QLabel(parent);
    const QImage img = resources::LoadDesignPicture(name);
    image->setPixmap(QPixmap::fromImage(img));
    image->setGeometry(QRect(at, img.isNull() ? QSize(0, 0) : img.size()));
    return image;
}

QString S(int baseId)
{
    return resources::LoadResString(NewPuzzle::Language + baseId);
}

} // namespace

frmAbout::frmAbout(frmPuzzle &main) : QDialog(&main), m_main(main)
{
    setFont(arial(8));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    buildControls();
    // The design's client area: 4530 x 5220 twips.
    setFixedSize(px(4530), px(5220));
    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::buildControls()
{
    Label1 = textLabel(this, twips(1050, 105, 2850, 330), Qt::AlignHCenter);
    Label1->setFont(arial(14.25, true));
    Label1->setText(QStringLiteral("Quadrifoglio"));

    lblVersione = textLabel(this, twips(1155, 525, 2745, 225), Qt::AlignHCenter);
    lblVersione->setFont(arial(9.75, true));
    QPalette versionColors = lblVersione->palette();
    versionColors.setColor(QPalette::Window, QColor(0, 0, 192));
    versionColors.setColor(QPalette::WindowText,
                           QApplication::palette().color(QPalette::HighlightedText));
    lblVersione->setPalette(versionColors);
    lblVersione->setAutoFillBackground(true);

    // The pictures of the design: the clover badge and a jigsaw piece either
    // side of the title, and a pennant by the first mail link.
    imgIcona = picture(this, QStringLiteral("icona"), QPoint(16, 6));
    Image1 = picture(this, QStringLiteral("image1"), QPoint(254, 6));
    Image2 = picture(this, QStringLiteral("image2"), QPoint(78, 205));

    lblInfo = textLabel(this, twips(90, 840, 4245, 825));

    // The logo sits under the note that points to the web site.
    const QImage logo = resources::LoadDesignPicture(QStringLiteral("logo"));
    imgLogo = new platform::ClickLabel(this);
    imgLogo->setPixmap(QPixmap::fromImage(logo));
    imgLogo->setGeometry(QRect(QPoint(78, 120), logo.isNull() ? QSize(147, 26) : logo.size()));
    connect(imgLogo, &platform::ClickLabel::clicked, this, &frmAbout::imgLogo_Click);

    // Two etched separators: a grey line with a light one just below it.
    struct LineDesign
    {
        int x2, y;
        QColor color;
    };
    const QColor grey(128, 128, 128), light(224, 224, 224);
    const LineDesign lines[4] = {{4305, 2310, grey}, {4305, 2325, light},
                                 {4275, 3615, light}, {4275, 3600, grey}};
    for (int i = 0; i < 4; ++i) {
        Line1[i] = new QWidget(this);
        Line1[i]->setGeometry(px(240), px(lines[i].y), px(lines[i].x2) - px(240), 1);
        QPalette pal = Line1[i]->palette();
        pal.setColor(QPalette::Window, lines[i].color);
        Line1[i]->setPalette(pal);
        Line1[i]->setAutoFillBackground(true);
    }

    lblCopyr = textLabel(this, twips(428, 2520, 3675, 555), Qt::AlignHCenter);
    lblCopyr->setFont(arial(9));

    const QRect mailDesign[2] = {twips(1440, 3045, 2010, 225), twips(1440, 3315, 2010, 225)};
    for (int i = 0; i < 2; ++i) {
        lblMail[i] = new platform::ClickLabel(this);
        lblMail[i]->setGeometry(mailDesign[i]);
        lblMail[i]->setTextFormat(Qt::PlainText);
        QFont font = arial(9, i == 0);
        font.setUnderline(true);
        lblMail[i]->setFont(font);
        QPalette pal = lblMail[i]->palette();
        pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
        lblMail[i]->setPalette(pal);
        lblMail[i]->setText(about::MailAddress(i));
        const std::int16_t index = std::int16_t(i);
        connect(lblMail[i], &platform::ClickLabel::clicked, this,
                [this, index] { lblMail_Click(index); });
    }

    lbl1 = textLabel(this, twips(240, 3825, 4005, 225));
    lbl2 = textLabel(this, twips(240, 4035, 4005, 225));
    lbl3 = textLabel(this, twips(240, 4245, 3975, 375));

    cmdChiudi = new QPushButton(this);
    cmdChiudi->setGeometry(twips(1680, 4815, 1170, 330));
    cmdChiudi->setAutoDefault(false);
    connect(cmdChiudi, &QPushButton::clicked, this, &frmAbout::cmdChiudi_Click);
}

void frmAbout::Form_Load()
{
    // 1-3. The pointing hand over everything that can be clicked.
    const QCursor hand = resources::LoadResCursor(102);
    cmdChiudi->setCursor(hand);
    cmdChiudi->setText(S(116));
    cmdChiudi->setToolTip(S(117));
    for (platform::ClickLabel *mail : lblMail)
        mail->setCursor(hand);
    imgLogo->setCursor(hand);

    // 4. The main window's colour of the moment.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, m_main.BackColor());
    setPalette(pal);
    setAutoFillBackground(true);

    // 5-8.
    setWindowTitle(S(111) + QLatin1String("...."));
    lblVersione->setText(about::VersionLine(NewPuzzle::Language));
    lblCopyr->setText(about::AuthorsNotice().replace(QLatin1String("\r\n"), QLatin1String("\n")));
    lblInfo->setText(S(119).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    lbl1->setText(S(120));
    lbl2->setText(S(121));
    lbl3->setText(S(122));
}

void frmAbout::imgLogo_Click()
{
    // Nothing to open the page with is no reason to keep the window open.
    NewPuzzle::Services().shell->open(about::WebAddress());
    close();
}

void frmAbout::lblMail_Click(std::int16_t Index)
{
    if (Index == 0 || Index == 1)
        NewPuzzle::Services().shell->open(QLatin1String("mailto:") + about::MailAddress(Index));
    close();
}

void frmAbout::cmdChiudi_Click()
{
    close();
}

void ShowAboutForm(frmPuzzle &main)
{
    QPointer<frmAbout> form = new frmAbout(main);
    form->exec();
    delete form.data();
}
