#include "phases/RemovalPhases.h"

#include "guards/FolderGuard.h"
#include "guards/PathKinds.h"
#include "guards/ProtectedKeys.h"
#include "guards/SystemKeys.h"
#include "log/LogFormat.h"
#include "log/LogSection.h"
#include "log/LogTexts.h"
#include "phases/RegistryEntries.h"
#include "phases/SharedLibraries.h"
#include "progress/PacedBar.h"
#include "text/AnsiText.h"
#include "text/PathResolution.h"

#include <optional>
#include <utility>

namespace uninst {

namespace {

void ShowStatus(const PhaseContext& context, const LogText& text)
{
    context.platform.progress.SetStatus(context.log.ReadText(context.messagesSection, text));
}

void Pause(const PhaseContext& context)
{
    Pause(context.platform.system);
}

// The bar's position before entry index of a walk over count entries: the walk's first
// entry shows 100 / count, its last 100.
int BarPosition(std::size_t count, std::size_t index)
{
    return static_cast<int>((count - index) * 100 / count);
}

// Tells the observer, if any, and keeps the entry: returns false, as a phase's handler
// does for an entry that stays.
bool Refuse(const PhaseContext& context, const SectionFormat& section, const std::string& text, Refusal::Reason reason,
            RootKey root = 0, std::string_view rule = {})
{
    if (context.observer)
        context.observer->Refused(Refusal{section.name, text, reason, root, rule});
    return false;
}

// Tells the observer, if any, which section the phase's next requests serve.
void Acting(const PhaseContext& context, const SectionFormat& section, bool sharedFile = false)
{
    if (context.observer)
        context.observer->Acting(section, sharedFile);
}

// Refuses a path that is no full local path; true when the phase may act on it.
bool MayTouch(const PhaseContext& context, const SectionFormat& section, const std::string& path)
{
    switch (KindOfPath(path)) {
    case PathKind::FullLocal: return true;
    case PathKind::Network: return Refuse(context, section, path, Refusal::Reason::NetworkPath);
    case PathKind::Device: return Refuse(context, section, path, Refusal::Reason::DevicePath);
    case PathKind::NotFull: break;
    }
    return Refuse(context, section, path, Refusal::Reason::UnresolvablePath);
}

Refusal::Reason ReasonOf(FolderRefusal refusal)
{
    switch (refusal) {
    case FolderRefusal::Unresolvable: return Refusal::Reason::UnresolvablePath;
    case FolderRefusal::Root: return Refusal::Reason::DriveRoot;
    case FolderRefusal::Standard: break;
    }
    return Refusal::Reason::StandardFolder;
}

LogSection ReadSection(const PhaseContext& context, const SectionFormat& section)
{
    return LogSection(context.log, section, context.platform.system);
}

// Walks a registry section from its last entry: makes the root each entry names current
// and hands handle(text, rest) the path after it. An entry without "\" stays (refused).
template <typename Handle>
bool WalkRegistryEntries(const PhaseContext& context, Registry& registry, const SectionFormat& section, Handle handle)
{
    const LogSection entries = ReadSection(context, section);
    return entries.WalkFromLast([&](std::size_t i) {
        const std::string text = entries.Target(i);
        const auto entry = SplitRegistryEntry(text);
        if (!entry)
            return Refuse(context, section, text, Refusal::Reason::NoRoot);
        if (entry->root)
            registry.SetRoot(*entry->root);
        return handle(text, entry->path);
    });
}

bool RemoveRegistryValues(const PhaseContext& context, Registry& registry)
{
    const auto removeValue = [&](const std::string& text, const std::string& rest) {
        const auto split = rest.rfind('\\');
        // A value directly under a root is never touched; the entry counts as left.
        if (split == std::string::npos || AddressesRoot(rest.substr(0, split)))
            return Refuse(context, kCreateValueSection, text, Refusal::Reason::ValueUnderRoot, registry.Root());
        if (const Protection rule = IsProtectedValue(registry.Root(), rest.substr(0, split), rest.substr(split + 1)))
            return Refuse(context, kCreateValueSection, text, Refusal::Reason::ProtectedValue, registry.Root(), *rule);
        Acting(context, kCreateValueSection);
        // A key that cannot be opened is gone, and its value with it.
        if (!registry.OpenKey(rest.substr(0, split)))
            return true;
        const bool deleted = registry.DeleteValue(rest.substr(split + 1));
        registry.CloseKey();
        return deleted;
    };
    return WalkRegistryEntries(context, registry, kCreateValueSection, removeValue);
}

bool RemoveRegistryKeys(const PhaseContext& context, Registry& registry)
{
    const auto removeKey = [&](const std::string& text, const std::string& rest) {
        // Deleting "nothing below the root" would wipe the root's subkeys, and a shared
        // key everything below it; such an entry stays and counts as left.
        if (AddressesRoot(rest))
            return Refuse(context, kCreateKeySection, text, Refusal::Reason::RootItself, registry.Root());
        if (const Protection rule = IsProtectedKey(registry.Root(), rest))
            return Refuse(context, kCreateKeySection, text, Refusal::Reason::ProtectedKey, registry.Root(), *rule);
        Acting(context, kCreateKeySection);
        return registry.DeleteKey(rest);
    };
    return WalkRegistryEntries(context, registry, kCreateKeySection, removeKey);
}

// Phase 1: lowers the shared count of every "Reg_SharedDLLs" entry; returns those entries.
StringList SharedReferencesPhase(const PhaseContext& context)
{
    StringList shared(context.platform.system);
    context.log.ReadSectionKeys(kSharedDllsSection.name, shared);
    Acting(context, kSharedDllsSection);
    ReleaseSharedReferences(context.platform.registry, shared, context.released);
    return shared;
}

// Phase 2: unregisters every "ActiveX" library that no other application uses.
void LibrariesPhase(const PhaseContext& context)
{
    const LogSection libraries = ReadSection(context, kActiveXSection);
    const std::size_t count = libraries.Count();
    if (count == 0)
        return;
    ShowStatus(context, kUnRegActiveX);
    Pause(context);
    PacedBar bar(context.platform.progress, context.platform.system);
    // Every entry stays: nothing here counts as left.
    libraries.WalkFromLast([&](std::size_t i) {
        bar.Move(BarPosition(count, i));
        const std::string path = libraries.Target(i);
        if (!MayTouch(context, kActiveXSection, path))
            return false;
        Acting(context, kActiveXSection);
        if (SharedDllRefCount(context.platform.registry, path) < 1)
            UnregisterLibrary(context.platform.libraries, path);
        return false;
    });
    bar.Finish();
}

// Phase 3: deletes the "Files" entries; a shared file still in use stays. True when any
// file stays.
bool FilesPhase(const PhaseContext& context, const StringList& shared)
{
    const LogSection files = ReadSection(context, kFilesSection);
    const std::size_t count = files.Count();
    if (count > 0)
        ShowStatus(context, kRemovingFiles);
    Pause(context);  // also without files, as the program always did
    PacedBar bar(context.platform.progress, context.platform.system);
    const bool anyStays = files.WalkFromLast([&](std::size_t i) {
        bar.Move(BarPosition(count, i));
        const std::string path = files.Target(i);
        if (!MayTouch(context, kFilesSection, path))
            return false;
        // A shared file still used by other applications stays, and counts as left.
        const bool sharedFile = shared.Contains(path);
        Acting(context, kFilesSection, sharedFile);
        const bool unused = !sharedFile || SharedDllRefCount(context.platform.registry, path) < 1;
        return unused && context.platform.files.EraseFile(path);
    });
    bar.Finish();
    return anyStays;
}

// Phase 4: removes each empty "Folders" entry that the guard does not keep. Flags nothing.
void FoldersPhase(const PhaseContext& context, FolderGuard& guard)
{
    const LogSection folders = ReadSection(context, kFoldersSection);
    folders.WalkFromLast([&](std::size_t i) {
        const std::string path = folders.Target(i);
        if (!MayTouch(context, kFoldersSection, path))
            return false;
        if (const auto refusal = guard.IsSystemFolder(path))
            return Refuse(context, kFoldersSection, path, ReasonOf(*refusal));
        Acting(context, kFoldersSection);
        return context.platform.files.RemoveFolder(path);
    });
}

// Phase 5: deletes the "Icons" shortcuts, then their group folder (one the guard does not
// keep) once all are gone. True when a shortcut or the group folder stays.
bool ShortcutsPhase(const PhaseContext& context, FolderGuard& guard)
{
    const LogSection shortcuts = ReadSection(context, kIconsSection);
    const std::size_t count = shortcuts.Count();
    if (count == 0)
        return false;
    ShowStatus(context, kRemovingLinks);
    Pause(context);
    std::string groupFolder;
    PacedBar bar(context.platform.progress, context.platform.system);
    const bool anyStays = shortcuts.WalkFromLast([&](std::size_t i) {
        bar.Move(BarPosition(count, i));
        const std::string path = shortcuts.Target(i);
        if (!MayTouch(context, kIconsSection, path))
            return false;
        Acting(context, kIconsSection);
        const bool erased = context.platform.files.EraseFile(path);
        const std::string folder = ShortcutFolder(path);
        if (!guard.IsSystemFolder(folder))
            groupFolder = folder;
        return erased;
    });
    bar.Finish();
    if (anyStays)
        return true;
    // Walked backwards, the group folder is that of the first-listed shortcut outside
    // every standard folder.
    return !groupFolder.empty() && !context.platform.files.RemoveFolder(groupFolder);
}

// Phase 6: deletes the application's uninstall registration, the "Reg_CreateValue"
// values, then the "Reg_CreateKey" keys. True when any of them stays.
bool RegistryPhase(const PhaseContext& context)
{
    ShowStatus(context, kUnRegistering);
    Pause(context);
    auto registry = context.platform.registry.CreateRegistry();
    registry->SetRoot(kLocalMachine);

    // Without a name the key would be the parent of every application's registration;
    // a name holding "\" would reach that parent ("\" alone) or another key. Only one
    // direct subkey of Uninstall is ever deleted; any other name counts as left.
    bool left = false;
    const std::string applicationName = context.log.ReadText(kApplicationSection.name, kApplicationName);
    if (IsSingleKeyName(applicationName)) {
        const std::string key = std::string(kUninstallKey) + "\\" + applicationName;
        Acting(context, kApplicationSection);
        if (registry->KeyExists(key))
            registry->DeleteKey(key);
    } else if (!applicationName.empty()) {
        Refuse(context, kApplicationSection, applicationName, Refusal::Reason::NotOneKeyName);
        left = true;
    }
    // The root the values leave current is the one the keys start from.
    const bool valuesLeft = RemoveRegistryValues(context, *registry);
    const bool keysLeft = RemoveRegistryKeys(context, *registry);
    return left || valuesLeft || keysLeft;
}

}  // namespace

LeftBehind RunRemovalPhases(const PhaseContext& context)
{
    LeftBehind left;
    const StringList shared = SharedReferencesPhase(context);
    LibrariesPhase(context);
    left.files = FilesPhase(context, shared);
    // One guard for phases 4 and 5, so the standard folders are read once: at the guard's
    // first question, after the libraries' own unregistration code has run; from then to
    // the last shortcut only files and folders go. Phase 6, whose values may include a
    // standard folder's, comes after.
    {
        FolderGuard folders(context.platform.registry, context.platform.files, context.platform.system);
        FoldersPhase(context, folders);
        left.links = ShortcutsPhase(context, folders);
        left.programFolderKept = folders.IsSystemFolder(FolderOf(context.platform.system.ProgramPath())).has_value();
    }  // its registry keys close before phase 6
    left.registry = RegistryPhase(context);
    return left;
}

std::string ShortcutFolder(const std::string& path)
{
    return FolderOf(ResolvePath(path).value_or(path));
}

}  // namespace uninst
