#pragma once

#include "Win32Handles.h"
#include "platform/SystemServices.h"

namespace uninst::win32 {

class Win32SystemServices : public SystemServices {
public:
    int CompareNoCase(const std::string& a, const std::string& b) override;
    std::string ProgramPath() override;
    std::string CommandLine() override;
    std::string TempFolder() override;
    std::string WindowsFolder() override;
    std::string SystemLanguage() override;
    std::optional<std::uint32_t> UnforeseeableNumber() override;
    std::string KnownFolderPath(KnownFolder folder) override;
    std::uint32_t Launch(const std::string& commandLine, int showState) override;
    void Wait(unsigned milliseconds) override;
    std::uint32_t Milliseconds() override;

private:
    // Loaded from the system folder when first needed.
    UniqueModule shell_;
    UniqueModule userProfiles_;
};

}  // namespace uninst::win32
