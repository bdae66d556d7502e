#pragma once

#include "platform/ProgressWindow.h"

namespace uninst {

struct WindowOrigin {
    int x = 0;
    int y = 0;
};

// Top-left corner that centres a window of the given bounds on the screen (integer
// division, rounding toward zero).
WindowOrigin CentredOrigin(const WindowRect& bounds, const ScreenSize& screen);

// Moves the window to the centre of the screen and paints it once.
void CentreAndPaint(ProgressWindow& window);

}  // namespace uninst
