#include <gtest/gtest.h>

#include "Cp1252Compare.h"
#include "text/AnsiText.h"
#include "text/StringList.h"

using uninst::StringList;
using uninst::fakes::Cp1252Compare;

namespace {

std::vector<std::string> Loaded(std::string_view text)
{
    Cp1252Compare compare;
    StringList list(compare);
    list.LoadText(text);
    return list.Items();
}

}  // namespace

TEST(StringListTest, LoadSplitsAtEveryLineEndAndStopsAtNul)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(Loaded("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
    // CR LF is one end; LF CR is two; a final line end adds no empty line.
    EXPECT_EQ(Loaded("a\n\rb\r\n"), (V{"a", "", "b"}));
    EXPECT_EQ(Loaded("\r\n\r\n"), (V{"", ""}));
    EXPECT_EQ(Loaded(std::string_view("a\r\nb\0c\r\nd", 10)), (V{"a", "b"}));
    EXPECT_EQ(Loaded(std::string_view("\0abc", 4)), V{});
    EXPECT_EQ(Loaded(""), V{});
}

TEST(StringListTest, SaveEndsEveryLineWithCrLfAndRoundTrips)
{
    Cp1252Compare compare;
    StringList list(compare);
    list.LoadText("x=1\ry\n\nz");
    EXPECT_EQ(list.SaveText(), "x=1\r\ny\r\n\r\nz\r\n");
    StringList again(compare);
    again.LoadText(list.SaveText());
    EXPECT_EQ(again.Items(), list.Items());
}

TEST(StringListTest, SearchesFindTheFirstEntryWhateverItsCase)
{
    Cp1252Compare compare;
    StringList list(compare);
    list.Add("C:\\App\\ONE.DLL");
    list.Add("a=C:\\x.lnk");
    list.Add("A=C:\\y.lnk");
    list.Add("\xC9t\xE9=accent");  // "Été=accent"
    list.Add("c:\\app\\one.dll");

    EXPECT_EQ(list.IndexOf("c:\\APP\\one.dll"), 0);
    EXPECT_EQ(list.IndexOf("C:\\App\\TWO.DLL"), -1);
    EXPECT_EQ(list.ValueOf("A"), "C:\\x.lnk");
    EXPECT_EQ(list.ValueOf("\xE9t\xE9"), "accent");  // the locale folds accented capitals
    EXPECT_EQ(list.ValueOf("missing"), "");
    EXPECT_EQ(list.ValueOf("a=C"), "");  // the name ends at the first "="

    list.Delete(0);
    EXPECT_EQ(list.IndexOf("C:\\APP\\ONE.DLL"), 3);
}

TEST(AnsiTextTest, LowerCasesOnlyAToZ)
{
    EXPECT_EQ(uninst::LowerAscii("ABC xyz \xC9\xC0[]@"), "abc xyz \xC9\xC0[]@");
}

TEST(AnsiTextTest, FolderAndFileNameSplitAtTheLastBackslashOrColon)
{
    EXPECT_EQ(uninst::FolderOf("C:\\Program Files\\App\\uninstal.exe"), "C:\\Program Files\\App\\");
    EXPECT_EQ(uninst::FileNameOf("C:\\Program Files\\App\\uninstal.exe"), "uninstal.exe");
    EXPECT_EQ(uninst::FolderOf("C:x.lnk"), "C:");
    EXPECT_EQ(uninst::FolderOf("x.lnk"), "");
    EXPECT_EQ(uninst::FileNameOf("_KVUIDEL.EXE"), "_KVUIDEL.EXE");
}
