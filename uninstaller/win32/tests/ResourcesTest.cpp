// The program's resources as the system loads them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Win32Dialogs.h"

namespace uninst::win32 {
namespace {

TEST(Resources, HoldTheSectionNameAndBothMissingLogTexts)
{
    Win32Dialogs dialogs;
    EXPECT_EQ(dialogs.LoadText(65425), "Messages");
    EXPECT_EQ(dialogs.LoadText(65455), "Le fichier UNINSTAL.DAT est introuvable. La d\xE9sinstallation est impossible");
    EXPECT_EQ(dialogs.LoadText(65424), "File UNINSTAL.DAT not found. Cannot run UNINSTAL");
    EXPECT_EQ(dialogs.LoadText(12345), "");
}

// The progress bar's common controls must come from the system: the manifest that the
// loader reads names version 6 of them.
TEST(Resources, HoldAManifestNamingCommonControls6)
{
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const char* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string manifest(data, SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos)
        << manifest;
}

// Reads the classic dialog template field by field: words, then UTF-16 strings.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* data) : at_(data) {}
    DWORD Dword()
    {
        DWORD value;
        std::memcpy(&value, at_, 4);
        at_ += 4;
        return value;
    }
    WORD Word()
    {
        WORD value;
        std::memcpy(&value, at_, 2);
        at_ += 2;
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    std::string Text()
    {
        std::string text;
        for (WORD c = Word(); c != 0; c = Word()) {
            text += c < 256 ? static_cast<char>(c) : '?';
        }
        return text;
    }
    void AlignDword(const BYTE* start) { at_ += (4 - (at_ - start) % 4) % 4; }

private:
    const BYTE* at_;
};

TEST(Resources, HoldTheProgressDialogTemplate)
{
    HRSRC found = FindResourceA(nullptr, "DIALOG_1", MAKEINTRESOURCEA(5));  // RT_DIALOG
    ASSERT_NE(found, nullptr);
    const BYTE* start = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    TemplateReader reader(start);

    EXPECT_EQ(reader.Dword(), 0x90C00040u);  // classic template: no 0xFFFF signature
    EXPECT_EQ(reader.Dword(), 0u);
    EXPECT_EQ(reader.Word(), 1);  // one control
    EXPECT_EQ(reader.Short(), 60);
    EXPECT_EQ(reader.Short(), 82);
    EXPECT_EQ(reader.Short(), 185);
    EXPECT_EQ(reader.Short(), 56);
    EXPECT_EQ(reader.Word(), 0);  // no menu
    EXPECT_EQ(reader.Word(), 0);  // default dialog class
    EXPECT_EQ(reader.Text(), "Korvalis");
    EXPECT_EQ(reader.Word(), 8);
    EXPECT_EQ(reader.Text(), "MS Sans Serif");

    reader.AlignDword(start);
    EXPECT_EQ(reader.Dword(), 0x50020001u);
    EXPECT_EQ(reader.Dword(), 0u);
    EXPECT_EQ(reader.Short(), 21);
    EXPECT_EQ(reader.Short(), 9);
    EXPECT_EQ(reader.Short(), 147);
    EXPECT_EQ(reader.Short(), 8);
    EXPECT_EQ(reader.Word(), 102);  // the status line
    EXPECT_EQ(reader.Word(), 0xFFFF);
    EXPECT_EQ(reader.Word(), 0x0082);  // static
    EXPECT_EQ(reader.Text(), "D\xE9marrage de l'installation");
}

}  // namespace
}  // namespace uninst::win32
