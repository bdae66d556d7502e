#include "LogLines.h"

#include <algorithm>
#include <map>

#include "Cp1252.h"
#include "log/LogTexts.h"
#include "text/AnsiText.h"

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

}  // namespace

std::vector<LogEntry> ReadEntries(const TInsFile& log, const std::string& bytes, TextCompare& compare,
                                  std::vector<Warning>& warnings)
{
    std::vector<LogEntry> entries;
    std::map<std::string, std::size_t> firstHeader;
    // The section being read; null before the first header or in one never read.
    const SectionFormat* section = nullptr;
    bool beforeFirstHeader = true;
    // The section's keys (of texts), targets and names (of lists) so far, folded as the
    // reader compares them, with their first lines.
    std::map<std::string, std::size_t> keys;
    std::map<std::string, std::size_t> targets;
    std::map<std::string, std::size_t> names;

    const auto& lines = log.Lines.Items();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t number = i + 1;
        CheckBytes(line, number, warnings);
        if (line.empty())
            continue;
        if (line[0] == '[') {
            beforeFirstHeader = false;
            section = nullptr;
            keys.clear();
            targets.clear();
            names.clear();
            bool read = false;
            for (const SectionFormat& format : kLogSections) {
                const std::string name = format.name;
                if (compare.CompareNoCase(line, "[" + name + "]") != 0)
                    continue;
                read = true;
                if (firstHeader.count(name)) {
                    warnings.push_back(
                        MakeWarning(Warning::Kind::RepeatedSection, number, name, line, firstHeader[name]));
                } else {
                    firstHeader[name] = number;
                    section = &format;
                }
                break;
            }
            if (!read)
                warnings.push_back(MakeWarning(Warning::Kind::UnreadSection, number, {}, line));
            continue;
        }
        if (beforeFirstHeader) {
            warnings.push_back(MakeWarning(Warning::Kind::OutsideSection, number, {}, line));
            continue;
        }
        if (!section)
            continue;  // the header's warning covers its lines
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            warnings.push_back(MakeWarning(Warning::Kind::NoEqualsSign, number, section->name, line));
            continue;
        }
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);

        if (section->target == EntryTarget::Text) {
            // The reader matches a key by its letters A-Z in either case.
            const std::string folded = LowerAscii(key);
            if (std::none_of(section->texts.begin(), section->texts.end(),
                             [&](const LogText& text) { return LowerAscii(text.key) == folded; })) {
                warnings.push_back(MakeWarning(Warning::Kind::UnknownKey, number, section->name, key));
                continue;
            }
            const auto [first, added] = keys.emplace(folded, number);
            if (!added)
                warnings.push_back(MakeWarning(Warning::Kind::RepeatedKey, number, section->name, key, first->second));
            continue;
        }

        // A list: the same target twice, or a name given twice (which always resolves to
        // its first line).
        const bool named = section->target == EntryTarget::Value;
        const auto [target, newTarget] = targets.emplace(FoldCp1252(named ? value : key), number);
        std::size_t first = newTarget ? 0 : target->second;
        if (named) {
            const auto [name, newName] = names.emplace(FoldCp1252(key), number);
            if (first == 0 && !newName)
                first = name->second;
        }
        if (first != 0)
            warnings.push_back(MakeWarning(Warning::Kind::ListedTwice, number, section->name, named ? line : key, first));
        entries.push_back({section->name, section->target, number, key, value});
    }

    const auto nul = bytes.find('\0');
    if (nul != std::string::npos && nul + 1 < bytes.size()) {
        // The line the NUL byte stands on: count the lines of the text before it.
        StringList before(compare);
        before.LoadText(bytes.substr(0, nul) + "x");
        warnings.push_back(MakeWarning(Warning::Kind::TextEndsAtNul, before.Count()));
    }
    return entries;
}

}  // namespace uninst
