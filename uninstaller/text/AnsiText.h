#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace uninst {

// Lower-cases the letters A to Z only; every other byte (accented capitals included)
// stays as it is.
char LowerAscii(char c);
std::string LowerAscii(std::string_view text);

// The non-empty pieces of the text between any of the separators, in order.
std::vector<std::string_view> SplitAt(std::string_view text, std::string_view separators);

// The path up to and including its last "\" or ":"; "" when it has neither.
std::string FolderOf(std::string_view path);

// The text after the path's last "\" or ":".
std::string FileNameOf(std::string_view path);

}  // namespace uninst
