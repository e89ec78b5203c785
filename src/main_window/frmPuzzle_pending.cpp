// TO BE REPLACED: stand-ins for the time bar and the best-time line, so that
// this part of the window builds on its own. The real ones live with the
// game clock and the records; this file is removed when they arrive.

#include "main_window/frmPuzzle.h"

void frmPuzzle::DrawProgress(std::int16_t BarLength, std::int32_t Remaining)
{
    (void)BarLength;
    (void)Remaining;
}
