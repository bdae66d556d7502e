#pragma once

#include <cstdint>
#include <string>

namespace uninst {

// Message box flags and results, as the Win32 numbers.
inline constexpr std::uint32_t kMbOk = 0x0;
inline constexpr std::uint32_t kMbIconExclamation = 0x30;
inline constexpr std::uint32_t kMbYesNoQuestion = 0x24;
inline constexpr std::uint32_t kMbTaskModalError = 0x2010;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;

// Message boxes (no owner window), the cursor and the program's string resources
// (IDs in resource.h).
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Returns the Win32 result: IDOK, IDYES, IDNO..., or 0 / -1 when no box could be shown.
    virtual int ShowMessage(const std::string& text, const std::string& caption, std::uint32_t flags) = 0;
    // Makes the system wait cursor current and keeps the one it replaced; returns
    // whether there was one (a null cursor is not kept).
    virtual bool BeginWaitCursor() = 0;
    // Makes the kept cursor current again.
    virtual void RestoreCursor() = 0;
    // "" when the string does not exist.
    virtual std::string LoadText(unsigned id) = 0;
};

}  // namespace uninst
