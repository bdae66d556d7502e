#include "guards/PathKinds.h"

#include <string>

#include "text/AnsiText.h"
#include "text/PathResolution.h"

namespace uninst {

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// A name the system takes as a device wherever it stands in a path, whatever extension
// follows it ("NUL.txt") and with trailing spaces: CON, PRN, AUX, NUL, COM1-9, LPT1-9
// (also with the superscript digits 1-3), CONIN$, CONOUT$, CLOCK$.
bool IsDeviceName(std::string_view segment)
{
    std::string name = LowerAscii(segment.substr(0, segment.find('.')));
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    for (const char* device : {"con", "prn", "aux", "nul", "conin$", "conout$", "clock$"}) {
        if (name == device)
            return true;
    }
    if (name.size() != 4 || (name.compare(0, 3, "com") != 0 && name.compare(0, 3, "lpt") != 0))
        return false;
    const char digit = name[3];
    return (digit >= '1' && digit <= '9') || digit == '\xB9' || digit == '\xB2' || digit == '\xB3';
}

bool NamesADevice(std::string_view path)
{
    std::size_t at = 0;
    while (at <= path.size()) {
        std::size_t end = at;
        while (end < path.size() && !IsSeparator(path[end]))
            ++end;
        if (end > at && IsDeviceName(path.substr(at, end - at)))
            return true;
        at = end + 1;
    }
    return false;
}

}  // namespace

PathKind KindOfPath(std::string_view path)
{
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // "\\.\" and "\\?\" open the system's namespaces, "\\server" another machine.
        const bool device =
            path.size() >= 3 && (path[2] == '.' || path[2] == '?') && (path.size() == 3 || IsSeparator(path[3]));
        return device ? PathKind::Device : PathKind::Network;
    }
    if (path.size() >= 4 && IsSeparator(path[0]) && path[1] == '?' && path[2] == '?' && IsSeparator(path[3]))
        return PathKind::Device;
    if (NamesADevice(path))
        return PathKind::Device;
    const bool drive = path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
                       path[1] == ':' && IsSeparator(path[2]);
    return drive && ResolvePath(path) ? PathKind::FullLocal : PathKind::NotFull;
}

}  // namespace uninst
