#include "LogCheck.h"

#include <algorithm>
#include <set>

#include "DryRunPlatform.h"
#include "guards/FolderGuard.h"
#include "log/LogFormat.h"
#include "phases/RemovalPhases.h"
#include "log/LogTexts.h"
#include "LogLines.h"
#include "UnknownRoots.h"
#include "WhatStays.h"
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
        if (!path)
            continue;  // refused: the step says why
        const bool inside = std::any_of(folders.begin(), folders.end(),
                                        [&](const std::string& folder) { return Inside(LowerAscii(*path), folder); });
        if (!inside)
            warnings.push_back(
                MakeWarning(Warning::Kind::OutsideApplication, entry.line, entry.section->name, entry.key));
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

// The line of a key of a section of texts, as the reader finds it; 0 when absent.
std::size_t LineOfKey(const TInsFile& log, const std::string& section, const std::string& key)
{
    const auto& lines = log.Lines.Items();
    std::size_t i = 0;
    while (i < lines.size() && LowerAscii(lines[i]) != "[" + LowerAscii(section) + "]")
        ++i;
    for (++i; i < lines.size() && (lines[i].empty() || lines[i][0] != '['); ++i) {
        if (LowerAscii(lines[i]).rfind(LowerAscii(key) + "=", 0) == 0)
            return i + 1;
    }
    return 0;
}

// Each refused step's line: the first entry of its section whose text the phase read.
void NumberRefusals(const TInsFile& log, const std::vector<LogEntry>& entries, std::vector<Step>& steps)
{
    for (Step& step : steps) {
        if (step.kind != Step::Kind::Refused)
            continue;
        for (const LogEntry& entry : entries) {
            if (entry.section->name == step.refusal.section && entry.Target() == step.refusal.text) {
                step.line = entry.line;
                break;
            }
        }
        if (step.refusal.section == kApplicationSection.name)
            step.line = LineOfKey(log, kApplicationSection.name, kApplicationName.key);
    }
}

// The folder the uninstaller's last stage removes once empty: the log's own, as Windows
// names it; resolved, lower-cased, without a trailing "\"; "" when the path is no
// Windows path.
std::string ApplicationFolder(const std::string& logPath)
{
    const auto folder = ResolvePath(FolderOf(logPath));
    if (!folder)
        return {};
    std::string lowered = LowerAscii(*folder);
    if (!lowered.empty() && lowered.back() == '\\')
        lowered.pop_back();
    return lowered;
}

// The entries whose warning tells what follows from them.
std::vector<std::size_t> WarnedLines(const std::vector<Warning>& warnings)
{
    std::vector<std::size_t> lines;
    for (const Warning& warning : warnings) {
        if (warning.kind == Warning::Kind::NameUsedTwice || warning.kind == Warning::Kind::UnknownRoot)
            lines.push_back(warning.line);
    }
    return lines;
}

}  // namespace

std::size_t CheckReport::Refusals() const
{
    return static_cast<std::size_t>(
        std::count_if(steps.begin(), steps.end(), [](const Step& step) { return step.kind == Step::Kind::Refused; }));
}

int CheckReport::ExitStatus() const
{
    return Refusals() == 0 && warnings.empty() && stays.empty() ? 0 : 1;
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
    NumberRefusals(log, entries, report.steps);
    WarnUnknownRoots(entries, machine.Compare(), report.warnings);

    // The folder guard asked directly: whether it keeps a folder whatever the log says.
    FolderGuard guard(machine.Services().registry, machine.Services().files, machine.Services().system);
    WarnOutside(machine, guard, logPath, entries, report.warnings);
    report.stays =
        WhatStays(machine, guard, ApplicationFolder(logPath), entries, report.steps, WarnedLines(report.warnings));
    const auto& text = log.Lines.Items();
    if (std::all_of(text.begin(), text.end(), [](const std::string& line) { return line.empty(); })) {
        // The rest would only follow from it.
        report.warnings.push_back(MakeWarning(Warning::Kind::EmptyLog, 0));
        return report;
    }
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
