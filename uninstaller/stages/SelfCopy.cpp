#include "stages/SelfCopy.h"

#include "text/PathResolution.h"

namespace uninst {

namespace {

constexpr std::size_t kMaxAnsiPath = 260;

}  // namespace

std::string TemporaryCopyPath(SystemServices& system)
{
    // Without a temporary folder the name alone would land at the root of the current
    // drive, or in the current folder: the copy is then made nowhere. The ANSI file
    // functions take no path of MAX_PATH characters or more.
    const std::string folder = system.TempFolder();
    if (!ResolvePath(folder))
        return {};
    // The temporary folder ends with "\" already; the doubled separator is harmless.
    std::string copy = folder + "\\" + kCleanupProgramName;
    return copy.size() < kMaxAnsiPath ? copy : std::string();
}

bool PrepareSelfRemoval(Platform& platform)
{
    const std::string copy = TemporaryCopyPath(platform.system);
    if (!copy.empty())
        platform.files.CopyOver(platform.system.ProgramPath(), copy);
    Pause(platform.system);
    return !copy.empty();
}

void HandOverToCleanup(Platform& platform)
{
    const std::string copy = TemporaryCopyPath(platform.system);
    if (copy.empty())
        return;
    // The copy's path is quoted too: a temporary folder with spaces (as under
    // "Documents and Settings") would otherwise split it, and the copy would take a
    // piece of its own path for the file to delete.
    const std::string commandLine = "\"" + copy + "\" \"" + platform.system.ProgramPath() + "\"";
    platform.system.Launch(commandLine, kSwShow);
}

}  // namespace uninst
