#include <gtest/gtest.h>

#include "TestPaths.h"
#include "Win32FileSystem.h"
#include "Win32SystemServices.h"

namespace uninst::win32 {
namespace {

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(Win32SystemServices, ReportsTheProgramAndSystemFolders)
{
    Win32SystemServices system;
    Win32FileSystem files;
    const std::string program = system.ProgramPath();
    EXPECT_TRUE(EndsWith(program, "\\win32_adapter_tests.exe")) << program;
    EXPECT_TRUE(files.IsRegularFile(program));
    EXPECT_NE(system.CommandLine().find("win32_adapter_tests"), std::string::npos);

    const std::string temp = system.TempFolder();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '\\');
    EXPECT_NE(GetFileAttributesA(temp.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(system.CompareNoCase(system.WindowsFolder(), "C:\\windows"), 0);

    const std::string language = system.SystemLanguage();
    EXPECT_EQ(language.size(), 3u) << language;

    const auto first = system.UnforeseeableNumber(), second = system.UnforeseeableNumber();
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
}

// A temporary folder too long for the classic limit is no temporary folder: the
// self-removal then makes no copy at all rather than one at the drive's root.
TEST(Win32SystemServices, TemporaryFolderTooLongForThePathLimitIsNone)
{
    char saved[MAX_PATH + 1] = {};
    const DWORD savedLength = GetEnvironmentVariableA("TMP", saved, sizeof saved);
    const std::string tooLong = "C:\\" + std::string(300, 't');
    ASSERT_TRUE(SetEnvironmentVariableA("TMP", tooLong.c_str()));
    Win32SystemServices system;
    const std::string temp = system.TempFolder();
    SetEnvironmentVariableA("TMP", savedLength > 0 && savedLength <= MAX_PATH ? saved : nullptr);
    EXPECT_EQ(temp, "");
    EXPECT_FALSE(system.TempFolder().empty());
}

TEST(Win32SystemServices, ComparesWithoutRegardToLetterCase)
{
    Win32SystemServices system;
    EXPECT_EQ(system.CompareNoCase("[Files]", "[files]"), 0);
    EXPECT_EQ(system.CompareNoCase("D\xE9sinstaller", "D\xC9SINSTALLER"), 0);
    EXPECT_LT(system.CompareNoCase("a", "B"), 0);
    EXPECT_NE(system.CompareNoCase("Name", "Name "), 0);
}

TEST(Win32SystemServices, LaunchesAProgramWithItsCommandLine)
{
    Win32SystemServices system;
    const std::string folder = test::FreshFolder("launch with spaces");
    const std::string output = folder + "args.txt";
    const std::string command =
        "\"" + test::BinFolder() + "record_args.exe\" \"" + output + "\" \"C:\\Program Files\\App\\uninstal.exe\"";
    ASSERT_EQ(system.Launch(command, 5), 0u);

    // The launched process is not waited for: watch for its output, bounded.
    for (int i = 0; i < 200 && GetFileAttributesA(output.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) {
        system.Wait(50);
    }
    Win32FileSystem files;
    EXPECT_EQ(files.ReadAll(output), command);

    EXPECT_EQ(system.Launch("\"" + folder + "absent.exe\"", 5), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
}  // namespace uninst::win32
