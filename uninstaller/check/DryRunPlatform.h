#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "CheckReport.h"
#include "Cp1252.h"
#include "phases/PhaseObserver.h"
#include "platform/Platform.h"

namespace uninst {

// The machine as the log sees it, for running the removal phases without touching
// anything: every file, folder and key the log names exists, with the folders that hold
// them; every shared count is 1 (no other application uses the file); the standard
// folders are those of a default Windows installation. What the phases would do is
// recorded as steps, named by the section the phases say they serve, with the entries
// that guards refuse, in the order of the run.
class DryRunPlatform : public PhaseObserver {
public:
    // The log itself is the one file that can be read.
    DryRunPlatform(const std::string& logPath, const std::string& logBytes);
    ~DryRunPlatform() override;
    DryRunPlatform(const DryRunPlatform&) = delete;
    DryRunPlatform& operator=(const DryRunPlatform&) = delete;

    // A file, with every folder up to its drive.
    void AddFile(const std::string& path);
    void AddFolder(const std::string& path);
    void AddSharedCount(const std::string& path);
    // The standard folders of a default installation (kStandardFolders): of Windows Vista
    // or later for the user profile given ("C:\Users\Name"); of the systems before, in
    // C:\WINDOWS, without a profile.
    void AddStandardFolders(const std::string& profile);

    // Whether the folder is still there after what the phases did.
    bool HasFolder(const std::string& path) const;

    void Acting(const SectionFormat& section, bool sharedFile) override;
    void Refused(const Refusal& refusal) override;

    Platform& Services();
    std::vector<Step>& Steps() { return state_.steps; }
    TextCompare& Compare() { return state_.compare; }

    struct State {
        std::string logPath;
        std::string logBytes;
        std::set<std::string> files;                         // lower-cased resolved paths
        std::set<std::string> folders;                       // likewise, without a trailing "\"
        std::map<std::string, std::string> registryStrings;  // "root:key:name", lower-cased
        std::map<KnownFolder, std::string> knownFolders;
        std::set<std::string> sharedCounts;  // lower-cased paths
        std::vector<Step> steps;
        Cp1252Compare compare;
        // The section the phases' requests serve now.
        const SectionFormat* acting = nullptr;
        bool sharedFile = false;
    };

private:
    struct Adapters;
    State state_;
    std::unique_ptr<Adapters> adapters_;
};

}  // namespace uninst
