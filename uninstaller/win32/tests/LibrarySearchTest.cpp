// The library search restriction: which call it makes, since Wine's loader cannot show
// the search order that a planted library would exploit.
#include <gtest/gtest.h>

#include <string>

#include "LibrarySearch.h"

namespace uninst::win32 {
namespace {

DWORD defaultFlags = 0;
int defaultCalls = 0;
std::string folderSet = "not called";
BOOL defaultResult = TRUE;

BOOL WINAPI FakeSetDefaultDllDirectories(DWORD flags)
{
    ++defaultCalls;
    defaultFlags = flags;
    return defaultResult;
}

BOOL WINAPI FakeSetDllDirectory(LPCSTR folder)
{
    folderSet = folder == nullptr ? "null" : folder;
    return TRUE;
}

TEST(LibrarySearch, KeepsLibrariesToTheSystemFolderWithTheOlderEntryAsFallback)
{
    defaultResult = TRUE;
    EXPECT_TRUE(RestrictLibrarySearch({FakeSetDefaultDllDirectories, FakeSetDllDirectory}));
    EXPECT_EQ(defaultCalls, 1);
    EXPECT_EQ(defaultFlags, 0x800u);  // LOAD_LIBRARY_SEARCH_SYSTEM32 alone
    EXPECT_EQ(folderSet, "not called");

    // Where it is missing or refuses, the current folder at least leaves the search.
    EXPECT_TRUE(RestrictLibrarySearch({nullptr, FakeSetDllDirectory}));
    EXPECT_EQ(folderSet, "");
    folderSet = "not called";
    defaultResult = FALSE;
    EXPECT_TRUE(RestrictLibrarySearch({FakeSetDefaultDllDirectories, FakeSetDllDirectory}));
    EXPECT_EQ(folderSet, "");
    EXPECT_FALSE(RestrictLibrarySearch({}));
}

TEST(LibrarySearch, FindsTheEntriesOfThisSystem)
{
    // Wine, like every system since XP SP1, has SetDllDirectoryA.
    EXPECT_NE(SystemLibrarySearchEntries().setDllDirectory, nullptr);
}

}  // namespace
}  // namespace uninst::win32
