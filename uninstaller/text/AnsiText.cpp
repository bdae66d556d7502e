#include "text/AnsiText.h"

#include <algorithm>

namespace uninst {

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        c = LowerAscii(c);
    return lowered;
}

std::vector<std::string_view> SplitAt(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> pieces;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find_first_of(separators, at), text.size());
        if (end > at)
            pieces.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return pieces;
}

std::string FolderOf(std::string_view path)
{
    const auto last = path.find_last_of("\\:");
    if (last == std::string_view::npos)
        return {};
    return std::string(path.substr(0, last + 1));
}

std::string FileNameOf(std::string_view path)
{
    const auto last = path.find_last_of("\\:");
    if (last == std::string_view::npos)
        return std::string(path);
    return std::string(path.substr(last + 1));
}

}  // namespace uninst
