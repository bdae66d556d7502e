#include "log/InsFile.h"

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

TInsFile::TInsFile(const std::string& path, FileSystem& files, TextCompare& compare)
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
        if (!visit(line))
            break;
    }
}

std::string TInsFile::ReadValue(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const
{
    std::string result = defaultValue;
    const std::string loweredKey = LowerAscii(key);
    WalkBody(section, [&](const std::string& line) {
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
    WalkBody(section, [&](const std::string& line) {
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            keys.Add(line.substr(0, equals));
        return true;
    });
}

void TInsFile::ReadSectionLines(const std::string& section, StringList& lines) const
{
    lines.Clear();
    WalkBody(section, [&](const std::string& line) {
        if (line.find('=') != std::string::npos)
            lines.Add(line);
        return true;
    });
}

}  // namespace uninst
