// The end of a solved puzzle.

#include "ui/MainWindow.h"
#include "ui/ResultDialog.h"
#include "ui/Startup.h"

#include <QPushButton>
#include <QTimer>

void frmPuzzle::CompletePuzzle()
{
    if (!BeginGameEnd())
        return;
    NewPuzzle::PlayCue(210);
    DrawBevel(picPuzzle, false);
    repaint();
    Timer1->stop();
    // The finished picture shows without the pieces' raised edges; the next
    // game cuts them with the edge again.
    if (Effect3D != 0)
        CutPieces(0);

    // Four seconds to look at it. The window keeps painting; a click made
    // meanwhile waits for the next yield.
    NewPuzzle::DoEvents();
    m_services.clock->sleep(2000);
    NewPuzzle::DoEvents();
    m_services.clock->sleep(2000);
    // The player may have closed the window meanwhile: the program is ending.
    if (m_unloaded)
        return;

    if (!chkTimer->isChecked()) {
        CheckBestTime();
    } else {
        NewPuzzle::MessageKind = 2;
        ShowMessageForm(*this);
    }
    ResetBoard();
}
