#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "guards/FolderGuard.h"
#include "platform/UnexpectedFailure.h"
#include "text/AnsiText.h"

using namespace uninst;
using namespace uninst::fakes;

namespace {

class FolderGuardTest : public ::testing::Test {
protected:
    FolderGuardTest()
    {
        fakes.registry.SetString(kCurrentUser, kShellFolders, "Desktop", "C:\\WINDOWS\\Desktop");
        fakes.registry.SetString(kCurrentUser, kShellFolders, "Programs", "C:\\WINDOWS\\Start Menu\\Programs\\");
        fakes.registry.SetString(kLocalMachine, kCurrentVersion, "CommonFilesDir", "C:\\Program Files\\Common Files");
    }
    std::optional<FolderRefusal> Refusal(const std::string& path)
    {
        return FolderGuard(fakes.registry, fakes.files, fakes.system).IsSystemFolder(path);
    }
    bool Guarded(const std::string& path) { return Refusal(path).has_value(); }

    FakePlatform fakes;
};

}  // namespace

TEST_F(FolderGuardTest, AKeyThatCannotBeOpenedGuardsNoneOfItsFolders)
{
    fakes.registry.unopenableKeys.insert(LowerAscii(kShellFolders));
    EXPECT_FALSE(Guarded("C:\\WINDOWS\\Desktop"));
    EXPECT_TRUE(Guarded("C:\\Program Files\\Common Files"));
}

TEST_F(FolderGuardTest, MatchIgnoresAToZCaseAndAgreesOnTheTrailingSeparator)
{
    EXPECT_TRUE(Guarded("C:\\Windows\\Desktop\\"));
    EXPECT_TRUE(Guarded("c:\\windows\\desktop"));
    EXPECT_TRUE(Guarded("C:\\WINDOWS\\Start Menu\\Programs"));
    EXPECT_TRUE(Guarded("C:\\WINDOWS\\Start Menu\\Programs\\"));
    EXPECT_TRUE(Guarded("C:\\PROGRAM FILES\\COMMON FILES\\"));
    // A folder inside a guarded one is not guarded itself.
    EXPECT_FALSE(Guarded("C:\\WINDOWS\\Desktop\\Appli\\"));
    EXPECT_FALSE(Guarded("C:\\WINDOWS\\"));
}

TEST_F(FolderGuardTest, EmptyPathsAndDriveRootsAreAlwaysGuarded)
{
    EXPECT_TRUE(Guarded(""));
    EXPECT_TRUE(Guarded("C:"));
    EXPECT_TRUE(Guarded("d:\\"));
    EXPECT_TRUE(Guarded("\\"));
    EXPECT_TRUE(Guarded("\\\\server\\share\\"));
    EXPECT_FALSE(Guarded("C:\\Appli"));
}

// RemoveDirectory resolves the path first: every spelling that reaches a standard
// folder is guarded, and one that the text alone cannot place is never removed.
TEST_F(FolderGuardTest, ComparesFoldersAsTheSystemResolvesThem)
{
    // The resolution rules themselves are PathResolutionTest's.
    EXPECT_TRUE(Guarded("C:\\WINDOWS\\Appli\\..\\Desktop . "));
    EXPECT_FALSE(Guarded("C:\\WINDOWS\\Desktop\\..\\Appli"));
    // The stored folder is resolved too.
    fakes.registry.SetString(kCurrentUser, kShellFolders, "Personal", "C:/Mes documents/");
    EXPECT_TRUE(Guarded("c:\\mes documents"));
}

TEST_F(FolderGuardTest, NonStringFolderValueIsAnUnexpectedFailure)
{
    fakes.registry.SetInteger(kCurrentUser, kShellFolders, "Personal", 3);
    EXPECT_THROW(Guarded("C:\\Appli"), UnexpectedFailure);
}

TEST_F(FolderGuardTest, NamesTheReasonAFolderStays)
{
    EXPECT_EQ(Refusal("Appli"), FolderRefusal::Unresolvable);
    EXPECT_EQ(Refusal("\\\\server\\share"), FolderRefusal::Root);
    EXPECT_EQ(Refusal("C:/windows/desktop"), FolderRefusal::Standard);
    EXPECT_EQ(Refusal("C:\\Appli"), std::nullopt);
}

// RemoveDirectory takes a short (8.3) name anywhere in the path for its long one.
TEST_F(FolderGuardTest, ShortNamesAreComparedByTheirLongSpelling)
{
    fakes.registry.SetString(kCurrentUser, kShellFolders, "Favorites", "C:\\users\\jo\\Favorites");
    fakes.files.longPaths["c:\\users\\jo\\favo~x2l"] = "C:\\users\\jo\\Favorites";
    fakes.files.longPaths["c:\\progra~1\\common~1"] = "C:\\Program Files\\Common Files";
    EXPECT_TRUE(Guarded("C:\\users\\jo\\FAVO~X2L\\"));
    EXPECT_TRUE(Guarded("C:/PROGRA~1/Appli/../COMMON~1"));
    EXPECT_FALSE(Guarded("C:\\PROGRA~1\\COMMON~1\\Appli"));
}

// The folders the system tells, the 64-bit program folders the registry holds for a 32-bit
// program, and every profile root are kept as the registry's folders are; what lies
// inside them is not.
TEST_F(FolderGuardTest, KeepsTheSystemsOwnAndAllUsersFoldersAndEachProfileRoot)
{
    fakes.system.knownFolders = {{KnownFolder::Windows, "C:\\Windows"},
                                 {KnownFolder::System, "C:\\Windows\\system32"},
                                 {KnownFolder::CommonDesktop, "C:\\Users\\Public\\Desktop"},
                                 {KnownFolder::CommonAppData, "C:\\ProgramData"},
                                 {KnownFolder::Profiles, "C:\\Users"}};
    fakes.registry.SetString(kLocalMachine, kCurrentVersion, "ProgramW6432Dir", "C:\\Program Files");
    for (const char* kept :
         {"c:\\windows\\", "C:/Windows/System32", "C:\\Users\\Public\\Desktop", "C:\\ProgramData", "C:\\Users",
          "C:\\Users\\Jo", "C:\\Users\\Public", "C:\\Users\\Default\\.", "C:\\Program Files"})
        EXPECT_EQ(Refusal(kept), FolderRefusal::Standard) << kept;
    for (const char* goes :
         {"C:\\Users\\Jo\\Appli", "C:\\ProgramData\\Appli", "C:\\Windows\\Appli", "C:\\Program Files\\Appli"})
        EXPECT_FALSE(Guarded(goes)) << goes;
}
