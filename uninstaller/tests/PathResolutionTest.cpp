#include <gtest/gtest.h>

#include "text/PathResolution.h"

using uninst::ResolvePath;

TEST(PathResolutionTest, ResolvesEverySpellingTheSystemTidies)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Users\\Jo\\Desktop", "C:\\Users\\Jo\\Desktop"},
        {"C:\\Users\\Jo\\Desktop\\", "C:\\Users\\Jo\\Desktop"},
        {"C:/Users/Jo/Desktop/", "C:\\Users\\Jo\\Desktop"},
        {"C:\\Users\\\\Jo\\/Desktop\\\\", "C:\\Users\\Jo\\Desktop"},
        {"C:\\Users\\Jo\\Desktop.", "C:\\Users\\Jo\\Desktop"},
        {"C:\\Users\\Jo\\Desktop . .", "C:\\Users\\Jo\\Desktop"},
        {"C:\\Users\\Jo.\\Desktop", "C:\\Users\\Jo\\Desktop"},
        {"C:\\Users\\.\\Jo\\Appli\\..\\Desktop", "C:\\Users\\Jo\\Desktop"},
        {"C:\\Users\\Jo\\Desktop\\x\\..", "C:\\Users\\Jo\\Desktop"},
        {"c:\\..\\..\\Users", "c:\\Users"},  // never above the drive
        {"C:\\..", "C:\\"},
        {"C:\\.\\", "C:\\"},
        {"\\\\?\\C:\\Users\\Jo\\Desktop", "C:\\Users\\Jo\\Desktop"},
        {"\\\\.\\C:\\Users\\Jo\\Desktop\\", "C:\\Users\\Jo\\Desktop"},
        {"\\??\\C:\\Users\\Jo\\Desktop", "C:\\Users\\Jo\\Desktop"},
        {"\\\\server\\share\\Jo\\..\\..\\x", "\\\\server\\share\\x"},
        {"//?/C:/Users/Jo/Desktop.", "C:\\Users\\Jo\\Desktop"},
        {"//server/share", "\\\\server\\share\\"},
        {"\\\\?\\UNC\\server\\share\\Jo", "\\\\server\\share\\Jo"},
        {"C:\\Program Files\\Appli\\a.lnk", "C:\\Program Files\\Appli\\a.lnk"},
        {"C:\\Mes documents\\\xC9t\xE9 2\\", "C:\\Mes documents\\\xC9t\xE9 2"},
    };
    for (const auto& [path, full] : cases)
        EXPECT_EQ(ResolvePath(path).value_or("(none)"), full) << path;
}

TEST(PathResolutionTest, PathsTheTextAloneDoesNotPlaceAreNotResolved)
{
    for (const char* path :
         {"", "Desktop", "..\\..\\Users\\Jo\\Desktop", "\\Users\\Jo\\Desktop", "C:", "C:Desktop", "C", "\\\\server",
          "\\\\?\\Volume{4c1b}\\Users", "\\\\.\\GLOBALROOT\\Device\\HarddiskVolume1",
          "C:\\Users\\Jo\\Desktop::$INDEX_ALLOCATION", "C:\\Users\\Jo\\...", "C:\\Users\\Jo\\. \\Desktop",
          "C:\\Users\\Jo\\Desktop\\.. ", " C:\\Users", "\\\\.\\C:\\..\\GLOBALROOT\\Device\\HarddiskVolume1\\Users",
          "\\\\?\\C:\\Users\\..\\Jo", "\\\\.\\X:\\..\\C:\\Users"}) {
        EXPECT_FALSE(ResolvePath(path).has_value()) << path;
    }
}
