#pragma once

class frmPuzzle;

// Module Tessere: the jigsaw outlines of the 36 piece windows.
namespace Tessere {

// Gives every piece window of the main window its outline. Needs all 36
// piece windows to exist.
void SetPieceOutlines(frmPuzzle &form);

} // namespace Tessere
