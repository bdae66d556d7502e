#include <gtest/gtest.h>

#include "TestPaths.h"
#include "Win32FileSystem.h"
#include "Win32Handles.h"

namespace uninst::win32 {
namespace {

TEST(Win32FileSystem, ReadsAndWritesWholeFilesByteForByte)
{
    Win32FileSystem files;
    const std::string folder = test::FreshFolder("files-rw");
    const std::string bytes = std::string("[Files]\r\nC:\\a=1\r\n\xE9\0tail", 22);
    ASSERT_TRUE(files.WriteAll(folder + "UNINSTAL.DAT", bytes));
    EXPECT_EQ(files.ReadAll(folder + "uninstal.dat"), bytes);  // names ignore letter case
    EXPECT_TRUE(files.IsRegularFile(folder + "uninstal.dat"));

    EXPECT_FALSE(files.ReadAll(folder + "absent.dat").has_value());
    EXPECT_FALSE(files.IsRegularFile(folder + "absent.dat"));
    // A folder of the name is no file.
    ASSERT_TRUE(CreateDirectoryA((folder + "dir.dat").c_str(), nullptr));
    EXPECT_FALSE(files.IsRegularFile(folder + "dir.dat"));
    EXPECT_FALSE(files.ReadAll(folder + "dir.dat").has_value());
}

TEST(Win32FileSystem, ReadsAFileThatAnotherProgramHoldsOpen)
{
    Win32FileSystem files;
    const std::string path = test::FreshFolder("files-shared") + "held.dat";
    test::WriteFileBytes(path, "held");
    UniqueFile holder(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    EXPECT_EQ(files.ReadAll(path), "held");
}

TEST(Win32FileSystem, DeletesFilesAndOnlyEmptyFolders)
{
    Win32FileSystem files;
    const std::string folder = test::FreshFolder("files-delete");
    test::WriteFileBytes(folder + "a.txt", "a");
    EXPECT_FALSE(files.RemoveFolder(folder));
    EXPECT_TRUE(files.EraseFile(folder + "a.txt"));
    EXPECT_FALSE(files.EraseFile(folder + "a.txt"));
    EXPECT_TRUE(files.RemoveFolder(folder));
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

// What the copy and the record rely on: nothing is created or copied over what is there
// already, and a rename replaces its target whole.
TEST(Win32FileSystem, CreatesAndCopiesOnlyWhereNothingIsAndRenamesOver)
{
    Win32FileSystem files;
    const std::string folder = test::FreshFolder("files-copy");
    test::WriteFileBytes(folder + "new.exe", "new program");
    test::WriteFileBytes(folder + "planted.exe", "planted");
    EXPECT_FALSE(files.CopyToNew(folder + "new.exe", folder + "planted.exe"));
    EXPECT_EQ(files.ReadAll(folder + "planted.exe"), "planted");
    EXPECT_FALSE(files.CreateNewFolder(folder + "planted.exe"));
    ASSERT_TRUE(files.CreateNewFolder(folder + "private"));
    EXPECT_FALSE(files.CreateNewFolder(folder + "private"));
    EXPECT_TRUE(files.CopyToNew(folder + "new.exe", folder + "private\\_kvuidel.exe"));
    EXPECT_EQ(files.ReadAll(folder + "private\\_kvuidel.exe"), "new program");
    EXPECT_FALSE(files.CopyToNew(folder + "absent.exe", folder + "copy.exe"));

    test::WriteFileBytes(folder + "record.new", "two");
    EXPECT_TRUE(files.MoveOver(folder + "record.new", folder + "planted.exe"));
    EXPECT_EQ(files.ReadAll(folder + "planted.exe"), "two");
    EXPECT_FALSE(files.IsRegularFile(folder + "record.new"));
}

TEST(Win32FileSystem, AsksForDeletionAtTheNextStart)
{
    Win32FileSystem files;
    const std::string folder = test::FreshFolder("files-restart");
    test::WriteFileBytes(folder + "_kvuidel.exe", "copy");
    ASSERT_TRUE(files.DeleteAtNextStart(folder + "_kvuidel.exe"));

    HKEY raw = nullptr;
    ASSERT_EQ(
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0, KEY_READ, &raw),
        ERROR_SUCCESS);
    UniqueKey key(raw);
    std::string pending(65536, '\0');
    DWORD size = static_cast<DWORD>(pending.size());
    ASSERT_EQ(RegQueryValueExA(key.get(), "PendingFileRenameOperations", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(pending.data()), &size),
              ERROR_SUCCESS);
    pending.resize(size);
    EXPECT_NE(pending.find(folder + "_kvuidel.exe"), std::string::npos);
}

TEST(Win32FileSystem, WritesProfileStrings)
{
    Win32FileSystem files;
    const std::string ini = test::FreshFolder("files-ini") + "WININIT.INI";
    ASSERT_TRUE(files.WriteIniString("Rename", "NUL", "C:\\temp\\_kvuidel.exe", ini));
    char value[MAX_PATH] = {};
    GetPrivateProfileStringA("Rename", "NUL", "", value, MAX_PATH, ini.c_str());
    EXPECT_STREQ(value, "C:\\temp\\_kvuidel.exe");
    EXPECT_FALSE(files.WriteIniString("Rename", "NUL", "x", "Z:\\no such folder\\WININIT.INI"));
}

}  // namespace
}  // namespace uninst::win32
