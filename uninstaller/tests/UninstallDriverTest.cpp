#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "FakePlatform.h"
#include "stages/Uninstaller.h"
#include "text/AnsiText.h"

using namespace uninst;
using namespace uninst::fakes;

namespace {

// The copy of a run on fresh fakes, whose unforeseeable numbers are 1, 2, 3...
constexpr const char* kCopyFolder = "C:\\TEMP\\kvu0000000100000002";
constexpr const char* kCopy = "C:\\TEMP\\kvu0000000100000002\\_kvuidel.exe";

using V = std::vector<std::string>;

class DriverTest : public ::testing::Test {
protected:
    DriverTest()
    {
        fakes.registry.SetString(kCurrentUser, kShellFolders, "Desktop", "C:\\WINDOWS\\Desktop");
        fakes.files.AddFolder("C:\\WINDOWS\\Desktop");
    }
    void Log(const std::string& body) { fakes.files.AddFile(kLog, body); }
    int Run() { return RunUninstaller(fakes.platform); }
    const FakeDialogs::Shown& Outcome() const { return fakes.dialogs.shown.back(); }
    // Nothing was touched: only the log was read and messages shown.
    bool NothingChanged() const
    {
        return std::all_of(fakes.journal.begin(), fakes.journal.end(),
                           [](const std::string& entry) { return entry.rfind("message ", 0) == 0; });
    }
    // The journal's entries that are among the steps, in the journal's order.
    V Among(const V& steps) const
    {
        V found;
        std::copy_if(
            fakes.journal.begin(), fakes.journal.end(), std::back_inserter(found),
            [&](const std::string& entry) { return std::find(steps.begin(), steps.end(), entry) != steps.end(); });
        return found;
    }

    FakePlatform fakes;
};

}  // namespace

TEST_F(DriverTest, MissingLogIsReportedInTheSystemLanguage)
{
    EXPECT_EQ(Run(), 0);
    ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
    EXPECT_EQ(Outcome().text, "File UNINSTAL.DAT not found. Cannot run UNINSTAL");
    EXPECT_EQ(Outcome().caption, "Error");
    EXPECT_EQ(Outcome().flags, 0x30u);  // MB_ICONEXCLAMATION, OK button

    fakes.system.language = "FRA";
    fakes.files.AddFolder("C:\\Program Files\\Appli\\uninstal.dat");  // a folder is no log
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(Outcome().text, "Le fichier UNINSTAL.DAT est introuvable. La d\xE9sinstallation est impossible");
    EXPECT_EQ(Outcome().caption, "Erreur");
    EXPECT_TRUE(NothingChanged());
}

TEST_F(DriverTest, OnlyAnExplicitYesStartsTheUninstall)
{
    Log("[Messages]\r\nConfirm=Vraiment ?\r\n[Titles]\r\nConfirmation=Question\r\n[Files]\r\nC:\\Appli\\a.exe=1\r\n");
    fakes.files.AddFile("C:\\Appli\\a.exe");
    // No, a box that could not be shown, and Wine's -1 without a display.
    for (const int answer : {7 /* IDNO */, 0, -1}) {
        fakes.dialogs.answers = {answer};
        EXPECT_EQ(Run(), 0);
        EXPECT_EQ(Outcome().text, "Vraiment ?");
        EXPECT_EQ(Outcome().caption, "Question");
        EXPECT_EQ(Outcome().flags, 0x24u);  // MB_YESNO | MB_ICONQUESTION
    }
    EXPECT_TRUE(NothingChanged());
    EXPECT_TRUE(fakes.files.HasFile("C:\\Appli\\a.exe"));
    EXPECT_FALSE(fakes.files.HasFile(kCopy));
}

TEST_F(DriverTest, LogNamingOnlyTheApplicationRemovesItsRegistrationAndHandsOverToTheCopy)
{
    Log("[Application]\r\nName=Appli\r\n[Titles]\r\nUninstall=D\xE9sinstallation\r\nInformation=Info\r\n");
    fakes.registry.AddKey(kLocalMachine, std::string(kUninstall) + "\\Appli\\Sub");
    fakes.registry.AddKey(kLocalMachine, std::string(kUninstall) + "\\Other");
    fakes.system.tempFolder = "C:\\Documents and Settings\\Jo\\Temp\\";
    const std::string folder = "C:\\Documents and Settings\\Jo\\Temp\\kvu0000000100000002";
    const std::string copy = folder + "\\_kvuidel.exe";

    EXPECT_EQ(Run(), 0);
    // Only the order that matters: the copy after the Yes, in a folder the run made, both
    // to go at the next start; the work inside the window; once the work is done, the log,
    // the uninstaller and its folder to go at the next start too; the outcome once window
    // and wait cursor are gone, then the log, and the copy started last.
    const std::string removal = "reg delete key HKLM:" + LowerAscii(kUninstall) + "\\appli";
    const std::string copying = "copy C:\\Program Files\\Appli\\uninstal.exe -> " + copy;
    const std::string erasing = std::string("erase ") + kLog;
    const V order = {"message Confirmation",
                     "mkdir " + folder,
                     copying,
                     "delete at restart " + copy,
                     "delete at restart " + folder,
                     "window create",
                     "paint",
                     "status Removing registry updates",
                     removal,
                     "window destroy",
                     std::string("delete at restart ") + kLog,
                     "delete at restart C:\\Program Files\\Appli\\uninstal.exe",
                     "delete at restart C:\\Program Files\\Appli\\",
                     "message Info",
                     erasing};
    EXPECT_EQ(Among(order), order);
    const V cursor = {"wait cursor", removal, "restore cursor", "message Info"};
    EXPECT_EQ(Among(cursor), cursor);
    EXPECT_EQ(fakes.journal.back(), "launch \"" + copy + "\" \"C:\\Program Files\\Appli\\uninstal.exe\" /5");
    EXPECT_TRUE(fakes.files.HasFile(copy));
    EXPECT_EQ(fakes.Entries("caption"), V{"caption D\xE9sinstallation"});
    EXPECT_EQ(fakes.Entries("wait 300").size(), 4u);  // after the copy, at files, at registry, at the end
    EXPECT_EQ(Outcome().text, "Uninstall complete");
    EXPECT_EQ(Outcome().flags, 0x0u);  // OK button, no icon
    EXPECT_TRUE(fakes.registry.HasKey(kLocalMachine, std::string(kUninstall) + "\\Other"));
}

TEST_F(DriverTest, EmptyApplicationNameNeverTouchesTheUninstallKey)
{
    Log("[Application]\r\nName=\r\n");
    fakes.registry.AddKey(kLocalMachine, std::string(kUninstall) + "\\Other");
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(fakes.registry.HasKey(kLocalMachine, std::string(kUninstall) + "\\Other"));
    EXPECT_TRUE(fakes.Entries("reg delete").empty());
}

TEST_F(DriverTest, BarMovesBeforeEachItemFromTheLastEntryUp)
{
    Log("[Files]\r\nC:\\Appli\\a=1\r\nC:\\Appli\\b=1\r\nC:\\Appli\\c=1\r\n");
    for (const char* file : {"C:\\Appli\\a", "C:\\Appli\\b", "C:\\Appli\\c"})
        fakes.files.AddFile(file);
    Run();
    EXPECT_EQ(fakes.progress.bar, (std::vector<int>{33, 66, 100}));
    EXPECT_EQ(fakes.Entries("erase C:\\Appli"), (V{"erase C:\\Appli\\c", "erase C:\\Appli\\b", "erase C:\\Appli\\a"}));
    EXPECT_EQ(Outcome().text, "Uninstall complete");
}

TEST_F(DriverTest, FileListedTwiceCountsAsLeft)
{
    Log("[Files]\r\nC:\\Appli\\a.exe=1\r\nc:\\appli\\A.EXE=1\r\n");
    fakes.files.AddFile("C:\\Appli\\a.exe");
    Run();
    EXPECT_FALSE(fakes.files.HasFile("C:\\Appli\\a.exe"));
    EXPECT_EQ(Outcome().text, "Some elements could not be deleted or restablished:\r\n* some application files");
}

TEST_F(DriverTest, SharedFilesAndLibrariesFollowTheirLoweredCounts)
{
    Log("[Reg_SharedDLLs]\r\nC:\\Sys\\busy.dll=1\r\nC:\\Sys\\last.ocx=1\r\n"
        "[ActiveX]\r\nC:\\Sys\\busy.dll=1\r\nC:\\Sys\\last.ocx=1\r\n"
        "[Files]\r\nC:\\Sys\\busy.dll=1\r\nC:\\Sys\\last.ocx=1\r\n");
    fakes.registry.SetInteger(kLocalMachine, kSharedDlls, "C:\\Sys\\busy.dll", 3);
    fakes.registry.SetInteger(kLocalMachine, kSharedDlls, "C:\\Sys\\last.ocx", 1);
    fakes.files.AddFile("C:\\Sys\\busy.dll");
    fakes.files.AddFile("C:\\Sys\\last.ocx");
    fakes.libraries.libraries["C:\\Sys\\busy.dll"] = {};
    fakes.libraries.libraries["C:\\Sys\\last.ocx"] = {};

    Run();
    EXPECT_EQ(fakes.registry.Integer(kLocalMachine, kSharedDlls, "C:\\Sys\\busy.dll"), 2);
    EXPECT_EQ(fakes.Entries("unregister"), (V{"unregister C:\\Sys\\last.ocx"}));
    EXPECT_TRUE(fakes.files.HasFile("C:\\Sys\\busy.dll"));
    EXPECT_FALSE(fakes.files.HasFile("C:\\Sys\\last.ocx"));
    EXPECT_NE(Outcome().text.find("* some application files"), std::string::npos);
}

TEST_F(DriverTest, FoldersGoDeepestFirstButSystemFoldersStay)
{
    Log("[Folders]\r\nC:\\Appli=1\r\nC:\\Appli\\Data=1\r\nC:\\WINDOWS\\DESKTOP=1\r\n=1\r\n");
    fakes.files.AddFolder("C:\\Appli\\Data");
    Run();
    EXPECT_FALSE(fakes.files.HasFolder("C:\\Appli"));
    EXPECT_TRUE(fakes.files.HasFolder("C:\\WINDOWS\\Desktop"));
    EXPECT_EQ(fakes.Entries("rmdir"), (V{"rmdir C:\\Appli\\Data", "rmdir C:\\Appli"}));
    EXPECT_EQ(Outcome().text, "Uninstall complete");  // folders are never counted
}

TEST_F(DriverTest, GroupFolderIsTheFirstListedShortcutsOwnFolderOutsideSystemFolders)
{
    Log("[Icons]\r\nd=C:\\WINDOWS\\Desktop\\Appli.lnk\r\na=C:\\Menu\\Appli\\a.lnk\r\nb=C:\\Menu\\Tools\\b.lnk\r\n");
    for (const char* link : {"C:\\WINDOWS\\Desktop\\Appli.lnk", "C:\\Menu\\Appli\\a.lnk", "C:\\Menu\\Tools\\b.lnk"})
        fakes.files.AddFile(link);
    Run();
    EXPECT_FALSE(fakes.files.HasFile("C:\\WINDOWS\\Desktop\\Appli.lnk"));
    EXPECT_EQ(fakes.Entries("rmdir"), (V{"rmdir C:\\Menu\\Appli\\"}));
    EXPECT_FALSE(fakes.files.HasFolder("C:\\Menu\\Appli"));
    EXPECT_EQ(Outcome().text, "Uninstall complete");
}

TEST_F(DriverTest, GroupFolderHoldingOtherFilesCountsAsLinksLeft)
{
    Log("[Icons]\r\na=C:\\Menu\\Appli\\a.lnk\r\n");
    fakes.files.AddFile("C:\\Menu\\Appli\\a.lnk");
    fakes.files.AddFile("C:\\Menu\\Appli\\readme.lnk");
    Run();
    EXPECT_FALSE(fakes.files.HasFile("C:\\Menu\\Appli\\a.lnk"));
    EXPECT_TRUE(fakes.files.HasFolder("C:\\Menu\\Appli"));
    EXPECT_EQ(Outcome().text, "Some elements could not be deleted or restablished:\r\n* some application links");
}

TEST_F(DriverTest, UnknownRootNameKeepsTheRootOfTheEntryHandledBefore)
{
    // Handled from the last line up: HKLM\... first uses the registration's root.
    Log("[Reg_CreateKey]\r\nk1=HKLM\\Software\\X\r\nk2=HKEY_CURRENT_USER\\Software\\Y\r\nk3=HKLM\\Software\\Z\r\n"
        "[Reg_CreateValue]\r\nv1=hkey_users\\S-1\\Software\\Appli\\Path\r\n");
    for (const RootKey root : {kLocalMachine, kCurrentUser}) {
        for (const char* key : {"Software\\X", "Software\\Y", "Software\\Z"})
            fakes.registry.AddKey(root, key);
    }
    fakes.registry.SetString(kLocalMachine, "S-1\\Software\\Appli", "Path", "C:\\Appli");

    Run();
    EXPECT_EQ(fakes.Entries("reg delete"),
              (V{"reg delete value HKLM:s-1\\software\\appli:Path", "reg delete key HKLM:software\\z",
                 "reg delete key HKCU:software\\y", "reg delete key HKCU:software\\x"}));
    EXPECT_EQ(Outcome().text, "Uninstall complete");
}

TEST_F(DriverTest, EntriesAddressingARootItselfAreNeverApplied)
{
    Log("[Reg_CreateKey]\r\nk1=HKEY_CURRENT_USER\\\r\nk2=HKEY_CURRENT_USER\r\nk3=HKEY_CURRENT_USER\\\\\r\n"
        "[Reg_CreateValue]\r\nv1=HKEY_CURRENT_USER\\Name\r\nv2=HKEY_CURRENT_USER\\\\Name\r\n");
    fakes.registry.AddKey(kCurrentUser, "Software\\Keep");
    fakes.registry.SetString(kCurrentUser, "", "Name", "x");
    Run();
    EXPECT_TRUE(fakes.registry.HasKey(kCurrentUser, "Software\\Keep"));
    EXPECT_TRUE(fakes.registry.HasValue(kCurrentUser, "", "Name"));
    EXPECT_EQ(Outcome().text, "Some elements could not be deleted or restablished:\r\n* some registry updates");
}

TEST_F(DriverTest, ValuesOfVanishedKeysCountAsRemovedAndVanishedValuesAsLeft)
{
    Log("[Reg_CreateValue]\r\ngone=HKEY_CURRENT_USER\\Software\\Gone\\V\r\n");
    Run();
    EXPECT_EQ(Outcome().text, "Uninstall complete");

    Log("[Reg_CreateValue]\r\nleft=HKEY_CURRENT_USER\\Software\\Appli\\V\r\n");
    fakes.registry.AddKey(kCurrentUser, "Software\\Appli");
    Run();
    EXPECT_EQ(Outcome().text, "Some elements could not be deleted or restablished:\r\n* some registry updates");
}

// Files, shortcuts and registry entries left, in every combination: each flag adds its
// line, in a fixed order, below the log's own first line.
class OutcomeTest : public DriverTest, public ::testing::WithParamInterface<int> {};

TEST_P(OutcomeTest, ListsWhatWasLeftInOrder)
{
    const bool files = GetParam() & 1;
    const bool links = GetParam() & 2;
    const bool registry = GetParam() & 4;
    std::string log = "[Messages]\r\nLogMsg=Restes :\r\nLogFiles=- fichiers\r\nLogLinks=- liens\r\n"
                      "LogRegistry=- registre\r\nEndUninstall=Fini\r\n[Titles]\r\nInformation=Info\r\n";
    // An entry that cannot be removed (its file or key does not exist) stays listed.
    if (files)
        log += "[Files]\r\nC:\\Appli\\absent.exe=1\r\n";
    if (links)
        log += "[Icons]\r\nx=C:\\Menu\\absent.lnk\r\n";
    if (registry)
        log += "[Reg_CreateKey]\r\nk=HKEY_CURRENT_USER\\Software\\Absent\r\n";
    Log(log);

    EXPECT_EQ(Run(), 0);
    std::string expected = "Restes :";
    if (files)
        expected += "\r\n- fichiers";
    if (links)
        expected += "\r\n- liens";
    if (registry)
        expected += "\r\n- registre";
    EXPECT_EQ(Outcome().text, GetParam() == 0 ? "Fini" : expected);
    EXPECT_EQ(Outcome().caption, "Info");
    EXPECT_EQ(Outcome().flags, 0x0u);  // OK button, no icon
    EXPECT_FALSE(fakes.files.HasFile(kLog));
}

INSTANTIATE_TEST_SUITE_P(EveryCombination, OutcomeTest, ::testing::Range(0, 8));

TEST_F(DriverTest, UnexpectedFailureRunsTheClosingStepsAndKeepsTheLog)
{
    Log("[Messages]\r\nUninstallError=Echec\r\n[Titles]\r\nError=Erreur\r\n"
        "[Reg_SharedDLLs]\r\nC:\\Sys\\a.dll=1\r\n[Files]\r\nC:\\Appli\\a.exe=1\r\n");
    fakes.registry.SetString(kLocalMachine, kSharedDlls, "C:\\Sys\\a.dll", "not a number");
    fakes.files.AddFile("C:\\Appli\\a.exe");

    EXPECT_EQ(Run(), 1);
    const auto& shown = fakes.dialogs.shown;
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1].text, "Echec");
    EXPECT_EQ(shown[1].caption, "Erreur");
    EXPECT_EQ(shown[1].flags, 0x30u);
    EXPECT_EQ(shown[2].caption, "Erreur de l'application");
    EXPECT_EQ(shown[2].flags, 0x2010u);  // MB_TASKMODAL | MB_ICONHAND
    EXPECT_NE(shown[2].text.find("C:\\Sys\\a.dll"), std::string::npos);

    EXPECT_EQ(fakes.Entries("restore cursor").size(), 1u);
    EXPECT_EQ(fakes.Entries("window destroy").size(), 1u);
    // The rest of the work is abandoned, and the uninstall can be run again.
    EXPECT_TRUE(fakes.files.HasFile("C:\\Appli\\a.exe"));
    EXPECT_TRUE(fakes.files.HasFile(kLog));
    EXPECT_FALSE(fakes.files.HasFile(kCopy));
    EXPECT_FALSE(fakes.files.HasFolder(kCopyFolder));
    EXPECT_TRUE(fakes.system.launches.empty());
}

// A run that fails after the shared counts are lowered keeps its log; the next run lowers
// none of them again, still spares the file that others use, and finishes the removal.
TEST_F(DriverTest, EachSharedCountIsReleasedOnceWhateverEndsARun)
{
    Log("[Reg_SharedDLLs]\r\nC:\\Sys\\a.dll=1\r\nC:\\Sys\\b.dll=1\r\n"
        "[Files]\r\nC:\\Sys\\a.dll=1\r\nC:\\Sys\\b.dll=1\r\n[Folders]\r\nC:\\Appli=1\r\n");
    fakes.registry.SetInteger(kLocalMachine, kSharedDlls, "C:\\Sys\\a.dll", 3);
    fakes.registry.SetInteger(kLocalMachine, kSharedDlls, "C:\\Sys\\b.dll", 1);
    fakes.files.AddFile("C:\\Sys\\a.dll");
    fakes.files.AddFile("C:\\Sys\\b.dll");
    fakes.registry.SetInteger(kCurrentUser, kShellFolders, "Personal", 5);  // no string: the folders fail

    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(fakes.registry.Integer(kLocalMachine, kSharedDlls, "C:\\Sys\\a.dll"), 2);
    EXPECT_TRUE(fakes.files.HasFile(kLog));

    fakes.registry.SetString(kCurrentUser, kShellFolders, "Personal", "C:\\Docs");
    fakes.registry.SetInteger(kLocalMachine, kSharedDlls, "C:\\Sys\\b.dll", 1);  // another installation's
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(fakes.registry.Integer(kLocalMachine, kSharedDlls, "C:\\Sys\\a.dll"), 2);
    EXPECT_EQ(fakes.registry.Integer(kLocalMachine, kSharedDlls, "C:\\Sys\\b.dll"), 1);
    EXPECT_TRUE(fakes.files.HasFile("C:\\Sys\\a.dll"));
    EXPECT_FALSE(fakes.files.HasFile(kLog));
    EXPECT_FALSE(fakes.files.HasFile("C:\\Program Files\\Appli\\uninstal.rel"));

    // A count that a run could not change (no rights to) is no release: the next run makes it.
    Log("[Reg_SharedDLLs]\r\nC:\\Sys\\a.dll=1\r\n");
    fakes.registry.failWrites = true;
    EXPECT_EQ(Run(), 1);
    fakes.registry.failWrites = false;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(fakes.registry.Integer(kLocalMachine, kSharedDlls, "C:\\Sys\\a.dll"), 1);
}

TEST_F(DriverTest, UnreadableLogFailsBeforeAnythingChanges)
{
    Log("[Files]\r\nC:\\Appli\\a.exe=1\r\n");
    fakes.files.unreadable.insert(LowerAscii(kLog));
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
    EXPECT_EQ(Outcome().text, std::string("Ne peut ouvrir le fichier ") + kLog);
    EXPECT_TRUE(NothingChanged());
}

TEST_F(DriverTest, MissingWindowAndCursorAreNotRestoredOrDestroyed)
{
    Log("[Files]\r\n");
    fakes.progress.creates = false;
    fakes.dialogs.hadCursor = false;
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(fakes.Entries("window destroy").empty());
    EXPECT_TRUE(fakes.Entries("restore cursor").empty());
    EXPECT_EQ(fakes.system.launches.size(), 1u);
}

// Phases 4 and 5 share one read of the standard folders, made before phase 6 deletes
// a value the log lists, even one of them.
TEST_F(DriverTest, StandardFoldersAreReadOnceARunBeforeAnyValueGoes)
{
    Log("[Folders]\r\nC:\\Appli=1\r\nC:\\Appli\\Data=1\r\nC:\\WINDOWS\\Desktop=1\r\n"
        "[Icons]\r\ni1=C:\\WINDOWS\\Desktop\\Appli.lnk\r\ni2=C:\\Menu\\Appli\\Appli.lnk\r\n"
        "[Reg_CreateValue]\r\nv1=HKEY_CURRENT_USER\\" +
        std::string(kShellFolders) + "\\Desktop\r\n");
    fakes.registry.SetString(kLocalMachine, kCurrentVersion, "ProgramFilesDir", "C:\\Program Files");
    for (const char* folder : {"C:\\Appli\\Data", "C:\\Menu\\Appli"})
        fakes.files.AddFolder(folder);
    for (const char* file : {"C:\\WINDOWS\\Desktop\\Appli.lnk", "C:\\Menu\\Appli\\Appli.lnk"})
        fakes.files.AddFile(file);
    Run();
    EXPECT_TRUE(fakes.files.HasFolder("C:\\WINDOWS\\Desktop"));
    EXPECT_FALSE(fakes.files.HasFolder("C:\\Menu\\Appli"));
    EXPECT_FALSE(fakes.registry.HasValue(kCurrentUser, kShellFolders, "Desktop"));
    EXPECT_EQ(fakes.registry.stringReads.size(), 19u);  // the folders the registry holds
    for (const auto& [name, reads] : fakes.registry.stringReads)
        EXPECT_EQ(reads, 1) << name;
}
