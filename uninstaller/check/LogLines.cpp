#include "LogLines.h"

#include <map>
#include <optional>

#include "AnsiText.h"
#include "Cp1252.h"
#include "LogTexts.h"

namespace uninst {

namespace {

// The sections of texts and the keys each has.
std::vector<std::string> TextKeys(const std::string& section)
{
    std::vector<std::string> keys;
    if (section == "Application")
        keys.push_back("Name");
    for (const LogText& text : kTitlesTexts) {
        if (section == kTitlesSection)
            keys.push_back(text.key);
    }
    for (const LogText& text : kMessagesTexts) {
        if (section == kDefaultMessagesSection)
            keys.push_back(text.key);
    }
    return keys;
}

constexpr const char* kSections[] = {
    "Application", kTitlesSection, kDefaultMessagesSection, "Reg_SharedDLLs", "ActiveX", "Files",
    "Folders",     "Icons",        "Reg_CreateValue",       "Reg_CreateKey",
};

// Sections whose entries are "name=target": the name only pairs key and line.
bool NamedSection(const std::string& section)
{
    return section == "Icons" || section == "Reg_CreateValue" || section == "Reg_CreateKey";
}

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
    // The section being read; nullopt before the first header or in one never read.
    std::optional<std::string> section;
    bool beforeFirstHeader = true;
    // Earlier keys or targets of the section, with their lines.
    std::vector<std::pair<std::string, std::size_t>> seen;

    const auto seenBefore = [&](const std::string& text) -> std::size_t {
        for (const auto& [earlier, line] : seen) {
            if (compare.CompareNoCase(earlier, text) == 0)
                return line;
        }
        return 0;
    };

    const auto& lines = log.Lines.Items();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t number = i + 1;
        CheckBytes(line, number, warnings);
        if (line.empty())
            continue;
        if (line[0] == '[') {
            beforeFirstHeader = false;
            section.reset();
            seen.clear();
            bool read = false;
            for (const char* name : kSections) {
                if (compare.CompareNoCase(line, "[" + std::string(name) + "]") != 0)
                    continue;
                read = true;
                if (firstHeader.count(name)) {
                    warnings.push_back(
                        MakeWarning(Warning::Kind::RepeatedSection, number, name, line, firstHeader[name]));
                } else {
                    firstHeader[name] = number;
                    section = name;
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
            warnings.push_back(MakeWarning(Warning::Kind::NoEqualsSign, number, *section, line));
            continue;
        }
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);

        const std::vector<std::string> textKeys = TextKeys(*section);
        if (!textKeys.empty()) {
            // The reader matches a key by its letters A-Z in either case.
            bool known = false;
            for (const std::string& textKey : textKeys)
                known = known || LowerAscii(textKey) == LowerAscii(key);
            if (!known) {
                warnings.push_back(MakeWarning(Warning::Kind::UnknownKey, number, *section, key));
                continue;
            }
            for (const auto& [earlier, where] : seen) {
                if (LowerAscii(earlier) == LowerAscii(key)) {
                    warnings.push_back(MakeWarning(Warning::Kind::RepeatedKey, number, *section, key, where));
                    known = false;
                    break;
                }
            }
            if (known)
                seen.emplace_back(key, number);
            continue;
        }

        // A list: the same target twice, or a name given twice (which always resolves to
        // its first line).
        const std::string& target = NamedSection(*section) ? value : key;
        std::size_t first = seenBefore(target);
        if (NamedSection(*section) && first == 0) {
            for (const LogEntry& entry : entries) {
                if (entry.section == *section && compare.CompareNoCase(entry.key, key) == 0) {
                    first = entry.line;
                    break;
                }
            }
        }
        if (first != 0)
            warnings.push_back(
                MakeWarning(Warning::Kind::ListedTwice, number, *section, NamedSection(*section) ? line : key, first));
        seen.emplace_back(target, number);
        entries.push_back({*section, number, key, value});
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
