#include "text/PathResolution.h"

#include <vector>

#include "text/AnsiText.h"

namespace uninst {

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "X:" followed by a separator.
bool StartsWithDrive(std::string_view text)
{
    return text.size() >= 3 && IsLetter(text[0]) && text[1] == ':' && IsSeparator(text[2]);
}

bool OnlyDotsAndSpaces(std::string_view segment)
{
    return segment.find_first_not_of(". ") == std::string_view::npos;
}

// "\\?\", "\\.\", "\??\" (either separator).
bool StartsWithDevicePrefix(std::string_view text)
{
    if (text.size() < 4 || !IsSeparator(text[0]) || !IsSeparator(text[3]))
        return false;
    return (IsSeparator(text[1]) && (text[2] == '?' || text[2] == '.')) || (text[1] == '?' && text[2] == '?');
}

}  // namespace

std::optional<std::string> ResolvePath(std::string_view path)
{
    std::string_view rest = path;
    bool share = false;
    const bool device = StartsWithDevicePrefix(rest);
    if (device) {
        rest.remove_prefix(4);
        if (rest.size() >= 4 && LowerAscii(rest.substr(0, 3)) == "unc" && IsSeparator(rest[3])) {
            rest.remove_prefix(4);
            share = true;
        } else if (!(StartsWithDrive(rest) || (rest.size() == 2 && IsLetter(rest[0]) && rest[1] == ':'))) {
            return std::nullopt;
        }
    } else if (rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1])) {
        share = true;
    } else if (!StartsWithDrive(rest)) {
        return std::nullopt;
    }

    std::vector<std::string_view> segments = SplitAt(rest, "\\/");
    std::string root;
    if (share) {
        if (segments.size() < 2)
            return std::nullopt;
        root = "\\\\" + std::string(segments[0]) + "\\" + std::string(segments[1]);
        segments.erase(segments.begin(), segments.begin() + 2);
    } else {
        root = std::string(rest.substr(0, 2));
        segments.erase(segments.begin());
    }
    if (root.find(':', share ? 0 : 2) != std::string::npos)
        return std::nullopt;

    std::vector<std::string> kept;
    for (const std::string_view segment : segments) {
        if (segment.find(':') != std::string_view::npos)
            return std::nullopt;
        if (segment == ".")
            continue;
        if (segment == "..") {
            // Behind a device prefix ".." can climb above the drive to another device
            // ("\\.\C:\..\GLOBALROOT\...").
            if (device)
                return std::nullopt;
            if (!kept.empty())
                kept.pop_back();
            continue;
        }
        if (OnlyDotsAndSpaces(segment))
            return std::nullopt;
        const auto end = segment.find_last_not_of(". ");
        kept.emplace_back(segment.substr(0, end + 1));
    }

    std::string full = root;
    for (const std::string& segment : kept)
        full += "\\" + segment;
    if (kept.empty())
        full += "\\";
    return full;
}

}  // namespace uninst
