#include "UninstallDriver.h"

#include <exception>
#include <memory>

#include "AnsiText.h"
#include "InsFile.h"
#include "PathResolution.h"
#include "ProgressPlacement.h"
#include "ProtectedKeys.h"
#include "SelfRemoval.h"
#include "SharedLibraries.h"
#include "StringList.h"
#include "SystemFolders.h"

namespace uninst {

namespace {

constexpr unsigned kPauseMs = 300;
constexpr const char* kLogFileName = "uninstal.dat";
constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// Built-in texts for strings a resource-less build cannot load.
constexpr const char* kDefaultMessagesSection = "Messages";
constexpr const char* kDefaultLogMissingFrench =
    "Le fichier UNINSTAL.DAT est introuvable. La d\xE9sinstallation est impossible";
constexpr const char* kDefaultLogMissingEnglish = "File UNINSTAL.DAT not found. Cannot run UNINSTAL";

struct LogText {
    const char* key;
    const char* fallback;
};

constexpr LogText kConfirm{"Confirm", "Are you sure you want to uninstall this software?"};
constexpr LogText kUnRegActiveX{"UnRegActiveX", "Unregistering ActiveX"};
constexpr LogText kRemovingFiles{"RemovingFiles", "Removing Files"};
constexpr LogText kRemovingLinks{"RemovingLinks", "Removing links"};
constexpr LogText kUnRegistering{"UnRegistering", "Removing registry updates"};
constexpr LogText kUninstallError{"UninstallError", "Error during uninstallation"};
constexpr LogText kEndUninstall{"EndUninstall", "Uninstall complete"};
constexpr LogText kLogMsg{"LogMsg", "Some elements could not be deleted or restablished:"};
constexpr LogText kLogFiles{"LogFiles", "* some application files"};
constexpr LogText kLogLinks{"LogLinks", "* some application links"};
constexpr LogText kLogRegistry{"LogRegistry", "* some registry updates"};

constexpr LogText kTitleConfirmation{"Confirmation", "Confirmation"};
constexpr LogText kTitleUninstall{"Uninstall", "Uninstall"};
constexpr LogText kTitleInformation{"Information", "Information"};
constexpr LogText kTitleError{"Error", "Error"};

std::string ResourceOr(Dialogs& dialogs, unsigned id, const char* fallback)
{
    std::string text = dialogs.LoadText(id);
    return text.empty() ? std::string(fallback) : text;
}

// Whether a registry path names nothing below its root ("" or only separators).
bool AddressesRoot(const std::string& path)
{
    return path.find_first_not_of('\\') == std::string::npos;
}

class FirstStage {
public:
    explicit FirstStage(Platform& platform)
        : p_(platform)
        , work_(platform.system)
        , lines_(platform.system)
        , shared_(platform.system)
    {}

    int Run();

private:
    std::string Message(const LogText& text) const { return Read(messagesSection_, text); }
    std::string Title(const LogText& text) const { return Read("Titles", text); }
    std::string Read(const std::string& section, const LogText& text) const
    {
        return reader_ ? reader_->ReadValue(section, text.key, text.fallback) : text.fallback;
    }

    void WorkPhase();
    void OpenProgressWindow();
    void UnregisterLibraries();
    void RemoveFiles();
    void RemoveFolders();
    void RemoveShortcuts();
    void RemoveRegistryEntries();
    void RemoveRegistryValues(Registry& registry);
    void RemoveRegistryKeys(Registry& registry);
    // Takes the root from the text before the first "\" and returns the text after it.
    static std::string ChooseRoot(Registry& registry, const std::string& text);
    void MoveBar(std::size_t count, std::size_t index);
    void Status(const LogText& text) { p_.progress.SetStatus(Message(text)); }
    void Pause() { p_.system.Wait(kPauseMs); }
    void ClosingSteps();
    void ShowOutcome();

    Platform& p_;
    std::string logPath_;
    std::string messagesSection_;
    std::unique_ptr<TInsFile> reader_;
    StringList work_;
    StringList lines_;
    StringList shared_;
    std::string informationTitle_ = kTitleInformation.fallback;
    std::string errorTitle_ = kTitleError.fallback;
    std::string applicationName_;
    bool filesLeft_ = false;
    bool linksLeft_ = false;
    bool registryLeft_ = false;
    bool completed_ = false;
    bool copyPrepared_ = false;
    bool cursorKept_ = false;
    bool windowCreated_ = false;
};

int FirstStage::Run()
{
    const bool french = p_.system.CompareNoCase(p_.system.SystemLanguage(), "fra") == 0;
    logPath_ = FolderOf(p_.system.ProgramPath()) + kLogFileName;
    if (!p_.files.IsRegularFile(logPath_)) {
        const std::string text = french ? ResourceOr(p_.dialogs, kStrLogMissingFrench, kDefaultLogMissingFrench)
                                        : ResourceOr(p_.dialogs, kStrLogMissingEnglish, kDefaultLogMissingEnglish);
        p_.dialogs.ShowMessage(text, french ? "Erreur" : "Error", kMbIconExclamation);
        return 0;
    }

    messagesSection_ = ResourceOr(p_.dialogs, kStrMessagesSection, kDefaultMessagesSection);
    std::string question;
    std::string caption;
    {
        const TInsFile confirmation(logPath_, p_.files, p_.system);
        question = confirmation.ReadValue(messagesSection_, kConfirm.key, kConfirm.fallback);
        caption = confirmation.ReadValue("Titles", kTitleConfirmation.key, kTitleConfirmation.fallback);
    }
    // Only an explicit Yes is consent: a box that could not be shown (0, or -1 without
    // a display) must not start removing things.
    if (p_.dialogs.ShowMessage(question, caption, kMbYesNoQuestion) != kIdYes)
        return 0;

    copyPrepared_ = PrepareSelfRemoval(p_);

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

void FirstStage::WorkPhase()
{
    reader_ = std::make_unique<TInsFile>(logPath_, p_.files, p_.system);
    OpenProgressWindow();
    applicationName_ = reader_->ReadValue("Application", "Name", "");

    reader_->ReadSectionKeys("Reg_SharedDLLs", shared_);
    ReleaseSharedReferences(p_.registry, shared_);

    UnregisterLibraries();
    RemoveFiles();
    RemoveFolders();
    RemoveShortcuts();
    RemoveRegistryEntries();

    // The last status is the outcome itself, shown until the window closes.
    Status(kEndUninstall);
    Pause();
    completed_ = true;
}

void FirstStage::OpenProgressWindow()
{
    cursorKept_ = p_.dialogs.BeginWaitCursor();
    windowCreated_ = p_.progress.Create();
    const std::string windowTitle = Title(kTitleUninstall);
    informationTitle_ = Title(kTitleInformation);
    errorTitle_ = Title(kTitleError);
    p_.progress.SetCaption(windowTitle);
    CentreAndPaint(p_.progress);
}

void FirstStage::MoveBar(std::size_t count, std::size_t index)
{
    p_.progress.SetBar(static_cast<int>((count - index) * 100 / count));
}

void FirstStage::UnregisterLibraries()
{
    reader_->ReadSectionKeys("ActiveX", work_);
    const std::size_t count = work_.Count();
    if (count == 0)
        return;
    Status(kUnRegActiveX);
    Pause();
    for (std::size_t i = count; i-- > 0;) {
        MoveBar(count, i);
        if (SharedDllRefCount(p_.registry, work_[i]) < 1)
            UnregisterLibrary(p_.libraries, work_[i]);
    }
}

void FirstStage::RemoveFiles()
{
    reader_->ReadSectionKeys("Files", work_);
    const std::size_t count = work_.Count();
    if (count > 0)
        Status(kRemovingFiles);
    Pause();
    for (std::size_t i = count; i-- > 0;) {
        MoveBar(count, i);
        // A shared file still used by other applications stays, and counts as left.
        const bool unused = !shared_.Contains(work_[i]) || SharedDllRefCount(p_.registry, work_[i]) < 1;
        if (unused && p_.files.EraseFile(work_[i]))
            work_.Delete(i);
    }
    filesLeft_ = !work_.Empty();
}

void FirstStage::RemoveFolders()
{
    reader_->ReadSectionKeys("Folders", work_);
    // From the last entry up, so a subfolder listed after its parent goes first.
    for (std::size_t i = work_.Count(); i-- > 0;) {
        if (!IsSystemFolder(p_.registry, work_[i]) && p_.files.RemoveFolder(work_[i]))
            work_.Delete(i);
    }
}

void FirstStage::RemoveShortcuts()
{
    reader_->ReadSectionKeys("Icons", work_);
    reader_->ReadSectionLines("Icons", lines_);
    const std::size_t count = work_.Count();
    if (count > 0) {
        Status(kRemovingLinks);
        Pause();
    }
    std::string groupFolder;
    for (std::size_t i = count; i-- > 0;) {
        MoveBar(count, i);
        const std::string path = lines_.ValueOf(work_[i]);
        if (p_.files.EraseFile(path)) {
            work_.Delete(i);
            lines_.Delete(i);
        }
        // The folder the system finds the shortcut in, "/" and ".." resolved; a path the
        // text alone does not resolve gives a folder that the guard keeps.
        const std::string folder = FolderOf(ResolvePath(path).value_or(path));
        if (!IsSystemFolder(p_.registry, folder))
            groupFolder = folder;
    }
    linksLeft_ = !work_.Empty();
    if (count > 0 && work_.Empty() && !groupFolder.empty() && !p_.files.RemoveFolder(groupFolder))
        linksLeft_ = true;
}

std::string FirstStage::ChooseRoot(Registry& registry, const std::string& text)
{
    const auto separator = text.find('\\');
    const std::string rootName = text.substr(0, separator);
    if (rootName == "HKEY_LOCAL_MACHINE")
        registry.SetRoot(kLocalMachine);
    else if (rootName == "HKEY_CURRENT_USER")
        registry.SetRoot(kCurrentUser);
    else if (rootName == "HKEY_CLASSES_ROOT")
        registry.SetRoot(kClassesRoot);
    else if (rootName == "HKEY_USERS")
        registry.SetRoot(kUsers);
    // Any other name keeps the root of the entry before.
    return text.substr(separator + 1);
}

void FirstStage::RemoveRegistryEntries()
{
    Status(kUnRegistering);
    Pause();
    auto registry = p_.registry.CreateRegistry();
    registry->SetRoot(kLocalMachine);

    // Without a name the key would be the parent of every application's registration;
    // a name holding "\" would reach that parent ("\" alone) or another key. Only one
    // direct subkey of Uninstall is ever deleted; any other name counts as left.
    if (IsSingleKeyName(applicationName_)) {
        const std::string key = kUninstallKey + applicationName_;
        if (registry->KeyExists(key))
            registry->DeleteKey(key);
    } else if (!applicationName_.empty()) {
        registryLeft_ = true;
    }
    RemoveRegistryValues(*registry);
    RemoveRegistryKeys(*registry);
}

void FirstStage::RemoveRegistryValues(Registry& registry)
{
    reader_->ReadSectionKeys("Reg_CreateValue", work_);
    reader_->ReadSectionLines("Reg_CreateValue", lines_);
    for (std::size_t i = work_.Count(); i-- > 0;) {
        const std::string text = lines_.ValueOf(work_[i]);
        if (text.find('\\') == std::string::npos)
            continue;
        const std::string rest = ChooseRoot(registry, text);
        const auto split = rest.rfind('\\');
        // A value directly under a root is never touched; the entry counts as left.
        if (split == std::string::npos || AddressesRoot(rest.substr(0, split)))
            continue;
        if (registry.OpenKey(rest.substr(0, split))) {
            if (registry.DeleteValue(rest.substr(split + 1))) {
                work_.Delete(i);
                lines_.Delete(i);
            }
            registry.CloseKey();
        } else {
            // The key is gone, and its value with it.
            work_.Delete(i);
            lines_.Delete(i);
        }
    }
    registryLeft_ = registryLeft_ || !work_.Empty();
}

void FirstStage::RemoveRegistryKeys(Registry& registry)
{
    reader_->ReadSectionKeys("Reg_CreateKey", work_);
    reader_->ReadSectionLines("Reg_CreateKey", lines_);
    for (std::size_t i = work_.Count(); i-- > 0;) {
        const std::string text = lines_.ValueOf(work_[i]);
        if (text.find('\\') == std::string::npos)
            continue;
        const std::string rest = ChooseRoot(registry, text);
        // Deleting "nothing below the root" would wipe the root's subkeys, and a shared
        // key everything below it; such an entry stays and counts as left.
        if (AddressesRoot(rest) || IsProtectedKey(registry.Root(), rest))
            continue;
        if (registry.DeleteKey(rest)) {
            work_.Delete(i);
            lines_.Delete(i);
        }
    }
    registryLeft_ = registryLeft_ || !work_.Empty();
}

void FirstStage::ClosingSteps()
{
    if (cursorKept_)
        p_.dialogs.RestoreCursor();
    if (windowCreated_)
        p_.progress.Destroy();
    ShowOutcome();

    const std::string logName = reader_ ? reader_->LogFileName : std::string();
    reader_.reset();
    work_.Clear();
    lines_.Clear();
    shared_.Clear();
    // After a failure the log and the uninstaller stay, so that the uninstall can be
    // run again; only the unused temporary copy goes.
    if (!completed_) {
        if (copyPrepared_)
            p_.files.EraseFile(TemporaryCopyPath(p_.system));
        return;
    }
    if (!logName.empty())
        p_.files.EraseFile(logName);
    if (copyPrepared_)
        HandOverToCleanup(p_);
}

void FirstStage::ShowOutcome()
{
    if (!completed_) {
        p_.dialogs.ShowMessage(Message(kUninstallError), errorTitle_, kMbIconExclamation);
        return;
    }
    // Without a temporary copy nothing removes the uninstaller's own file: it stays.
    if (!copyPrepared_)
        filesLeft_ = true;
    if (!filesLeft_ && !linksLeft_ && !registryLeft_) {
        p_.dialogs.ShowMessage(Message(kEndUninstall), informationTitle_, kMbOk);
        return;
    }
    std::string text = Message(kLogMsg);
    if (filesLeft_)
        text += "\r\n" + Message(kLogFiles);
    if (linksLeft_)
        text += "\r\n" + Message(kLogLinks);
    if (registryLeft_)
        text += "\r\n" + Message(kLogRegistry);
    p_.dialogs.ShowMessage(text, informationTitle_, kMbOk);
}

}  // namespace

int RunFirstStage(Platform& platform)
{
    FirstStage stage(platform);
    return stage.Run();
}

}  // namespace uninst
