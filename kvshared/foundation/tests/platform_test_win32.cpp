// The Windows implementations of the platform services.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "foundation/kvreg.h"
#include "foundation/kvstrtab.h"

namespace {

constexpr const char* kTestKey = "SOFTWARE\\ZephFoundationTests";

class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override
    {
        RegCloseKey(m_key);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kTestKey);
    }

    void SetText(const char* name, const std::string& text)
    {
        RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    }

    HKEY m_key = nullptr;
};

TEST_F(Win32RegistryTest, ReadsTextValuesOfTheLocalMachine)
{
    SetText("ProgDir", "C:\\Flowsmith\\Programs\\");
    const std::string longText(1000, 'L');
    SetText("Long", longText);
    const DWORD number = 5;
    RegSetValueExA(m_key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));

    KvRegistry& registry = KvPlatformRegistry();
    std::string value;
    EXPECT_TRUE(registry.ReadText(kTestKey, "ProgDir", value));
    EXPECT_EQ(value, "C:\\Flowsmith\\Programs\\");
    EXPECT_TRUE(registry.ReadText(kTestKey, "progdir", value));
    EXPECT_TRUE(registry.ReadText(kTestKey, "Long", value));
    EXPECT_EQ(value, longText);
    EXPECT_FALSE(registry.ReadText(kTestKey, "Number", value));
    EXPECT_FALSE(registry.ReadText(kTestKey, "Missing", value));
    EXPECT_FALSE(registry.ReadText("SOFTWARE\\ZephFoundationTests\\Missing", "ProgDir", value));
}

TEST(Win32StringTable, MissingTextsLoadEmpty)
{
    char buf[8] = "xxxxxxx";
    EXPECT_EQ(KvPlatformStringTable().Load(60001, buf, sizeof(buf)), 0);
    EXPECT_STREQ(buf, "");
}

}  // namespace
