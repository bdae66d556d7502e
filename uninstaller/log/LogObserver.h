#pragma once

#include <cstddef>
#include <string>

#include "log/LogFormat.h"

namespace uninst {

// An entry of a list section where the log holds it.
struct LogEntry {
    const SectionFormat* section;
    std::size_t line;   // 1-based
    std::string key;    // the text before the first "="
    std::string value;  // the text after it

    const std::string& Target() const { return section->target == EntryTarget::Value ? value : key; }
};

// A line that no question of the reader ever reaches, and why.
struct IgnoredLine {
    enum class Why {
        OutsideSection,   // before the first header
        UnreadSection,    // the header of a section the uninstaller never reads, with its body
        RepeatedSection,  // a later header of a section, with its body: only the first is found
        NoEqualsSign,     // a body line without "="
        UnknownKey,       // a key that the section of texts does not have
        RepeatedKey,      // a key the section of texts gave before: the first is read
        AfterNul,         // a NUL byte on this line ends the text
    };
    Why why;
    std::size_t line;                        // 1-based
    std::string text;                        // the line, or the key of a section of texts
    const SectionFormat* section = nullptr;  // the section it stands in or repeats
    std::size_t firstLine = 0;               // the line a repeated section or key repeats
};

// Told by the reader, as it loads a log, of every entry of a list section and every line
// it ignores, as the sections of kLogSections are read. A check listens; a real run has
// no observer.
class LogObserver {
public:
    virtual ~LogObserver() = default;
    virtual void Entry(const LogEntry& entry) = 0;
    virtual void Ignored(const IgnoredLine& line) = 0;
};

}  // namespace uninst
