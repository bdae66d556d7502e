#pragma once

#include <memory>
#include <optional>
#include <string>

#include "log/InsFile.h"
#include "log/LogTexts.h"
#include "phases/ReleaseRecord.h"
#include "phases/RemovalPhases.h"
#include "platform/Platform.h"
#include "stages/SelfCopy.h"

namespace uninst {

// The first stage: log check, confirmation, the removal phases with the progress
// window, the outcome message, the log's deletion and the hand-over to the cleanup copy.
class FirstStage {
public:
    explicit FirstStage(Platform& platform) : p_(platform) {}

    // Returns the exit code of an orderly end; an unexpected failure is passed on after
    // the closing steps.
    int Run();

private:
    void WorkPhase();
    void OpenProgressWindow();
    void ClosingSteps();
    bool AskRemovalAtRestart();
    void ShowOutcome(bool ownFileGoes);
    // The text from the log's section, or its default while no log is read.
    std::string Read(const std::string& section, const LogText& text) const;

    Platform& p_;
    std::string logPath_;
    std::string messagesSection_;
    std::unique_ptr<TInsFile> reader_;
    std::unique_ptr<ReleaseRecord> released_;
    std::string informationTitle_ = kTitleInformation.fallback;
    std::string errorTitle_ = kTitleError.fallback;
    LeftBehind left_;
    bool completed_ = false;
    std::optional<TemporaryCopy> copy_;
    bool cursorKept_ = false;
    bool windowCreated_ = false;
};

}  // namespace uninst
