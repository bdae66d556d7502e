#include "DryRunPlatform.h"

#include <cstdint>

#include "guards/ProtectedKeys.h"
#include "guards/StandardFolders.h"
#include "guards/SystemKeys.h"
#include "phases/RegistryEntries.h"
#include "phases/SharedLibraries.h"
#include "text/AnsiText.h"
#include "text/PathResolution.h"

namespace uninst {

namespace {

using State = DryRunPlatform::State;

std::string ValueId(RootKey root, const std::string& key, const std::string& name)
{
    return std::to_string(root) + ":" + TidyKeyPath(key) + ":" + LowerAscii(name);
}

// A path as the file system matches it: resolved, A-Z lower-cased, no trailing "\".
std::string Normal(const std::string& path)
{
    std::string normal = LowerAscii(ResolvePath(path).value_or(path));
    while (!normal.empty() && normal.back() == '\\')
        normal.pop_back();
    return normal;
}

// Every key exists; the standard folders and shared counts are values of their keys.
class DryRegistry : public Registry {
public:
    explicit DryRegistry(State& state) : state_(state) {}

    void SetRoot(RootKey root) override { root_ = root; }
    RootKey Root() const override { return root_; }
    bool OpenKey(const std::string& path) override
    {
        open_ = path;
        return true;
    }
    void CloseKey() override { open_.clear(); }
    bool KeyExists(const std::string&) override { return true; }
    bool ValueExists(const std::string& name) override
    {
        return InSharedKey() ? state_.sharedCounts.count(LowerAscii(name)) > 0
                             : state_.registryStrings.count(ValueId(root_, open_, name)) > 0;
    }
    std::string ReadString(const std::string& name) override
    {
        const auto it = state_.registryStrings.find(ValueId(root_, open_, name));
        return it == state_.registryStrings.end() ? std::string() : it->second;
    }
    std::int32_t ReadInteger(const std::string& name) override
    {
        return InSharedKey() && state_.sharedCounts.count(LowerAscii(name)) ? 1 : 0;
    }
    // Counts are 1: a release deletes them and never writes one back.
    void WriteInteger(const std::string& name, std::int32_t) override { Record(Step::Kind::LowerCount, name); }
    bool DeleteValue(const std::string& name) override
    {
        if (InSharedKey()) {
            state_.sharedCounts.erase(LowerAscii(name));
            Record(Step::Kind::LowerCount, name);
        } else {
            Record(Step::Kind::DeleteValue, std::string(RootName(root_)) + "\\" + open_ + "\\" + name);
        }
        return true;
    }
    bool DeleteKey(const std::string& path) override
    {
        Record(state_.acting == &kApplicationSection ? Step::Kind::DeleteRegistration : Step::Kind::DeleteKey,
               std::string(RootName(root_)) + "\\" + path);
        return true;
    }

private:
    bool InSharedKey() const { return root_ == kLocalMachine && TidyKeyPath(open_) == TidyKeyPath(kSharedDllsKey); }
    void Record(Step::Kind kind, const std::string& target) { state_.steps.push_back({kind, target, {}}); }

    State& state_;
    RootKey root_ = kCurrentUser;
    std::string open_;
};

class DryRegistryFactory : public RegistryFactory {
public:
    explicit DryRegistryFactory(State& state) : state_(state) {}
    std::unique_ptr<Registry> CreateRegistry() override { return std::make_unique<DryRegistry>(state_); }

private:
    State& state_;
};

class DryFiles : public FileSystem {
public:
    explicit DryFiles(State& state) : state_(state) {}

    bool IsRegularFile(const std::string& path) override
    {
        return path == state_.logPath || state_.files.count(Normal(path)) > 0;
    }
    std::optional<std::string> ReadAll(const std::string& path) override
    {
        return path == state_.logPath ? std::optional(state_.logBytes) : std::nullopt;
    }
    bool EraseFile(const std::string& path) override
    {
        const Step::Kind kind = state_.acting == &kIconsSection ? Step::Kind::DeleteShortcut
                                : state_.sharedFile             ? Step::Kind::DeleteSharedFile
                                                                : Step::Kind::DeleteFile;
        state_.steps.push_back({kind, path, {}});
        return state_.files.erase(Normal(path)) > 0;
    }
    bool RemoveFolder(const std::string& path) override
    {
        const Step::Kind kind =
            state_.acting == &kIconsSection ? Step::Kind::RemoveGroupFolder : Step::Kind::RemoveFolder;
        state_.steps.push_back({kind, path, {}});
        const std::string folder = Normal(path);
        if (!state_.folders.count(folder) || !Empty(folder))
            return false;
        state_.folders.erase(folder);
        return true;
    }
    // Which short names the target machine gives is unknown here: the log's spelling stands.
    std::string LongPath(const std::string& path) override { return path; }
    // A check writes, copies and schedules nothing: the removal phases never ask to.
    bool WriteAll(const std::string&, const std::string&) override { return false; }
    bool CopyToNew(const std::string&, const std::string&) override { return false; }
    bool CreateNewFolder(const std::string&) override { return false; }
    bool MoveOver(const std::string&, const std::string&) override { return false; }
    bool DeleteAtNextStart(const std::string&) override { return false; }
    bool WriteIniString(const std::string&, const std::string&, const std::string&, const std::string&) override
    {
        return false;
    }

private:
    bool Empty(const std::string& folder) const
    {
        const std::string prefix = folder + "\\";
        const auto inside = [&](const std::set<std::string>& names) {
            const auto it = names.lower_bound(prefix);
            return it != names.end() && it->compare(0, prefix.size(), prefix) == 0;
        };
        return !inside(state_.files) && !inside(state_.folders);
    }

    State& state_;
};

// Libraries load and unregister.
class DryLibraries : public Libraries {
public:
    explicit DryLibraries(State& state) : state_(state) {}

    std::uintptr_t Load(const std::string& path) override
    {
        loaded_.push_back(path);
        return loaded_.size();
    }
    std::uintptr_t FindExport(std::uintptr_t library, const std::string&) override { return library; }
    std::int32_t CallExport(std::uintptr_t entry) override
    {
        state_.steps.push_back({Step::Kind::Unregister, loaded_.at(entry - 1), {}});
        return 0;
    }
    void Release(std::uintptr_t) override {}

private:
    State& state_;
    std::vector<std::string> loaded_;
};

// The phases show texts and pause; a check shows nothing and does not wait.
class Silent : public Dialogs, public ProgressWindow, public SystemServices {
public:
    explicit Silent(State& state) : state_(state) {}

    int ShowMessage(const std::string&, const std::string&, std::uint32_t) override { return 0; }
    bool BeginWaitCursor() override { return false; }
    void RestoreCursor() override {}
    std::string LoadText(unsigned) override { return {}; }

    bool Create() override { return false; }
    void SetCaption(const std::string&) override {}
    WindowRect Bounds() override { return {}; }
    ScreenSize Screen() override { return {}; }
    void MoveTo(int, int) override {}
    void Paint() override {}
    void SetStatus(const std::string&) override {}
    void SetBar(int) override {}
    void Destroy() override {}

    int CompareNoCase(const std::string& a, const std::string& b) override
    {
        return state_.compare.CompareNoCase(a, b);
    }
    std::string ProgramPath() override { return {}; }
    std::string CommandLine() override { return {}; }
    std::string TempFolder() override { return {}; }
    std::string WindowsFolder() override { return {}; }
    std::string SystemLanguage() override { return {}; }
    std::optional<std::uint32_t> UnforeseeableNumber() override { return std::nullopt; }
    std::string KnownFolderPath(KnownFolder folder) override
    {
        const auto it = state_.knownFolders.find(folder);
        return it == state_.knownFolders.end() ? std::string() : it->second;
    }
    std::uint32_t Launch(const std::string&, int) override { return 1; }  // ERROR_INVALID_FUNCTION
    void Wait(unsigned) override {}
    std::uint32_t Milliseconds() override { return 0; }

private:
    State& state_;
};

}  // namespace

struct DryRunPlatform::Adapters {
    explicit Adapters(State& state) : registry(state), files(state), libraries(state), silent(state) {}

    DryRegistryFactory registry;
    DryFiles files;
    DryLibraries libraries;
    Silent silent;
    Platform platform{registry, files, libraries, silent, silent, silent};
};

DryRunPlatform::DryRunPlatform(const std::string& logPath, const std::string& logBytes)
    : state_{logPath, logBytes, {}, {}, {}, {}, {}, {}, {}, nullptr, false}
    , adapters_(std::make_unique<Adapters>(state_))
{}

DryRunPlatform::~DryRunPlatform() = default;

Platform& DryRunPlatform::Services()
{
    return adapters_->platform;
}

void DryRunPlatform::AddFile(const std::string& path)
{
    state_.files.insert(Normal(path));
    AddFolder(FolderOf(ResolvePath(path).value_or(path)));
}

void DryRunPlatform::AddFolder(const std::string& path)
{
    std::string folder = Normal(path);
    // Up to the drive ("c:") or share ("\\server\share"), which are no folders to remove.
    while (ResolvePath(folder) && ResolvePath(folder)->back() != '\\') {
        state_.folders.insert(folder);
        folder.resize(folder.rfind('\\'));
    }
}

void DryRunPlatform::AddSharedCount(const std::string& path)
{
    state_.sharedCounts.insert(LowerAscii(path));
}

void DryRunPlatform::AddStandardFolders(const std::string& profile)
{
    for (const StandardFolder& folder : kStandardFolders) {
        std::string path = profile.empty() ? folder.windowsDefault : folder.profileDefault;
        if (const auto at = path.find("%P"); at != std::string::npos)
            path.replace(at, 2, profile);
        if (folder.known != KnownFolder::None)
            state_.knownFolders[folder.known] = path;
        else
            state_.registryStrings[ValueId(folder.root, folder.key, folder.valueName)] = path;
    }
}

bool DryRunPlatform::HasFolder(const std::string& path) const
{
    return state_.folders.count(Normal(path)) > 0;
}

void DryRunPlatform::Acting(const SectionFormat& section, bool sharedFile)
{
    state_.acting = &section;
    state_.sharedFile = sharedFile;
}

void DryRunPlatform::Refused(const Refusal& refusal)
{
    state_.steps.push_back({Step::Kind::Refused, refusal.text, refusal});
}

}  // namespace uninst
