#include "stages/FirstStage.h"

#include "log/LogFormat.h"

#include <exception>

#include "platform/resource.h"
#include "progress/ProgressPlacement.h"
#include "stages/SelfCopy.h"
#include "text/AnsiText.h"

namespace uninst {

namespace {

constexpr const char* kLogFileName = "uninstal.dat";

// Built-in texts for strings a resource-less build cannot load.
constexpr const char* kDefaultLogMissingFrench =
    "Le fichier UNINSTAL.DAT est introuvable. La d\xE9sinstallation est impossible";
constexpr const char* kDefaultLogMissingEnglish = "File UNINSTAL.DAT not found. Cannot run UNINSTAL";

std::string ResourceOr(Dialogs& dialogs, unsigned id, const char* fallback)
{
    std::string text = dialogs.LoadText(id);
    return text.empty() ? std::string(fallback) : text;
}

}  // namespace

int FirstStage::Run()
{
    const bool french = p_.system.CompareNoCase(p_.system.SystemLanguage(), "fra") == 0;
    logPath_ = FolderOf(p_.system.ProgramPath()) + kLogFileName;
    if (!p_.files.IsRegularFile(logPath_)) {
        const std::string text = french ? ResourceOr(p_.dialogs, IDS_LOG_MISSING_FRENCH, kDefaultLogMissingFrench)
                                        : ResourceOr(p_.dialogs, IDS_LOG_MISSING_ENGLISH, kDefaultLogMissingEnglish);
        p_.dialogs.ShowMessage(text, french ? "Erreur" : "Error", kMbIconExclamation);
        return 0;
    }

    messagesSection_ = ResourceOr(p_.dialogs, IDS_MESSAGES_SECTION, kMessagesSection.name);
    std::string question;
    std::string caption;
    {
        const TInsFile confirmation(logPath_, p_.files, p_.system);
        question = confirmation.ReadText(messagesSection_, kConfirm);
        caption = confirmation.ReadText(kTitlesSection.name, kTitleConfirmation);
    }
    // Only an explicit Yes is consent: a box that could not be shown (0, or -1 without
    // a display) must not start removing things.
    if (p_.dialogs.ShowMessage(question, caption, kMbYesNoQuestion) != kIdYes)
        return 0;

    copy_ = PrepareSelfRemoval(p_);

    std::exception_ptr failure;
    try {
        WorkPhase();
    } catch (...) {
        failure = std::current_exception();
    }
    ClosingSteps();
    if (failure)
        std::rethrow_exception(failure);
    return 0;
}

std::string FirstStage::Read(const std::string& section, const LogText& text) const
{
    return reader_ ? reader_->ReadText(section, text) : text.fallback;
}

void FirstStage::WorkPhase()
{
    reader_ = std::make_unique<TInsFile>(logPath_, p_.files, p_.system);
    OpenProgressWindow();
    released_ = std::make_unique<ReleaseRecord>(p_.files, p_.system, logPath_);
    left_ = RunRemovalPhases(PhaseContext{p_, *reader_, messagesSection_, nullptr, released_.get()});

    // The last status is the outcome itself, shown until the window closes.
    p_.progress.SetStatus(Read(messagesSection_, kEndUninstall));
    Pause(p_.system);
    completed_ = true;
}

void FirstStage::OpenProgressWindow()
{
    cursorKept_ = p_.dialogs.BeginWaitCursor();
    windowCreated_ = p_.progress.Create();
    const std::string windowTitle = Read(kTitlesSection.name, kTitleUninstall);
    informationTitle_ = Read(kTitlesSection.name, kTitleInformation);
    errorTitle_ = Read(kTitlesSection.name, kTitleError);
    p_.progress.SetCaption(windowTitle);
    CentreAndPaint(p_.progress);
}

void FirstStage::ClosingSteps()
{
    if (cursorKept_)
        p_.dialogs.RestoreCursor();
    if (windowCreated_)
        p_.progress.Destroy();
    const bool ownFileGoes = completed_ && AskRemovalAtRestart();
    ShowOutcome(ownFileGoes);

    const std::string logName = reader_ ? reader_->LogFileName : std::string();
    reader_.reset();
    released_.reset();
    // After a failure the log, the record of released references and the uninstaller
    // stay, so that the uninstall can be run again; only the unused copy goes.
    if (!completed_) {
        if (copy_)
            DiscardCopy(p_, *copy_);
        return;
    }
    // The log before the record: a run killed between the two must not find the log
    // without the record, which would release the shared references again.
    if (!logName.empty())
        p_.files.EraseFile(logName);
    p_.files.EraseFile(ReleaseRecord::PathBeside(logPath_));
    p_.files.EraseFile(ReleaseRecord::PendingPathBeside(logPath_));
    if (copy_)
        HandOverToCleanup(p_, *copy_);
}

bool FirstStage::AskRemovalAtRestart()
{
    // The work is done, so the log may go too: a run killed from here on leaves nothing
    // that the next system start does not remove. Asked directly only: WININIT.INI keeps
    // one deletion, which the copy needs more.
    for (const std::string& record :
         {ReleaseRecord::PathBeside(logPath_), ReleaseRecord::PendingPathBeside(logPath_)}) {
        if (p_.files.IsRegularFile(record))
            p_.files.DeleteAtNextStart(record);
    }
    p_.files.DeleteAtNextStart(logPath_);
    const std::string program = p_.system.ProgramPath();
    const bool ownFileGoes = p_.files.DeleteAtNextStart(program);
    if (!left_.programFolderKept)
        p_.files.DeleteAtNextStart(FolderOf(program));
    return ownFileGoes;
}

void FirstStage::ShowOutcome(bool ownFileGoes)
{
    if (!completed_) {
        p_.dialogs.ShowMessage(Read(messagesSection_, kUninstallError), errorTitle_, kMbIconExclamation);
        return;
    }
    // Neither the copy nor the next system start removes the uninstaller's own file: it stays.
    if (!copy_ && !ownFileGoes)
        left_.files = true;
    if (!left_.files && !left_.links && !left_.registry) {
        p_.dialogs.ShowMessage(Read(messagesSection_, kEndUninstall), informationTitle_, kMbOk);
        return;
    }
    std::string text = Read(messagesSection_, kLogMsg);
    if (left_.files)
        text += "\r\n" + Read(messagesSection_, kLogFiles);
    if (left_.links)
        text += "\r\n" + Read(messagesSection_, kLogLinks);
    if (left_.registry)
        text += "\r\n" + Read(messagesSection_, kLogRegistry);
    p_.dialogs.ShowMessage(text, informationTitle_, kMbOk);
}

}  // namespace uninst
