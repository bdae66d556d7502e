#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "FakePlatform.h"
#include "guards/ProtectedKeys.h"
#include "LogCheck.h"
#include "stages/Uninstaller.h"

using namespace uninst;
using namespace uninst::fakes;

namespace {

std::string ReadLog()
{
    std::ifstream in(UNINST_CHECK_LOG, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A step as the fakes' journal records the same action.
std::string AsJournal(const Step& step)
{
    const auto split = step.target.find('\\');
    const std::string root = step.target.substr(0, split);
    const std::string shortRoot = root == "HKEY_LOCAL_MACHINE" ? "HKLM" : root == "HKEY_CURRENT_USER" ? "HKCU" : "?";
    const std::string rest = step.target.substr(split + 1);
    switch (step.kind) {
    case Step::Kind::LowerCount: return "reg delete value HKLM:" + TidyKeyPath(kSharedDlls) + ":" + step.target;
    case Step::Kind::Unregister: return "unregister " + step.target;
    case Step::Kind::RemoveFolder:
    case Step::Kind::RemoveGroupFolder: return "rmdir " + step.target;
    case Step::Kind::DeleteRegistration:
    case Step::Kind::DeleteKey: return "reg delete key " + shortRoot + ":" + TidyKeyPath(rest);
    case Step::Kind::DeleteValue:
        return "reg delete value " + shortRoot + ":" + TidyKeyPath(rest.substr(0, rest.rfind('\\'))) + ":" +
               rest.substr(rest.rfind('\\') + 1);
    default: return "erase " + step.target;
    }
}

// Runs the first stage on the log over a machine where everything it names exists, and
// returns what it did to that machine, in order.
std::vector<std::string> FirstStageActions(const std::string& log)
{
    FakePlatform fakes;
    fakes.files.AddFile(kLog, log);
    fakes.registry.SetString(kCurrentUser, kShellFolders, "Desktop", "C:\\Users\\jo\\Desktop");
    fakes.registry.SetInteger(kLocalMachine, kSharedDlls, "C:\\Windows\\System32\\partag\xE9.dll", 1);
    fakes.registry.AddKey(kLocalMachine, std::string(kUninstall) + "\\Appli");
    fakes.registry.SetString(kCurrentUser, "Software\\Appli", "Taille", "10");
    fakes.libraries.libraries["C:\\Program Files\\Appli\\graphe.ocx"] = {};
    for (const char* file :
         {"C:\\Program Files\\Appli\\appli.exe", "C:\\Program Files\\Appli\\graphe.ocx",
          "C:\\Windows\\System32\\partag\xE9.dll", "C:\\Temp\\ailleurs.txt", "C:\\Program Files\\Appli\\\x81octet.txt",
          "C:\\Users\\jo\\Desktop\\Appli.lnk",
          "C:\\Users\\jo\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Appli\\Appli.lnk",
          "C:\\Users\\jo\\AppData\\Roaming\\Microsoft\\Windows\\Start "
          "Menu\\Programs\\Appli\\Aide\\Aide.lnk"})
        fakes.files.AddFile(file);
    RunUninstaller(fakes.platform);

    std::vector<std::string> actions;
    for (const std::string& entry : fakes.journal) {
        if (entry == "restore cursor")  // the phases are over
            break;
        for (const char* action : {"erase ", "rmdir ", "reg delete ", "reg write ", "unregister "}) {
            if (entry.rfind(action, 0) == 0)
                actions.push_back(entry);
        }
    }
    return actions;
}

}  // namespace

// The check runs the first stage's own phases: over a machine that holds what the log
// names, the real first stage does exactly what the check announces, and leaves alone
// each entry the check reports refused, for each reason a guard gives.
TEST(CheckAgreementTest, TheCheckAnnouncesWhatTheFirstStageDoesAndRefuses)
{
    const std::string everyLine = ReadLog();
    std::string otherName = everyLine;
    otherName.replace(otherName.find("Name=Appli"), 10, "Name=Appli\\..\\Autre");

    using R = Refusal::Reason;
    const std::vector<std::pair<std::string, R>> onePerReason = {
        {"ActiveX", R::UnresolvablePath},       {"Files", R::NetworkPath},
        {"Folders", R::UnresolvablePath},       {"Folders", R::DriveRoot},
        {"Folders", R::StandardFolder},         {"Icons", R::DevicePath},
        {"Reg_CreateValue", R::ProtectedValue}, {"Reg_CreateValue", R::NoRoot},
        {"Reg_CreateValue", R::ValueUnderRoot}, {"Reg_CreateKey", R::RootItself},
        {"Reg_CreateKey", R::ProtectedKey}};
    auto withName = onePerReason;
    withName.insert(withName.begin() + 6, {"Application", R::NotOneKeyName});

    for (const auto& [log, expected] : {std::pair(everyLine, onePerReason), std::pair(otherName, withName)}) {
        const CheckReport report = CheckLog(kLog, log);
        std::vector<std::string> announced;
        std::vector<std::pair<std::string, R>> refused;
        for (const Step& step : report.steps) {
            if (step.kind == Step::Kind::Refused)
                refused.emplace_back(step.refusal.section, step.refusal.reason);
            else
                announced.push_back(AsJournal(step));
        }
        EXPECT_EQ(announced, FirstStageActions(log));
        EXPECT_EQ(refused, expected);
    }
}
