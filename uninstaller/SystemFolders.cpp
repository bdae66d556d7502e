#include "SystemFolders.h"

#include "AnsiText.h"
#include "PathResolution.h"

namespace uninst {

namespace {

constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

constexpr const char* kFolderValues[kShellFolderCount] = {
    "Programs",  "Desktop",   "Personal", "Recent",          "SendTo",         "Start Menu",
    "Startup",   "Templates", "Fonts",    "AppData",         "Cache",          "Cookies",
    "Favorites", "History",   "NetHood",  "ProgramFilesDir", "CommonFilesDir",
};

constexpr int kFirstMachineFolder = 15;

// The key holding the user's folders (indices 0-14) or the machine's (15-16), open;
// null when it cannot be opened.
std::unique_ptr<Registry> OpenFolderKey(RegistryFactory& registry, bool machine)
{
    auto reg = registry.CreateRegistry();
    reg->SetRoot(machine ? kLocalMachine : kCurrentUser);
    if (!reg->OpenKey(machine ? kCurrentVersionKey : kShellFoldersKey))
        return nullptr;
    return reg;
}

}  // namespace

std::string ShellFolderPath(RegistryFactory& registry, int index)
{
    if (index < 0 || index >= kShellFolderCount)
        return {};
    auto reg = OpenFolderKey(registry, index >= kFirstMachineFolder);
    return reg ? reg->ReadString(kFolderValues[index]) : std::string();
}

FolderRefusal RefuseFolder(RegistryFactory& registry, const std::string& path)
{
    // Compared as the system resolves them, since that is what a removal acts on. A path
    // that resolves against the current folder (an empty one too), or that the text alone
    // cannot resolve, might be any folder; a drive or share root is no application's.
    const auto resolved = ResolvePath(path);
    if (!resolved)
        return FolderRefusal::Unresolvable;
    if (resolved->back() == '\\')
        return FolderRefusal::Root;
    const std::string loweredPath = LowerAscii(*resolved);
    // Each key is opened once per call rather than once per value: opening dominates
    // the cost of this guard, which runs for every folder and shortcut removed. The
    // values themselves are read afresh on every call.
    std::unique_ptr<Registry> keys[2];
    bool opened[2] = {false, false};
    for (int index = 0; index < kShellFolderCount; ++index) {
        const int which = index >= kFirstMachineFolder ? 1 : 0;
        if (!opened[which]) {
            keys[which] = OpenFolderKey(registry, which == 1);
            opened[which] = true;
        }
        if (!keys[which])
            continue;
        const auto folder = ResolvePath(keys[which]->ReadString(kFolderValues[index]));
        if (folder && LowerAscii(*folder) == loweredPath)
            return FolderRefusal::Standard;
    }
    return FolderRefusal::None;
}

bool IsSystemFolder(RegistryFactory& registry, const std::string& path)
{
    return RefuseFolder(registry, path) != FolderRefusal::None;
}

}  // namespace uninst
