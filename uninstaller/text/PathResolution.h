#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace uninst {

// The full path that the system's file functions act on for a path, by the rules they
// apply before any disk access (those of GetFullPathNameA): "/" is a separator like
// "\", runs of separators count as one, "." and ".." segments are resolved (never
// above the drive or share), and trailing dots and spaces leave each segment. Letter
// case is kept and a trailing separator dropped; a drive root comes back as "C:\" and
// a share root as "\\server\share\", so a result that ends with "\" is a root.
// "\\?\", "\\.\" and "\??\" prefixes before a drive or "UNC\" are taken as that drive
// or share, resolved alike (the system resolves some of them, some not: either way the
// folder is the same or does not exist).
//
// nullopt when the text alone does not tell which folder is meant: a path relative to
// the current folder or drive, a device other than a drive or share, an alternate data
// stream (a ":" after the drive), a segment of dots and spaces other than "." and
// "..", which the system versions read differently, or ".." behind a device prefix.
std::optional<std::string> ResolvePath(std::string_view path);

}  // namespace uninst
