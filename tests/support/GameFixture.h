#pragma once

// One start of the game on fake services in a throw-away folder, and playing
// it as a player would: through the real window's mouse path (masks, grab and
// all), answering modal windows as they open.

#include "ui/MainWindow.h"
#include "game/Puzzle.h"
#include "ui/Startup.h"
#include "support/FakeServices.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

// The main window is deleted with the fixture.
class GameFixture
{
public:
    GameFixture()
    {
        fakes.folders.app = folder.appDir();
        fakes.folders.windows = folder.configDir();
    }
    ~GameFixture() { delete NewPuzzle::MainForm(); }
    GameFixture(const GameFixture &) = delete;
    GameFixture &operator=(const GameFixture &) = delete;

    // A picture and a Matrix.dat as a gift-maker leaves them.
    void givePicture(const QImage &image = TestFolder::cellPicture(), const QString &name = "Matrix.bmp")
    {
        folder.writePicture(name, image);
    }
    void giveSettings(const QByteArray &line) { folder.write("Matrix.dat", line); }

    // Runs the program's entry point; the main window, or null when the
    // program did not get that far.
    frmPuzzle *start()
    {
        lives = NewPuzzle::Main(fakes.services());
        return form = NewPuzzle::MainForm();
    }

    // The usual copy: the cell picture and a Matrix.dat starting with the
    // language `digit`, started on a screen of `screen`; shown at the outer
    // size `outer` when one is given.
    frmPuzzle *startCopy(char digit = '0', QSize screen = QSize(1024, 768), QSize outer = QSize())
    {
        givePicture();
        giveSettings(QByteArray(1, digit) + "Buon divertimento\r\n");
        fakes.screen.size = screen;
        if (start() && outer.isValid())
            showAtOuterSize(outer);
        return form;
    }

    // Gives the window this outer size (frame included), the size its
    // layout is computed from.
    void showAtOuterSize(QSize outer)
    {
        form->showNormal();
        form->resize(outer - (form->frameGeometry().size() - form->size()));
        QCoreApplication::processEvents();
    }

    FakeServices fakes;
    TestFolder folder;
    QPointer<frmPuzzle> form;
    bool lives = false;
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

// Answers the next modal window of type T once it is open (from inside its
// own event loop), however deep in the game's code it is opened. Counts the
// answers in *answered. A window that is never answered is closed after ten
// seconds, so that a broken test fails instead of hanging.
template<typename T>
void AnswerModal(std::function<void(T *)> act, int *answered = nullptr)
{
    auto *poll = new QTimer;
    auto started = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window) {
            if (++*started > 2000) {
                poll->stop();
                poll->deleteLater();
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        QPointer<T> guard(window);
        QTimer::singleShot(10000, [guard] {
            if (guard)
                guard->close();
        });
        if (answered)
            ++*answered;
        act(window);
    });
    poll->start(5);
}

// The plain cut of piece n out of the cell picture: the 70 x 70 square
// around its cell, black beyond the picture's edge.
inline QImage PlainCut(int n)
{
    const QPoint offset = geometry::BodyOffset(n);
    QImage square(70, 70, QImage::Format_RGB32);
    square.fill(Qt::black);
    QPainter(&square).drawImage(offset - QPoint(geometry::ColumnOf(n), geometry::RowOf(n)) * 60,
                                TestFolder::cellPicture());
    return square;
}

// Where a piece can be taken hold of: the middle of its body, always inside
// its outline.
inline QPoint Grip(int piece)
{
    return geometry::BodyOffset(piece) + QPoint(30, 30);
}

// Presses `button` on the piece, drags it so that its window's top-left
// corner lands on `corner` (window coordinates) and lets go there.
inline void DragPiece(frmPuzzle *form, int piece, QPoint corner,
                      Qt::MouseButton button = Qt::LeftButton)
{
    QWindow *window = form->windowHandle();
    const QPoint from = form->picTessera[piece]->pos() + Grip(piece);
    const QPoint to = corner + Grip(piece);
    QTest::mousePress(window, button, {}, from);
    QTest::mouseMove(window, (from + to) / 2);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, button, {}, to);
}

// Drags the piece home, exactly onto its own cell.
inline void PlacePiece(frmPuzzle *form, int piece)
{
    DragPiece(form, piece, geometry::HomePosition(piece, form->picPuzzle->pos()));
}

// Chooses a level and presses Play, in stopwatch mode when asked.
inline void StartGame(frmPuzzle *form, int level, bool stopwatch = false)
{
    QTest::mouseClick(form->optLevel[level], Qt::LeftButton);
    if (form->chkTimer->isChecked() != stopwatch)
        form->chkTimer->setChecked(stopwatch);
    QTest::mouseClick(form->cmdStart, Qt::LeftButton);
}
