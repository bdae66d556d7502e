#pragma once

#include <optional>
#include <string>

#include "InsFile.h"
#include "Platform.h"
#include "Registry.h"
#include "StringList.h"
#include "SystemFolders.h"

namespace uninst {

inline constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// What every removal phase works with: the system, the run's log reader and the name of
// the log section that holds the status texts.
struct PhaseContext {
    Platform& platform;
    const TInsFile& log;
    std::string messagesSection;
};

// What the phases could not remove, as the outcome message reports it.
struct LeftBehind {
    bool files = false;
    bool links = false;
    bool registry = false;
};

// The six phases in their order. The progress bar moves for each entry of phases 2, 3
// and 5 and is never reset between phases.
LeftBehind RunRemovalPhases(const PhaseContext& context);

// Phase 1: lowers the shared count of every "Reg_SharedDLLs" entry; returns those entries.
StringList SharedReferencesPhase(const PhaseContext& context);
// Phase 2: unregisters every "ActiveX" library that no other application uses.
void LibrariesPhase(const PhaseContext& context);
// Phase 3: deletes the "Files" entries; a shared file still in use stays. True when any
// file stays.
bool FilesPhase(const PhaseContext& context, const StringList& shared);
// Phase 4: removes each empty "Folders" entry that the guard does not keep. Flags nothing.
void FoldersPhase(const PhaseContext& context, FolderGuard& guard);
// Phase 5: deletes the "Icons" shortcuts, then their group folder (one the guard does not
// keep) once all are gone. True when a shortcut or the group folder stays.
bool ShortcutsPhase(const PhaseContext& context, FolderGuard& guard);
// Phase 6: deletes the application's uninstall registration, the "Reg_CreateValue"
// values, then the "Reg_CreateKey" keys. True when any of them stays.
bool RegistryPhase(const PhaseContext& context);

// A registry entry's text split at its first "\": the root named before it (compared
// exactly; none for any other name, which keeps the root of the entry before) and the
// path after it. nullopt for a text without "\": such an entry stays.
struct RegistryEntryText {
    std::optional<RootKey> root;
    std::string path;
};
std::optional<RegistryEntryText> SplitRegistryEntry(const std::string& text);

// Whether a registry path names nothing below its root ("" or only separators).
bool AddressesRoot(const std::string& path);

}  // namespace uninst
