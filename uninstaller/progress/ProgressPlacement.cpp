#include "progress/ProgressPlacement.h"

namespace uninst {

void CentreAndPaint(ProgressWindow& window)
{
    const WindowRect bounds = window.Bounds();
    const ScreenSize screen = window.Screen();
    // C++ integer division rounds toward zero, as the placement rule wants.
    window.MoveTo((screen.width - (bounds.right - bounds.left)) / 2, (screen.height - (bounds.bottom - bounds.top)) / 2);
    window.Paint();
}

}  // namespace uninst
