#pragma once

namespace platform {

// The screen-wide mouse pointer: 11 the hourglass, 0 the default of each
// control. Setting 0 drops the hourglass however often it was set.
void SetScreenMousePointer(int pointer);

} // namespace platform
