#pragma once

#include <string>

#include "Registry.h"

namespace uninst {

inline constexpr int kShellFolderCount = 17;

// Path of standard folder index 0..16 as the registry stores it; "" when its key
// cannot be opened or the value is missing or empty.
std::string ShellFolderPath(RegistryFactory& registry, int index);

// Whether the path names one of the standard folders (letter case A-Z and a trailing
// "\" aside). An empty path and a drive root count as system folders: such a path
// must never be removed.
bool IsSystemFolder(RegistryFactory& registry, const std::string& path);

}  // namespace uninst
