#include "SystemFolders.h"

#include "AnsiText.h"

namespace uninst {

namespace {

constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

constexpr const char* kFolderValues[kShellFolderCount] = {
    "Programs", "Desktop", "Personal", "Recent", "SendTo", "Start Menu",
    "Startup", "Templates", "Fonts", "AppData", "Cache", "Cookies",
    "Favorites", "History", "NetHood", "ProgramFilesDir", "CommonFilesDir",
};

// An empty path would make the removal act on the current folder, and a drive root
// is never an application's folder.
bool IsEmptyOrDriveRoot(const std::string& path)
{
    if (path.empty() || path == "\\")
        return true;
    const bool drive = path.size() >= 2 && path[1] == ':';
    return drive && (path.size() == 2 || (path.size() == 3 && path[2] == '\\'));
}

}  // namespace

std::string ShellFolderPath(RegistryFactory& registry, int index)
{
    if (index < 0 || index >= kShellFolderCount)
        return {};
    auto reg = registry.CreateRegistry();
    const bool machine = index >= 15;
    reg->SetRoot(machine ? kLocalMachine : kCurrentUser);
    if (!reg->OpenKey(machine ? kCurrentVersionKey : kShellFoldersKey))
        return {};
    std::string folder = reg->ReadString(kFolderValues[index]);
    reg->CloseKey();
    return folder;
}

bool IsSystemFolder(RegistryFactory& registry, const std::string& path)
{
    if (IsEmptyOrDriveRoot(path))
        return true;
    const bool pathEndsWithSeparator = path.back() == '\\';
    const std::string loweredPath = LowerAscii(path);
    for (int index = 0; index < kShellFolderCount; ++index) {
        std::string folder = ShellFolderPath(registry, index);
        if (folder.empty())
            continue;
        const bool folderEndsWithSeparator = folder.back() == '\\';
        if (pathEndsWithSeparator && !folderEndsWithSeparator)
            folder += '\\';
        else if (!pathEndsWithSeparator && folderEndsWithSeparator)
            folder.pop_back();
        if (LowerAscii(folder) == loweredPath)
            return true;
    }
    return false;
}

}  // namespace uninst
