#include "ui/ResultDialog.h"

#include "ui/MainWindow.h"
#include "platform/Numbers.h"
#include "platform/Services.h"
#include "assets/Assets.h"
#include "game/BestTimes.h"
#include "ui/Startup.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QToolButton>

namespace {

// The design's rectangles are in twips, 15 to the pixel.
QRect twips(int left, int top, int width, int height)
{
    const auto px = [](int t) { return int(platform::CInt(t / double(platform::TwipsPerPixel))); };
    return {px(left), px(top), px(width), px(height)};
}

QFont arial(double points, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

constexpr double MessageDesignSize = 14.25;

} // namespace

frmMessaggi::frmMessaggi(frmPuzzle &main) : QDialog(&main), m_main(main)
{
    setFont(arial(9));
    buildControls();
    // The design's client area: 5700 x 3495 twips.
    resize(twips(0, 0, 5700, 3495).size());
    Form_Load();
}

frmMessaggi::~frmMessaggi()
{
    // Released without closing (the program ending): the name still counts.
    if (!m_unloaded)
        Form_Unload();
}

void frmMessaggi::buildControls()
{
    imgsmile = new QLabel(this);
    imgsmile->setGeometry(twips(2520, 120, 480, 480));

    // The black title first, so that the red one lies over it.
    Label1[0] = new QLabel(QStringLiteral("Quadrifoglio 3D"), this);
    Label1[0]->setGeometry(twips(135, 150, 2055, 255));
    Label1[1] = new QLabel(QStringLiteral("Quadrifoglio 3D"), this);
    Label1[1]->setGeometry(twips(120, 120, 2055, 255));
    const QColor titleColors[2] = {Qt::black, QColor(255, 0, 0)};
    for (int i = 0; i < 2; ++i) {
        Label1[i]->setTextFormat(Qt::PlainText);
        Label1[i]->setFont(arial(12, true));
        QPalette pal = Label1[i]->palette();
        pal.setColor(QPalette::WindowText, titleColors[i]);
        Label1[i]->setPalette(pal);
    }

    lblmessaggi = new QLabel(this);
    lblmessaggi->setGeometry(twips(120, 720, 5415, 1215));
    lblmessaggi->setTextFormat(Qt::PlainText);
    lblmessaggi->setWordWrap(true);
    lblmessaggi->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblmessaggi->setFont(arial(MessageDesignSize, true));

    lblRecord = new QLabel(this);
    lblRecord->setGeometry(twips(75, 2040, 3975, 285));
    lblRecord->setTextFormat(Qt::PlainText);
    lblRecord->setFont(arial(9, false, true));

    txtRecord = new QLineEdit(this);
    txtRecord->setGeometry(twips(4080, 2040, 1455, 285));
    txtRecord->setFont(arial(9));
    txtRecord->setMaxLength(records::NameFieldLength);

    // A graphical button: its picture above its caption.
    cmdChiudi = new QToolButton(this);
    cmdChiudi->setGeometry(twips(2243, 2520, 1215, 855));
    cmdChiudi->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    cmdChiudi->setIconSize(QSize(32, 32));
    const QImage icon = resources::LoadResIcon(1);
    if (!icon.isNull())
        cmdChiudi->setIcon(QIcon(QPixmap::fromImage(icon)));
    connect(cmdChiudi, &QToolButton::clicked, this, &frmMessaggi::cmdChiudi_Click);
    // A player who has typed the name and presses Return means "done".
    connect(txtRecord, &QLineEdit::returnPressed, this, &frmMessaggi::cmdChiudi_Click);
}

void frmMessaggi::Form_Load()
{
    // 1. Centred on the screen, then 45 twips to the right.
    const QSize screen = NewPuzzle::Services().screen->sizePixels();
    const int tpp = platform::TwipsPerPixel;
    const double left = (screen.width() * tpp - width() * tpp) / 2.0 + 45;
    const double top = (screen.height() * tpp - height() * tpp) / 2.0;
    move(platform::CInt(left / tpp), platform::CInt(top / tpp));

    // 2-3.
    cmdChiudi->setCursor(resources::LoadResCursor(102));
    cmdChiudi->setText(records::S(NewPuzzle::Language, 116));
    cmdChiudi->setToolTip(records::S(NewPuzzle::Language, 117));

    // 4.
    NewPuzzle::SetDialogFrame(*this);

    // 5. The main window's colour of the moment.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, m_main.BackColor());
    setPalette(pal);
    setAutoFillBackground(true);

    // 6-7.
    lblRecord->setVisible(false);
    txtRecord->setVisible(false);
    ComposeMessage();
}

void frmMessaggi::ComposeMessage()
{
    const std::int16_t kind = NewPuzzle::MessageKind;
    const std::int16_t language = NewPuzzle::Language;

    if (const auto size = records::MessageFontSize(kind)) {
        QFont font = lblmessaggi->font();
        font.setPointSizeF(*size);
        lblmessaggi->setFont(font);
    }

    m_icon = records::MessageIcon(kind);
    if (m_icon != 0) {
        const QImage icon = resources::LoadResIcon(m_icon);
        if (icon.isNull())
            m_icon = 0;
        else
            imgsmile->setPixmap(QPixmap::fromImage(icon));
    }

    if (kind == 4) {
        lblRecord->setText(records::S(language, 123) + QLatin1String(" >"));
        lblRecord->setVisible(true);
        txtRecord->setVisible(true);
    }

    // The level the player chose, as the main window's buttons show it.
    int chosen = 2;
    if (m_main.optLevel[0]->isChecked())
        chosen = 0;
    else if (m_main.optLevel[1]->isChecked())
        chosen = 1;
    const QString caption = records::MessageText(kind, language, chosen, NewPuzzle::ElapsedSeconds);
    lblmessaggi->setText(records::ForDisplay(caption));
}

QString frmMessaggi::FormatGameTime()
{
    return records::FormatGameTime(NewPuzzle::ElapsedSeconds, NewPuzzle::Language);
}

void frmMessaggi::Form_Activate()
{
    if (NewPuzzle::MessageKind == 4 && txtRecord->isVisible())
        txtRecord->setFocus(Qt::ActiveWindowFocusReason);
}

void frmMessaggi::cmdChiudi_Click()
{
    close();
}

void frmMessaggi::Form_Unload()
{
    m_unloaded = true;
    NewPuzzle::RecordName = records::NameField(txtRecord->text());
}

void frmMessaggi::done(int result)
{
    if (!m_unloaded)
        Form_Unload();
    QDialog::done(result);
}

bool frmMessaggi::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return handled;
}

void ShowMessageForm(frmPuzzle &main)
{
    QPointer<frmMessaggi> form = new frmMessaggi(main);
    form->exec();
    delete form.data();
}
