#include "pieces/Tessere.h"

#include "main_window/frmPuzzle.h"

namespace Tessere {

void SetPieceOutlines(frmPuzzle &form)
{
    (void)form;
}

} // namespace Tessere
