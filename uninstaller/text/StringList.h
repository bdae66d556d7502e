#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextCompare.h"

namespace uninst {

// Ordered list of strings: unsorted, duplicates allowed. Searches ignore letter case
// under the locale rules of the given comparison.
class StringList {
public:
    explicit StringList(TextCompare& compare) : compare_(compare) {}

    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    const std::string& operator[](std::size_t index) const { return items_[index]; }
    const std::vector<std::string>& Items() const { return items_; }

    void Add(std::string item) { items_.push_back(std::move(item)); }
    void Delete(std::size_t index);
    void Clear() { items_.clear(); }

    // Index of the first entry equal to text, or -1.
    long IndexOf(const std::string& text) const;
    bool Contains(const std::string& text) const { return IndexOf(text) >= 0; }
    // How many entries from index `from` on are equal to text.
    std::size_t Occurrences(const std::string& text, std::size_t from = 0) const;
    // The value of the first "name=value" entry whose name matches; "" when none does.
    std::string ValueOf(const std::string& name) const;

    // Replaces the content by the lines of 8-bit text: a line ends at CR LF, a lone CR
    // or a lone LF; a NUL byte ends the text.
    void LoadText(std::string_view text);
    // Every line followed by CR LF.
    std::string SaveText() const;

private:
    TextCompare& compare_;
    std::vector<std::string> items_;
};

}  // namespace uninst
