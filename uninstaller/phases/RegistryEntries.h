#pragma once

#include <optional>
#include <string>

#include "platform/Registry.h"

namespace uninst {

// A registry entry's text split at its first "\": the root named before it (compared
// exactly; none for any other name, which keeps the root of the entry before) and the
// path after it.
struct RegistryEntryText {
    std::optional<RootKey> root;
    std::string path;
};

// nullopt for a text without "\": such an entry stays.
std::optional<RegistryEntryText> SplitRegistryEntry(const std::string& text);

// Whether a registry path names nothing below its root ("" or only separators).
bool AddressesRoot(const std::string& path);

// The name a log gives a root key ("HKEY_CURRENT_USER"...), "?" for another.
const char* RootName(RootKey root);

}  // namespace uninst
