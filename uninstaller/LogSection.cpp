#include "LogSection.h"

namespace uninst {

LogSection::LogSection(const TInsFile& log, const std::string& section, TextCompare& compare) : lines_(compare)
{
    log.ReadSectionLines(section, lines_);
}

std::string LogSection::Key(std::size_t index) const
{
    const std::string& line = lines_[index];
    return line.substr(0, line.find('='));
}

}  // namespace uninst
