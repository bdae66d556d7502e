#include <gtest/gtest.h>

#include "guards/ProtectedKeys.h"

using namespace uninst;

namespace {

// Every place where the registry shows one Software key.
std::vector<std::pair<RootKey, std::string>> SoftwareViews(const std::string& below)
{
    return {{kLocalMachine, "SOFTWARE\\" + below},
            {kLocalMachine, "SOFTWARE\\Wow6432Node\\" + below},
            {kCurrentUser, "Software\\" + below},
            {kUsers, ".DEFAULT\\Software\\" + below},
            {kUsers, "S-1-5-21-1004\\Software\\" + below}};
}

}  // namespace

TEST(ProtectedKeysTest, SharedKeysAndTheWayToThemAreProtectedEverywhereTheyShow)
{
    for (const RootKey root : {kLocalMachine, kCurrentUser, kClassesRoot, kUsers})
        EXPECT_TRUE(IsProtectedKey(root, ""));
    for (const char* key : {"SOFTWARE", "SYSTEM", "HARDWARE", "SAM", "SECURITY", "Anything"})
        EXPECT_TRUE(IsProtectedKey(kLocalMachine, key)) << key;
    for (const char* key : {".DEFAULT", "S-1-5-18", "S-1-5-21-1004_Classes"})
        EXPECT_TRUE(IsProtectedKey(kUsers, key)) << key;
    for (const char* key : {"Software", "Control Panel", "Control Panel\\Desktop", "Environment", "Console",
                            "AppEvents", "Keyboard Layout", "Printers"})
        EXPECT_TRUE(IsProtectedKey(kCurrentUser, key)) << key;
    for (const char* key : {"SYSTEM\\CurrentControlSet", "SYSTEM\\CurrentControlSet\\Services"})
        EXPECT_TRUE(IsProtectedKey(kLocalMachine, key)) << key;

    for (const std::string& below :
         {std::string("Classes"), std::string("Policies"), std::string("Microsoft"), std::string("Microsoft\\Windows"),
          std::string("Microsoft\\Windows\\CurrentVersion"), std::string("Microsoft\\Windows NT"),
          std::string("Wow6432Node"), std::string("Microsoft\\Windows\\CurrentVersion\\Uninstall"),
          std::string("Microsoft\\Windows\\CurrentVersion\\SharedDLLs"),
          std::string("Microsoft\\Windows\\CurrentVersion\\Run"),
          std::string("Microsoft\\Windows\\CurrentVersion\\RunOnce"),
          std::string("Microsoft\\Windows\\CurrentVersion\\App Paths"),
          std::string("Microsoft\\Windows\\CurrentVersion\\Explorer"),
          std::string("Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"), std::string("Classes\\CLSID"),
          std::string("Classes\\Wow6432Node\\Interface")}) {
        for (const auto& [root, path] : SoftwareViews(below))
            EXPECT_TRUE(IsProtectedKey(root, path)) << root << " " << path;
    }
    for (const char* key : {"CLSID", "Interface", "TypeLib", ".exe", "*", "Directory", "Wow6432Node\\CLSID"})
        EXPECT_TRUE(IsProtectedKey(kClassesRoot, key)) << key;
    EXPECT_TRUE(IsProtectedKey(kUsers, "S-1-5-21-1004_Classes\\CLSID"));
}

TEST(ProtectedKeysTest, NamesAreComparedAfterTheRegistrysTidying)
{
    EXPECT_EQ(TidyKeyPath("\\\\SOFTWARE\\\\Microsoft\\Windows\\\\"), "software\\microsoft\\windows");
    for (const char* spelling : {"SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\UNINSTALL",
                                 "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\",
                                 "Software\\\\Microsoft\\Windows\\CurrentVersion\\\\Uninstall\\\\",
                                 "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"}) {
        EXPECT_TRUE(IsProtectedKey(kLocalMachine, spelling)) << spelling;
    }
    EXPECT_TRUE(IsProtectedKey(kCurrentUser, "\\\\"));
    EXPECT_TRUE(IsProtectedKey(kCurrentUser, "software\\"));
}

TEST(ProtectedKeysTest, AnApplicationsOwnKeysBesideSharedOnesAreNot)
{
    for (const std::string& below :
         {std::string("Demo Vendor"), std::string("Demo Vendor\\Demo App"),
          std::string("Microsoft\\Windows\\CurrentVersion\\Uninstall\\Demo App"),
          std::string("Microsoft\\Windows\\CurrentVersion\\App Paths\\demo.exe"),
          std::string("Microsoft\\Windows\\CurrentVersion\\Explorer\\Demo"), std::string("Microsoft\\Demo"),
          std::string("Classes\\DemoApp.Document"), std::string("Classes\\CLSID\\{12345678-1234}")}) {
        for (const auto& [root, path] : SoftwareViews(below))
            EXPECT_FALSE(IsProtectedKey(root, path)) << root << " " << path;
    }
    for (const char* key : {".demofile", "DemoApp.Document", "CLSID\\{12345678-1234}", "Directory\\shell\\Demo"})
        EXPECT_FALSE(IsProtectedKey(kClassesRoot, key)) << key;
    EXPECT_FALSE(IsProtectedKey(kCurrentUser, "Demo App"));
    EXPECT_FALSE(IsProtectedKey(kLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\DemoService"));
}

TEST(ProtectedKeysTest, OnlyOneNonEmptyNameIsASingleKeyName)
{
    EXPECT_TRUE(IsSingleKeyName("Demo App"));
    EXPECT_TRUE(IsSingleKeyName("{GUID}_is1"));
    for (const char* name : {"", "\\", "\\\\", "Demo\\", "\\Demo", "..\\Other", "A\\B"})
        EXPECT_FALSE(IsSingleKeyName(name)) << name;
}

// The values every program reads (the search path, the shell...) stay wherever their keys
// show and however they are spelt; an application's own values beside them do not.
TEST(ProtectedKeysTest, SharedValuesAreProtectedAndTheApplicationsOwnAreNot)
{
    EXPECT_EQ(IsProtectedValue(kCurrentUser, "Environment", "Path"), "HKCU\\Environment\\Path");
    EXPECT_TRUE(IsProtectedValue(kUsers, "S-1-5-21-1004\\\\environment\\", "PATH"));
    EXPECT_TRUE(
        IsProtectedValue(kLocalMachine, "SYSTEM\\ControlSet001\\Control\\Session Manager\\Environment", "PATHEXT"));
    EXPECT_TRUE(
        IsProtectedValue(kLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment", "ComSpec"));
    for (const auto& [root, key] : SoftwareViews("Microsoft\\Windows NT\\CurrentVersion\\Winlogon")) {
        EXPECT_TRUE(IsProtectedValue(root, key, "Shell")) << key;
        EXPECT_TRUE(IsProtectedValue(root, key, "userinit")) << key;
    }

    EXPECT_FALSE(IsProtectedValue(kCurrentUser, "Environment", "APPLI_HOME"));
    EXPECT_FALSE(IsProtectedValue(kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Appli"));
    EXPECT_FALSE(IsProtectedValue(kCurrentUser, "Software\\Appli\\Environment", "Path"));
    EXPECT_FALSE(IsProtectedValue(kLocalMachine, "Environment", "Path"));
}
