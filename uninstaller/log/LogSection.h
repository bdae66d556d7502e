#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "log/InsFile.h"
#include "log/LogFormat.h"
#include "text/StringList.h"

namespace uninst {

// The "name=..." lines of one log section, read once, and the one walk over them that
// every removal phase makes: from the last entry to the first, so that removing an entry
// leaves those still to come in place and a folder listed after its parent goes first.
class LogSection {
public:
    LogSection(const TInsFile& log, const SectionFormat& section, TextCompare& compare);

    std::size_t Count() const { return lines_.Count(); }
    // The text before the entry's first "=".
    std::string Key(std::size_t index) const;
    // What the entry is about: its key, or in a section of "name=target" entries the
    // text after "=" of the first line named like the entry (a repeated name always
    // resolves to its first line, which the walk has not reached yet).
    std::string Target(std::size_t index) const;

    // Hands every index to handle(index), from the last to the first; handle returns
    // whether the entry is done with. Returns whether any entry stays.
    template <typename Handle>
    bool WalkFromLast(Handle handle) const
    {
        bool anyStays = false;
        for (std::size_t i = Count(); i-- > 0;)
            anyStays = !handle(i) || anyStays;
        return anyStays;
    }

private:
    std::string Value(std::size_t index) const;

    EntryTarget target_;
    StringList lines_;
    TextCompare& compare_;
    // For each entry, the first entry named like it; found at the first Value().
    mutable std::vector<std::size_t> firstNamed_;
};

}  // namespace uninst
