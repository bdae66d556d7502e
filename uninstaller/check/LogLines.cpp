#include "LogLines.h"

#include <algorithm>
#include <map>

#include "Cp1252.h"

namespace uninst {

namespace {

// Whether the text is UTF-8 with at least one sequence of several bytes.
bool LooksLikeUtf8(const std::string& text)
{
    bool multibyte = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        }
        multibyte = multibyte || length > 1;
        i += length;
    }
    return multibyte;
}

void CheckBytes(const std::string& line, std::size_t number, std::vector<Warning>& warnings)
{
    for (const char c : line) {
        if (!IsCp1252Character(static_cast<unsigned char>(c))) {
            Warning warning = MakeWarning(Warning::Kind::NotCp1252, number);
            warning.byte = static_cast<unsigned char>(c);
            warnings.push_back(warning);
            return;
        }
    }
    if (LooksLikeUtf8(line))
        warnings.push_back(MakeWarning(Warning::Kind::LooksLikeUtf8, number));
}

// A line without "=" that begins with ";", as INI files write comments: the reader
// ignores it as it ignores any line without "=", and so does the check.
bool IsComment(const IgnoredLine& line)
{
    return (line.why == IgnoredLine::Why::NoEqualsSign || line.why == IgnoredLine::Why::OutsideSection) &&
           !line.text.empty() && line.text[0] == ';';
}

Warning::Kind KindOf(IgnoredLine::Why why)
{
    switch (why) {
    case IgnoredLine::Why::OutsideSection: return Warning::Kind::OutsideSection;
    case IgnoredLine::Why::UnreadSection: return Warning::Kind::UnreadSection;
    case IgnoredLine::Why::RepeatedSection: return Warning::Kind::RepeatedSection;
    case IgnoredLine::Why::NoEqualsSign: return Warning::Kind::NoEqualsSign;
    case IgnoredLine::Why::UnknownKey: return Warning::Kind::UnknownKey;
    case IgnoredLine::Why::RepeatedKey: return Warning::Kind::RepeatedKey;
    case IgnoredLine::Why::AfterNul: break;
    }
    return Warning::Kind::TextEndsAtNul;
}

// An entry whose target is listed before in its section, with the line of that first
// listing; or whose name is given before, so that uninstal, which finds an entry by its
// name, never reaches this line.
void WarnListedTwice(const std::vector<LogEntry>& entries, std::vector<Warning>& warnings)
{
    // By section: targets and names so far, folded as the reader compares them.
    std::map<const SectionFormat*, std::map<std::string, std::size_t>> targets;
    std::map<const SectionFormat*, std::map<std::string, std::size_t>> names;
    for (const LogEntry& entry : entries) {
        const bool named = entry.section->target == EntryTarget::Value;
        const auto [target, newTarget] = targets[entry.section].emplace(FoldCp1252(entry.Target()), entry.line);
        if (named) {
            const auto [name, newName] = names[entry.section].emplace(FoldCp1252(entry.key), entry.line);
            if (!newName) {
                warnings.push_back(newTarget ? MakeWarning(Warning::Kind::NameUsedTwice, entry.line,
                                                           entry.section->name, entry.key, name->second)
                                             : MakeWarning(Warning::Kind::ListedTwice, entry.line, entry.section->name,
                                                           entry.key + "=" + entry.value, name->second));
                continue;
            }
        }
        if (!newTarget) {
            const std::string text = named ? entry.key + "=" + entry.value : entry.key;
            warnings.push_back(
                MakeWarning(Warning::Kind::ListedTwice, entry.line, entry.section->name, text, target->second));
        }
    }
}

}  // namespace

std::vector<LogEntry> LogLines::Entries() const
{
    std::vector<LogEntry> entries = entries_;
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LogEntry& a, const LogEntry& b) { return a.line < b.line; });
    return entries;
}

void LogLines::Warn(const TInsFile& log, std::vector<Warning>& warnings) const
{
    const auto& lines = log.Lines.Items();
    for (std::size_t i = 0; i < lines.size(); ++i)
        CheckBytes(lines[i], i + 1, warnings);
    // Those of a line after its bytes' warning; the NUL byte's after those of its line.
    for (const IgnoredLine& line : ignored_) {
        if (line.why != IgnoredLine::Why::AfterNul && !IsComment(line))
            warnings.push_back(MakeWarning(KindOf(line.why), line.line, line.section ? line.section->name : "",
                                           line.text, line.firstLine));
    }
    WarnListedTwice(Entries(), warnings);
    for (const IgnoredLine& line : ignored_) {
        if (line.why == IgnoredLine::Why::AfterNul)
            warnings.push_back(MakeWarning(Warning::Kind::TextEndsAtNul, line.line));
    }
}

}  // namespace uninst
