#pragma once

#include <string>

#include "log/InsFile.h"
#include "phases/PhaseObserver.h"
#include "phases/ReleaseRecord.h"
#include "platform/Platform.h"
#include "platform/Registry.h"

namespace uninst {

// What every removal phase works with: the system, the run's log reader, the name of
// the log section that holds the status texts, who hears of what the phases do, if
// anyone, and the record of the shared references released already, if any (a check
// keeps none).
struct PhaseContext {
    Platform& platform;
    const TInsFile& log;
    std::string messagesSection;
    PhaseObserver* observer = nullptr;
    ReleaseRecord* released = nullptr;
};

// What the phases could not remove, as the outcome message reports it, and whether the
// folder guard keeps the program's own folder (asked with the one reading of the
// standard folders that phases 4 and 5 share, before phase 6 may delete one's value).
struct LeftBehind {
    bool files = false;
    bool links = false;
    bool registry = false;
    bool programFolderKept = true;
};

// The six phases in their order. The progress bar moves for each entry of phases 2, 3
// and 5 and is never reset between phases.
LeftBehind RunRemovalPhases(const PhaseContext& context);

// The folder the system finds a shortcut in, "/" and ".." resolved; a path that the text
// alone does not resolve gives a folder that the folder guard keeps.
std::string ShortcutFolder(const std::string& path);

}  // namespace uninst
