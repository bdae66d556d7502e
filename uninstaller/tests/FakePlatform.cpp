#include "FakePlatform.h"

#include <algorithm>
#include <sstream>

#include "platform/resource.h"
#include "platform/UnexpectedFailure.h"
#include "text/AnsiText.h"

namespace uninst::fakes {

namespace {

std::vector<std::string> Names(const std::string& text)
{
    std::vector<std::string> names;
    std::istringstream in(text);
    for (std::string name; std::getline(in, name, '\\');)
        names.push_back(name);
    return names;
}

std::string RootName(RootKey root)
{
    switch (root) {
    case kClassesRoot: return "HKCR";
    case kCurrentUser: return "HKCU";
    case kLocalMachine: return "HKLM";
    case kUsers: return "HKU";
    default: return "?";
    }
}

class FakeRegistry : public Registry {
public:
    explicit FakeRegistry(FakeRegistryStore& store) : store_(store) {}

    void SetRoot(RootKey root) override { root_ = root; }
    RootKey Root() const override { return root_; }

    bool OpenKey(const std::string& path) override
    {
        CloseKey();
        const std::string key = RegistryKey(path);
        store_.openedKeys.push_back(RootName(root_) + ":" + key);
        if (store_.unopenableKeys.count(key) || !Exists(key))
            return false;
        open_ = key;
        return true;
    }
    void CloseKey() override { open_.reset(); }

    bool KeyExists(const std::string& path) override { return Exists(RegistryKey(path)); }

    bool ValueExists(const std::string& name) override { return open_ && Values().count(LowerAscii(name)) > 0; }

    std::string ReadString(const std::string& name) override
    {
        ++store_.stringReads[LowerAscii(name)];
        const auto* value = Find(name);
        if (!value)
            return {};
        if (value->isInteger)
            throw UnexpectedFailure::InvalidValueType(name);
        return value->text;
    }

    std::int32_t ReadInteger(const std::string& name) override
    {
        const auto* value = Find(name);
        if (!value || !value->isInteger)
            throw UnexpectedFailure::InvalidValueType(name);
        return value->number;
    }

    void WriteInteger(const std::string& name, std::int32_t number) override
    {
        if (!open_ || store_.failWrites)
            throw UnexpectedFailure::CannotSetValue(name);
        auto& value = Values()[LowerAscii(name)];
        value.isInteger = true;
        value.number = number;
        store_.journal_.push_back("reg write " + name + "=" + std::to_string(number));
    }

    bool DeleteValue(const std::string& name) override
    {
        if (!open_)
            return false;
        const bool erased = Values().erase(LowerAscii(name)) > 0;
        if (erased)
            store_.journal_.push_back("reg delete value " + RootName(root_) + ":" + *open_ + ":" + name);
        return erased;
    }

    bool DeleteKey(const std::string& path) override
    {
        const std::string key = RegistryKey(path);
        if (!Exists(key))
            return false;
        for (auto it = store_.keys.begin(); it != store_.keys.end();) {
            const auto& [root, name] = it->first;
            const bool inside = root == root_ && (key.empty() || name == key || name.rfind(key + "\\", 0) == 0);
            it = inside ? store_.keys.erase(it) : std::next(it);
        }
        store_.journal_.push_back("reg delete key " + RootName(root_) + ":" + key);
        return true;
    }

private:
    bool Exists(const std::string& key) const { return key.empty() || store_.keys.count({root_, key}) > 0; }
    std::map<std::string, FakeRegistryStore::Value>& Values() { return store_.keys[{root_, *open_}]; }
    const FakeRegistryStore::Value* Find(const std::string& name)
    {
        if (!open_)
            return nullptr;
        const auto& values = Values();
        const auto it = values.find(LowerAscii(name));
        return it == values.end() ? nullptr : &it->second;
    }

    FakeRegistryStore& store_;
    RootKey root_ = kCurrentUser;
    std::optional<std::string> open_;
};

}  // namespace

std::unique_ptr<Registry> FakeRegistryStore::CreateRegistry()
{
    ++wrappersCreated;
    return std::make_unique<FakeRegistry>(*this);
}

void FakeRegistryStore::AddKey(RootKey root, const std::string& path)
{
    const std::string key = RegistryKey(path);
    for (std::size_t at = key.find('\\'); at != std::string::npos; at = key.find('\\', at + 1))
        keys[{root, key.substr(0, at)}];
    keys[{root, key}];
}

void FakeRegistryStore::SetString(RootKey root, const std::string& path, const std::string& name,
                                  const std::string& text)
{
    AddKey(root, path);
    auto& value = keys[{root, RegistryKey(path)}][LowerAscii(name)];
    value = Value{false, text, 0};
}

void FakeRegistryStore::SetInteger(RootKey root, const std::string& path, const std::string& name, std::int32_t number)
{
    AddKey(root, path);
    keys[{root, RegistryKey(path)}][LowerAscii(name)] = Value{true, {}, number};
}

bool FakeRegistryStore::HasKey(RootKey root, const std::string& path) const
{
    return keys.count({root, RegistryKey(path)}) > 0;
}

bool FakeRegistryStore::HasValue(RootKey root, const std::string& path, const std::string& name) const
{
    const auto it = keys.find({root, RegistryKey(path)});
    return it != keys.end() && it->second.count(LowerAscii(name)) > 0;
}

std::optional<std::int32_t> FakeRegistryStore::Integer(RootKey root, const std::string& path,
                                                       const std::string& name) const
{
    const auto it = keys.find({root, RegistryKey(path)});
    if (it == keys.end())
        return std::nullopt;
    const auto value = it->second.find(LowerAscii(name));
    if (value == it->second.end() || !value->second.isInteger)
        return std::nullopt;
    return value->second.number;
}

std::string RegistryKey(const std::string& path)
{
    std::string key;
    for (const std::string& name : Names(LowerAscii(path)))
        key += name.empty() ? "" : (key.empty() ? "" : "\\") + name;
    return key;
}

std::string FileKey(const std::string& path)
{
    std::string text = LowerAscii(path);
    std::replace(text.begin(), text.end(), '/', '\\');
    for (const char* prefix : {"\\\\?\\", "\\\\.\\", "\\??\\"}) {
        if (text.rfind(prefix, 0) == 0)
            text = text.rfind("unc\\", 4) == 4 ? "\\\\" + text.substr(8) : text.substr(4);
    }
    const std::size_t root = text.rfind("\\\\", 0) == 0 ? 4 : 1;  // "", "", server, share; or the drive
    if (root == 1 && text.find(":\\") != 1)
        return text;
    std::vector<std::string> kept;
    for (std::string name : Names(text)) {
        if (kept.size() >= root && name == "..") {
            if (kept.size() > root)
                kept.pop_back();
            continue;
        }
        if (kept.size() >= root)
            name.erase(name.find_last_not_of(". ") + 1);  // all of it when only dots and spaces
        if (kept.size() < root || !name.empty())
            kept.push_back(name);
    }
    std::string key = kept.front();
    for (std::size_t i = 1; i < kept.size(); ++i)
        key += "\\" + kept[i];
    return key;
}

bool FakeFiles::IsRegularFile(const std::string& path)
{
    return files_.count(FileKey(path)) > 0;
}

std::optional<std::string> FakeFiles::ReadAll(const std::string& path)
{
    const auto it = files_.find(FileKey(path));
    if (it == files_.end() || unreadable.count(FileKey(path)))
        return std::nullopt;
    return it->second;
}

bool FakeFiles::WriteAll(const std::string& path, const std::string& bytes)
{
    journal_.push_back("write " + path);
    files_[FileKey(path)] = bytes;
    return true;
}

bool FakeFiles::EraseFile(const std::string& path)
{
    journal_.push_back("erase " + path);
    return files_.erase(FileKey(path)) > 0;
}

bool FakeFiles::FolderIsEmpty(const std::string& folder) const
{
    const std::string prefix = folder + "\\";
    for (const auto& [name, bytes] : files_) {
        if (name.rfind(prefix, 0) == 0)
            return false;
    }
    for (const auto& name : folders_) {
        if (name.rfind(prefix, 0) == 0)
            return false;
    }
    return true;
}

bool FakeFiles::RemoveFolder(const std::string& path)
{
    journal_.push_back("rmdir " + path);
    const std::string folder = FileKey(path);
    if (!folders_.count(folder) || !FolderIsEmpty(folder))
        return false;
    folders_.erase(folder);
    return true;
}

bool FakeFiles::CopyToNew(const std::string& from, const std::string& to)
{
    journal_.push_back("copy " + from + " -> " + to);
    const auto it = files_.find(FileKey(from));
    if (!copiesWork || it == files_.end() || files_.count(FileKey(to)) || folders_.count(FileKey(to)))
        return false;
    files_[FileKey(to)] = it->second;
    return true;
}

bool FakeFiles::CreateNewFolder(const std::string& path)
{
    journal_.push_back("mkdir " + path);
    if (files_.count(FileKey(path)) || folders_.count(FileKey(path)))
        return false;
    folders_.insert(FileKey(path));
    return true;
}

bool FakeFiles::MoveOver(const std::string& from, const std::string& to)
{
    journal_.push_back("move " + from + " -> " + to);
    const auto it = files_.find(FileKey(from));
    if (it == files_.end())
        return false;
    files_[FileKey(to)] = it->second;
    files_.erase(FileKey(from));
    return true;
}

bool FakeFiles::DeleteAtNextStart(const std::string& path)
{
    journal_.push_back("delete at restart " + path);
    return delayedDeletionWorks;
}

bool FakeFiles::WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& file)
{
    journal_.push_back("ini " + file + " [" + section + "] " + key + "=" + value);
    return iniWritable;
}

std::string FakeFiles::LongPath(const std::string& path)
{
    const auto it = longPaths.find(LowerAscii(path));
    return it == longPaths.end() ? path : it->second;
}

void FakeFiles::AddFile(const std::string& path, const std::string& bytes)
{
    files_[FileKey(path)] = bytes;
    const std::string folder = FolderOf(path);
    if (!folder.empty())
        AddFolder(folder);
}

void FakeFiles::AddFolder(const std::string& path)
{
    std::string folder = FileKey(path);
    while (folder.size() > 2) {  // stop at the drive ("c:")
        folders_.insert(folder);
        const auto parent = folder.rfind('\\');
        if (parent == std::string::npos)
            break;
        folder.resize(parent);
    }
}

bool FakeFiles::HasFile(const std::string& path) const
{
    return files_.count(FileKey(path)) > 0;
}

bool FakeFiles::HasFolder(const std::string& path) const
{
    return folders_.count(FileKey(path)) > 0;
}

std::uintptr_t FakeLibraries::Load(const std::string& path)
{
    journal_.push_back("load " + path);
    if (!libraries.count(path))
        return 0;
    loaded.push_back(path);
    return loaded.size();
}

std::uintptr_t FakeLibraries::FindExport(std::uintptr_t library, const std::string& name)
{
    const auto& entry = libraries.at(loaded.at(library - 1));
    return (name == "DllUnregisterServer" && entry.hasUnregister) ? library : 0;
}

std::int32_t FakeLibraries::CallExport(std::uintptr_t entry)
{
    journal_.push_back("unregister " + loaded.at(entry - 1));
    return libraries.at(loaded.at(entry - 1)).status;
}

void FakeLibraries::Release(std::uintptr_t library)
{
    journal_.push_back("release " + loaded.at(library - 1));
    ++releases;
}

int FakeDialogs::ShowMessage(const std::string& text, const std::string& caption, std::uint32_t flags)
{
    journal_.push_back("message " + caption);
    shown.push_back({text, caption, flags});
    if (answers.empty())
        return (flags & 0xF) == 4 ? kIdYes : kIdOk;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeDialogs::BeginWaitCursor()
{
    journal_.push_back("wait cursor");
    return hadCursor;
}

void FakeDialogs::RestoreCursor()
{
    journal_.push_back("restore cursor");
}

std::string FakeDialogs::LoadText(unsigned id)
{
    const auto it = strings.find(id);
    return it == strings.end() ? std::string() : it->second;
}

bool FakeProgress::Create()
{
    journal_.push_back("window create");
    return creates;
}

void FakeProgress::SetCaption(const std::string& text)
{
    journal_.push_back("caption " + text);
}

void FakeProgress::MoveTo(int x, int y)
{
    journal_.push_back("move " + std::to_string(x) + "," + std::to_string(y));
}

void FakeProgress::Paint()
{
    journal_.push_back("paint");
}

void FakeProgress::SetStatus(const std::string& text)
{
    journal_.push_back("status " + text);
}

void FakeProgress::SetBar(int position)
{
    journal_.push_back("bar " + std::to_string(position));
    bar.push_back(position);
}

void FakeProgress::Destroy()
{
    journal_.push_back("window destroy");
}

std::uint32_t FakeSystem::Launch(const std::string& line, int showState)
{
    journal_.push_back("launch " + line + " /" + std::to_string(showState));
    launches.push_back(line);
    return 0;
}

void FakeSystem::Wait(unsigned milliseconds)
{
    journal_.push_back("wait " + std::to_string(milliseconds));
}

FakePlatform::FakePlatform()
{
    dialogs.strings = {
        {IDS_MESSAGES_SECTION, "Messages"},
        {IDS_LOG_MISSING_FRENCH, "Le fichier UNINSTAL.DAT est introuvable. La d\xE9sinstallation est impossible"},
        {IDS_LOG_MISSING_ENGLISH, "File UNINSTAL.DAT not found. Cannot run UNINSTAL"},
    };
    files.AddFile(system.programPath, "MZ");
}

std::vector<std::string> FakePlatform::Entries(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const auto& entry : journal) {
        if (entry.rfind(prefix, 0) == 0)
            found.push_back(entry);
    }
    return found;
}

}  // namespace uninst::fakes
