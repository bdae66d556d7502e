#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "CheckReport.h"
#include "log/InsFile.h"
#include "log/LogFormat.h"

namespace uninst {

// An entry of a section that the removal phases read, with its line number (1-based).
struct LogEntry {
    std::string section;
    EntryTarget target;
    std::size_t line;
    std::string key;    // the text before the first "="
    std::string value;  // the text after it

    const std::string& Target() const { return target == EntryTarget::Value ? value : key; }
};

// Walks the log's lines by its reader's rules (the first header of a section, compared
// as the reader compares it, opens it; a line beginning with "[" ends it; empty lines do
// not count) and returns the entries of the list sections. Warns of every line the
// reader ignores, of keys and entries given twice, and of bytes that are no Windows-1252
// text; bytes is the whole file, for the text that a NUL byte cuts off.
std::vector<LogEntry> ReadEntries(const TInsFile& log, const std::string& bytes, TextCompare& compare,
                                  std::vector<Warning>& warnings);

}  // namespace uninst
