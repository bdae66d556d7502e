#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "log/InsFile.h"
#include "platform/UnexpectedFailure.h"

using namespace uninst;
using namespace uninst::fakes;

namespace {

constexpr const char* kInsLog = "C:\\App\\uninstal.dat";

class InsFileTest : public ::testing::Test {
protected:
    std::unique_ptr<TInsFile> Reader(const std::string& text)
    {
        fakes.files.AddFile(kInsLog, text);
        return std::make_unique<TInsFile>(kInsLog, fakes.files, fakes.system);
    }
    std::vector<std::string> Keys(const TInsFile& reader, const std::string& section)
    {
        StringList keys(fakes.system);
        reader.ReadSectionKeys(section, keys);
        return keys.Items();
    }
    std::vector<std::string> Lines(const TInsFile& reader, const std::string& section)
    {
        StringList lines(fakes.system);
        reader.ReadSectionLines(section, lines);
        return lines.Items();
    }

    FakePlatform fakes;
};

using V = std::vector<std::string>;

}  // namespace

TEST_F(InsFileTest, HeadersMatchWholeLinesIgnoringCase)
{
    auto reader = Reader("[files]\r\nC:\\a=1\r\n [Files]\r\nC:\\b=1\r\n[Folders] \r\nC:\\c=1\r\n");
    // " [Files]" opens nothing: it is a body line without "=", and the body goes on.
    EXPECT_EQ(Keys(*reader, "Files"), (V{"C:\\a", "C:\\b"}));
    EXPECT_EQ(Keys(*reader, "Folders"), V{});
    EXPECT_EQ(reader->ReadValue("Folders", "C:\\c", "none"), "none");
}

TEST_F(InsFileTest, AnyLineStartingWithBracketEndsTheBody)
{
    auto reader = Reader("[Files]\r\nC:\\a=1\r\n\r\n[oops\r\nC:\\b=1\r\n[Files]\r\nC:\\c=1\r\n");
    EXPECT_EQ(Keys(*reader, "Files"), (V{"C:\\a"}));  // empty line skipped; second header never reached
}

TEST_F(InsFileTest, ReadValueMatchesTheKeyExactlyUpToTheEqualsSign)
{
    auto reader = Reader("[Application]\r\nFullName=x\r\nName = y\r\nNAME=z\r\nName=w\r\n");
    EXPECT_EQ(reader->ReadValue("Application", "Name", "dflt"), "z");
    EXPECT_EQ(reader->ReadValue("application", "Name ", "dflt"), " y");
    EXPECT_EQ(reader->ReadValue("Application", "Nam", "dflt"), "dflt");
    EXPECT_EQ(reader->ReadValue("Missing", "Name", "dflt"), "dflt");
}

TEST_F(InsFileTest, ReadValueFoldsOnlyAToZAndKeepsEmptyValues)
{
    auto reader = Reader("[Messages]\r\n\xC9t\xE9=accent\r\nConfirm=\r\nLogMsg=a=b\r\n");
    EXPECT_EQ(reader->ReadValue("Messages", "\xE9t\xE9", "dflt"), "dflt");
    EXPECT_EQ(reader->ReadValue("Messages", "\xC9T\xC9", "dflt"), "dflt");  // T folds, É stays
    EXPECT_EQ(reader->ReadValue("Messages", "\xC9t\xE9", "dflt"), "accent");
    EXPECT_EQ(reader->ReadValue("Messages", "confirm", "dflt"), "");
    EXPECT_EQ(reader->ReadValue("Messages", "LogMsg", "dflt"), "a=b");
}

TEST_F(InsFileTest, KeysAndLinesComeFromTheSameEntriesInOrder)
{
    auto reader = Reader("[Icons]\r\na=C:\\x.lnk\r\nno equals\r\n=C:\\z.lnk\r\n;note=1\r\nA=C:\\y.lnk\r\n");
    EXPECT_EQ(Keys(*reader, "Icons"), (V{"a", "", ";note", "A"}));
    EXPECT_EQ(Lines(*reader, "Icons"), (V{"a=C:\\x.lnk", "=C:\\z.lnk", ";note=1", "A=C:\\y.lnk"}));

    StringList lines(fakes.system);
    reader->ReadSectionLines("Icons", lines);
    EXPECT_EQ(lines.ValueOf("A"), "C:\\x.lnk");  // a repeated name resolves to its first line
}

TEST_F(InsFileTest, LinesEndAtCrLfLoneCrLoneLfAndTheTextAtNul)
{
    auto reader = Reader(std::string("[Files]\rC:\\a=1\nC:\\b=1\r\nC:\\c=1\0[Files]\r\nC:\\d=1", 40));
    EXPECT_EQ(Keys(*reader, "Files"), (V{"C:\\a", "C:\\b", "C:\\c"}));
}

TEST_F(InsFileTest, MissingFileGivesAnEmptyReaderAndUnreadableFileFails)
{
    TInsFile empty("C:\\None\\uninstal.dat", fakes.files, fakes.system);
    EXPECT_TRUE(empty.Lines.Empty());
    EXPECT_EQ(empty.ReadValue("Titles", "Error", "Error"), "Error");

    fakes.files.AddFile(kInsLog, "[Files]\r\n");
    fakes.files.unreadable.insert("c:\\app\\uninstal.dat");
    try {
        TInsFile reader(kInsLog, fakes.files, fakes.system);
        FAIL() << "an unreadable log must not give an empty reader";
    } catch (const UnexpectedFailure& failure) {
        EXPECT_EQ(std::string(failure.what()), std::string("Ne peut ouvrir le fichier ") + kInsLog);
    }
}

TEST_F(InsFileTest, SavesWithCrLfOnlyWhenModified)
{
    Reader("[Files]\nC:\\a=1").reset();
    EXPECT_TRUE(fakes.Entries("write").empty());

    auto reader = Reader("[Files]\nC:\\a=1");
    reader->Lines.Add("C:\\b=1");
    reader->Modified = true;
    reader.reset();
    EXPECT_EQ(fakes.files.ReadAll(kInsLog), "[Files]\r\nC:\\a=1\r\nC:\\b=1\r\n");
}

// Large logs must be read in time proportional to their size: a section search costs
// at most one comparison per line, whatever the lines' lengths.
TEST_F(InsFileTest, LargeLogsCostOneComparisonPerLineAndSearch)
{
    std::string text = "[Files]\r\n" + std::string(1 << 20, 'x') + "=1\r\n";
    for (int i = 0; i < 5000; ++i)
        text += "[S" + std::to_string(i) + "]\r\nk=v\r\n";
    text += "[Messages]\r\nConfirm=Sure?\r\n";
    auto reader = Reader(text);
    ASSERT_EQ(reader->Lines.Count(), 2u + 2 * 5000 + 2);

    fakes.system.compare.calls = 0;
    EXPECT_EQ(reader->ReadValue("Messages", "Confirm", ""), "Sure?");
    EXPECT_LE(fakes.system.compare.calls, static_cast<int>(reader->Lines.Count()));
    EXPECT_EQ(Keys(*reader, "Files").front().size(), std::size_t{1} << 20);
}
