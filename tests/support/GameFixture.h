#pragma once

// One start of the game on fake services in a throw-away folder, and playing
// it as a player would: through the real window's mouse path (masks, grab and
// all).

#include "game/Puzzle.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"
#include "ui/AboutDialog.h"
#include "ui/BoardItem.h"
#include "ui/MainWindow.h"
#include "ui/Panels.h"
#include "ui/PieceItem.h"
#include "ui/SceneView.h"
#include "ui/ResultDialog.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <memory>

class GameFixture
{
public:
    GameFixture()
    {
        fakes.folders.app = folder.appDir();
        fakes.folders.config = folder.configDir();
    }
    GameFixture(const GameFixture &) = delete;
    GameFixture &operator=(const GameFixture &) = delete;

    // A picture and a Matrix.dat as a gift-maker leaves them.
    void givePicture(const QImage &image = TestFolder::cellPicture(), const QString &name = "Matrix.bmp")
    {
        folder.writePicture(name, image);
    }
    void giveSettings(const QByteArray &line) { folder.write("Matrix.dat", line); }

    // Starts the game and waits until its picture is on the board (or the
    // game has given up); the main window, or null when it refused to start.
    MainWindow *start()
    {
        owned = startup::start(fakes.services());
        window = owned.get();
        if (window)
            ready = QTest::qWaitFor([this] { return fakes.end.quits > 0 || window->pictureReady(); }, 5000);
        // A picture decoded by the time the window is shown is on the board
        // at once, before the window's first frame: the window is taken as
        // it is on the screen.
        if (window && window->isVisible())
            ready = QTest::qWaitFor([this] { return window->view()->hasShownAFrame(); }, 5000) && ready;
        lives = window && fakes.end.quits == 0;
        return window;
    }

    // The usual copy: the cell picture and a Matrix.dat starting with the
    // language `digit`, started on a screen of `screen`; shown with the
    // inside `inside` when one is given.
    MainWindow *startCopy(char digit = '0', QSize screen = QSize(1024, 768), QSize inside = QSize())
    {
        givePicture();
        giveSettings(QByteArray(1, digit) + "Buon divertimento\r\n");
        fakes.screen.size = screen;
        if (start() && inside.isValid())
            showAtSize(inside);
        return window;
    }

    // Gives the window this inside, the size its layout is computed from.
    void showAtSize(QSize inside)
    {
        window->showNormal();
        window->resize(inside);
        QCoreApplication::processEvents();
    }

    // The widgets a player sees, found by their names: the window's own and
    // the controls of its scene.
    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        if (T *own = window->findChild<T *>(name))
            return own;
        return qobject_cast<T *>(window->sceneWidget(name));
    }
    template<typename T>
    QList<T *> findAll() const
    {
        QList<T *> all = window->findChildren<T *>();
        for (QWidget *top : window->sceneWidgets())
            all += top->findChildren<T *>();
        return all;
    }
    QRadioButton *levelButton(int level) const { return find<QRadioButton>(QStringLiteral("level%1").arg(level)); }
    QPushButton *button(const QString &name) const { return find<QPushButton>(name); }
    QString clockText() const { return find<QLabel>("clock")->text(); }
    QImage timeBar() const { return find<TimeBar>("timeBar")->image(); }
    QString bestTimeText() const { return find<QLabel>("bestTime")->text(); }
    PieceItem *piece(int n) const { return window->piece(n); }
    // Where a piece lies, in design pixels.
    QPoint piecePos(int n) const { return piece(n)->pos().toPoint(); }
    QTimer *ticks() const { return find<QTimer>("clockTicks"); }
    Game &game() const { return window->game(); }

    // The end-of-game window open over the game; null when there is none.
    ResultDialog *resultDialog() const
    {
        for (ResultDialog *d : window->findChildren<ResultDialog *>())
            if (d->isVisible())
                return d;
        return nullptr;
    }
    AboutDialog *aboutDialog() const
    {
        for (AboutDialog *d : window->findChildren<AboutDialog *>())
            if (d->isVisible())
                return d;
        return nullptr;
    }
    // Closes the end-of-game window with its Close button, typing `name`
    // first when it asks for one. The end it showed (0 for no window).
    int answerResult(const QString &name = QString())
    {
        ResultDialog *dialog = resultDialog();
        if (!dialog)
            return 0;
        const int end = int(window->game().result().end);
        auto *box = dialog->findChild<QLineEdit *>("name");
        if (!name.isEmpty() && box->isVisible())
            QTest::keyClicks(box, name);
        dialog->findChild<QToolButton *>("close")->click();
        return end;
    }

    // A tick of the game clock `ms` after the last.
    void tickAfter(std::uint32_t ms)
    {
        fakes.clock.advance(ms);
        window->game().tick();
    }

    // Chooses a level and presses Play, in stopwatch mode when asked.
    void startGame(int level, bool stopwatch = false)
    {
        QTest::mouseClick(levelButton(level), Qt::LeftButton);
        QPushButton *timer = button("timerSwitch");
        if (timer->isChecked() != stopwatch)
            timer->setChecked(stopwatch);
        QTest::mouseClick(button("play"), Qt::LeftButton);
    }

    // The pieces are made for the first game: one started and given up
    // leaves them made and dealt, hidden, on the start screen.
    void makePieces()
    {
        startGame(2);
        QTest::mouseClick(button("giveUp"), Qt::LeftButton);
    }

    // Presses `button` on the piece, drags it so that its top-left corner
    // lands on `corner` (design pixels) and lets go there.
    void dragPiece(int n, QPoint corner, Qt::MouseButton mouseButton = Qt::LeftButton)
    {
        QWindow *handle = window->windowHandle();
        const QPoint from = window->toWindow(piece(n)->pos() + grip(n));
        const QPoint to = window->toWindow(QPointF(corner + grip(n)));
        QTest::mousePress(handle, mouseButton, {}, from);
        QTest::mouseMove(handle, (from + to) / 2);
        QTest::mouseMove(handle, to);
        QTest::mouseRelease(handle, mouseButton, {}, to);
    }

    // Drags the piece home, exactly onto its own cell.
    void placePiece(int n) { dragPiece(n, home(n)); }

    // Where the board lies, in design pixels.
    QPoint boardPos() const { return window->board()->pos().toPoint(); }
    // Where the piece lies when it is home, in design pixels.
    QPoint home(int n) const { return puzzle::homePosition(n, boardPos()); }

    // Where a piece can be taken hold of: the middle of its body, always
    // inside its outline.
    static QPoint grip(int n) { return puzzle::bodyOffset(n) + QPoint(30, 30); }

    FakeServices fakes;
    TestFolder folder;
    std::unique_ptr<MainWindow> owned;
    MainWindow *window = nullptr;
    bool lives = false;
    bool ready = false; // the picture came (or the game gave up) in time
};

// Types `text` into `widget` key by key, as a keyboard does; letters beyond
// ASCII arrive as a key event carrying their text.
inline void TypeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// The plain cut of piece n out of the cell picture: the 70 x 70 square
// around its cell, black beyond the picture's edge.
inline QImage PlainCut(int n)
{
    const QPoint offset = puzzle::bodyOffset(n);
    QImage square(70, 70, QImage::Format_RGB32);
    square.fill(Qt::black);
    QPainter(&square).drawImage(offset - QPoint(puzzle::columnOf(n), puzzle::rowOf(n)) * 60,
                                TestFolder::cellPicture());
    return square;
}
