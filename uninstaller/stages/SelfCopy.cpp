#include "stages/SelfCopy.h"

#include "text/PathResolution.h"

namespace uninst {

namespace {

constexpr std::size_t kMaxAnsiPath = 260;

// A folder name of 64 unforeseeable bits: "kvu" and 16 hex digits.
std::optional<std::string> UnforeseeableName(SystemServices& system)
{
    std::string name = "kvu";
    for (int half = 0; half < 2; ++half) {
        const auto bits = system.UnforeseeableNumber();
        if (!bits)
            return std::nullopt;
        for (int shift = 28; shift >= 0; shift -= 4)
            name += "0123456789abcdef"[(*bits >> shift) & 0xF];
    }
    return name;
}

std::optional<TemporaryCopy> MakeCopy(Platform& platform)
{
    // Without a temporary folder the name alone would land at the root of the current
    // drive, or in the current folder: the copy is then made nowhere.
    const std::string temp = platform.system.TempFolder();
    if (!ResolvePath(temp))
        return std::nullopt;
    const std::string parent = temp.back() == '\\' ? temp : temp + "\\";
    for (int attempt = 0; attempt < kCopyFolderTries; ++attempt) {
        const auto name = UnforeseeableName(platform.system);
        if (!name)
            return std::nullopt;
        TemporaryCopy copy{parent + *name, parent + *name + "\\" + kCleanupProgramName};
        // The ANSI file functions take no path of MAX_PATH characters or more.
        if (copy.program.size() >= kMaxAnsiPath)
            return std::nullopt;
        // A name that is taken already, by chance or by someone who foresaw it, is never
        // used: only a folder this run made can hold nothing that someone else put there.
        if (!platform.files.CreateNewFolder(copy.folder))
            continue;
        if (!platform.files.CopyToNew(platform.system.ProgramPath(), copy.program)) {
            DiscardCopy(platform, copy);
            return std::nullopt;
        }
        // A run killed from here on leaves both to the next system start.
        RequestDeletionAtRestart(platform, copy.program);
        platform.files.DeleteAtNextStart(copy.folder);
        return copy;
    }
    return std::nullopt;
}

}  // namespace

bool RequestDeletionAtRestart(Platform& platform, const std::string& path)
{
    if (platform.files.DeleteAtNextStart(path))
        return true;
    // Systems without delayed moves take the request from WININIT.INI.
    const std::string ini = platform.system.WindowsFolder() + "\\WININIT.INI";
    return platform.files.WriteIniString("Rename", "NUL", path, ini);
}

std::optional<TemporaryCopy> PrepareSelfRemoval(Platform& platform)
{
    auto copy = MakeCopy(platform);
    Pause(platform.system);
    return copy;
}

void HandOverToCleanup(Platform& platform, const TemporaryCopy& copy)
{
    // The copy's path is quoted too: a temporary folder with spaces (as under
    // "Documents and Settings") would otherwise split it, and the system would try to
    // start a piece of it.
    const std::string commandLine = "\"" + copy.program + "\" \"" + platform.system.ProgramPath() + "\"";
    platform.system.Launch(commandLine, kSwShow);
}

void DiscardCopy(Platform& platform, const TemporaryCopy& copy)
{
    platform.files.EraseFile(copy.program);
    platform.files.RemoveFolder(copy.folder);
}

}  // namespace uninst
