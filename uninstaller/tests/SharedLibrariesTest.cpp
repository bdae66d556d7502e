#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "phases/SharedLibraries.h"
#include "platform/UnexpectedFailure.h"
#include "text/AnsiText.h"

using namespace uninst;
using namespace uninst::fakes;

namespace {

class SharedLibrariesTest : public ::testing::Test {
protected:
    void Release(const std::vector<std::string>& paths)
    {
        StringList list(fakes.system);
        for (const auto& path : paths)
            list.Add(path);
        ReleaseSharedReferences(fakes.registry, list);
    }
    std::optional<std::int32_t> Count(const std::string& path)
    {
        return fakes.registry.Integer(kLocalMachine, kSharedDlls, path);
    }

    FakePlatform fakes;
};

}  // namespace

TEST_F(SharedLibrariesTest, EmptyListNeverOpensTheKey)
{
    fakes.registry.SetInteger(kLocalMachine, kSharedDlls, "C:\\Sys\\a.dll", 2);
    Release({});
    EXPECT_TRUE(fakes.registry.openedKeys.empty());
}

TEST_F(SharedLibrariesTest, UnopenableKeyReadsAsNoCountAndReleasesNothing)
{
    fakes.registry.SetInteger(kLocalMachine, kSharedDlls, "C:\\Sys\\a.dll", 2);
    fakes.registry.unopenableKeys.insert(LowerAscii(kSharedDlls));
    EXPECT_EQ(SharedDllRefCount(fakes.registry, "C:\\Sys\\a.dll"), -1);
    Release({"C:\\Sys\\a.dll"});
    EXPECT_EQ(Count("C:\\Sys\\a.dll"), 2);
}

TEST_F(SharedLibrariesTest, NonIntegerCountOrFailedWriteIsAnUnexpectedFailure)
{
    fakes.registry.SetString(kLocalMachine, kSharedDlls, "C:\\Sys\\text.dll", "2");
    EXPECT_THROW(SharedDllRefCount(fakes.registry, "C:\\Sys\\text.dll"), UnexpectedFailure);
    EXPECT_THROW(Release({"C:\\Sys\\text.dll"}), UnexpectedFailure);

    // The list is walked from its end: entries after the bad one are already released.
    fakes.registry.SetInteger(kLocalMachine, kSharedDlls, "C:\\Sys\\a.dll", 2);
    fakes.registry.SetInteger(kLocalMachine, kSharedDlls, "C:\\Sys\\b.dll", 3);
    EXPECT_THROW(Release({"C:\\Sys\\a.dll", "C:\\Sys\\text.dll", "C:\\Sys\\b.dll"}), UnexpectedFailure);
    EXPECT_EQ(Count("C:\\Sys\\b.dll"), 2);
    EXPECT_EQ(Count("C:\\Sys\\a.dll"), 2);

    fakes.registry.failWrites = true;
    EXPECT_THROW(Release({"C:\\Sys\\a.dll"}), UnexpectedFailure);
}

TEST_F(SharedLibrariesTest, UnregisterCallsTheEntryAndAlwaysReleasesTheLibrary)
{
    fakes.libraries.libraries["C:\\ok.ocx"] = {true, 0};
    fakes.libraries.libraries["C:\\fails.ocx"] = {true, static_cast<std::int32_t>(0x80004005u)};
    fakes.libraries.libraries["C:\\plain.dll"] = {false, 0};

    EXPECT_TRUE(UnregisterLibrary(fakes.libraries, "C:\\ok.ocx"));
    EXPECT_FALSE(UnregisterLibrary(fakes.libraries, "C:\\fails.ocx"));
    EXPECT_FALSE(UnregisterLibrary(fakes.libraries, "C:\\plain.dll"));
    EXPECT_FALSE(UnregisterLibrary(fakes.libraries, "C:\\absent.ocx"));
    EXPECT_EQ(fakes.libraries.releases, 3);
    EXPECT_EQ(fakes.Entries("unregister").size(), 2u);
}
