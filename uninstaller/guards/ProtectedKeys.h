#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace uninst {

// A key path as the registry reads it: letters A-Z lower-cased, runs of "\" taken as
// one, leading and trailing "\" dropped ("" is the root itself).
std::string TidyKeyPath(std::string_view path);

// The rule that protects a key: a row of the protected-key table ("HKCU\Environment",
// "SOFTWARE\Microsoft\Windows\CurrentVersion\Run"...), or "ROOT", "HKLM\*", "HKU\*" or
// "CLASSES" for a root, a key directly under HKEY_LOCAL_MACHINE or HKEY_USERS, and a
// Classes key itself. nullopt when nothing protects it.
using Protection = std::optional<std::string_view>;

// Whether deleting the key (with its subkeys) would take away something that the
// system or every application shares: a root, a key directly under HKEY_LOCAL_MACHINE
// or HKEY_USERS, a listed key, or a key on the way to a listed one; and by which rule.
// The same keys are protected wherever the registry shows them again (HKEY_USERS\<user>
// as HKEY_CURRENT_USER, Software\Classes as HKEY_CLASSES_ROOT, Wow6432Node).
Protection IsProtectedKey(RootKey root, std::string_view path);

// Whether deleting the value would take away one that the system and every application
// share (the Path of either Environment key, Winlogon's Shell...), and by which row. The
// same values are protected wherever the registry shows their keys again, as for keys.
Protection IsProtectedValue(RootKey root, std::string_view keyPath, std::string_view valueName);

// Whether the text is one key name: not empty and without "\".
bool IsSingleKeyName(std::string_view name);

// The rows of the two tables, as the rules name them, for an author to read.
std::span<const std::string_view> ProtectedKeyRows();
std::span<const std::string_view> ProtectedValueRows();

}  // namespace uninst
