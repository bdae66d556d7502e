#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "stages/CleanupStage.h"
#include "stages/SelfCopy.h"
#include "stages/Uninstaller.h"

using namespace uninst;
using namespace uninst::fakes;

TEST(SelfRemovalTest, StageFollowsTheProgramFileName)
{
    EXPECT_TRUE(IsCleanupStage("C:\\TEMP\\\\_kvuidel.exe"));
    EXPECT_TRUE(IsCleanupStage("C:\\Appli\\_KVUIDEL.EXE"));
    EXPECT_TRUE(IsCleanupStage("C:_KvuiDel.Exe"));
    EXPECT_FALSE(IsCleanupStage("C:\\_kvuidel.exe\\uninstal.exe"));
    EXPECT_FALSE(IsCleanupStage("C:\\Appli\\_kvuidel.exe.bak"));
}

TEST(SelfRemovalTest, FirstArgumentDropsQuotesAndSplitsAtSpacesAndControls)
{
    EXPECT_EQ(FirstArgument("C:\\TEMP\\\\_kvuidel.exe \"C:\\Program Files\\Appli\\uninstal.exe\""),
              "C:\\Program Files\\Appli\\uninstal.exe");
    EXPECT_EQ(FirstArgument("\"C:\\My Temp\\\\_kvuidel.exe\" \"C:\\A B\\uninstal.exe\""), "C:\\A B\\uninstal.exe");
    EXPECT_EQ(FirstArgument("prog\t  C:\\Appli\\uninstal.exe second"), "C:\\Appli\\uninstal.exe");
    EXPECT_EQ(FirstArgument("prog C:\\\"Mes Programmes\"\\x.exe"), "C:\\Mes Programmes\\x.exe");
    EXPECT_EQ(FirstArgument("prog \"C:\\unterminated quote"), "C:\\unterminated quote");
    EXPECT_EQ(FirstArgument("prog \xC9t\xE9.exe"), "\xC9t\xE9.exe");  // high bytes are no separators
    EXPECT_EQ(FirstArgument("prog"), "");
    EXPECT_EQ(FirstArgument("prog   "), "");
}

namespace {

class CleanupStageTest : public ::testing::Test {
protected:
    CleanupStageTest()
    {
        fakes.system.programPath = "C:\\TEMP\\\\_kvuidel.exe";
        fakes.system.commandLine = "C:\\TEMP\\\\_kvuidel.exe \"C:\\Program Files\\Appli\\uninstal.exe\"";
        fakes.files.AddFile("C:\\Program Files\\Appli\\uninstal.exe");
    }
    FakePlatform fakes;
};

}  // namespace

TEST_F(CleanupStageTest, DeletesTheFirstStageAndItsEmptyFolderThenAsksForItsOwnDeletion)
{
    EXPECT_EQ(RunUninstaller(fakes.platform), 0);
    EXPECT_EQ(fakes.journal.front(), "wait 300");
    EXPECT_FALSE(fakes.files.HasFile("C:\\Program Files\\Appli\\uninstal.exe"));
    EXPECT_FALSE(fakes.files.HasFolder("C:\\Program Files\\Appli"));
    EXPECT_EQ(fakes.Entries("delete at restart"),
              (std::vector<std::string>{"delete at restart C:\\TEMP\\\\_kvuidel.exe"}));
    EXPECT_TRUE(fakes.Entries("ini").empty());
    EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(CleanupStageTest, FolderWithOtherFilesStays)
{
    fakes.files.AddFile("C:\\Program Files\\Appli\\user.txt");
    RunUninstaller(fakes.platform);
    EXPECT_TRUE(fakes.files.HasFolder("C:\\Program Files\\Appli"));
}

TEST_F(CleanupStageTest, WithoutArgumentNothingIsDeleted)
{
    fakes.system.commandLine = "C:\\TEMP\\\\_kvuidel.exe";
    EXPECT_EQ(RunUninstaller(fakes.platform), 0);
    EXPECT_TRUE(fakes.Entries("erase").empty());
    EXPECT_TRUE(fakes.Entries("rmdir").empty());
    EXPECT_EQ(fakes.Entries("delete at restart").size(), 1u);
}

// A user without administrator rights can ask neither: the copy is then left to the
// temporary folder's own cleaning, without a word after a complete uninstall.
TEST_F(CleanupStageTest, FallsBackToWininitAndStaysSilentWhenThatFailsToo)
{
    fakes.files.delayedDeletionWorks = false;
    EXPECT_EQ(RunUninstaller(fakes.platform), 0);
    EXPECT_EQ(fakes.Entries("ini"),
              (std::vector<std::string>{"ini C:\\WINDOWS\\WININIT.INI [Rename] NUL=C:\\TEMP\\\\_kvuidel.exe"}));

    fakes.files.iniWritable = false;
    EXPECT_EQ(RunUninstaller(fakes.platform), 0);
    EXPECT_TRUE(fakes.dialogs.shown.empty());
    EXPECT_FALSE(fakes.files.HasFile("C:\\Program Files\\Appli\\uninstal.exe"));
}

// The spellings themselves are PathResolutionTest's; the stage asks the folder guard.
TEST_F(CleanupStageTest, StandardFolderHoldingTheFirstStageStaysInAnotherSpelling)
{
    fakes.registry.SetString(kCurrentUser, kShellFolders, "Desktop", "C:\\Users\\Jo\\Desktop");
    const char* target = "C:\\Users\\Jo\\Desktop.\\uninstal.exe";
    fakes.files.AddFile(target);
    fakes.system.commandLine = std::string("C:\\TEMP\\\\_kvuidel.exe \"") + target + "\"";
    RunUninstaller(fakes.platform);
    EXPECT_FALSE(fakes.files.HasFile(target));
    EXPECT_TRUE(fakes.files.HasFolder("C:\\Users\\Jo\\Desktop"));
    EXPECT_TRUE(fakes.Entries("rmdir").empty());
}
