// The colour, information and exit buttons.

#include "ui/AboutDialog.h"
#include "ui/MainWindow.h"
#include "ui/Startup.h"

#include <QPushButton>

void frmPuzzle::wireCommandHandlers()
{
    connect(cmdColor, &QPushButton::clicked, this, &frmPuzzle::cmdColor_Click);
    connect(cmdInfo, &QPushButton::clicked, this, &frmPuzzle::cmdInfo_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmPuzzle::cmdEsci_Click);
}

void frmPuzzle::cmdColor_Click()
{
    NewPuzzle::PlayCue(203);
    // 1, 2, ..., 9, 0, ... An index from an edited score file counts up from
    // where it is; at the top of the 16-bit range it starts again at 0.
    ColorIndex = ColorIndex == 32767 ? 0 : std::int16_t(ColorIndex + 1);
    if (ColorIndex == 10)
        ColorIndex = 0;
    QColor color;
    ColorFromIndex(ColorIndex, color);
    setBackColor(color);
    TileBackground();
    DrawBevel(picPuzzle, true);
    // The Easy stripes are drawn in the window's colour.
    if (Level == 0)
        DrawGuideStripes();
    picPuzzle->setFocus();
}

void frmPuzzle::cmdInfo_Click()
{
    NewPuzzle::PlayCue(207);
    ShowAboutForm(*this);
}

void frmPuzzle::cmdEsci_Click()
{
    close();
}
