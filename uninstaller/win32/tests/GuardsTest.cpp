// The core's guards over the real registry and real libraries.
#include <gtest/gtest.h>

#include "guards/FolderGuard.h"
#include "phases/SharedLibraries.h"
#include "platform/UnexpectedFailure.h"
#include "TestPaths.h"
#include "text/PathResolution.h"
#include "Win32FileSystem.h"
#include "Win32Libraries.h"
#include "Win32Registry.h"
#include "Win32SystemServices.h"

namespace uninst::win32 {
namespace {

const char* const kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char* const kSharedDlls = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

std::string RawString(HKEY root, const char* path, const char* name)
{
    char buffer[MAX_PATH] = {};
    DWORD size = sizeof buffer;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return {};
    }
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    return buffer;
}

std::string Upper(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

TEST(SystemFolderGuard, ReadsTheStandardFoldersOfThisSystem)
{
    Win32RegistryFactory registry;
    Win32FileSystem files;
    const std::string desktop = RawString(HKEY_CURRENT_USER, kShellFolders, "Desktop");
    ASSERT_FALSE(desktop.empty());
    Win32SystemServices system;
    FolderGuard guard(registry, files, system);
    EXPECT_TRUE(guard.IsSystemFolder(desktop));
    EXPECT_TRUE(guard.IsSystemFolder(RawString(HKEY_CURRENT_USER, kShellFolders, "Programs")));
    EXPECT_TRUE(guard.IsSystemFolder(
        RawString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir")));
    EXPECT_TRUE(guard.IsSystemFolder(Upper(desktop) + "\\"));
    EXPECT_FALSE(guard.IsSystemFolder(desktop + "\\Korvalis"));
    EXPECT_FALSE(guard.IsSystemFolder(desktop + "\\Korvalis\\"));

    // The folders the system tells: its own, the all-users ones, the profiles and each
    // profile root.
    for (const KnownFolder known :
         {KnownFolder::Windows, KnownFolder::System, KnownFolder::ProgramFiles, KnownFolder::CommonDesktop,
          KnownFolder::CommonPrograms, KnownFolder::CommonAppData, KnownFolder::Profile, KnownFolder::Profiles}) {
        const std::string folder = system.KnownFolderPath(known);
        ASSERT_FALSE(folder.empty()) << static_cast<int>(known);
        EXPECT_TRUE(guard.IsSystemFolder(folder)) << folder;
        EXPECT_FALSE(guard.IsSystemFolder(folder + "\\Korvalis\\Data")) << folder;
    }
    EXPECT_EQ(system.CompareNoCase(system.KnownFolderPath(KnownFolder::Windows), "C:\\windows"), 0);
    EXPECT_EQ(system.CompareNoCase(system.KnownFolderPath(KnownFolder::CommonAppData), "C:\\ProgramData"), 0);
    EXPECT_TRUE(guard.IsSystemFolder(system.KnownFolderPath(KnownFolder::Profiles) + "\\Someone Else"));
}

// The guard resolves paths by the text alone; the system's own resolution must agree
// wherever the guard claims to know the folder.
TEST(SystemFolderGuard, ResolvesPathsAsTheSystemDoes)
{
    for (const char* path :
         {"C:\\users\\Jo\\Desktop\\\\", "C:/users/Jo/Desktop", "C:\\users\\Jo\\Desktop.", "C:\\users\\Jo\\Desktop . .",
          "C:\\users\\Jo.\\Desktop", "C:\\users\\.\\Jo\\a\\..\\Desktop", "C:\\..\\..\\users", "C:\\..",
          "C:\\users\\Jo\\Desktop\\.\\", "C:\\a\\b.\\..\\c", "C:\\\\\\users", "C:\\users\\Jo\\De..",
          "//server/share/a/../..", "\\\\server\\share\\..\\x", "//?/C:/users/Jo/Desktop.",
          "C:\\Program Files\\Appli\\a.lnk"}) {
        char buffer[MAX_PATH];
        const DWORD length = GetFullPathNameA(path, MAX_PATH, buffer, nullptr);
        ASSERT_GT(length, 0u) << path;
        std::string full(buffer, length);
        const auto resolved = ResolvePath(path);
        ASSERT_TRUE(resolved.has_value()) << path;
        // The guard drops a trailing separator except at a root; the system keeps it.
        if (resolved->back() != '\\' && full.back() == '\\') {
            full.pop_back();
        }
        if (full.rfind("\\\\?\\", 0) == 0) {
            full.erase(0, 4);
        }
        EXPECT_EQ(*resolved, full) << path;
    }
}

// Wine gives "Favorites" the short name "FAVO~X2L"; RemoveDirectory takes either.
TEST(SystemFolderGuard, KeepsAStandardFolderSpelledByItsShortName)
{
    Win32RegistryFactory registry;
    Win32FileSystem files;
    const std::string favorites = RawString(HKEY_CURRENT_USER, kShellFolders, "Favorites");
    char buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(favorites.c_str(), buffer, MAX_PATH);
    ASSERT_GT(length, 0u) << favorites;
    const std::string shortName(buffer, length);
    ASSERT_NE(Upper(shortName), Upper(favorites));
    EXPECT_EQ(Upper(files.LongPath(shortName)), Upper(favorites));
    Win32SystemServices system;
    FolderGuard guard(registry, files, system);
    EXPECT_TRUE(guard.IsSystemFolder(shortName));
    EXPECT_FALSE(guard.IsSystemFolder(shortName + "\\Korvalis"));
}

class SharedCounts : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::SetDword(HKEY_LOCAL_MACHINE, kSharedDlls, "C:\\Shared\\three.dll", 3);
        test::SetDword(HKEY_LOCAL_MACHINE, kSharedDlls, "C:\\Shared\\one.dll", 1);
        test::SetDword(HKEY_LOCAL_MACHINE, kSharedDlls, "C:\\Shared\\zero.dll", 0);
        test::SetDword(HKEY_LOCAL_MACHINE, kSharedDlls, "C:\\Shared\\minus.dll", static_cast<DWORD>(-2));
    }
    void TearDown() override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedDlls, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
            for (const char* name :
                 {"C:\\Shared\\three.dll", "C:\\Shared\\one.dll", "C:\\Shared\\zero.dll", "C:\\Shared\\minus.dll"}) {
                RegDeleteValueA(key, name);
            }
            RegCloseKey(key);
        }
    }
    Win32RegistryFactory registry;
};

// The core's release over the real registry, which compares value names without
// letter case; counts below 1 stay as they are.
TEST_F(SharedCounts, ReleaseLowersCountsAndDropsTheLastReference)
{
    EXPECT_EQ(SharedDllRefCount(registry, "C:\\Shared\\three.dll"), 3);
    EXPECT_EQ(SharedDllRefCount(registry, "C:\\Shared\\missing.dll"), -1);

    Win32SystemServices system;
    StringList paths(system);
    for (const char* path : {"C:\\SHARED\\THREE.DLL", "C:\\Shared\\one.dll", "C:\\Shared\\zero.dll",
                             "C:\\Shared\\minus.dll", "C:\\Shared\\missing.dll"}) {
        paths.Add(path);
    }
    ReleaseSharedReferences(registry, paths);

    EXPECT_EQ(SharedDllRefCount(registry, "C:\\Shared\\three.dll"), 2);
    EXPECT_EQ(SharedDllRefCount(registry, "C:\\Shared\\one.dll"), -1);
    EXPECT_FALSE(test::ValuePresent(HKEY_LOCAL_MACHINE, kSharedDlls, "C:\\Shared\\one.dll"));
    EXPECT_EQ(SharedDllRefCount(registry, "C:\\Shared\\zero.dll"), 0);
    EXPECT_EQ(SharedDllRefCount(registry, "C:\\Shared\\minus.dll"), -2);
    EXPECT_FALSE(test::ValuePresent(HKEY_LOCAL_MACHINE, kSharedDlls, "C:\\Shared\\missing.dll"));
}

class Unregistration : public ::testing::Test {
protected:
    void SetUp() override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, test::kTestKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, "unreg_ok");
            RegDeleteValueA(key, "unreg_fail");
            RegCloseKey(key);
        }
    }
    bool Ran(const char* name) { return test::ValuePresent(HKEY_CURRENT_USER, test::kTestKey, name); }
    bool Loaded(const char* name) { return GetModuleHandleA(name) != nullptr; }
    Win32Libraries libraries;
};

TEST_F(Unregistration, CallsTheLibrarysEntryAndReportsItsStatus)
{
    EXPECT_TRUE(UnregisterLibrary(libraries, test::BinFolder() + "unreg_ok.dll"));
    EXPECT_TRUE(Ran("unreg_ok"));
    EXPECT_FALSE(Loaded("unreg_ok.dll"));

    EXPECT_FALSE(UnregisterLibrary(libraries, test::BinFolder() + "unreg_fail.dll"));
    EXPECT_TRUE(Ran("unreg_fail"));
    EXPECT_FALSE(Loaded("unreg_fail.dll"));
}

TEST_F(Unregistration, SkipsLibrariesWithoutTheEntryOrThatDoNotLoad)
{
    EXPECT_FALSE(UnregisterLibrary(libraries, test::BinFolder() + "unreg_none.dll"));
    EXPECT_FALSE(Loaded("unreg_none.dll"));
    EXPECT_FALSE(UnregisterLibrary(libraries, test::BinFolder() + "absent.dll"));
    // A file that is no library at all.
    const std::string folder = test::FreshFolder("notalib");
    test::WriteFileBytes(folder + "fake.dll", "not a library");
    EXPECT_FALSE(UnregisterLibrary(libraries, folder + "fake.dll"));
}

}  // namespace
}  // namespace uninst::win32
