#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/TextCompare.h"

namespace uninst {

inline constexpr int kSwShow = 5;

// Process and system facts and services.
class SystemServices : public TextCompare, public Clock, public KnownFolders {
public:
    virtual ~SystemServices() = default;

    // Full path of the running program file.
    virtual std::string ProgramPath() = 0;
    // The raw command line (GetCommandLineA), program name included.
    virtual std::string CommandLine() = 0;
    // GetTempPathA: ends with "\".
    virtual std::string TempFolder() = 0;
    virtual std::string WindowsFolder() = 0;
    // Abbreviated language name of the system default locale ("FRA", "ENU"...).
    virtual std::string SystemLanguage() = 0;
    // 32 bits that no other program can foresee (the system's cryptographic generator);
    // nullopt when the system gives none.
    virtual std::optional<std::uint32_t> UnforeseeableNumber() = 0;
    // Starts a process; returns 0 or the system's error code.
    virtual std::uint32_t Launch(const std::string& commandLine, int showState) = 0;
    virtual void Wait(unsigned milliseconds) = 0;
};

// The uninstaller's one pause, of 300 ms: after its self-copy, before each phase, at the
// end of the work and in the cleanup stage.
inline void Pause(SystemServices& system)
{
    system.Wait(300);
}

}  // namespace uninst
