#include "DriverProperty.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <vector>

#include "FakePlatform.h"
#include "stages/Uninstaller.h"
#include "text/AnsiText.h"

namespace uninst::property {

unsigned ChoiceStream::Below(unsigned n)
{
    unsigned value = 0;
    // Two bytes per choice keep every pool within reach.
    for (int i = 0; i < 2; ++i)
        value = value * 256 + (at_ < size_ ? data_[at_++] : 0);
    return value % n;
}

namespace {

using namespace std::string_literals;

// The cleanup copy in a folder of its own under the fakes' temporary folder.
bool IsTemporaryCopy(const std::string& key)
{
    return key.rfind("c:\\temp\\kvu", 0) == 0 && key.size() > 25 &&
           key.compare(key.size() - 13, 13, "\\_kvuidel.exe") == 0 && key.find('\\', 8) == key.size() - 13;
}
using fakes::FakePlatform;
using fakes::FileKey;
using fakes::kCurrentVersion;
using fakes::kLog;
using fakes::kSharedDlls;
using fakes::kShellFolders;
using fakes::kUninstall;
using fakes::RegistryKey;
using Value = fakes::FakeRegistryStore::Value;

constexpr const char* kRegistryLeft = "* registre";

// The user's standard folders, all empty: removable unless guarded.
const std::pair<const char*, const char*> kStandardFolders[] = {
    {"Desktop", "C:\\Users\\Jo\\Desktop"},    {"Programs", "C:\\Users\\Jo\\Start Menu\\Programs"},
    {"Personal", "C:\\Users\\Jo\\Documents"}, {"Startup", "C:\\Users\\Jo\\Start Menu\\Programs\\Startup\\"},
    {"Favorites", "c:/users/jo/favorites"},
};

// Keys that the system or every application shares, written out here on their own
// (not taken from the uninstaller's table): each must survive every run.
const std::pair<RootKey, const char*> kSharedKeys[] = {
    {kLocalMachine, "SOFTWARE"},
    {kLocalMachine, "SYSTEM"},
    {kLocalMachine, "SOFTWARE\\Classes"},
    {kLocalMachine, "SOFTWARE\\Classes\\CLSID"},
    {kLocalMachine, "SOFTWARE\\Microsoft"},
    {kLocalMachine, "SOFTWARE\\Microsoft\\Windows"},
    {kLocalMachine, kCurrentVersion},
    {kLocalMachine, kUninstall},
    {kLocalMachine, kSharedDlls},
    {kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths"},
    {kLocalMachine, "SOFTWARE\\Policies"},
    {kCurrentUser, "Software"},
    {kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer"},
    {kCurrentUser, kShellFolders},
    {kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce"},
    {kCurrentUser, "Control Panel"},
    {kCurrentUser, "Control Panel\\Desktop"},
    {kCurrentUser, "Environment"},
    {kClassesRoot, "CLSID"},
    {kUsers, ".DEFAULT"},
    {kUsers, ".DEFAULT\\Software"},
};

// Other software's keys, each below a shared one.
const std::pair<RootKey, const char*> kOtherKeys[] = {
    {kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other One"},
    {kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other Two"},
    {kLocalMachine, "SOFTWARE\\Classes\\CLSID\\{0001}"},
    {kLocalMachine, "SOFTWARE\\Other Vendor\\Tool"},
    {kCurrentUser, "Software\\Other Vendor\\Settings"},
    {kCurrentUser, "Control Panel\\Desktop\\WindowMetrics"},
    {kClassesRoot, "CLSID\\{0002}"},
    {kUsers, ".DEFAULT\\Software\\Other Vendor"},
};

// What the application installed.
const char* const kAppFiles[] = {
    "C:\\Program Files\\Appli\\appli.exe",
    "C:\\Program Files\\Appli\\data\\a.dat",
    "C:\\Program Files\\Appli\\shared.dll",
    "C:\\Users\\Jo\\Desktop\\Appli.lnk",
    "C:\\Users\\Jo\\Start Menu\\Programs\\Appli\\Appli.lnk",
};
const char* const kAppFolders[] = {
    "C:\\Program Files\\Appli\\data",
    "C:\\Program Files\\Appli",
    "C:\\Users\\Jo\\Start Menu\\Programs\\Appli",
};
const std::pair<RootKey, const char*> kAppKeys[] = {
    {kCurrentUser, "Software\\Appli\\Settings"},
    {kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Appli"},
    {kClassesRoot, ".appli"},
    {kLocalMachine, "SOFTWARE\\Classes\\Appli.Document\\shell"},
};

const char* const kRootNames[] = {
    "HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT", "HKEY_USERS", "HKLM", "hkey_current_user", "",
};

template <typename T, std::size_t N>
const T& Pick(ChoiceStream& c, const T (&pool)[N])
{
    return pool[c.Below(N)];
}

std::string Respell(ChoiceStream& c, std::string text, bool path)
{
    const unsigned changes = c.Below(4);
    for (unsigned n = 0; n < changes; ++n) {
        const std::size_t at = text.empty() ? 0 : c.Below(static_cast<unsigned>(text.size()));
        const std::size_t sep = text.find('\\', at);
        switch (c.Below(path ? 9 : 4)) {
        case 0:  // letter case
            for (char& ch : text)
                ch = (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch;
            break;
        case 1:  // doubled separator
            if (sep != std::string::npos)
                text.insert(sep, "\\");
            break;
        case 2: text += "\\"; break;
        case 3: text.insert(0, "\\"); break;
        case 4:
            if (sep != std::string::npos)
                text[sep] = '/';
            break;
        case 5: text += c.OneIn(2) ? "." : " . "; break;
        case 6:  // a detour through a sibling
            if (sep != std::string::npos)
                text.insert(sep, "\\Appli\\..");
            break;
        case 7: text.insert(0, Pick(c, {"\\\\?\\", "\\\\.\\", "..\\..\\", "\\??\\"})); break;
        case 8:
            if (sep != std::string::npos)
                text.insert(sep, "\\.");
            break;
        }
    }
    return text;
}

std::string LongName(ChoiceStream& c)
{
    return std::string(200 + c.Below(200), static_cast<char>('a' + c.Below(26)));
}

std::string FolderPath(ChoiceStream& c)
{
    switch (c.Below(6)) {
    case 0:
    case 1: return Respell(c, Pick(c, kStandardFolders).second, true);
    case 2: return Respell(c, Pick(c, kAppFolders), true);
    case 3:
        return Pick(c, {"C:\\", "C:", "D:\\", "\\", "", "C:\\Users", "C:\\Users\\Jo", "\\\\server\\share", "C:\\.."});
    case 4: return std::string("C:\\") + LongName(c);
    default: return Respell(c, "C:\\Program Files", true);
    }
}

std::string FilePath(ChoiceStream& c)
{
    switch (c.Below(4)) {
    case 0:
    case 1: return Respell(c, Pick(c, kAppFiles), true);
    case 2: return FolderPath(c) + "\\" + Pick(c, {"Appli.lnk", "x.lnk", "", ".."});
    default: return FolderPath(c);
    }
}

std::string KeyPath(ChoiceStream& c)
{
    switch (c.Below(5)) {
    case 0:
    case 1: return Respell(c, Pick(c, kSharedKeys).second, false);
    case 2: return Respell(c, Pick(c, kAppKeys).second, false);
    case 3: return Respell(c, Pick(c, kOtherKeys).second, false);
    default:
        return Pick(
            c, {""s, "\\"s, "Software\\" + LongName(c), "..\\SOFTWARE"s, "Wow6432Node"s, "SOFTWARE\\Wow6432Node"s});
    }
}

std::string RegistryText(ChoiceStream& c)
{
    if (c.OneIn(12))
        return Pick(c, {"", "HKEY_CURRENT_USER", "novalue"});
    return std::string(Pick(c, kRootNames)) + "\\" + KeyPath(c);
}

// One log, section by section, and the machine's state.
struct Case {
    std::string log;
    std::string name;
    std::vector<std::string> files, folders, icons, values, keys, shared, activex;
    std::set<std::string> sections;  // lower-cased names of those written
};

std::string EntryName(ChoiceStream& c, std::size_t i)
{
    if (c.OneIn(8))
        return "";
    return "e" + std::to_string(c.OneIn(4) ? 0 : i);  // sometimes a repeated name
}

void Section(ChoiceStream& c, Case& k, const char* header, std::vector<std::string>& texts, bool named,
             std::string (*draw)(ChoiceStream&))
{
    if (c.OneIn(3))
        return;
    k.log += std::string("[") + (c.OneIn(8) ? LowerAscii(header) : std::string(header)) + "]\r\n";
    // Only the first section of a name is ever read.
    std::vector<std::string> unread;
    std::vector<std::string>& kept = k.sections.insert(LowerAscii(header)).second ? texts : unread;
    const unsigned count = c.Below(6);
    for (unsigned i = 0; i < count; ++i) {
        std::string text = (i > 0 && c.OneIn(6)) ? kept.back() : draw(c);
        kept.push_back(text);
        k.log += (named ? EntryName(c, i) + "=" + text : text + "=1") + "\r\n";
    }
}

Case MakeLog(ChoiceStream& c)
{
    Case k;
    if (!c.OneIn(3)) {
        k.log += "[Messages]\r\nLogRegistry=" + std::string(kRegistryLeft) + "\r\n";
    }
    if (!c.OneIn(3)) {
        k.name = Pick(c, {"Appli", "", "\\", "\\\\", "Other One", "Appli\\", "..\\Uninstall", "Appli\\..\\..",
                          "Other One\\Sub", " "});
        k.log += "[Application]\r\nName=" + k.name + "\r\n";
    }
    // Sections in a drawn order, some twice (only the first one counts).
    for (unsigned n = c.Below(9); n > 0; --n) {
        switch (c.Below(7)) {
        case 0: Section(c, k, "Files", k.files, false, FilePath); break;
        case 1: Section(c, k, "Folders", k.folders, false, FolderPath); break;
        case 2: Section(c, k, "Icons", k.icons, true, FilePath); break;
        case 3: Section(c, k, "Reg_CreateValue", k.values, true, RegistryText); break;
        case 4: Section(c, k, "Reg_CreateKey", k.keys, true, RegistryText); break;
        case 5: Section(c, k, "Reg_SharedDLLs", k.shared, false, FilePath); break;
        default: Section(c, k, "ActiveX", k.activex, false, FilePath); break;
        }
    }
    return k;
}

// The registry every case starts from, made once: millions of cases run.
const decltype(fakes::FakeRegistryStore::keys)& BaseRegistry()
{
    static const auto keys = [] {
        fakes::Journal journal;
        fakes::FakeRegistryStore r(journal);
        for (const auto& [name, folder] : kStandardFolders)
            r.SetString(kCurrentUser, kShellFolders, name, folder);
        r.SetString(kLocalMachine, kCurrentVersion, "ProgramFilesDir", "C:\\Program Files");
        for (const auto& [root, key] : kSharedKeys)
            r.AddKey(root, key);
        for (const auto& [root, key] : kOtherKeys)
            r.SetString(root, key, "Owner", "other");
        for (const auto& [root, key] : kAppKeys)
            r.SetString(root, key, "Owner", "appli");
        r.SetString(kCurrentUser, "Software\\Appli\\Settings", "", "default");
        r.SetInteger(kLocalMachine, kSharedDlls, "C:\\Windows\\other.dll", 2);
        return r.keys;
    }();
    return keys;
}

void Build(FakePlatform& f, ChoiceStream& c)
{
    f.registry.keys = BaseRegistry();
    for (const auto& [name, folder] : kStandardFolders)
        f.files.AddFolder(folder);
    f.files.AddFolder("D:\\Empty");
    for (const char* file : kAppFiles)
        f.files.AddFile(file, "x");
    for (const char* folder : kAppFolders)
        f.files.AddFolder(folder);
    f.files.AddFile("C:\\Users\\Jo\\notes.txt", "mine");
    f.registry.SetInteger(kLocalMachine, kSharedDlls, "C:\\Program Files\\Appli\\shared.dll",
                          static_cast<std::int32_t>(c.Below(4)) - 1);
    f.libraries.libraries["C:\\Program Files\\Appli\\shared.dll"] = {};
    if (c.OneIn(8))
        f.system.tempFolder = Pick(c, {""s, "TEMP\\"s, "C:\\" + std::string(250, 't') + "\\"});
}

bool IsSingleKeyName(const std::string& name)
{
    return !name.empty() && name.find('\\') == std::string::npos;
}

std::set<std::string> StoredNames(const std::vector<std::string>& texts)
{
    std::set<std::string> names;
    for (const auto& text : texts)
        names.insert(FileKey(text));
    return names;
}

// The value of "name=text" lines as the driver finds them: only the first line of a
// name counts, but every line's text is a candidate here.
std::string Rest(const std::string& text)
{
    const auto at = text.find('\\');
    return at == std::string::npos ? std::string() : RegistryKey(text.substr(at + 1));
}

class Checker {
public:
    Checker(const Case& k, const FakePlatform& before)
        : k_(k)
        , keys_(before.registry.keys)
        , files_(before.files.AllFiles())
        , folders_(before.files.AllFolders())
    {
        for (const auto& text : k.keys)
            keyRests_.push_back(Rest(text));
    }

    void Check(const FakePlatform& after, int code);
    std::string Failures() const { return out_.str(); }

private:
    void Fail(const std::string& what) { out_ << what << "\n"; }
    bool KeyNamed(const std::string& key) const;
    bool ValueNamed(const std::string& key, const std::string& value) const;
    void CheckSharedCount(const std::string& name, const Value& old, const std::map<std::string, Value>& now);

    const Case& k_;
    const decltype(fakes::FakeRegistryStore::keys) keys_;
    const std::map<std::string, std::string> files_;
    const std::set<std::string> folders_;
    std::vector<std::string> keyRests_;
    std::ostringstream out_;
};

bool Checker::KeyNamed(const std::string& key) const
{
    if (IsSingleKeyName(k_.name) && key.rfind(RegistryKey(std::string(kUninstall) + "\\" + k_.name), 0) == 0)
        return true;
    for (const auto& rest : keyRests_) {
        if (!rest.empty() && (key == rest || key.rfind(rest + "\\", 0) == 0))
            return true;
    }
    return false;
}

bool Checker::ValueNamed(const std::string& key, const std::string& value) const
{
    for (const auto& text : k_.values) {
        const std::string rest = text.substr(text.find('\\') == std::string::npos ? text.size() : text.find('\\') + 1);
        const auto split = rest.rfind('\\');
        if (split != std::string::npos && RegistryKey(rest.substr(0, split)) == key &&
            LowerAscii(rest.substr(split + 1)) == value)
            return true;
    }
    return false;
}

// A count may only go down once per time the log names its file, never below 1, and
// its value goes only when it reaches 1.
void Checker::CheckSharedCount(const std::string& name, const Value& old, const std::map<std::string, Value>& now)
{
    std::int32_t named = 0;
    for (const auto& path : k_.shared)
        named += LowerAscii(path) == name ? 1 : 0;
    const auto it = now.find(name);
    const bool gone = it == now.end();
    if (!old.isInteger || named == 0 || old.number < 1) {
        if (gone || !(it->second == old))
            Fail("shared count changed without being named: " + name);
        return;
    }
    if (gone) {
        if (old.number > named)
            Fail("shared count deleted above 1: " + name);
    } else if (it->second.number > old.number || it->second.number < std::max(old.number - named, 1)) {
        Fail("shared count lowered by more than the log names: " + name);
    }
}

void Checker::Check(const FakePlatform& after, int code)
{
    if (code != 0 && code != 1)
        Fail("exit code " + std::to_string(code));
    const std::string sharedKey = RegistryKey(kSharedDlls);
    for (const auto& [id, values] : keys_) {
        const auto now = after.registry.keys.find(id);
        const std::string where = std::to_string(id.first) + ":" + id.second;
        if (now == after.registry.keys.end()) {
            if (!KeyNamed(id.second))
                Fail("key deleted that the log does not name: " + where);
            continue;
        }
        for (const auto& [name, value] : values) {
            if (id.first == kLocalMachine && id.second == sharedKey) {
                CheckSharedCount(name, value, now->second);
                continue;
            }
            const auto it = now->second.find(name);
            if (it == now->second.end() ? !ValueNamed(id.second, name) : !(it->second == value))
                Fail("value changed that the log does not name: " + where + ":" + name);
        }
    }
    for (const auto& [root, key] : kSharedKeys) {
        if (!after.registry.HasKey(root, key))
            Fail("shared key deleted: " + std::to_string(root) + ":" + key);
    }
    const auto listedFiles = StoredNames(k_.files);
    const auto listedIcons = StoredNames(k_.icons);
    for (const auto& [name, bytes] : files_) {
        if (after.files.AllFiles().count(name) || name == FileKey(kLog))
            continue;
        if (!listedFiles.count(name) && !listedIcons.count(name))
            Fail("file deleted that the log does not name: " + name);
    }
    for (const auto& [name, bytes] : after.files.AllFiles()) {
        if (!files_.count(name) && !IsTemporaryCopy(name))
            Fail("file made outside the temporary folder: " + name);
    }
    for (const auto& [value, folder] : kStandardFolders) {
        if (!after.files.HasFolder(folder))
            Fail(std::string("standard folder removed: ") + folder);
    }
    for (const auto& name : folders_) {
        if (after.files.AllFolders().count(name))
            continue;
        bool named = StoredNames(k_.folders).count(name) > 0;
        for (const auto& icon : k_.icons) {
            const std::string key = FileKey(icon);
            named = named || key.substr(0, key.rfind('\\')) == name;
        }
        if (!named)
            Fail("folder removed that the log does not name: " + name);
    }
    for (const auto& entry : after.journal) {
        if (entry.rfind("rmdir ", 0) == 0) {
            // Only a folder below a drive (c:\x) or a share (\\server\share\x) may go.
            const std::string key = FileKey(entry.substr(6));
            if (key.find(":\\") != 1 && (key.rfind("\\\\", 0) != 0 || std::count(key.begin(), key.end(), '\\') < 4))
                Fail("removal tried on a root or a relative path: " + entry);
        }
        if (entry.rfind("load ", 0) == 0) {
            bool listed = false;
            for (const auto& library : k_.activex)
                listed = listed || library == entry.substr(5);
            if (!listed)
                Fail("library loaded that the log does not list: " + entry);
        }
    }

    // What was refused counts as left.
    const auto& shown = after.dialogs.shown;
    const bool completed = code == 0 && shown.size() >= 2 && shown.back().caption == "Information";
    if (!completed)
        return;
    bool refused = !k_.name.empty() && !IsSingleKeyName(k_.name);
    for (const auto& text : k_.keys) {
        for (const auto& [root, key] : kSharedKeys)
            refused = refused || (Rest(text) == RegistryKey(key) && text.rfind("HKEY_", 0) == 0);
    }
    const std::string registryLine =
        k_.log.find(kRegistryLeft) != std::string::npos ? kRegistryLeft : "* some registry updates";
    if (refused && shown.back().text.find(registryLine) == std::string::npos)
        Fail("a refused registry entry is not counted as left");
}

}  // namespace

std::string RunOneCase(ChoiceStream& choices)
{
    FakePlatform fakes;
    Build(fakes, choices);
    const Case k = MakeLog(choices);
    fakes.files.AddFile(kLog, k.log);
    fakes.journal.clear();
    Checker checker(k, fakes);
    const int code = RunUninstaller(fakes.platform);
    checker.Check(fakes, code);
    const std::string failures = checker.Failures();
    return failures.empty() ? failures : failures + "log:\n" + k.log;
}

std::string RunSeededCase(std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::uint8_t bytes[600];
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    ChoiceStream choices(bytes, sizeof bytes);
    return RunOneCase(choices);
}

}  // namespace uninst::property
