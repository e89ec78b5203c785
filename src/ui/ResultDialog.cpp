#include "ui/ResultDialog.h"

#include "assets/Assets.h"
#include "game/BestTimes.h"
#include "platform/Numbers.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using besttimes::GameEnd;

namespace {

QFont arial(double points, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

constexpr double MessageSize = 14.25;

} // namespace

ResultDialog::ResultDialog(QWidget *parent, const Game::Result &result, texts::Language language,
                           const QColor &windowColour, QSize screen)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("resultDialog"));
    setFont(arial(9));
    // A title and a close box, no other buttons, and a size that stays.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(380, 233);
    // Centred on the screen, three pixels to the right.
    move(platform::roundToInt16((screen.width() - width()) / 2.0 + 3),
         platform::roundToInt16((screen.height() - height()) / 2.0));

    m_iconLabel = new QLabel(this);
    m_iconLabel->setGeometry(168, 8, 32, 32);

    // The black title first, so that the red one lies over it as its shadow.
    const QRect titles[2] = {QRect(9, 10, 137, 17), QRect(8, 8, 137, 17)};
    const QColor titleColours[2] = {Qt::black, QColor(255, 0, 0)};
    for (int i = 0; i < 2; ++i) {
        auto *title = new QLabel(QStringLiteral("Quadrifoglio 3D"), this);
        title->setGeometry(titles[i]);
        title->setTextFormat(Qt::PlainText);
        title->setFont(arial(12, true));
        QPalette pal = title->palette();
        pal.setColor(QPalette::WindowText, titleColours[i]);
        title->setPalette(pal);
    }

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setGeometry(8, 48, 361, 81);
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setFont(arial(MessageSize, true));

    m_namePrompt = new QLabel(this);
    m_namePrompt->setObjectName(QStringLiteral("namePrompt"));
    m_namePrompt->setGeometry(5, 136, 265, 19);
    m_namePrompt->setTextFormat(Qt::PlainText);
    m_namePrompt->setFont(arial(9, false, true));
    m_namePrompt->hide();

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setGeometry(272, 136, 97, 19);
    m_name->setFont(arial(9));
    m_name->setMaxLength(besttimes::NameFieldLength);
    m_name->hide();

    // A graphical button: its picture above its caption.
    m_close = new QToolButton(this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setGeometry(150, 168, 81, 57);
    m_close->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_close->setIconSize(QSize(32, 32));
    const QImage clover = assets::icon(assets::Icon::Clover);
    if (!clover.isNull())
        m_close->setIcon(QIcon(QPixmap::fromImage(clover)));
    m_close->setCursor(assets::cursor(assets::Cursor::PointingHand));
    m_close->setText(texts::text(language, texts::TextId::Close));
    m_close->setToolTip(texts::text(language, texts::TextId::CloseTip));
    connect(m_close, &QToolButton::clicked, this, &QDialog::accept);

    // The main window's colour of the moment.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, windowColour);
    setPalette(pal);
    setAutoFillBackground(true);

    compose(result, language);
}

void ResultDialog::compose(const Game::Result &result, texts::Language language)
{
    if (const auto size = besttimes::messageFontSize(result.end)) {
        QFont font = m_message->font();
        font.setPointSizeF(*size);
        m_message->setFont(font);
    }

    m_icon = besttimes::endIcon(result.end);
    const QImage icon = assets::icon(assets::Icon(m_icon));
    if (icon.isNull())
        m_icon = 0;
    else
        m_iconLabel->setPixmap(QPixmap::fromImage(icon));

    if (result.end == GameEnd::NewBestTime) {
        m_namePrompt->setText(texts::text(language, texts::TextId::TypeYourName)
                              + QLatin1String(" >"));
        m_namePrompt->setVisible(true);
        m_name->setVisible(true);
    }
    m_message->setText(besttimes::forDisplay(
        besttimes::endMessage(result.end, language, result.level, result.seconds)));
}

QString ResultDialog::typedName() const
{
    return besttimes::nameField(m_name->text());
}

bool ResultDialog::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    // The name box takes the keyboard each time the window comes to the front.
    if (event->type() == QEvent::WindowActivate && m_name->isVisible())
        m_name->setFocus(Qt::ActiveWindowFocusReason);
    return handled;
}

void ResultDialog::keyPressEvent(QKeyEvent *event)
{
    // Return presses Close, as in any dialog whose default button it is; in
    // the name box it means the name is typed (the box passes Return on).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_close->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
