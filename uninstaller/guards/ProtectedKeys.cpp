#include "guards/ProtectedKeys.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "guards/SystemKeys.h"
#include "text/AnsiText.h"

namespace uninst {

namespace {

// Keys that the system and every application share. A key is protected when it is
// listed or lies on the way to a listed key, since deleting it would take that one
// along. The first word says where a row applies:
//   HKLM, HKCU  under that root only;
//   SOFTWARE    under HKEY_LOCAL_MACHINE\SOFTWARE and HKEY_CURRENT_USER\Software;
//   CLASSES     under HKEY_CLASSES_ROOT and the Software\Classes keys it shows.
// Every key directly under HKEY_LOCAL_MACHINE and HKEY_USERS is protected too (only the
// system makes keys there), and so is each Software\Classes key itself (rule CLASSES); a
// Wow6432Node key is protected as the way to the rows below it.
constexpr std::string_view kProtectedKeys[] = {
    "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment",
    "HKLM\\SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application",
    "HKLM\\SYSTEM\\CurrentControlSet\\Enum",
    "HKLM\\SYSTEM\\ControlSet001\\Control",
    "HKLM\\SYSTEM\\ControlSet001\\Services",
    "HKLM\\SYSTEM\\ControlSet002\\Control",
    "HKLM\\SYSTEM\\ControlSet002\\Services",
    "HKLM\\SYSTEM\\MountedDevices",
    "HKLM\\SYSTEM\\Select",

    "HKCU\\AppEvents\\EventLabels",
    "HKCU\\AppEvents\\Schemes\\Apps\\.Default",
    "HKCU\\Console",
    "HKCU\\Control Panel\\Colors",
    "HKCU\\Control Panel\\Desktop",
    "HKCU\\Control Panel\\International",
    "HKCU\\Control Panel\\Keyboard",
    "HKCU\\Control Panel\\Mouse",
    "HKCU\\Environment",
    "HKCU\\EUDC",
    "HKCU\\Identities",
    "HKCU\\Keyboard Layout",
    "HKCU\\Network",
    "HKCU\\Printers",
    "HKCU\\RemoteAccess",
    "HKCU\\System",
    "HKCU\\UNICODE Program Groups",
    "HKCU\\Volatile Environment",

    "SOFTWARE\\Clients\\Mail",
    "SOFTWARE\\Clients\\StartMenuInternet",
    "SOFTWARE\\Microsoft\\Active Setup\\Installed Components",
    "SOFTWARE\\Microsoft\\Cryptography",
    "SOFTWARE\\Microsoft\\Internet Explorer\\Extensions",
    "SOFTWARE\\Microsoft\\Internet Explorer\\Main",
    "SOFTWARE\\Microsoft\\Internet Explorer\\Toolbar",
    "SOFTWARE\\Microsoft\\Shared Tools",
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths",
    kShellFoldersKey,
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies",
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx",
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices",
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServicesOnce",
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved",
    kSharedDllsKey,
    kUninstallKey,
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts",
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList",
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
    "SOFTWARE\\ODBC\\ODBC.INI",
    "SOFTWARE\\ODBC\\ODBCINST.INI",
    "SOFTWARE\\Policies\\Microsoft",
    "SOFTWARE\\RegisteredApplications",
    "SOFTWARE\\Wine",

    "CLASSES\\*\\shellex\\ContextMenuHandlers",
    "CLASSES\\.dll",
    "CLASSES\\.exe",
    "CLASSES\\.htm",
    "CLASSES\\.html",
    "CLASSES\\.lnk",
    "CLASSES\\.txt",
    "CLASSES\\AllFilesystemObjects\\shellex",
    "CLASSES\\AppID",
    "CLASSES\\Applications",
    "CLASSES\\CLSID",
    "CLASSES\\Component Categories",
    "CLASSES\\Directory\\Background\\shell",
    "CLASSES\\Directory\\shell",
    "CLASSES\\Directory\\shellex",
    "CLASSES\\Drive\\shell",
    "CLASSES\\exefile\\shell",
    "CLASSES\\file",
    "CLASSES\\Folder\\shell",
    "CLASSES\\Folder\\shellex",
    "CLASSES\\http\\shell\\open\\command",
    "CLASSES\\https",
    "CLASSES\\Interface",
    "CLASSES\\lnkfile",
    "CLASSES\\MIME\\Database\\Content Type",
    "CLASSES\\txtfile",
    "CLASSES\\TypeLib",
};

constexpr std::string_view kRootRule = "ROOT";
constexpr std::string_view kMachineFirstLevelRule = "HKLM\\*";
constexpr std::string_view kUsersFirstLevelRule = "HKU\\*";
constexpr std::string_view kClassesRule = "CLASSES";

using Segs = std::vector<std::string_view>;

std::string Join(std::string_view scope, const Segs& segments, std::size_t from)
{
    std::string joined(scope);
    for (std::size_t i = from; i < segments.size(); ++i) {
        joined += "\\";
        joined += segments[i];
    }
    return joined;
}

// The row that lists the key itself or a key below it.
Protection Listed(const std::string& scoped)
{
    static const std::vector<std::string> lowered = [] {
        std::vector<std::string> rows;
        for (const std::string_view row : kProtectedKeys)
            rows.push_back(LowerAscii(row));
        return rows;
    }();
    for (std::size_t i = 0; i < lowered.size(); ++i) {
        const std::string& listed = lowered[i];
        if (listed.size() >= scoped.size() && listed.compare(0, scoped.size(), scoped) == 0 &&
            (listed.size() == scoped.size() || listed[scoped.size()] == '\\'))
            return kProtectedKeys[i];
    }
    return std::nullopt;
}

Protection ClassesKeyProtected(const Segs& s, std::size_t from)
{
    if (from == s.size())
        return kClassesRule;  // the Classes key or HKEY_CLASSES_ROOT itself
    if (s[from] == "wow6432node")
        return ClassesKeyProtected(s, from + 1);
    return Listed(Join("classes", s, from));
}

Protection SoftwareKeyProtected(const Segs& s, std::size_t from)
{
    if (from < s.size() && s[from] == "wow6432node")
        return SoftwareKeyProtected(s, from + 1);
    if (from < s.size() && s[from] == "classes")
        return ClassesKeyProtected(s, from + 1);
    return Listed(Join("software", s, from));
}

// from < s.size(): the root and HKEY_USERS' first level are told apart before.
Protection UserKeyProtected(const Segs& s, std::size_t from)
{
    if (s[from] == "software")
        return SoftwareKeyProtected(s, from + 1);
    return Listed(Join("hkcu", s, from));
}

}  // namespace

std::string TidyKeyPath(std::string_view path)
{
    const std::string lowered = LowerAscii(path);
    const Segs segments = SplitAt(lowered, "\\");
    return segments.empty() ? std::string() : Join(segments[0], segments, 1);
}

Protection IsProtectedKey(RootKey root, std::string_view path)
{
    const std::string tidy = TidyKeyPath(path);
    const Segs s = SplitAt(tidy, "\\");
    if (s.empty())
        return kRootRule;
    switch (root) {
    case kLocalMachine:
        if (s.size() == 1)
            return kMachineFirstLevelRule;
        if (s[0] == "software")
            return SoftwareKeyProtected(s, 1);
        return Listed(Join("hklm", s, 0));
    case kUsers:
        if (s.size() == 1)
            return kUsersFirstLevelRule;
        // Each user's classes show as <user>_Classes, the rest as that user's own keys.
        if (s[0].size() > 8 && s[0].compare(s[0].size() - 8, 8, "_classes") == 0)
            return ClassesKeyProtected(s, 1);
        return UserKeyProtected(s, 1);
    case kCurrentUser: return UserKeyProtected(s, 0);
    case kClassesRoot: return ClassesKeyProtected(s, 0);
    default:
        // A root this table does not know: only its own first level is sure to be shared.
        return s.size() == 1 ? Protection(kRootRule) : std::nullopt;
    }
}

bool IsSingleKeyName(std::string_view name)
{
    return !name.empty() && name.find('\\') == std::string_view::npos;
}

}  // namespace uninst
