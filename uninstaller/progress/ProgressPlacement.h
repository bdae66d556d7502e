#pragma once

#include "platform/ProgressWindow.h"

namespace uninst {

// Moves the window to the centre of the screen (integer division, rounding toward zero)
// and paints it once.
void CentreAndPaint(ProgressWindow& window);

}  // namespace uninst
