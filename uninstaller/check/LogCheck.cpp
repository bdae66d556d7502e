#include "LogCheck.h"

#include <algorithm>
#include <set>

#include "DryRunPlatform.h"
#include "guards/FolderGuard.h"
#include "log/LogFormat.h"
#include "phases/RemovalPhases.h"
#include "log/LogTexts.h"
#include "LogLines.h"
#include "text/AnsiText.h"
#include "text/PathResolution.h"

namespace uninst {

namespace {

// "X:\Users\Name" for a path inside a user's profile, else "". The shared profiles
// (Public, Default) hold no user's standard folders.
std::string ProfileOf(const std::string& path)
{
    const auto resolved = ResolvePath(path);
    if (!resolved || (*resolved)[1] != ':')
        return {};
    const auto users = resolved->find('\\', 3);
    if (users == std::string::npos || LowerAscii(resolved->substr(3, users - 3)) != "users")
        return {};
    const auto end = resolved->find('\\', users + 1);
    const std::string name = LowerAscii(resolved->substr(users + 1, end - users - 1));
    return name == "public" || name == "default" ? std::string() : resolved->substr(0, end);
}

// Lays out the files, folders and shared counts that the log names.
void Describe(DryRunPlatform& machine, const std::vector<LogEntry>& entries)
{
    std::string profile;
    for (const LogEntry& entry : entries) {
        std::string path;
        if (entry.section == &kFilesSection || entry.section == &kIconsSection) {
            path = entry.Target();
            machine.AddFile(path);
        } else if (entry.section == &kFoldersSection) {
            path = entry.Target();
            machine.AddFolder(path);
        } else if (entry.section == &kSharedDllsSection) {
            machine.AddSharedCount(entry.Target());
        }
        if (profile.empty())
            profile = ProfileOf(path);
    }
    machine.AddStandardFolders(profile);
}

bool Inside(const std::string& path, const std::string& folder)
{
    if (folder.back() == '\\')
        return path.compare(0, folder.size(), folder) == 0;
    return path == folder || path.compare(0, folder.size() + 1, folder + "\\") == 0;
}

// Files and libraries outside the log's folder and the [Folders] folders that the
// uninstaller may remove; a shared file belongs to every application that counts it.
void WarnOutside(DryRunPlatform& machine, FolderGuard& guard, const std::string& logPath,
                 const std::vector<LogEntry>& entries, std::vector<Warning>& warnings)
{
    std::vector<std::string> folders;
    std::vector<std::string> shared;
    if (const auto logFolder = ResolvePath(FolderOf(logPath)))
        folders.push_back(LowerAscii(*logFolder));
    for (const LogEntry& entry : entries) {
        if (entry.section == &kFoldersSection && !guard.IsSystemFolder(entry.key))
            folders.push_back(LowerAscii(*ResolvePath(entry.key)));
        if (entry.section == &kSharedDllsSection)
            shared.push_back(entry.key);
    }
    for (const LogEntry& entry : entries) {
        if (entry.section != &kFilesSection && entry.section != &kActiveXSection)
            continue;
        if (std::any_of(shared.begin(), shared.end(),
                        [&](const std::string& path) { return machine.Compare().CompareNoCase(path, entry.key) == 0; }))
            continue;
        const auto path = ResolvePath(entry.key);
        const bool inside = path && std::any_of(folders.begin(), folders.end(), [&](const std::string& folder) {
                                return Inside(LowerAscii(*path), folder);
                            });
        if (!inside)
            warnings.push_back(
                MakeWarning(Warning::Kind::OutsideApplication, entry.line, entry.section->name, entry.key));
    }
}

// A folder that held shortcuts and is still there once the phases are done, unless the
// folder guard keeps it anyway.
void WarnShortcutFolders(DryRunPlatform& machine, FolderGuard& guard, const std::vector<LogEntry>& entries,
                         std::vector<Warning>& warnings)
{
    std::set<std::string> warned;
    for (const LogEntry& entry : entries) {
        if (entry.section != &kIconsSection)
            continue;
        const std::string folder = ShortcutFolder(entry.value);
        if (guard.IsSystemFolder(folder) || !machine.HasFolder(folder))
            continue;
        if (warned.insert(LowerAscii(folder)).second)
            warnings.push_back(MakeWarning(Warning::Kind::ShortcutFolderStays, entry.line, entry.section->name, folder));
    }
}

// One warning per section for the texts it leaves to the uninstaller's built-in ones.
void WarnDefaults(const TInsFile& log, const SectionFormat& section, std::vector<Warning>& warnings)
{
    std::string missing;
    for (const LogText& text : section.texts) {
        // No line holds a line break: the value of a present key never is one.
        if (log.ReadValue(section.name, text.key, "\n") == "\n")
            missing += (missing.empty() ? "" : ", ") + std::string(text.key);
    }
    if (!missing.empty())
        warnings.push_back(MakeWarning(Warning::Kind::DefaultTexts, 0, section.name, missing));
}

}  // namespace

std::size_t CheckReport::Refusals() const
{
    return static_cast<std::size_t>(
        std::count_if(steps.begin(), steps.end(), [](const Step& step) { return step.kind == Step::Kind::Refused; }));
}

int CheckReport::ExitStatus() const
{
    return Refusals() == 0 && warnings.empty() ? 0 : 1;
}

CheckReport CheckLog(const std::string& logPath, const std::string& bytes)
{
    CheckReport report;
    DryRunPlatform machine(logPath, bytes);
    LogLines lines;
    const TInsFile log(logPath, machine.Services().files, machine.Compare(), &lines);
    lines.Warn(log, report.warnings);
    const std::vector<LogEntry> entries = lines.Entries();
    Describe(machine, entries);

    RunRemovalPhases(PhaseContext{machine.Services(), log, kMessagesSection.name, &machine});
    report.steps = machine.Steps();

    // The folder guard asked directly: whether it keeps a folder whatever the log says.
    FolderGuard guard(machine.Services().registry, machine.Services().files, machine.Services().system);
    WarnOutside(machine, guard, logPath, entries, report.warnings);
    WarnShortcutFolders(machine, guard, entries, report.warnings);
    WarnDefaults(log, kTitlesSection, report.warnings);
    WarnDefaults(log, kMessagesSection, report.warnings);
    if (log.ReadText(kApplicationSection.name, kApplicationName).empty())
        report.warnings.push_back(
            MakeWarning(Warning::Kind::NoApplicationName, 0, kApplicationSection.name, kApplicationName.key));
    // By line, those about the whole log last.
    std::stable_sort(report.warnings.begin(), report.warnings.end(), [](const Warning& a, const Warning& b) {
        return (a.line == 0 ? SIZE_MAX : a.line) < (b.line == 0 ? SIZE_MAX : b.line);
    });
    return report;
}

}  // namespace uninst
