#pragma once

#include <string>

#include "Registry.h"

namespace uninst {

inline constexpr int kShellFolderCount = 17;

// Path of standard folder index 0..16 as the registry stores it; "" when its key
// cannot be opened or the value is missing or empty.
std::string ShellFolderPath(RegistryFactory& registry, int index);

// Whether the path names one of the standard folders, both taken as the system
// resolves them (ResolvePath) and compared without regard to letter case A-Z. A path
// that must never be removed counts too: an empty or relative one, one that the text
// alone does not resolve, and a drive or share root.
bool IsSystemFolder(RegistryFactory& registry, const std::string& path);

}  // namespace uninst
