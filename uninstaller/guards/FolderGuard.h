#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/KnownFolders.h"
#include "platform/LongPaths.h"
#include "platform/Registry.h"

namespace uninst {

// Why a folder the log names must stay.
enum class FolderRefusal {
    Unresolvable,  // empty, relative, or not resolved by its text alone (ResolvePath)
    Root,          // a drive or share root
    Standard,      // one of the standard folders (kStandardFolders), or a profile root
};

// The folder guard of one run. A standard folder is compared with the path both as the
// system resolves them (ResolvePath), with every short name spelled long (LongPaths, for
// a path holding a "~"), and without regard to letter case A-Z. The standard folders are
// read from the registry when a question first needs them, each at most once, through
// keys kept open for the guard's life: the guard serves a stretch of the run in which
// nothing changes them.
class FolderGuard {
public:
    FolderGuard(RegistryFactory& registry, LongPaths& longPaths, KnownFolders& known);
    ~FolderGuard();
    FolderGuard(const FolderGuard&) = delete;
    FolderGuard& operator=(const FolderGuard&) = delete;

    // Why the folder must stay; nullopt when it may go. Besides the standard folders it
    // refuses, for the first reason in the order of FolderRefusal, a path that the text
    // alone does not resolve (an empty one too) and a drive or share root.
    std::optional<FolderRefusal> IsSystemFolder(const std::string& path);

private:
    struct OpenedKey;
    // Standard folder index as the registry stores it or the system tells it; "" when
    // its key cannot be opened, the value is missing or empty, or the system cannot tell.
    std::string ShellFolderPath(std::size_t index);
    // Standard folder index, resolved, long and lower-cased; "" when it names none.
    const std::string& Standard(std::size_t index);
    std::string LongSpelling(const std::string& path);

    RegistryFactory& registry_;
    LongPaths& longPaths_;
    KnownFolders& known_;
    std::vector<OpenedKey> keys_;
    std::vector<std::string> standard_;
};

}  // namespace uninst
