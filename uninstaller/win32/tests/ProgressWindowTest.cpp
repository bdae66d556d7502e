#include <gtest/gtest.h>

#include <vector>

#include "progress/PacedBar.h"
#include "progress/ProgressPlacement.h"
#include "Win32ProgressWindow.h"
// After windows.h, which it needs.
#include <commctrl.h>

namespace uninst::win32 {
namespace {

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

int BarPosition(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, 100, PBM_GETPOS, 0, 0));
}

// The bar's pixels as drawn (no message loop runs: only its own drawing when it moves).
std::vector<COLORREF> BarPicture(HWND dialog)
{
    HWND bar = GetDlgItem(dialog, 100);
    HDC dc = GetDC(bar);
    std::vector<COLORREF> pixels;
    for (int at = 0; at < 200 * 16; ++at) {
        pixels.push_back(GetPixel(dc, at % 200, at / 200));
    }
    ReleaseDC(bar, dc);
    return pixels;
}

struct StillClock : Clock {
    std::uint32_t Milliseconds() override { return 0; }
};

TEST(ProgressWindow, IsBuiltFromTheProgressTemplateWithItsBar)
{
    Win32ProgressWindow window;
    ASSERT_TRUE(window.Create());
    HWND dialog = window.Handle();
    EXPECT_EQ(ClassOf(dialog), "#32770");
    EXPECT_EQ(TextOf(dialog), "Korvalis");
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(TextOf(GetDlgItem(dialog, 102)), "D\xE9marrage de l'installation");

    HWND bar = GetDlgItem(dialog, 100);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(ClassOf(bar), "msctls_progress32");
    EXPECT_EQ(GetWindowLongA(bar, GWL_STYLE) & 0xFFFF0000, 0x50000000);
    PBRANGE range{};
    SendMessageA(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 100);
    EXPECT_EQ(BarPosition(dialog), 0);

    // Client pixels, not dialog units.
    RECT barRect{};
    GetWindowRect(bar, &barRect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&barRect), 2);
    EXPECT_EQ(barRect.left, 40);
    EXPECT_EQ(barRect.top, 50);
    EXPECT_EQ(barRect.right - barRect.left, 200);
    EXPECT_EQ(barRect.bottom - barRect.top, 16);
}

TEST(ProgressWindow, ShowsTheTitleStatusAndPosition)
{
    Win32ProgressWindow window;
    ASSERT_TRUE(window.Create());
    HWND dialog = window.Handle();
    window.SetCaption("D\xE9sinstallation");
    EXPECT_EQ(TextOf(dialog), "D\xE9sinstallation");
    window.SetStatus("Removing Files");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, 102)), "Removing Files");

    window.SetBar(33);
    EXPECT_EQ(BarPosition(dialog), 33);
    // The dialog's private message moves the bar too.
    SendMessageA(dialog, 0x0400 + 100, 66, 0);  // WM_USER + 100
    EXPECT_EQ(BarPosition(dialog), 66);
}

TEST(ProgressWindow, PacedBarEndsOnThePictureOfOneThatGotEveryPosition)
{
    std::vector<COLORREF> every;
    {
        Win32ProgressWindow window;
        ASSERT_TRUE(window.Create());
        for (int position = 1; position <= 100; ++position) {
            window.SetBar(position);
        }
        every = BarPicture(window.Handle());
    }
    Win32ProgressWindow window;  // in the same place
    ASSERT_TRUE(window.Create());
    StillClock clock;  // only the last position is drawn, at the end
    PacedBar bar(window, clock);
    for (int position = 1; position <= 100; ++position) {
        bar.Move(position);
    }
    EXPECT_NE(BarPicture(window.Handle()), every);
    bar.Finish();
    EXPECT_EQ(BarPicture(window.Handle()), every);
}

TEST(ProgressWindow, IsCentredOnTheScreen)
{
    Win32ProgressWindow window;
    ASSERT_TRUE(window.Create());
    const WindowRect before = window.Bounds();
    const ScreenSize screen = window.Screen();
    EXPECT_EQ(screen.width, GetSystemMetrics(SM_CXSCREEN));
    ASSERT_GT(screen.width, 0);

    CentreAndPaint(window);
    const WindowRect after = window.Bounds();
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    EXPECT_EQ(after.left, (screen.width - (before.right - before.left)) / 2);
    EXPECT_EQ(after.top, (screen.height - (before.bottom - before.top)) / 2);
}

TEST(ProgressWindow, GoesAwayWhenDestroyedAndToleratesANullWindow)
{
    Win32ProgressWindow window;
    ASSERT_TRUE(window.Create());
    HWND dialog = window.Handle();
    window.Destroy();
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(window.Handle(), nullptr);

    // Never created: every call acts on a null window and does nothing.
    Win32ProgressWindow none;
    none.SetCaption("x");
    none.SetStatus("x");
    none.SetBar(50);
    none.MoveTo(1, 1);
    none.Paint();
    none.Destroy();
    EXPECT_EQ(none.Bounds().right, 0);
}

TEST(ProgressWindow, ClosesWithItsOwner)
{
    HWND dialog = nullptr;
    {
        Win32ProgressWindow window;
        ASSERT_TRUE(window.Create());
        dialog = window.Handle();
    }
    EXPECT_FALSE(IsWindow(dialog));
}

}  // namespace
}  // namespace uninst::win32
