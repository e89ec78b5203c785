// The main window as a good citizen of the desktop: the pause, the sound
// switch, the keys, the help window and what a screen reader says. Kept
// apart from MainWindow.cpp, which lays out and plays the game.

#include "ui/MainWindow.h"

#include "assets/Assets.h"
#include "game/Texts.h"
#include "ui/BoardItem.h"
#include "ui/IconButton.h"
#include "ui/DialogScale.h"
#include "ui/HelpDialog.h"
#include "ui/Panels.h"
#include "ui/PauseCover.h"
#include "ui/PieceItem.h"
#include "ui/SceneView.h"
#include "ui/WindowPlacement.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// The two icons, in a 24 x 24 box; the buttons show them at 16.
void drawPause(QPainter &p, const QColor &ink)
{
    p.fillRect(QRect(6, 4, 4, 16), ink);
    p.fillRect(QRect(14, 4, 4, 16), ink);
}

void drawSound(QPainter &p, const QColor &ink, bool on)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath speaker;
    speaker.moveTo(3, 9);
    speaker.lineTo(7, 9);
    speaker.lineTo(12, 4);
    speaker.lineTo(12, 20);
    speaker.lineTo(7, 15);
    speaker.lineTo(3, 15);
    speaker.closeSubpath();
    p.fillPath(speaker, ink);
    p.setPen(QPen(on ? ink : QColor(192, 0, 0), 2));
    if (on) {
        p.drawArc(QRectF(9, 7, 8, 10), -60 * 16, 120 * 16);
        p.drawArc(QRectF(9, 3, 12, 18), -60 * 16, 120 * 16);
    } else {
        p.drawLine(15, 8, 21, 16);
        p.drawLine(21, 8, 15, 16);
    }
}

IconButton::Drawing soundDrawing(bool on)
{
    return [on](QPainter &p, const QColor &ink) { drawSound(p, ink, on); };
}

// A piece, to a screen reader: a picture with its number and whether it is
// in place, lying where the scene shows it.
class PieceAccessible final : public QAccessibleObject
{
public:
    explicit PieceAccessible(PieceItem *piece) : QAccessibleObject(piece) {}

    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !piece()->isVisible();
        state.disabled = !piece()->isEnabled();
        return state;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return piece()->accessibleName();
        if (kind == QAccessible::Description)
            return piece()->accessibleDescription();
        return QString();
    }
    QRect rect() const override
    {
        const QGraphicsView *view = this->view();
        if (!view)
            return QRect();
        const QRect shown = view->mapFromScene(piece()->sceneBoundingRect()).boundingRect();
        return QRect(view->viewport()->mapToGlobal(shown.topLeft()), shown.size());
    }
    QAccessibleInterface *parent() const override
    {
        return view() ? QAccessible::queryAccessibleInterface(view()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

private:
    PieceItem *piece() const { return static_cast<PieceItem *>(object()); }
    QGraphicsView *view() const
    {
        const QGraphicsScene *scene = piece()->scene();
        return scene && !scene->views().isEmpty() ? scene->views().constFirst() : nullptr;
    }
};

// The scene, to a screen reader: a picture (the board) holding the pieces
// on show.
class SceneAccessible final : public QAccessibleWidget
{
public:
    explicit SceneAccessible(QWidget *view) : QAccessibleWidget(view, QAccessible::Graphic) {}

    int childCount() const override { return int(pieces().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<PieceItem *> shown = pieces();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(pieces().indexOf(qobject_cast<PieceItem *>(child->object()))) : -1;
    }

private:
    QList<PieceItem *> pieces() const
    {
        QList<PieceItem *> shown;
        const auto *view = static_cast<const QGraphicsView *>(widget());
        for (QGraphicsItem *item : view->scene()->items(Qt::AscendingOrder)) {
            auto *piece = qobject_cast<PieceItem *>(item->toGraphicsObject());
            if (piece && piece->isVisible())
                shown << piece;
        }
        std::sort(shown.begin(), shown.end(), [](PieceItem *a, PieceItem *b) { return a->piece() < b->piece(); });
        return shown;
    }
};

QAccessibleInterface *pictureRoles(const QString &className, QObject *object)
{
    if (className == QLatin1String("SceneView") && object && object->isWidgetType())
        return new SceneAccessible(static_cast<QWidget *>(object));
    if (className == QLatin1String("PieceItem") && object)
        return new PieceAccessible(static_cast<PieceItem *>(object));
    return nullptr;
}

} // namespace

void MainWindow::buildDesktopButtons()
{
    m_pause = new IconButton(drawPause, QSize(16, 16));
    m_pause->setParent(m_commands);
    m_pause->setObjectName(QStringLiteral("pause"));
    m_pause->setCheckable(true);
    m_pause->setEnabled(false); // a game is paused, not the start screen
    // The button shows the game's pause, whatever its own click did.
    connect(m_pause, &QPushButton::clicked, this, [this] {
        onPauseToggled();
        m_pause->setChecked(m_game.isPaused());
        focusBoard();
    });

    m_soundSwitch = new IconButton(soundDrawing(m_preferences.soundOn()), QSize(16, 16));
    m_soundSwitch->setParent(m_commands);
    m_soundSwitch->setObjectName(QStringLiteral("sound"));
    m_soundSwitch->setCheckable(true);
    connect(m_soundSwitch, &QPushButton::clicked, this, [this] {
        m_preferences.setSoundOn(!m_preferences.soundOn());
        focusBoard();
    });
}

void MainWindow::setUpDesktop()
{
    connect(&m_preferences, &Preferences::soundChanged, this, &MainWindow::onSoundChanged);
    m_sound.setOn(m_preferences.soundOn());
    m_soundSwitch->setChecked(m_preferences.soundOn());

    connect(&m_game, &Game::pausedChanged, this, &MainWindow::onPausedChanged);
    connect(&m_game, &Game::stateChanged, this, [this](Game::State state) {
        m_pause->setEnabled(state == Game::State::Playing);
        if (state == Game::State::Playing) {
            m_clock->showPlacedCount(0, puzzle::PieceCount);
            // Play is gone from sight: the keys of the game (P, Space, M)
            // go to the board, not to the next button in the row.
            focusBoard();
        }
        for (int number = 1; number <= puzzle::PieceCount; ++number)
            describePiece(number);
    });
    connect(&m_game, &Game::piecePlaced, this, [this](int number) {
        m_clock->showPlacedCount(m_game.placedCount(), puzzle::PieceCount);
        describePiece(number);
    });

    setUpKeys();
    setUpAccessibility();
}

void MainWindow::setUpKeys()
{
    // P, Space and M come to keyPressEvent when no control takes them, so
    // that Space still presses a button that has the keyboard.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &MainWindow::showHowToPlay);
    connect(new QShortcut(QKeySequence(Qt::Key_F11), this), &QShortcut::activated, this,
            &MainWindow::toggleFullScreen);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated,
            m_exit, &QPushButton::click);
}

void MainWindow::setUpAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(pictureRoles);
        return true;
    }();
    Q_UNUSED(installed);
}

void MainWindow::setDesktopTexts()
{
    using Id = texts::TextId;
    const auto T = [this](Id id) { return texts::text(m_language, id); };
    const auto describe = [](QWidget *widget, const QString &name, const QString &description) {
        if (!widget)
            return;
        widget->setAccessibleName(name);
        widget->setAccessibleDescription(description);
    };
    const auto plain = [](QString caption) { return caption.remove(QLatin1Char('&')); };

    m_pause->setToolTip(T(Id::PauseTip));
    m_soundSwitch->setToolTip(T(Id::SoundTip));
    describe(m_pause, T(Id::Pause), T(Id::PauseTip));
    describe(m_soundSwitch, T(Id::Sound), T(Id::SoundTip));
    describe(m_timer, plain(m_timer->text()), m_timer->toolTip());
    describe(m_edge, T(Id::Edge), m_edge->toolTip());
    describe(m_colour, T(Id::Colour), m_colour->toolTip());
    describe(m_about, T(Id::AboutName), T(Id::AboutDescription));
    describe(m_exit, plain(m_exit->text()), m_exit->toolTip());
    auto *giveUp = m_clock->findChild<QPushButton *>(QStringLiteral("giveUp"));
    describe(giveUp, T(Id::GiveUp), giveUp ? giveUp->toolTip() : QString());
    for (QAbstractButton *button : m_start->findChildren<QAbstractButton *>())
        describe(button, plain(button->text()), button->toolTip());
    describe(m_view, T(Id::Board), T(Id::BoardDescription));
    describe(m_clock->findChild<QLabel *>(QStringLiteral("clock")), T(Id::Time), T(Id::Time));
    describe(m_clock->findChild<QLabel *>(QStringLiteral("placedCount")), T(Id::PlacedCount),
             T(Id::PlacedCount));
    m_cover->setNote(T(Id::PausedNote));
    for (int number = 1; number <= puzzle::PieceCount; ++number)
        describePiece(number);

    // Access keys on letters no caption of any language takes: Relief,
    // cOlour, New game (the tip of <<). Set after the captions, which reset a
    // button's key.
    m_edge->setShortcut(QKeySequence(Qt::ALT | Qt::Key_R));
    m_colour->setShortcut(QKeySequence(Qt::ALT | Qt::Key_O));
    if (giveUp)
        giveUp->setShortcut(QKeySequence(Qt::ALT | Qt::Key_N));
}

void MainWindow::describePiece(int number)
{
    PieceItem *item = piece(number);
    if (!item)
        return;
    using Id = texts::TextId;
    const bool home = m_game.state() != Game::State::Idle && m_game.isPlaced(number);
    item->setAccessibleName(texts::text(m_language, home ? Id::PieceInPlace : Id::PieceLoose).arg(number));
    item->setAccessibleDescription(texts::text(m_language, Id::PieceDescription));
}

void MainWindow::onPauseToggled()
{
    if (m_game.isPaused())
        m_game.resume();
    else
        m_game.pause();
}

void MainWindow::onPausedChanged(bool paused)
{
    m_pause->setChecked(paused);
    if (!paused) {
        m_cover->hide();
        if (m_game.state() == Game::State::Playing)
            m_ticks->start();
        return;
    }
    m_ticks->stop();
    // A piece held at the pause goes back: nothing stays in the hand.
    endDrag();
    coverBoard();
    m_cover->show();
}

void MainWindow::coverBoard()
{
    // The board hides under the cover; the clock and the commands stay above it.
    m_cover->setColour(backgroundColour());
    QRegion uncovered(m_clockItem->sceneBoundingRect().toAlignedRect());
    for (const QPushButton *button : m_commands->findChildren<QPushButton *>())
        uncovered += button->geometry().translated(m_commandsItem->pos().toPoint());
    m_cover->cover(m_scene->sceneRect().toAlignedRect().adjusted(0, 0, 1, 1), boardRect(), uncovered);
}

void MainWindow::pauseWhileOpen(QDialog *dialog)
{
    // Only a pause the window made ends with the window; the player's own
    // pause, or one for a minimized window, waits for the player.
    if (!m_game.pause())
        return;
    connect(dialog, &QDialog::finished, this, [this] {
        if (!isMinimized())
            m_game.resume();
    });
}

void MainWindow::onSoundChanged(bool on)
{
    m_sound.setOn(on);
    m_soundSwitch->setChecked(on);
    m_soundSwitch->setDrawing(soundDrawing(on));
}

void MainWindow::toggleFullScreen()
{
    if (isFullScreen()) {
        setWindowState(m_beforeFullScreen);
        return;
    }
    m_beforeFullScreen = windowState() & ~(Qt::WindowMinimized | Qt::WindowFullScreen);
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void MainWindow::placeWindow(WindowMode mode)
{
    using Mode = WindowPlacement::Mode;
    const std::optional<WindowPlacement> stored = m_preferences.windowPlacement();
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect primaryArea = primary ? primary->availableGeometry() : QRect();

    // The window comes back as it was left, inside the screens there are now;
    // --window asks for an ordinary window whatever was kept.
    if (stored) {
        const QRect normal = windowplacement::fitInside(stored->normal, screens, minimumSize());
        const Mode kept = mode == WindowMode::Normal ? Mode::Normal : stored->mode;
        setGeometry(normal);
        if (kept == Mode::Normal) {
            m_wasNormal = true;
            showNormal();
        } else if (kept == Mode::FullScreen) {
            m_beforeFullScreen = Qt::WindowMaximized;
            showFullScreen();
        } else {
            showMaximized();
        }
        return;
    }
    if (mode == WindowMode::Normal) {
        // A window of its own among the others: most of the screen, centred.
        if (primary) {
            const QSize wanted = (primaryArea.size() * 4 / 5).expandedTo(minimumSize()).boundedTo(primaryArea.size());
            setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, wanted, primaryArea));
        }
        m_wasNormal = true;
        showNormal();
    } else {
        // Maximized; without a window manager to maximize it, it takes the
        // whole available screen area itself.
        if (primary)
            setGeometry(primaryArea);
        showMaximized();
    }
}

void MainWindow::keepWindowPlacement()
{
    using Mode = WindowPlacement::Mode;
    const Qt::WindowStates state = windowState();
    const Mode mode = state & Qt::WindowFullScreen ? Mode::FullScreen
                      : state & Qt::WindowMaximized ? Mode::Maximized
                                                    : Mode::Normal;
    // An ordinary window's own size and place; a window maximized all along
    // keeps what was kept before, or nothing.
    QRect normal;
    if (mode == Mode::Normal && !(state & Qt::WindowMinimized))
        normal = geometry();
    else if (m_wasNormal)
        normal = normalGeometry();
    else if (const auto stored = m_preferences.windowPlacement())
        normal = stored->normal;
    if (!normal.isValid())
        return;
    // Not worth a word when it cannot be written: the game ends either way.
    (void)m_preferences.saveWindowPlacement({normal, mode});
}

void MainWindow::showHowToPlay()
{
    if (m_help) {
        m_help->raise();
        return;
    }
    m_help = new HelpDialog(this, m_language);
    dialogscale::grow(m_help, m_scale);
    connect(m_help, &QDialog::finished, m_help, &QObject::deleteLater);
    pauseWhileOpen(m_help);
    m_help->open();
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A minimized game waits, paused, until the player goes on.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        m_game.pause();
    if (event->type() == QEvent::WindowStateChange
        && !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        m_wasNormal = true;
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_P || event->key() == Qt::Key_Space)
        && m_game.state() == Game::State::Playing) {
        onPauseToggled();
        return;
    }
    if (plain && event->key() == Qt::Key_M) {
        m_preferences.setSoundOn(!m_preferences.soundOn());
        return;
    }
    QWidget::keyPressEvent(event);
}
