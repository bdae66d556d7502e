#pragma once

#include <string>

#include "Registry.h"

namespace uninst {

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

// The first reason, in the order above, to keep the folder. Standard folders are
// compared with the path both as the system resolves them (ResolvePath) and without
// regard to letter case A-Z.
FolderRefusal RefuseFolder(RegistryFactory& registry, const std::string& path);

// Whether the folder must stay for any reason of RefuseFolder.
bool IsSystemFolder(RegistryFactory& registry, const std::string& path);

}  // namespace uninst
