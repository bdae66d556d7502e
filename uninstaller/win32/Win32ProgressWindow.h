#pragma once

#include <windows.h>

#include "platform/ProgressWindow.h"
#include "Win32Handles.h"

namespace uninst::win32 {

// Dialog procedure of DIALOG_1: adds the progress bar when the dialog is created and
// moves it on the private message WM_PROGRESS_SETPOS. Returns FALSE for every message so
// that the default dialog handling always applies.
INT_PTR CALLBACK ProgressDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The modeless progress dialog built from the program's own DIALOG_1 template.
class Win32ProgressWindow : public ProgressWindow {
public:
    bool Create() override;
    void SetCaption(const std::string& text) override;
    WindowRect Bounds() override;
    ScreenSize Screen() override;
    void MoveTo(int x, int y) override;
    void Paint() override;
    void SetStatus(const std::string& text) override;
    void SetBar(int position) override;
    void Destroy() override;

    HWND Handle() const { return window_.get(); }

private:
    UniqueWindow window_;
};

}  // namespace uninst::win32
