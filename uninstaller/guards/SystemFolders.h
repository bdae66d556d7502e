#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/LongPaths.h"
#include "platform/Registry.h"

namespace uninst {

// Where the standard folders are read: the user's under HKEY_CURRENT_USER, the
// program folders' under HKEY_LOCAL_MACHINE.
inline constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

inline constexpr int kShellFolderCount = 17;

// Path of standard folder index 0..16 as the registry stores it; "" when its key
// cannot be opened or the value is missing or empty.
std::string ShellFolderPath(RegistryFactory& registry, int index);

// Why a folder the log names must stay.
enum class FolderRefusal {
    None,
    Unresolvable,  // empty, relative, or not resolved by its text alone (ResolvePath)
    Root,          // a drive or share root
    Standard,      // one of the standard folders
};

// The folder guard of one run. A standard folder is compared with the path both as the
// system resolves them (ResolvePath), with every short name spelled long (LongPaths, for
// a path holding a "~"), and without regard to letter case A-Z. The standard folders are
// read from the registry when a question first needs them, each at most once: the guard
// serves a stretch of the run in which nothing changes them.
class FolderGuard {
public:
    FolderGuard(RegistryFactory& registry, LongPaths& longPaths) : registry_(registry), longPaths_(longPaths) {}

    // The first reason, in the order of FolderRefusal, to keep the folder.
    FolderRefusal Refuse(const std::string& path);
    // Whether the folder must stay for any reason.
    bool Keeps(const std::string& path) { return Refuse(path) != FolderRefusal::None; }

private:
    // Standard folder index, resolved, long and lower-cased; "" when it names none.
    const std::string& Standard(int index);
    std::string LongSpelling(const std::string& path);

    RegistryFactory& registry_;
    LongPaths& longPaths_;
    std::unique_ptr<Registry> keys_[2];
    bool opened_[2] = {false, false};
    std::vector<std::string> standard_;
};

// One question to a guard of its own: the standard folders are read afresh.
FolderRefusal RefuseFolder(RegistryFactory& registry, LongPaths& longPaths, const std::string& path);
bool IsSystemFolder(RegistryFactory& registry, LongPaths& longPaths, const std::string& path);

}  // namespace uninst
