#include "log/InsFile.h"

#include <map>
#include <vector>

#include "log/LogFormat.h"
#include "log/LogObserver.h"
#include "log/LogTexts.h"
#include "platform/UnexpectedFailure.h"
#include "text/AnsiText.h"

namespace uninst {

namespace {

// Whether line, lower-cased A-Z, begins with loweredKey followed by "=". Only the
// prefix is looked at, so a long line costs no more than a short one.
bool StartsWithKey(const std::string& line, const std::string& loweredKey)
{
    if (line.size() <= loweredKey.size() || line[loweredKey.size()] != '=')
        return false;
    for (std::size_t i = 0; i < loweredKey.size(); ++i) {
        if (LowerAscii(line[i]) != loweredKey[i])
            return false;
    }
    return true;
}

}  // namespace

TInsFile::TInsFile(const std::string& path, FileSystem& files, TextCompare& compare, LogObserver* observer)
    : Lines(compare)
    , LogFileName(path)
    , files_(files)
    , compare_(compare)
{
    if (files_.IsRegularFile(path)) {
        const auto bytes = files_.ReadAll(path);
        if (!bytes)
            throw UnexpectedFailure::CannotOpenFile(path);
        Lines.LoadText(*bytes);
        if (observer)
            Report(*bytes, *observer);
    }
}

TInsFile::~TInsFile()
{
    // A destructor must not throw; a failed save leaves the file as it was.
    if (Modified)
        files_.WriteAll(LogFileName, Lines.SaveText());
}

long TInsFile::FindSection(const std::string& section) const
{
    const std::string header = "[" + section + "]";
    const std::size_t maxLength = header.size() * 4 + 64;
    const auto& lines = Lines.Items();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // A line many times longer than the header cannot equal it even where the locale
        // folds one character into two; skipping those keeps long lines cheap.
        if (lines[i].size() <= maxLength && compare_.CompareNoCase(lines[i], header) == 0)
            return static_cast<long>(i + 1);
    }
    return -1;
}

template <typename Visit>
void TInsFile::WalkBody(const std::string& section, Visit visit) const
{
    const long first = FindSection(section);
    if (first < 0)
        return;
    const auto& lines = Lines.Items();
    for (std::size_t i = static_cast<std::size_t>(first); i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty())
            continue;
        if (line[0] == '[')
            break;
        if (!visit(i, line))
            break;
    }
}

std::string TInsFile::ReadValue(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const
{
    std::string result = defaultValue;
    const std::string loweredKey = LowerAscii(key);
    WalkBody(section, [&](std::size_t, const std::string& line) {
        if (!StartsWithKey(line, loweredKey))
            return true;
        result = line.substr(key.size() + 1);
        return false;
    });
    return result;
}

std::string TInsFile::ReadText(const std::string& section, const LogText& text) const
{
    return ReadValue(section, text.key, text.fallback);
}

void TInsFile::ReadSectionKeys(const std::string& section, StringList& keys) const
{
    keys.Clear();
    WalkBody(section, [&](std::size_t, const std::string& line) {
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            keys.Add(line.substr(0, equals));
        return true;
    });
}

void TInsFile::ReadSectionLines(const std::string& section, StringList& lines) const
{
    lines.Clear();
    WalkBody(section, [&](std::size_t, const std::string& line) {
        if (line.find('=') != std::string::npos)
            lines.Add(line);
        return true;
    });
}

void TInsFile::Report(const std::string& bytes, LogObserver& observer) const
{
    const auto& lines = Lines.Items();
    // The first header of each section read, by line index: every other line that begins
    // with "[" opens nothing, and its body goes with it.
    std::map<std::size_t, const SectionFormat*> opened;
    for (const SectionFormat* format : kLogSections) {
        const SectionFormat& section = *format;
        const long first = FindSection(section.name);
        if (first < 0)
            continue;
        opened[static_cast<std::size_t>(first - 1)] = &section;
        // For a section of texts, the first line of each key, lower-cased as ReadValue
        // compares it.
        std::map<std::string, std::size_t> keys;
        WalkBody(section.name, [&](std::size_t i, const std::string& line) {
            const std::size_t number = i + 1;
            const auto equals = line.find('=');
            if (equals == std::string::npos) {
                observer.Ignored({IgnoredLine::Why::NoEqualsSign, number, line, &section});
                return true;
            }
            const std::string key = line.substr(0, equals);
            if (section.target != EntryTarget::Text) {
                observer.Entry({&section, number, key, line.substr(equals + 1)});
                return true;
            }
            const std::string lowered = LowerAscii(key);
            bool known = false;
            for (const LogText& text : section.texts)
                known = known || LowerAscii(text.key) == lowered;
            if (!known) {
                observer.Ignored({IgnoredLine::Why::UnknownKey, number, key, &section});
            } else if (const auto [firstLine, added] = keys.emplace(lowered, number); !added) {
                observer.Ignored({IgnoredLine::Why::RepeatedKey, number, key, &section, firstLine->second});
            }
            return true;
        });
    }

    bool beforeFirstHeader = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty())
            continue;
        if (line[0] != '[') {
            if (beforeFirstHeader)
                observer.Ignored({IgnoredLine::Why::OutsideSection, i + 1, line});
            continue;
        }
        beforeFirstHeader = false;
        if (opened.count(i))
            continue;
        // A header the reader never finds: a later one of a section read, or another.
        IgnoredLine ignored{IgnoredLine::Why::UnreadSection, i + 1, line};
        for (const auto& [index, section] : opened) {
            if (compare_.CompareNoCase(line, "[" + std::string(section->name) + "]") == 0)
                ignored = {IgnoredLine::Why::RepeatedSection, i + 1, line, section, index + 1};
        }
        observer.Ignored(ignored);
    }

    const auto nul = bytes.find('\0');
    if (nul != std::string::npos && nul + 1 < bytes.size()) {
        // The line the NUL byte stands on: a new one when the byte begins a line.
        const bool lineStart = nul == 0 || bytes[nul - 1] == '\r' || bytes[nul - 1] == '\n';
        observer.Ignored({IgnoredLine::Why::AfterNul, Lines.Count() + (lineStart ? 1 : 0), {}});
    }
}

}  // namespace uninst
