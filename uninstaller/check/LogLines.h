#pragma once

#include <string>
#include <vector>

#include "CheckReport.h"
#include "log/InsFile.h"
#include "log/LogObserver.h"

namespace uninst {

// What the reader tells of the log's lines, as the check needs it: the entries of the
// list sections in the log's order, and a warning for every line the reader ignores.
class LogLines : public LogObserver {
public:
    void Entry(const LogEntry& entry) override { entries_.push_back(entry); }
    void Ignored(const IgnoredLine& line) override { ignored_.push_back(line); }

    // The entries, by line.
    std::vector<LogEntry> Entries() const;
    // Warns of bytes that are no Windows-1252 text, of the lines the reader ignored and
    // of entries listed twice, each by line as far as the sort of warnings keeps them.
    void Warn(const TInsFile& log, std::vector<Warning>& warnings) const;

private:
    std::vector<LogEntry> entries_;
    std::vector<IgnoredLine> ignored_;
};

}  // namespace uninst
