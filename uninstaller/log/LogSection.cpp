#include "log/LogSection.h"

#include <algorithm>
#include <numeric>

namespace uninst {

LogSection::LogSection(const TInsFile& log, const SectionFormat& section, TextCompare& compare)
    : target_(section.target)
    , lines_(compare)
    , compare_(compare)
{
    log.ReadSectionLines(section.name, lines_);
}

std::string LogSection::Target(std::size_t index) const
{
    return target_ == EntryTarget::Value ? Value(index) : Key(index);
}

std::string LogSection::Key(std::size_t index) const
{
    const std::string& line = lines_[index];
    return line.substr(0, line.find('='));
}

std::string LogSection::Value(std::size_t index) const
{
    if (firstNamed_.empty()) {
        // Looking each name up from the top would compare every pair of entries. The
        // comparison orders names (lstrcmpiA sorts), so once the entries are sorted by
        // name those it calls equal stand together, in log order since the sort is stable.
        std::vector<std::string> keys(Count());
        for (std::size_t i = 0; i < Count(); ++i)
            keys[i] = Key(i);
        std::vector<std::size_t> order(Count());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return compare_.CompareNoCase(keys[a], keys[b]) < 0; });
        firstNamed_.resize(Count());
        std::size_t first = 0;
        for (std::size_t at = 0; at < order.size(); ++at) {
            if (at == 0 || compare_.CompareNoCase(keys[order[first]], keys[order[at]]) != 0)
                first = at;
            firstNamed_[order[at]] = order[first];
        }
    }
    const std::string& line = lines_[firstNamed_[index]];
    return line.substr(line.find('=') + 1);
}

}  // namespace uninst
