// The library search restriction: which call it makes, since Wine's loader cannot show
// the search order that a planted library would exploit.
#include <gtest/gtest.h>

#include <string>

#include "LibrarySearch.h"

namespace uninst::win32 {
namespace {

std::string calls;
BOOL defaultResult = TRUE;

BOOL WINAPI FakeSetDefaultDllDirectories(DWORD flags)
{
    calls += "default " + std::to_string(flags) + ";";
    return defaultResult;
}

BOOL WINAPI FakeSetDllDirectory(LPCSTR folder)
{
    calls += "folder '" + std::string(folder ? folder : "null") + "';";
    return TRUE;
}

// Only the system folder (LOAD_LIBRARY_SEARCH_SYSTEM32, 2048) where the system can; else
// at least the current folder leaves the search.
TEST(LibrarySearch, KeepsLibrariesToTheSystemFolderWithTheOlderEntryAsFallback)
{
    EXPECT_TRUE(RestrictLibrarySearch({FakeSetDefaultDllDirectories, FakeSetDllDirectory}));
    EXPECT_TRUE(RestrictLibrarySearch({nullptr, FakeSetDllDirectory}));
    defaultResult = FALSE;
    EXPECT_TRUE(RestrictLibrarySearch({FakeSetDefaultDllDirectories, FakeSetDllDirectory}));
    EXPECT_FALSE(RestrictLibrarySearch({}));
    EXPECT_EQ(calls, "default 2048;folder '';default 2048;folder '';");
    // Wine, like every system since XP SP1, has SetDllDirectoryA.
    EXPECT_NE(SystemLibrarySearchEntries().setDllDirectory, nullptr);
}

}  // namespace
}  // namespace uninst::win32
