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

// Values that the system and every application share, by the key they lie in (rows
// scoped as the keys' rows; every ControlSet00n reads as CurrentControlSet) and their
// name: an application that added to one must not delete it whole.
constexpr std::string_view kProtectedValues[] = {
    "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment\\Path",
    "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment\\PATHEXT",
    "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment\\ComSpec",
    "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment\\windir",
    "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment\\TEMP",
    "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment\\TMP",
    "HKCU\\Environment\\Path",
    "HKCU\\Environment\\PATHEXT",
    "HKCU\\Environment\\TEMP",
    "HKCU\\Environment\\TMP",
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\Shell",
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\Userinit",
};

// The key as the tables' rows name it: the scope word, then the rest, Wow6432Node left
// out ("hkcu\environment", "software\microsoft\...", "classes\clsid").
std::string ScopedClasses(const Segs& s, std::size_t from)
{
    while (from < s.size() && s[from] == "wow6432node")
        ++from;
    return Join("classes", s, from);
}

std::string ScopedSoftware(const Segs& s, std::size_t from)
{
    while (from < s.size() && s[from] == "wow6432node")
        ++from;
    if (from < s.size() && s[from] == "classes")
        return ScopedClasses(s, from + 1);
    return Join("software", s, from);
}

// from < s.size(): the root and HKEY_USERS' first level are told apart before.
std::string ScopedUser(const Segs& s, std::size_t from)
{
    if (s[from] == "software")
        return ScopedSoftware(s, from + 1);
    return Join("hkcu", s, from);
}

// nullopt for a root this table does not know. s is not empty, and holds more than the
// user's name under HKEY_USERS.
std::optional<std::string> Scoped(RootKey root, const Segs& s)
{
    switch (root) {
    case kLocalMachine: return s[0] == "software" ? ScopedSoftware(s, 1) : Join("hklm", s, 0);
    case kUsers:
        // Each user's classes show as <user>_Classes, the rest as that user's own keys.
        if (s[0].size() > 8 && s[0].compare(s[0].size() - 8, 8, "_classes") == 0)
            return ScopedClasses(s, 1);
        return ScopedUser(s, 1);
    case kCurrentUser: return ScopedUser(s, 0);
    case kClassesRoot: return ScopedClasses(s, 0);
    default: return std::nullopt;
    }
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
    if (s.size() == 1 && root == kLocalMachine)
        return kMachineFirstLevelRule;
    if (s.size() == 1 && root == kUsers)
        return kUsersFirstLevelRule;
    const auto scoped = Scoped(root, s);
    // A root this table does not know: only its own first level is sure to be shared.
    if (!scoped)
        return s.size() == 1 ? Protection(kRootRule) : std::nullopt;
    if (*scoped == "classes")
        return kClassesRule;  // the Classes key or HKEY_CLASSES_ROOT itself
    return Listed(*scoped);
}

Protection IsProtectedValue(RootKey root, std::string_view keyPath, std::string_view valueName)
{
    const std::string tidy = TidyKeyPath(keyPath);
    Segs s = SplitAt(tidy, "\\");
    if (s.empty() || (root == kUsers && s.size() == 1))
        return std::nullopt;
    if (root == kLocalMachine && s.size() > 1 && s[0] == "system" && s[1].size() == 13 &&
        s[1].compare(0, 10, "controlset") == 0)
        s[1] = "currentcontrolset";
    const auto scoped = Scoped(root, s);
    if (!scoped)
        return std::nullopt;
    const std::string wanted = *scoped + "\\" + LowerAscii(valueName);
    for (const std::string_view row : kProtectedValues) {
        if (LowerAscii(row) == wanted)
            return row;
    }
    return std::nullopt;
}

bool IsSingleKeyName(std::string_view name)
{
    return !name.empty() && name.find('\\') == std::string_view::npos;
}

std::span<const std::string_view> ProtectedKeyRows()
{
    return kProtectedKeys;
}

std::span<const std::string_view> ProtectedValueRows()
{
    return kProtectedValues;
}

}  // namespace uninst
