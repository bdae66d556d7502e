#include "WhatStays.h"

#include <algorithm>
#include <set>

#include "DryRunPlatform.h"
#include "guards/FolderGuard.h"
#include "guards/ProtectedKeys.h"
#include "phases/RegistryEntries.h"
#include "text/AnsiText.h"
#include "text/PathResolution.h"

namespace uninst {

namespace {

bool Contains(const std::vector<std::size_t>& lines, std::size_t line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void FoldersThatStay(DryRunPlatform& machine, FolderGuard& guard, const std::string& applicationFolder,
                     const std::vector<LogEntry>& entries, const std::vector<std::size_t>& warned,
                     std::vector<Stay>& stays)
{
    // A shared file's folder belongs to every application that counts it.
    std::set<std::string> shared;
    for (const LogEntry& entry : entries) {
        if (entry.section == &kSharedDllsSection)
            shared.insert(LowerAscii(entry.key));
    }
    // A folder that holds what uninstal never reaches stays for that reason, told on its line.
    std::set<std::string> told;
    for (const LogEntry& entry : entries) {
        if (!Contains(warned, entry.line))
            continue;
        if (const auto path = ResolvePath(entry.Target())) {
            for (std::string folder = LowerAscii(*path); folder.rfind('\\') != std::string::npos;) {
                folder.resize(folder.rfind('\\'));
                told.insert(folder);
            }
        }
    }
    for (const LogEntry& entry : entries) {
        const bool shortcut = entry.section == &kIconsSection;
        if ((!shortcut && entry.section != &kFilesSection) || Contains(warned, entry.line) ||
            shared.count(LowerAscii(entry.key)))
            continue;
        const auto path = ResolvePath(entry.Target());
        if (!path)
            continue;  // refused, or never found: its own line says so
        for (std::string folder = *path;;) {
            folder.resize(folder.rfind('\\'));
            const auto resolved = ResolvePath(folder);
            if (!resolved || resolved->back() == '\\' || guard.IsSystemFolder(folder) ||
                LowerAscii(folder) == applicationFolder)
                break;
            if (!machine.HasFolder(folder))
                continue;
            if (told.insert(LowerAscii(folder)).second) {
                stays.push_back(shortcut ? Stay{Stay::Kind::ShortcutFolder, folder, entry.line, {}}
                                         : Stay{Stay::Kind::Folder, folder, entry.line, "[Folders] " + folder + "=1"});
            }
            break;
        }
    }
}

struct Key {
    RootKey root;
    std::string path;  // as the step names it
    std::string tidy;  // TidyKeyPath(path)
};

std::optional<Key> KeyOf(const std::string& target)
{
    const auto split = SplitRegistryEntry(target);
    if (!split || !split->root)
        return std::nullopt;
    return Key{*split->root, split->path, TidyKeyPath(split->path)};
}

bool Below(const std::string& tidy, const std::string& folder)
{
    return tidy == folder ||
           (tidy.size() > folder.size() && tidy.compare(0, folder.size(), folder) == 0 && tidy[folder.size()] == '\\');
}

// The line of the registry entry whose text names the key path (after its root word).
std::size_t LineOf(const std::vector<LogEntry>& entries, const std::string& path)
{
    for (const LogEntry& entry : entries) {
        if (entry.section != &kCreateValueSection && entry.section != &kCreateKeySection)
            continue;
        const auto split = SplitRegistryEntry(entry.value);
        if (split && (split->path == path || split->path.compare(0, path.size() + 1, path + "\\") == 0))
            return entry.line;
    }
    return 0;
}

// A name for a new [Reg_CreateKey] line that no entry of the section has.
std::string FreshName(const std::vector<LogEntry>& entries, const std::string& path)
{
    const std::string base = path.substr(path.rfind('\\') + 1);
    std::string name = base;
    for (int n = 2;; ++n) {
        const bool taken = std::any_of(entries.begin(), entries.end(), [&](const LogEntry& entry) {
            return entry.section == &kCreateKeySection && LowerAscii(entry.key) == LowerAscii(name);
        });
        if (!taken)
            return name;
        name = base + std::to_string(n);
    }
}

void KeysThatStay(const std::vector<LogEntry>& entries, const std::vector<Step>& steps,
                  const std::vector<std::size_t>& warned, std::vector<Stay>& stays)
{
    std::vector<Key> deleted;
    for (const Step& step : steps) {
        if (step.kind == Step::Kind::DeleteKey || step.kind == Step::Kind::DeleteRegistration) {
            if (auto key = KeyOf(step.target))
                deleted.push_back(*key);
        }
    }
    std::set<std::string> told;
    for (const Step& step : steps) {
        if (step.kind != Step::Kind::DeleteValue && step.kind != Step::Kind::DeleteKey)
            continue;
        // The key that held what goes: of a value, its key; of a key, its parent.
        auto key = KeyOf(step.target);
        if (!key || key->path.find('\\') == std::string::npos)
            continue;
        const std::string source = key->path;
        key->path.resize(key->path.rfind('\\'));
        key->tidy = TidyKeyPath(key->path);
        if (key->tidy.empty() || IsProtectedKey(key->root, key->path))
            continue;
        if (std::any_of(deleted.begin(), deleted.end(),
                        [&](const Key& gone) { return gone.root == key->root && Below(key->tidy, gone.tidy); }))
            continue;
        const std::size_t line = LineOf(entries, source);
        if (Contains(warned, line))
            continue;
        const std::string target = std::string(RootName(key->root)) + "\\" + key->path;
        if (told.insert(std::to_string(key->root) + key->tidy).second) {
            stays.push_back(
                {Stay::Kind::Key, target, line, "[Reg_CreateKey] " + FreshName(entries, key->path) + "=" + target});
        }
    }
}

}  // namespace

std::vector<Stay> WhatStays(DryRunPlatform& machine, FolderGuard& guard, const std::string& applicationFolder,
                            const std::vector<LogEntry>& entries, const std::vector<Step>& steps,
                            const std::vector<std::size_t>& warnedLines)
{
    std::vector<Stay> stays;
    FoldersThatStay(machine, guard, applicationFolder, entries, warnedLines, stays);
    KeysThatStay(entries, steps, warnedLines, stays);
    return stays;
}

}  // namespace uninst
