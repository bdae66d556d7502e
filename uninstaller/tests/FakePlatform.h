#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Cp1252Compare.h"
#include "platform/Platform.h"
#include "progress/PacedBar.h"

namespace uninst::fakes {

// Keys and the log path that the driver tests set up again and again.
inline constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char* kSharedDlls = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
inline constexpr const char* kCurrentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr const char* kUninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr const char* kLog = "C:\\Program Files\\Appli\\uninstal.dat";

// How the file system and the registry find what a name means, apart from the
// uninstaller's own rules so that a fault in those shows. A file path: lower-cased, "/"
// as "\", the "\\?\", "\\.\" and "\??\" prefixes dropped, "." and ".." taken (never above
// the drive or share), trailing dots and spaces off each name, no trailing "\"; a drive
// root is "c:". A path not starting at a drive or share stays as it is, lower-cased.
std::string FileKey(const std::string& path);
// A registry key path: lower-cased, without empty names between "\".
std::string RegistryKey(const std::string& path);

// Everything the fakes were asked to do, in order, as short texts ("wait 300",
// "status Removing Files", "erase C:\x"...), so tests can check sequences.
using Journal = std::vector<std::string>;

// In-memory registry. Key paths and value names ignore letter case, as the real one.
class FakeRegistryStore : public RegistryFactory {
public:
    struct Value {
        bool isInteger = false;
        std::string text;
        std::int32_t number = 0;
        bool operator==(const Value&) const = default;
    };

    explicit FakeRegistryStore(Journal& journal) : journal_(journal) {}

    std::unique_ptr<Registry> CreateRegistry() override;

    void AddKey(RootKey root, const std::string& path);
    void SetString(RootKey root, const std::string& path, const std::string& name, const std::string& text);
    void SetInteger(RootKey root, const std::string& path, const std::string& name, std::int32_t number);
    bool HasKey(RootKey root, const std::string& path) const;
    bool HasValue(RootKey root, const std::string& path, const std::string& name) const;
    std::optional<std::int32_t> Integer(RootKey root, const std::string& path, const std::string& name) const;

    // Failure injection.
    std::set<std::string> unopenableKeys;  // lower-cased paths
    bool failWrites = false;

    int wrappersCreated = 0;
    std::vector<std::string> openedKeys;     // "root:path" of every OpenKey call
    std::map<std::string, int> stringReads;  // ReadString calls by lower-cased value name

    // Internal access for the wrapper.
    using KeyId = std::pair<RootKey, std::string>;
    std::map<KeyId, std::map<std::string, Value>> keys;
    Journal& journal_;
};

class FakeFiles : public FileSystem {
public:
    explicit FakeFiles(Journal& journal) : journal_(journal) {}

    bool IsRegularFile(const std::string& path) override;
    std::optional<std::string> ReadAll(const std::string& path) override;
    bool WriteAll(const std::string& path, const std::string& bytes) override;
    bool EraseFile(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
    bool CopyToNew(const std::string& from, const std::string& to) override;
    bool CreateNewFolder(const std::string& path) override;
    bool MoveOver(const std::string& from, const std::string& to) override;
    bool DeleteAtNextStart(const std::string& path) override;
    bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& file) override;
    std::string LongPath(const std::string& path) override;

    void AddFile(const std::string& path, const std::string& bytes = {});
    void AddFolder(const std::string& path);
    bool HasFile(const std::string& path) const;
    bool HasFolder(const std::string& path) const;

    // Every file and folder, by lower-cased resolved path without trailing "\\".
    const std::map<std::string, std::string>& AllFiles() const { return files_; }
    const std::set<std::string>& AllFolders() const { return folders_; }

    std::set<std::string> unreadable;  // lower-cased paths that exist but cannot be opened
    bool delayedDeletionWorks = true;
    bool copiesWork = true;
    bool iniWritable = true;
    std::map<std::string, std::string> longPaths;  // by lower-cased path: what LongPath gives

private:
    bool FolderIsEmpty(const std::string& folder) const;

    std::map<std::string, std::string> files_;  // by lower-cased path
    std::set<std::string> folders_;             // lower-cased, without trailing "\"
    Journal& journal_;
};

class FakeLibraries : public Libraries {
public:
    explicit FakeLibraries(Journal& journal) : journal_(journal) {}

    std::uintptr_t Load(const std::string& path) override;
    std::uintptr_t FindExport(std::uintptr_t library, const std::string& name) override;
    std::int32_t CallExport(std::uintptr_t entry) override;
    void Release(std::uintptr_t library) override;

    struct Library {
        bool hasUnregister = true;
        std::int32_t status = 0;
    };
    std::map<std::string, Library> libraries;  // by path as given
    std::vector<std::string> loaded;           // handle - 1 indexes this
    int releases = 0;

private:
    Journal& journal_;
};

class FakeDialogs : public Dialogs {
public:
    explicit FakeDialogs(Journal& journal) : journal_(journal) {}

    int ShowMessage(const std::string& text, const std::string& caption, std::uint32_t flags) override;
    bool BeginWaitCursor() override;
    void RestoreCursor() override;
    std::string LoadText(unsigned id) override;

    struct Shown {
        std::string text;
        std::string caption;
        std::uint32_t flags;
    };
    std::vector<Shown> shown;
    std::deque<int> answers;  // next results; IDOK (or IDYES for a question) when empty
    std::map<unsigned, std::string> strings;
    bool hadCursor = true;

private:
    Journal& journal_;
};

class FakeProgress : public ProgressWindow {
public:
    explicit FakeProgress(Journal& journal) : journal_(journal) {}

    bool Create() override;
    void SetCaption(const std::string& text) override;
    WindowRect Bounds() override { return bounds; }
    ScreenSize Screen() override { return screen; }
    void MoveTo(int x, int y) override;
    void Paint() override;
    void SetStatus(const std::string& text) override;
    void SetBar(int position) override;
    void Destroy() override;

    bool creates = true;
    WindowRect bounds{0, 0, 280, 120};
    ScreenSize screen{1024, 768};
    std::vector<int> bar;

private:
    Journal& journal_;
};

class FakeSystem : public SystemServices {
public:
    explicit FakeSystem(Journal& journal) : journal_(journal) {}

    std::string ProgramPath() override { return programPath; }
    std::string CommandLine() override { return commandLine; }
    std::string TempFolder() override { return tempFolder; }
    std::string WindowsFolder() override { return windowsFolder; }
    std::string SystemLanguage() override { return language; }
    // 1, 2, 3...: each copy folder name differs from the one before.
    std::optional<std::uint32_t> UnforeseeableNumber() override { return ++drawn; }
    std::string KnownFolderPath(KnownFolder folder) override
    {
        const auto it = knownFolders.find(folder);
        return it == knownFolders.end() ? std::string() : it->second;
    }
    std::uint32_t Launch(const std::string& commandLine, int showState) override;
    void Wait(unsigned milliseconds) override;
    int CompareNoCase(const std::string& a, const std::string& b) override { return compare.CompareNoCase(a, b); }
    // Each reading is clockStep later than the one before: by default a frame, so that
    // every move of the progress bar is drawn.
    std::uint32_t Milliseconds() override { return clock += clockStep; }

    std::string programPath = "C:\\Program Files\\Appli\\uninstal.exe";
    std::string commandLine = "\"C:\\Program Files\\Appli\\uninstal.exe\"";
    std::string tempFolder = "C:\\TEMP\\";
    std::string windowsFolder = "C:\\WINDOWS";
    std::string language = "ENU";
    std::vector<std::string> launches;
    Cp1252Compare compare;
    std::uint32_t clock = 0;
    std::uint32_t drawn = 0;
    std::map<KnownFolder, std::string> knownFolders;
    std::uint32_t clockStep = kFrameMs;

private:
    Journal& journal_;
};

// The full set of fakes, wired into one Platform.
struct FakePlatform {
    FakePlatform();

    Journal journal;
    FakeRegistryStore registry{journal};
    FakeFiles files{journal};
    FakeLibraries libraries{journal};
    FakeDialogs dialogs{journal};
    FakeProgress progress{journal};
    FakeSystem system{journal};
    Platform platform{registry, files, libraries, dialogs, progress, system};

    // Journal entries that begin with the prefix.
    std::vector<std::string> Entries(const std::string& prefix) const;
};

}  // namespace uninst::fakes
