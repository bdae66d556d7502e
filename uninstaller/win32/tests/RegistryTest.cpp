#include <gtest/gtest.h>

#include "TestPaths.h"
// After windows.h, which it needs.
#include <sddl.h>
#include "platform/UnexpectedFailure.h"
#include "Win32Registry.h"

namespace uninst::win32 {
namespace {

using test::kTestKey;

const std::string kValues = std::string(kTestKey) + "\\Values";

TEST(Win32Registry, ReadsStringsAndIntegersAsTheTypesAllow)
{
    test::SetString(HKEY_CURRENT_USER, kValues, "plain", std::string("abc\0", 4));
    test::SetString(HKEY_CURRENT_USER, kValues, "expand", std::string("%TEMP%\\x\0", 9), REG_EXPAND_SZ);
    test::SetString(HKEY_CURRENT_USER, kValues, "twoParts", std::string("ab\0cd\0", 6));
    test::SetString(HKEY_CURRENT_USER, kValues, "empty", "");
    test::SetString(HKEY_CURRENT_USER, kValues, "binary", "\x01\x02", REG_BINARY);
    test::SetDword(HKEY_CURRENT_USER, kValues, "count", static_cast<DWORD>(-5));
    // Around the size of the buffer that one query reads, and far beyond it.
    const std::string fits(1023, 'f'), overflows(1024, 'o'), longValue(5000, 'l');
    test::SetString(HKEY_CURRENT_USER, kValues, "fits", fits + '\0');
    test::SetString(HKEY_CURRENT_USER, kValues, "overflows", overflows + '\0');
    test::SetString(HKEY_CURRENT_USER, kValues, "long", longValue + '\0', REG_EXPAND_SZ);
    test::SetString(HKEY_CURRENT_USER, kValues, "longBinary", std::string(3000, 'b'), REG_BINARY);

    Win32Registry registry;
    EXPECT_EQ(registry.Root(), kCurrentUser);
    ASSERT_TRUE(registry.OpenKey(kValues));
    EXPECT_EQ(registry.ReadString("plain"), "abc");
    EXPECT_EQ(registry.ReadString("expand"), "%TEMP%\\x");  // never expanded
    EXPECT_EQ(registry.ReadString("twoParts"), "ab");
    EXPECT_EQ(registry.ReadString("empty"), "");
    EXPECT_EQ(registry.ReadString("missing"), "");
    EXPECT_EQ(registry.ReadString("fits"), fits);
    EXPECT_EQ(registry.ReadString("overflows"), overflows);
    EXPECT_EQ(registry.ReadString("long"), longValue);
    EXPECT_EQ(registry.ReadInteger("count"), -5);
    EXPECT_TRUE(registry.ValueExists("count"));
    EXPECT_FALSE(registry.ValueExists("missing"));

    EXPECT_THROW(registry.ReadInteger("plain"), UnexpectedFailure);
    EXPECT_THROW(registry.ReadInteger("missing"), UnexpectedFailure);
    EXPECT_THROW(registry.ReadString("count"), UnexpectedFailure);
    EXPECT_THROW(registry.ReadString("binary"), UnexpectedFailure);
    EXPECT_THROW(registry.ReadString("longBinary"), UnexpectedFailure);
}

TEST(Win32Registry, OpensOnlyExistingKeysUnderItsRoot)
{
    ASSERT_TRUE(test::CreateKey(HKEY_LOCAL_MACHINE, "Software\\UninstalTests\\Machine"));
    Win32Registry registry;
    const std::string missing = std::string(kTestKey) + "\\NeverCreated";
    EXPECT_FALSE(registry.OpenKey(missing));
    EXPECT_FALSE(registry.KeyExists(missing));

    EXPECT_FALSE(registry.KeyExists("Software\\UninstalTests\\Machine"));
    registry.SetRoot(kLocalMachine);
    EXPECT_TRUE(registry.KeyExists("Software\\UninstalTests\\Machine"));
    EXPECT_TRUE(registry.OpenKey("Software\\UninstalTests\\Machine"));
    registry.CloseKey();
    EXPECT_FALSE(registry.ValueExists(""));
}

TEST(Win32Registry, WritesAndDeletesIntegerValues)
{
    ASSERT_TRUE(test::CreateKey(HKEY_CURRENT_USER, kValues));
    Win32Registry registry;
    ASSERT_TRUE(registry.OpenKey(kValues));
    registry.WriteInteger("written", 7);
    EXPECT_EQ(registry.ReadInteger("written"), 7);
    EXPECT_TRUE(registry.DeleteValue("written"));
    EXPECT_FALSE(registry.DeleteValue("written"));
    EXPECT_FALSE(test::ValuePresent(HKEY_CURRENT_USER, kValues, "written"));

    registry.CloseKey();
    EXPECT_THROW(registry.WriteInteger("written", 1), UnexpectedFailure);
}

TEST(Win32Registry, DeletesAKeyWithAllItsSubkeys)
{
    const std::string top = std::string(kTestKey) + "\\Tree";
    test::SetDword(HKEY_CURRENT_USER, top + "\\A\\B\\C", "v", 1);
    test::SetDword(HKEY_CURRENT_USER, top + "\\A\\B2", "v", 1);
    test::SetDword(HKEY_CURRENT_USER, top + "\\A\\B3\\D", "v", 1);
    test::SetDword(HKEY_CURRENT_USER, top + "\\Sibling", "v", 1);
    test::SetDword(HKEY_CURRENT_USER, top + "\\Trailing\\X", "v", 1);

    Win32Registry registry;
    EXPECT_TRUE(registry.DeleteKey(top + "\\A"));
    EXPECT_FALSE(registry.KeyExists(top + "\\A"));
    EXPECT_TRUE(registry.KeyExists(top + "\\Sibling"));
    EXPECT_FALSE(registry.DeleteKey(top + "\\A"));  // already gone

    EXPECT_TRUE(registry.DeleteKey(top + "\\Trailing\\"));
    EXPECT_FALSE(registry.KeyExists(top + "\\Trailing"));
}

TEST(Win32Registry, NeverDeletesTheRootItself)
{
    Win32Registry registry;
    EXPECT_FALSE(registry.DeleteKey(""));
    EXPECT_FALSE(registry.DeleteKey("\\"));
    EXPECT_TRUE(registry.KeyExists("Software"));
}

TEST(Win32Registry, FallsBackToReadAccessWhenFullAccessIsRefused)
{
    const std::string path = std::string(kTestKey) + "\\ReadOnly";
    test::SetString(HKEY_CURRENT_USER, path, "name", std::string("kept\0", 5));
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    // Everyone may read; nobody may write.
    ASSERT_TRUE(
        ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1, &descriptor, nullptr));
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, &raw), ERROR_SUCCESS);
    const LONG secured = RegSetKeySecurity(raw, DACL_SECURITY_INFORMATION, descriptor);
    RegCloseKey(raw);
    LocalFree(descriptor);
    ASSERT_EQ(secured, ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &raw), ERROR_ACCESS_DENIED);

    Win32Registry registry;
    ASSERT_TRUE(registry.OpenKey(path));
    EXPECT_EQ(registry.ReadString("name"), "kept");
    EXPECT_THROW(registry.WriteInteger("v", 1), UnexpectedFailure);
    EXPECT_FALSE(registry.DeleteValue("name"));
}

}  // namespace
}  // namespace uninst::win32
