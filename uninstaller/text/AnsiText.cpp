#include "text/AnsiText.h"

namespace uninst {

std::string LowerAscii(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lowered;
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
