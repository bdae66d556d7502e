#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "log/InsFile.h"
#include "phases/ReleaseRecord.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "text/StringList.h"

namespace uninst {

// An entry that a guard keeps from being tried, and why.
struct Refusal {
    enum class Reason {
        NoRoot,            // a registry text without a backslash
        RootItself,        // a key that names nothing below its root
        ValueUnderRoot,    // a value directly under a root
        ProtectedKey,      // a shared key (rule tells which)
        NotOneKeyName,     // an application name that is not one key name
        UnresolvablePath,  // a folder the text alone does not name
        DriveRoot,         // a drive or share root
        StandardFolder,    // one of the standard folders
        NetworkPath,       // a path on another machine
        DevicePath,        // a device or the system's namespace
        ProtectedValue,    // a shared value (rule tells which)
    };
    std::string section;  // the log section of the entry; "Application" for its name
    std::string text;     // what the phase read: a path, a registry text or the name
    Reason reason;
    RootKey root = 0;       // for registry entries: the root then current
    std::string_view rule;  // for a protected key: the protecting rule
};

// Told of every refusal; a dry run reports them, a real run has none.
class RefusalObserver {
public:
    virtual ~RefusalObserver() = default;
    virtual void Refused(const Refusal& refusal) = 0;
};

// What every removal phase works with: the system, the run's log reader, the name of
// the log section that holds the status texts, who hears of refusals, if anyone, and
// the record of the shared references released already, if any (a check keeps none).
struct PhaseContext {
    Platform& platform;
    const TInsFile& log;
    std::string messagesSection;
    RefusalObserver* refusals = nullptr;
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

// The name a log gives a root key ("HKEY_CURRENT_USER"...), "?" for another.
const char* RootName(RootKey root);

// The folder the system finds a shortcut in, "/" and ".." resolved; a path that the text
// alone does not resolve gives a folder that the folder guard keeps.
std::string ShortcutFolder(const std::string& path);

}  // namespace uninst
