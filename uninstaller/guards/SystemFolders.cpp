#include "guards/SystemFolders.h"

#include "text/AnsiText.h"
#include "text/PathResolution.h"

namespace uninst {

namespace {

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

FolderRefusal FolderGuard::Refuse(const std::string& path)
{
    // Compared as the system resolves them, since that is what a removal acts on. A path
    // that resolves against the current folder (an empty one too), or that the text alone
    // cannot resolve, might be any folder; a drive or share root is no application's.
    const auto resolved = ResolvePath(path);
    if (!resolved)
        return FolderRefusal::Unresolvable;
    if (resolved->back() == '\\')
        return FolderRefusal::Root;
    // A short name reaches the same folder as its long one ("FAVO~X2L" is "Favorites").
    const std::string wanted = LowerAscii(LongSpelling(*resolved));
    for (int index = 0; index < kShellFolderCount; ++index) {
        if (Standard(index) == wanted)
            return FolderRefusal::Standard;
    }
    return FolderRefusal::None;
}

const std::string& FolderGuard::Standard(int index)
{
    // Read in order and only as far as a question goes: a value that is no string fails
    // the question that first reaches it, as a read on every question would.
    while (static_cast<int>(standard_.size()) <= index) {
        const int next = static_cast<int>(standard_.size());
        const int which = next >= kFirstMachineFolder ? 1 : 0;
        if (!opened_[which]) {
            keys_[which] = OpenFolderKey(registry_, which == 1);
            opened_[which] = true;
        }
        std::string folder;
        if (keys_[which]) {
            const auto resolved = ResolvePath(keys_[which]->ReadString(kFolderValues[next]));
            if (resolved)
                folder = LowerAscii(LongSpelling(*resolved));
        }
        standard_.push_back(std::move(folder));
    }
    return standard_[static_cast<std::size_t>(index)];
}

std::string FolderGuard::LongSpelling(const std::string& path)
{
    // The short names the system makes all hold a "~" ("PROGRA~1", "FAVO~X2L"); a path
    // without one is spelled long already. Asking the system costs a read of every folder
    // on the path (milliseconds under Wine), and the guard answers for every folder and
    // shortcut removed. Short names set by hand, which takes an administrator, are not
    // looked for.
    return path.find('~') == std::string::npos ? path : longPaths_.LongPath(path);
}

FolderRefusal RefuseFolder(RegistryFactory& registry, LongPaths& longPaths, const std::string& path)
{
    return FolderGuard(registry, longPaths).Refuse(path);
}

bool IsSystemFolder(RegistryFactory& registry, LongPaths& longPaths, const std::string& path)
{
    return RefuseFolder(registry, longPaths, path) != FolderRefusal::None;
}

}  // namespace uninst
