#include "text/StringList.h"

namespace uninst {

void StringList::Delete(std::size_t index)
{
    if (index < items_.size())
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

long StringList::IndexOf(const std::string& text) const
{
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (compare_.CompareNoCase(items_[i], text) == 0)
            return static_cast<long>(i);
    }
    return -1;
}

std::size_t StringList::Occurrences(const std::string& text, std::size_t from) const
{
    std::size_t times = 0;
    for (std::size_t i = from; i < items_.size(); ++i) {
        if (compare_.CompareNoCase(items_[i], text) == 0)
            ++times;
    }
    return times;
}

std::string StringList::ValueOf(const std::string& name) const
{
    for (const std::string& item : items_) {
        const auto equals = item.find('=');
        if (equals == std::string::npos)
            continue;
        if (compare_.CompareNoCase(item.substr(0, equals), name) == 0)
            return item.substr(equals + 1);
    }
    return {};
}

void StringList::LoadText(std::string_view text)
{
    items_.clear();
    const auto nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);

    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            items_.emplace_back(text.substr(start));
            break;
        }
        items_.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}

std::string StringList::SaveText() const
{
    std::size_t size = 0;
    for (const std::string& item : items_)
        size += item.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& item : items_) {
        text += item;
        text += "\r\n";
    }
    return text;
}

}  // namespace uninst
