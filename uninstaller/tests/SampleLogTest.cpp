#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "FakePlatform.h"
#include "log/InsFile.h"

using namespace uninst;
using namespace uninst::fakes;

namespace {

// The commented sample log shipped beside uninstal.exe for installer writers.
class SampleLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ifstream in(UNINST_SAMPLE_LOG, std::ios::binary);
        ASSERT_TRUE(in) << UNINST_SAMPLE_LOG;
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        fakes.files.AddFile(kLog, bytes);
        reader = std::make_unique<TInsFile>(kLog, fakes.files, fakes.system);
    }
    std::vector<std::string> Keys(const std::string& section)
    {
        StringList keys(fakes.system);
        reader->ReadSectionKeys(section, keys);
        return keys.Items();
    }
    std::string ValueByName(const std::string& section, const std::string& name)
    {
        StringList lines(fakes.system);
        reader->ReadSectionLines(section, lines);
        return lines.ValueOf(name);
    }

    static constexpr const char* kLog = "C:\\Program Files\\Exemple\\uninstal.dat";
    std::string bytes;
    FakePlatform fakes;
    std::unique_ptr<TInsFile> reader;
};

using V = std::vector<std::string>;

}  // namespace

TEST_F(SampleLogTest, IsWindows1252WithCrLfLineEnds)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at byte " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at byte " << i;
        }
    }
    // French accents as single bytes, not UTF-8 sequences.
    EXPECT_NE(bytes.find("D\xE9sinstallation"), std::string::npos);
    EXPECT_EQ(bytes.find("\xC3\xA9"), std::string::npos);
}

TEST_F(SampleLogTest, NamesTheApplicationAndGivesEveryText)
{
    EXPECT_EQ(reader->ReadValue("Application", "Name", ""), "Exemple");
    EXPECT_EQ(reader->ReadValue("Titles", "Uninstall", ""), "D\xE9sinstallation d'Exemple");
    for (const char* key : {"Confirmation", "Uninstall", "Information", "Error"})
        EXPECT_NE(reader->ReadValue("Titles", key, "(absent)"), "(absent)") << key;
    // The commentary lines carry no entry: each section holds exactly its keys.
    EXPECT_EQ(Keys("Titles"), (V{"Confirmation", "Uninstall", "Information", "Error"}));
    EXPECT_EQ(Keys("Messages"), (V{"Confirm", "UnRegActiveX", "RemovingFiles", "RemovingLinks", "UnRegistering",
                                   "UninstallError", "EndUninstall", "LogMsg", "LogFiles", "LogLinks", "LogRegistry"}));
    EXPECT_EQ(reader->ReadValue("Messages", "LogFiles", ""), "* des fichiers de l'application");
}

TEST_F(SampleLogTest, ListsWhatAnInstallationLeft)
{
    const std::string app = "C:\\Program Files\\Exemple";
    const std::string shared = "C:\\Program Files\\Fichiers communs\\Exemple\\outils.dll";
    EXPECT_EQ(Keys("Reg_SharedDLLs"), V{shared});
    EXPECT_EQ(Keys("ActiveX"), V{app + "\\graphe.ocx"});
    EXPECT_EQ(Keys("Files"), (V{app + "\\exemple.exe", app + "\\graphe.ocx",
                                app + "\\Mod\xE8les\\Lettre \xE0 en-t\xEAte.dot", shared}));
    // Parents first: the run removes folders from the end of the list.
    EXPECT_EQ(Keys("Folders"), (V{app, app + "\\Mod\xE8les"}));

    EXPECT_EQ(Keys("Icons"), (V{"Programme", "Bureau"}));
    EXPECT_EQ(ValueByName("Icons", "bureau"), "C:\\WINDOWS\\Desktop\\Exemple.lnk");

    EXPECT_EQ(Keys("Reg_CreateValue"), (V{"Langue", "Demarrage"}));
    EXPECT_EQ(ValueByName("Reg_CreateValue", "Langue"), "HKEY_CURRENT_USER\\Software\\Exemple\\R\xE9glages\\Langue");
    EXPECT_EQ(ValueByName("Reg_CreateValue", "Demarrage"),
              "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Exemple");
    EXPECT_EQ(Keys("Reg_CreateKey"), (V{"Utilisateur", "Document", "Extension"}));
    EXPECT_EQ(ValueByName("Reg_CreateKey", "Document"), "HKEY_CLASSES_ROOT\\Exemple.Document");
}
