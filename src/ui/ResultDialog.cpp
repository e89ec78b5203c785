#include "ui/ResultDialog.h"

#include "assets/Assets.h"
#include "game/BestTimes.h"
#include "ui/TextFit.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

#include <cmath>

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

// The window's design: a 361-pixel column of text inside margins of 8 on the
// left and 11 on the right, and a message box 81 pixels high at the least.
// Longer texts make the window taller, never cut.
constexpr int TextWidth = 361;
constexpr int MessageHeight = 81;

// "Quadrifoglio 3D" in red over its black shadow, one pixel right and two down.
class ShadowTitle : public QWidget
{
public:
    explicit ShadowTitle(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("title"));
        setFont(arial(12, true));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QString text() const { return QStringLiteral("Quadrifoglio 3D"); }
    QSize sizeHint() const override
    {
        return fontMetrics().size(Qt::TextSingleLine, text()) + ShadowOffset;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setFont(font());
        const QRect box = rect().adjusted(0, 0, -ShadowOffset.width(), -ShadowOffset.height());
        p.setPen(Qt::black);
        p.drawText(box.translated(ShadowOffset.width(), ShadowOffset.height()), Qt::AlignLeft | Qt::AlignTop, text());
        p.setPen(QColor(255, 0, 0));
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text());
    }

private:
    static constexpr QSize ShadowOffset{1, 2};
};

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

    // The title on the left and the icon in the middle share the top row.
    m_iconLabel = new QLabel(this);
    m_iconLabel->setFixedSize(32, 32);
    auto *top = new QGridLayout;
    top->addWidget(new ShadowTitle(this), 0, 0, Qt::AlignLeft | Qt::AlignTop);
    top->addWidget(m_iconLabel, 0, 0, Qt::AlignHCenter | Qt::AlignTop);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setFont(arial(MessageSize, true));

    m_namePrompt = new QLabel(this);
    m_namePrompt->setObjectName(QStringLiteral("namePrompt"));
    m_namePrompt->setTextFormat(Qt::PlainText);
    m_namePrompt->setWordWrap(true);
    m_namePrompt->setFont(arial(9, false, true));

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setFont(arial(9));
    m_name->setFixedSize(97, 19);
    m_name->setMaxLength(besttimes::NameFieldLength);

    // The name's row keeps its place when it is hidden: every end has the
    // same window.
    auto *nameRow = new QHBoxLayout;
    nameRow->setSpacing(2);
    nameRow->addWidget(m_namePrompt, 1);
    nameRow->addWidget(m_name, 0, Qt::AlignTop);
    for (QWidget *w : {static_cast<QWidget *>(m_namePrompt), static_cast<QWidget *>(m_name)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
        w->hide();
    }

    // A graphical button: its picture above its caption.
    m_close = new QToolButton(this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setMinimumSize(81, 57);
    m_close->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_close->setIconSize(QSize(32, 32));
    const QImage clover = assets::icon(assets::Icon::Clover);
    if (!clover.isNull())
        m_close->setIcon(QIcon(QPixmap::fromImage(clover)));
    m_close->setCursor(assets::cursor(assets::Cursor::PointingHand));
    m_close->setText(texts::text(language, texts::TextId::Close));
    m_close->setToolTip(texts::text(language, texts::TextId::CloseTip));
    connect(m_close, &QToolButton::clicked, this, &QDialog::accept);

    auto *column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->setContentsMargins(8, 8, 11, 8);
    column->setSpacing(0);
    column->addLayout(top);
    column->addSpacing(8);
    column->addWidget(m_message);
    column->addSpacing(7);
    column->addLayout(nameRow);
    column->addSpacing(13);
    column->addWidget(m_close, 0, Qt::AlignHCenter);

    // The main window's colour of the moment.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, windowColour);
    setPalette(pal);
    setAutoFillBackground(true);

    compose(result, language);

    // Centred on the screen, three pixels to the right, at the size its
    // texts have given it.
    layout()->activate();
    move(int(std::nearbyint((screen.width() - width()) / 2.0 + 3)),
         int(std::nearbyint((screen.height() - height()) / 2.0)));
}

void ResultDialog::compose(const Game::Result &result, texts::Language language)
{
    if (const auto size = besttimes::messageFontSize(result.end)) {
        QFont font = m_message->font();
        font.setPointSizeF(*size);
        m_message->setFont(font);
    }

    const assets::Icon shown = besttimes::endIcon(result.end);
    m_icon = int(shown);
    const QImage icon = assets::icon(shown);
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
    m_message->setText(besttimes::endMessage(result.end, language, result.level, result.seconds));
    ui::fitLabelToText(m_message, TextWidth, MessageHeight);
    ui::fitLabelToText(m_namePrompt, TextWidth - 2 - m_name->width(), m_name->height());
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
