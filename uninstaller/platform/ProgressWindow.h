#pragma once

#include <string>

namespace uninst {

struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The modeless progress dialog: a status line (control 102) and a bar (control 100,
// range 0..100). When Create fails the window is null and every later call acts on a
// null window (and does nothing).
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;

    virtual bool Create() = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual WindowRect Bounds() = 0;
    virtual ScreenSize Screen() = 0;
    // Moves without changing size or z-order.
    virtual void MoveTo(int x, int y) = 0;
    virtual void Paint() = 0;
    virtual void SetStatus(const std::string& text) = 0;
    virtual void SetBar(int position) = 0;
    virtual void Destroy() = 0;
};

}  // namespace uninst
