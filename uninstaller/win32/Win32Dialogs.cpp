#include "Win32Dialogs.h"

namespace uninst::win32 {

int Win32Dialogs::ShowMessage(const std::string& text, const std::string& caption, std::uint32_t flags)
{
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags);
}

bool Win32Dialogs::BeginWaitCursor()
{
    keptCursor_ = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
    return keptCursor_ != nullptr;
}

void Win32Dialogs::RestoreCursor()
{
    if (keptCursor_ != nullptr) {
        SetCursor(keptCursor_);
        keptCursor_ = nullptr;
    }
}

std::string Win32Dialogs::LoadText(unsigned id)
{
    // A string resource holds at most 65535 characters.
    std::string text(65536, '\0');
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, text.data(), static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

}  // namespace uninst::win32
