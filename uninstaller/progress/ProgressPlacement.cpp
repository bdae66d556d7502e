#include "progress/ProgressPlacement.h"

namespace uninst {

WindowOrigin CentredOrigin(const WindowRect& bounds, const ScreenSize& screen)
{
    // C++ integer division rounds toward zero, as the placement rule wants.
    return {(screen.width - (bounds.right - bounds.left)) / 2, (screen.height - (bounds.bottom - bounds.top)) / 2};
}

void CentreAndPaint(ProgressWindow& window)
{
    const WindowOrigin origin = CentredOrigin(window.Bounds(), window.Screen());
    window.MoveTo(origin.x, origin.y);
    window.Paint();
}

}  // namespace uninst
