// Dragging the pieces and snapping them home.

#include "game/GameClock.h"
#include "ui/MainWindow.h"
#include "game/Puzzle.h"
#include "platform/Numbers.h"
#include "assets/Assets.h"
#include "ui/Startup.h"

#include <QMouseEvent>

namespace {

// Mouse buttons as the handlers count them: 1 left, 2 right, 4 middle;
// Qt numbers the three the same way.
int ButtonCode(Qt::MouseButtons buttons)
{
    return int(buttons & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
}

int ShiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

void frmPuzzle::wirePieceHandlers(int index)
{
    PictureBox *piece = picTessera[index];
    connect(piece, &PictureBox::mousePressed, this, [this, index](QMouseEvent *e) {
        picTessera_MouseDown(index, ButtonCode(e->button()), ShiftCode(e->modifiers()),
                             float(e->position().x()), float(e->position().y()));
    });
    connect(piece, &PictureBox::mouseMoved, this, [this, index](QMouseEvent *e) {
        picTessera_MouseMove(index, ButtonCode(e->buttons()), ShiftCode(e->modifiers()),
                             float(e->position().x()), float(e->position().y()));
    });
    connect(piece, &PictureBox::mouseReleased, this, [this, index](QMouseEvent *e) {
        picTessera_MouseUp(index, ButtonCode(e->button()), ShiftCode(e->modifiers()),
                           float(e->position().x()), float(e->position().y()));
    });
}

void frmPuzzle::picTessera_MouseDown(int Index, int Button, int Shift, float X, float Y)
{
    (void)Shift;
    if (Button != 1)
        return;
    PictureBox *piece = picTessera[Index];
    DragX = platform::CInt(X);
    DragY = platform::CInt(Y);
    PickLeft = platform::CInt(piece->x());
    PickTop = platform::CInt(piece->y());
    piece->raise();
    piece->setCursor(resources::LoadResCursor(101));
    NewPuzzle::PlayCue(201);
}

void frmPuzzle::picTessera_MouseMove(int Index, int Button, int Shift, float X, float Y)
{
    (void)Shift;
    // Only the left button alone drags; with another button held as well
    // the piece waits until that one is let go.
    if (Button != 1)
        return;
    PictureBox *piece = picTessera[Index];
    // The grabbed point of the piece stays under the pointer.
    const float left = float(piece->x()) + X - float(DragX);
    const float top = float(piece->y()) + Y - float(DragY);
    piece->move(qRound(left), qRound(top));
}

void frmPuzzle::picTessera_MouseUp(int Index, int Button, int Shift, float X, float Y)
{
    (void)Shift;
    (void)X;
    (void)Y;
    if (Button != 1)
        return;
    PictureBox *piece = picTessera[Index];
    // The corner of the piece's window, rounded to the nearest grid line,
    // names the cell it was dropped on.
    const play::Cell cell = play::CellUnderCorner(piece->pos(), picPuzzle->pos());
    if (!cell.onBoard() || cell.piece() != Index) {
        ReturnPiece(std::int16_t(Index));
    } else {
        const QPoint home = geometry::HomePosition(Index, picPuzzle->pos());
        piece->move(home);
        piece->setEnabled(false);
        NewPuzzle::PlayCue(201);
        // The cue lets waiting events run: if the clock ended the game in
        // the meantime, this snap no longer counts.
        if (m_gameState == GameState::Playing) {
            ++PlacedCount;
            if (PlacedCount == geometry::PieceCount)
                CompletePuzzle();
        }
    }
    piece->setCursor(resources::LoadResCursor(100));
}

void frmPuzzle::ReturnPiece(std::int16_t Index)
{
    PictureBox *piece = picTessera[Index];
    // The piece jumps back without being drawn on its way.
    piece->setVisible(false);
    piece->move(PickLeft, PickTop);
    piece->setVisible(true);
    NewPuzzle::PlayCue(202);
}
