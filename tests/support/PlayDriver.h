#pragma once

// Plays the game in a test as a player would: through the real window's
// mouse path (masks, grab and all), answering modal windows as they open.

#include "main_window/frmPuzzle.h"
#include "pieces/Geometry.h"

#include <QApplication>
#include <QPointer>
#include <QRadioButton>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

namespace driver {

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
    PictureBox *box = form->picTessera[piece];
    const QPoint from = box->pos() + Grip(piece);
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

} // namespace driver
