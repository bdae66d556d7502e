#pragma once

#include <string>
#include <string_view>

#include "log/LogFormat.h"
#include "platform/Registry.h"

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
    std::string_view rule;  // for a protected key or value: the protecting rule
};

// Told of what the phases do, each step with its section: a dry run reports it, a real
// run has no observer.
class PhaseObserver {
public:
    virtual ~PhaseObserver() = default;
    // What the phase asks of the system next serves the section: one of its entries, or
    // in phase 1 all of them. sharedFile: a file that other applications count too.
    virtual void Acting(const SectionFormat& section, bool sharedFile) = 0;
    // An entry that stays untried.
    virtual void Refused(const Refusal& refusal) = 0;
};

}  // namespace uninst
