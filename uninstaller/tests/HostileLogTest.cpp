// Logs that name what no application owns: the entry stays, the outcome counts it as
// left, and nothing else changes.
#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "stages/Uninstaller.h"

using namespace uninst;
using namespace uninst::fakes;

namespace {

constexpr const char* kRegistryLeft = "Some elements could not be deleted or restablished:\r\n* some registry updates";
constexpr const char* kFilesLeft = "Some elements could not be deleted or restablished:\r\n* some application files";

class HostileLogTest : public ::testing::Test {
protected:
    HostileLogTest()
    {
        fakes.registry.SetString(kCurrentUser, kShellFolders, "Desktop", "C:\\Users\\Jo\\Desktop");
        fakes.registry.SetString(kCurrentUser, kShellFolders, "Programs", "C:\\Users\\Jo\\Start Menu\\Programs");
        fakes.files.AddFolder("C:\\Users\\Jo\\Desktop");
        fakes.files.AddFolder("C:\\Users\\Jo\\Start Menu\\Programs");
        fakes.files.AddFolder("D:\\Empty");
        // Two other applications' registrations, and other software's settings.
        fakes.registry.SetString(kLocalMachine, std::string(kUninstall) + "\\Other One", "DisplayName", "One");
        fakes.registry.SetString(kLocalMachine, std::string(kUninstall) + "\\Other Two", "DisplayName", "Two");
        fakes.registry.AddKey(kCurrentUser, "Software\\Other Vendor\\Settings");
        fakes.registry.AddKey(kUsers, ".DEFAULT\\Software\\Other Vendor");
        fakes.registry.AddKey(kClassesRoot, "CLSID\\{0001}");
        fakes.registry.AddKey(kLocalMachine, "SOFTWARE\\Classes\\CLSID\\{0001}");
    }

    // Runs the log and checks that only the log went and, when expected, one temporary
    // copy came in a new folder of its own.
    void RunAndExpectNothingElseChanged(const std::string& log, bool copyMade = true)
    {
        fakes.files.AddFile(kLog, log);
        const auto keys = fakes.registry.keys;
        auto files = fakes.files.AllFiles();
        auto folders = fakes.files.AllFolders();
        ASSERT_EQ(RunUninstaller(fakes.platform), 0);
        files.erase("c:\\program files\\appli\\uninstal.dat");
        if (copyMade) {
            const std::string copy = fakes.Entries("launch ").back().substr(8);
            const std::string folder = FileKey(copy.substr(0, copy.find("\\_kvuidel.exe")));
            files.emplace(folder + "\\_kvuidel.exe", "MZ");
            EXPECT_TRUE(folders.insert(folder).second) << folder;
        }
        EXPECT_EQ(fakes.registry.keys, keys) << log;
        EXPECT_EQ(fakes.files.AllFiles(), files) << log;
        EXPECT_EQ(fakes.files.AllFolders(), folders) << log;
    }
    std::string Outcome() const { return fakes.dialogs.shown.back().text; }

    FakePlatform fakes;
};

}  // namespace

TEST_F(HostileLogTest, ApplicationNameThatIsNoSingleKeyNameLeavesEveryRegistration)
{
    // "\" alone reaches Uninstall itself; the others another key than Uninstall\<name>.
    for (const char* name : {"\\", "\\\\", "Other One\\", "\\Other One", "..\\Uninstall", "Appli\\..\\..\\"}) {
        SCOPED_TRACE(name);
        RunAndExpectNothingElseChanged(std::string("[Application]\r\nName=") + name + "\r\n");
        EXPECT_EQ(Outcome(), kRegistryLeft);
    }
}

TEST_F(HostileLogTest, SharedKeysInAnySpellingAreNeverDeleted)
{
    for (const char* key :
         {"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\",
          "HKEY_LOCAL_MACHINE\\SOFTWARE\\\\MICROSOFT\\Windows\\CurrentVersion\\\\Uninstall",
          "HKEY_LOCAL_MACHINE\\Software\\Microsoft", "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\\\",
          "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\CLSID", "HKEY_CURRENT_USER\\Software",
          "HKEY_CURRENT_USER\\\\software\\\\", "HKEY_USERS\\.DEFAULT", "HKEY_USERS\\.DEFAULT\\Software\\",
          "HKEY_CLASSES_ROOT\\CLSID", "HKEY_CLASSES_ROOT\\\\clsid\\"}) {
        SCOPED_TRACE(key);
        RunAndExpectNothingElseChanged(std::string("[Reg_CreateKey]\r\nk=") + key + "\r\n");
        EXPECT_EQ(Outcome(), kRegistryLeft);
    }
    // A root name the driver does not know keeps the root before it: HKEY_LOCAL_MACHINE.
    RunAndExpectNothingElseChanged("[Reg_CreateKey]\r\nk=HKLM\\Software\r\n");
    EXPECT_EQ(Outcome(), kRegistryLeft);
}

TEST_F(HostileLogTest, ApplicationKeysBesideSharedOnesStillGo)
{
    fakes.files.AddFile(kLog, "[Application]\r\nName=Appli\r\n[Reg_CreateKey]\r\n"
                              "a=HKEY_CURRENT_USER\\Software\\Appli\\\r\nb=HKEY_CURRENT_USER\\Software\r\n");
    fakes.registry.AddKey(kLocalMachine, std::string(kUninstall) + "\\Appli");
    fakes.registry.AddKey(kCurrentUser, "Software\\Appli\\Sub");
    RunUninstaller(fakes.platform);
    EXPECT_FALSE(fakes.registry.HasKey(kLocalMachine, std::string(kUninstall) + "\\Appli"));
    EXPECT_FALSE(fakes.registry.HasKey(kCurrentUser, "Software\\Appli"));
    EXPECT_TRUE(fakes.registry.HasKey(kCurrentUser, "Software\\Other Vendor\\Settings"));
    EXPECT_TRUE(fakes.registry.HasKey(kLocalMachine, std::string(kUninstall) + "\\Other One"));
    EXPECT_EQ(Outcome(), kRegistryLeft);
}

// The spellings themselves are PathResolutionTest's and the guard's answers
// FolderGuardTest's: here, that the phases ask the guard, for each kind of refusal.
TEST_F(HostileLogTest, StandardFoldersRootsAndUnresolvedPathsStay)
{
    RunAndExpectNothingElseChanged("[Folders]\r\nC:/Users/Jo/Appli/../Desktop.=1\r\nD:\\Empty\\..=1\r\n"
                                   "..\\..\\Users\\Jo\\Desktop=1\r\n");
    EXPECT_EQ(Outcome(), "Uninstall complete");  // folders are never counted
}

TEST_F(HostileLogTest, ShortcutsInAStandardFolderNeverMakeItTheGroupFolder)
{
    const char* link = "C:\\Users\\Jo\\Start Menu\\Programs\\x\\..\\Appli.lnk";
    fakes.files.AddFile(link);
    fakes.files.AddFile(kLog, std::string("[Icons]\r\na=") + link + "\r\n");
    RunUninstaller(fakes.platform);
    EXPECT_FALSE(fakes.files.HasFile(link));
    EXPECT_TRUE(fakes.files.HasFolder("C:\\Users\\Jo\\Start Menu\\Programs"));
    EXPECT_TRUE(fakes.Entries("rmdir").empty());
    EXPECT_EQ(Outcome(), "Uninstall complete");
}

// Values that the system and every application share stay, and count as left, in
// whatever view of their key; the application's own Run entry goes as any value does.
TEST_F(HostileLogTest, SharedValuesStayAndTheApplicationsOwnGo)
{
    const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    fakes.registry.SetString(kCurrentUser, "Environment", "Path", "C:\\Windows;C:\\Appli");
    fakes.registry.SetString(kUsers, "S-1-5-21\\Environment", "PATHEXT", ".COM;.EXE");
    fakes.registry.SetString(kLocalMachine, "SYSTEM\\ControlSet001\\Control\\Session Manager\\Environment", "ComSpec",
                             "cmd.exe");
    fakes.registry.SetString(kLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "Shell",
                             "explorer.exe");
    fakes.registry.SetString(kCurrentUser, run, "Appli", "C:\\Appli\\appli.exe");
    RunAndExpectNothingElseChanged(
        "[Reg_CreateValue]\r\n"
        "a=HKEY_CURRENT_USER\\Environment\\Path\r\n"
        "b=HKEY_USERS\\S-1-5-21\\Environment\\PATHEXT\r\n"
        "c=HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Control\\Session Manager\\Environment\\ComSpec\r\n"
        "d=HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\Shell\r\n");
    EXPECT_EQ(Outcome(), kRegistryLeft);

    fakes.files.AddFile(kLog, "[Reg_CreateValue]\r\nr=HKEY_CURRENT_USER\\" + run + "\\Appli\r\n");
    RunUninstaller(fakes.platform);
    EXPECT_FALSE(fakes.registry.HasValue(kCurrentUser, run, "Appli"));
    EXPECT_EQ(Outcome(), "Uninstall complete");
}

// Paths that reach another machine, a device or the system's namespace, or whatever the
// current folder is: nothing is deleted, loaded, unregistered or removed for them, and
// the files and shortcuts count as left.
TEST_F(HostileLogTest, PathsThatAreNoFullLocalPathAreNeverTouched)
{
    fakes.files.AddFile("C:\\Appli\\appli.dll");
    for (const std::string path :
         {"\\\\server\\share\\appli.dll", "//server/share/appli.dll", "\\\\.\\C:\\Appli\\appli.dll",
          "\\\\?\\C:\\Appli\\appli.dll", "\\??\\C:\\Appli\\appli.dll", "C:\\Appli\\NUL.dll", "COM1", "appli.dll",
          "C:appli.dll"}) {
        SCOPED_TRACE(path);
        fakes.libraries.libraries[path] = {};
        fakes.journal.clear();
        RunAndExpectNothingElseChanged("[ActiveX]\r\n" + path + "=1\r\n[Files]\r\n" + path + "=1\r\n[Folders]\r\n" +
                                       path + "=1\r\n[Icons]\r\ni=" + path + "\r\n");
        EXPECT_TRUE(fakes.Entries("load").empty());
        EXPECT_EQ(Outcome(), std::string(kFilesLeft) + "\r\n* some application links");
    }
}

// Without a copy the uninstaller's own file and folder go at the next system start; only
// when that cannot be asked either does the file stay, and count as left.
TEST_F(HostileLogTest, WithoutATemporaryFolderNoCopyIsMadeAndTheUninstallerGoesAtTheNextStart)
{
    const std::string tooLong = "C:\\" + std::string(224, 't') + "\\";
    for (const std::string& temp : {std::string(), std::string("TEMP\\"), std::string("\\"), tooLong}) {
        SCOPED_TRACE(temp);
        fakes.system.tempFolder = temp;
        fakes.journal.clear();
        fakes.system.launches.clear();
        RunAndExpectNothingElseChanged("[Files]\r\n", false);
        EXPECT_TRUE(fakes.Entries("copy").empty());
        EXPECT_TRUE(fakes.system.launches.empty());
        EXPECT_EQ(fakes.Entries("delete at restart"),
                  (std::vector<std::string>{"delete at restart " + std::string(kLog),
                                            "delete at restart C:\\Program Files\\Appli\\uninstal.exe",
                                            "delete at restart C:\\Program Files\\Appli\\"}));
        EXPECT_EQ(Outcome(), "Uninstall complete");
    }
    fakes.files.delayedDeletionWorks = false;
    RunAndExpectNothingElseChanged("[Files]\r\n", false);
    EXPECT_EQ(Outcome(), kFilesLeft);

    // The longest folder whose copy path still fits.
    fakes.files.delayedDeletionWorks = true;
    fakes.system.tempFolder = "C:\\" + std::string(223, 't') + "\\";
    fakes.files.AddFile(kLog, "[Files]\r\n");
    RunUninstaller(fakes.platform);
    EXPECT_EQ(fakes.system.launches.size(), 1u);
    EXPECT_EQ(Outcome(), "Uninstall complete");
}

TEST_F(HostileLogTest, FailedRunWithoutATemporaryFolderErasesNothingElse)
{
    fakes.system.tempFolder = "";
    fakes.files.AddFile("C:\\_kvuidel.exe", "someone else's");
    fakes.registry.SetString(kLocalMachine, kSharedDlls, "C:\\a.dll", "x");
    fakes.files.AddFile(kLog, "[Reg_SharedDLLs]\r\nC:\\a.dll=1\r\n");
    EXPECT_EQ(RunUninstaller(fakes.platform), 1);
    EXPECT_TRUE(fakes.files.HasFile("C:\\_kvuidel.exe"));
    EXPECT_TRUE(fakes.Entries("erase").empty());
}
