#pragma once

#include <string>
#include <string_view>

namespace uninst {

// Lower-cases the letters A to Z only; every other byte (accented capitals included)
// stays as it is.
std::string LowerAscii(std::string_view text);

// The path up to and including its last "\" or ":"; "" when it has neither.
std::string FolderOf(std::string_view path);

// The text after the path's last "\" or ":".
std::string FileNameOf(std::string_view path);

}  // namespace uninst
