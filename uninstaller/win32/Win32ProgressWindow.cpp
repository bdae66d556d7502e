#include "Win32ProgressWindow.h"

#include <commctrl.h>

#include "platform/resource.h"

namespace uninst::win32 {

INT_PTR CALLBACK ProgressDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: {
        InitCommonControls();
        // Placed in client pixels, not dialog units.
        HWND bar = CreateWindowExA(0, "msctls_progress32", "", WS_CHILD | WS_VISIBLE, 40, 50, 200, 16, window,
                                   reinterpret_cast<HMENU>(IDC_PROGRESS_BAR), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        break;
    }
    case WM_PROGRESS_SETPOS: SendDlgItemMessageA(window, IDC_PROGRESS_BAR, PBM_SETPOS, wParam, 0); break;
    default: break;
    }
    return FALSE;
}

bool Win32ProgressWindow::Create()
{
    window_.reset(CreateDialogParamA(GetModuleHandleA(nullptr), IDD_PROGRESS_NAME, nullptr, ProgressDlgProc, 0));
    return static_cast<bool>(window_);
}

// The calls below go to the window even when it is null: the system then simply fails them.

void Win32ProgressWindow::SetCaption(const std::string& text)
{
    SendMessageA(window_.get(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

WindowRect Win32ProgressWindow::Bounds()
{
    RECT rect{};
    GetWindowRect(window_.get(), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

ScreenSize Win32ProgressWindow::Screen()
{
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32ProgressWindow::MoveTo(int x, int y)
{
    SetWindowPos(window_.get(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void Win32ProgressWindow::Paint()
{
    UpdateWindow(window_.get());
}

void Win32ProgressWindow::SetStatus(const std::string& text)
{
    SetDlgItemTextA(window_.get(), IDC_STATUS_LINE, text.c_str());
}

void Win32ProgressWindow::SetBar(int position)
{
    SendDlgItemMessageA(window_.get(), IDC_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void Win32ProgressWindow::Destroy()
{
    window_.reset();
}

}  // namespace uninst::win32
