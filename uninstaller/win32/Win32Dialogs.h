#pragma once

#include <windows.h>

#include "platform/Dialogs.h"

namespace uninst::win32 {

class Win32Dialogs : public Dialogs {
public:
    int ShowMessage(const std::string& text, const std::string& caption, std::uint32_t flags) override;
    bool BeginWaitCursor() override;
    void RestoreCursor() override;
    std::string LoadText(unsigned id) override;

private:
    HCURSOR keptCursor_ = nullptr;
};

}  // namespace uninst::win32
