#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "shell/settings/inifile.h"
#include "shell/settings/settingsrules.h"
#ifdef _WIN32
#include "shell/settings/privateprofile.h"
#endif

namespace {

// The same table runs natively on the portable INI file and under Windows on the
// platform's private-profile calls over a real file.
#ifdef _WIN32
using TestProfile = PrivateProfile;
#else
using TestProfile = IniFileProfile;
#endif

// A settings file in the temporary folder, removed afterwards.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = ::testing::TempDir() + "shell_" + info->name() + ".ini";
        std::remove(m_path.c_str());
    }
    void TearDown() override { std::remove(m_path.c_str()); }

    void Write(const std::string& content) {
        std::ofstream out(m_path, std::ios::binary);
        out << content;
    }
    std::string Contents() const {
        std::ifstream in(m_path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::string m_path;
};

int g_toggles = 0;
void CountToggle() { ++g_toggles; }

TEST_F(SettingsTest, MissingFileGivesEveryDefault) {
    TestProfile profile(m_path);
    g_toggles = 0;
    MainSettings main = ReadMainSettings(profile, CountToggle);
    EXPECT_EQ(main.options, 0x4u | 0x8u | 0x1u | 0x10u | 0x20u | 0x100u | 0x200u);
    EXPECT_EQ(main.diagLevel, 4);
    EXPECT_EQ(main.logLevel, 3);
    EXPECT_EQ(main.logInterval, 0);
    EXPECT_EQ(g_toggles, 0);
    PastPrograms past = ReadPastPrograms(profile);
    EXPECT_EQ(past.count, 10);
    EXPECT_EQ(past.names[9], "");
    AutoSaveSetting autoSave = ReadAutoSave(profile);
    EXPECT_TRUE(autoSave.enabled);
    EXPECT_EQ(autoSave.minutes, 10);
    PlacementSetting current{1, 2, 3, 4, 1};
    PlacementSetting placement = ReadPlacement(profile, current);
    EXPECT_EQ(placement.left, 1);
    EXPECT_EQ(placement.bottom, 4);
    EXPECT_EQ(placement.showState, 1);
}

TEST_F(SettingsTest, SwitchesAreOnOnlyForTrueInAnyCase) {
    const struct {
        const char* text;
        bool on;
    } cases[] = {{"TRUE", true}, {"true", true}, {"True", true}, {"yes", false},
                 {"1", false},   {"", false},    {"FALSE", false}, {"TRUE ", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Write(std::string("[Main]\r\nTool Bar=") + c.text + "\r\n");
        TestProfile profile(m_path);
        EXPECT_EQ(ReadSwitch(profile, "Main", "Tool Bar", !c.on), c.on);
    }
}

TEST_F(SettingsTest, OldVariableTypesToggleTheModelOnceAndSetTheirBit) {
    Write("[main]\nOld Variable Types=True\nTool Bar=no\nAuto Name=TRUE\nDiag Level=7\nLog Level=x\n");
    TestProfile profile(m_path);
    g_toggles = 0;
    MainSettings main = ReadMainSettings(profile, CountToggle);
    EXPECT_EQ(g_toggles, 1);
    EXPECT_NE(main.options & kOldVariableTypesBit, 0u);
    EXPECT_EQ(main.options & 0x8u, 0u);
    EXPECT_NE(main.options & 0x400u, 0u);
    EXPECT_EQ(main.diagLevel, 7);
    EXPECT_EQ(main.logLevel, 0);  // present but without digits
}

TEST_F(SettingsTest, PastProgramCountIsClampedToTen) {
    const struct {
        const char* text;
        int count;
    } cases[] = {{"25", 10}, {"-3", 0}, {"4", 4}, {"0", 0}, {"10", 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Write(std::string("[Flowsmith Past Programs Opened]\r\nNumber of Past Programs Opened=") + c.text +
              "\r\nLast Opened 2=C:\\apps\\Main.ed\r\n");
        TestProfile profile(m_path);
        PastPrograms past = ReadPastPrograms(profile);
        EXPECT_EQ(past.count, c.count);
        EXPECT_EQ(past.names[1], "C:\\apps\\Main.ed");
    }
}

TEST_F(SettingsTest, FontSectionAppliesOnlyWithATypeface) {
    FontSetting builtIn{"Arial", -11, 400, 0};
    {
        Write("[Edit]\r\nFont Typeface=\r\nFont Size=20\r\nFont Weight=700\r\n");
        TestProfile profile(m_path);
        FontSetting font = builtIn;
        EXPECT_FALSE(ReadFontSection(profile, "Edit", font));
        EXPECT_EQ(font.face, "Arial");
        EXPECT_EQ(font.height, -11);
        EXPECT_EQ(font.weight, 400);
    }
    {
        // The size is passed on unchanged; missing keys keep the table's values.
        Write("[Palette]\r\nFont Typeface=Courier New\r\nFont Size=12\r\nFont Italic=1\r\n");
        TestProfile profile(m_path);
        FontSetting font = builtIn;
        EXPECT_TRUE(ReadFontSection(profile, "Palette", font));
        EXPECT_EQ(font.face, "Courier New");
        EXPECT_EQ(font.height, 12);
        EXPECT_EQ(font.weight, 400);
        EXPECT_EQ(font.italic, 1);
    }
}

TEST_F(SettingsTest, PlacementIsWrittenOnlyWithAShowState) {
    TestProfile profile(m_path);
    WritePlacement(profile, PlacementSetting{10, 20, 30, 40, 0});
    EXPECT_EQ(Contents(), "");
    WritePlacement(profile, PlacementSetting{10, 20, 30, 40, 2});
    WriteZoomLevel(profile, 150);
    PlacementSetting read = ReadPlacement(profile, PlacementSetting{});
    EXPECT_EQ(read.left, 10);
    EXPECT_EQ(read.top, 20);
    EXPECT_EQ(read.right, 30);
    EXPECT_EQ(read.bottom, 40);
    EXPECT_EQ(read.showState, 2);
    EXPECT_EQ(profile.ReadNumber("Main", "Zoom Level", 0), 150);
}

TEST_F(SettingsTest, UserTypesExampleIsWrittenOnceAndAnEditedSectionIsKept) {
    {
        TestProfile profile(m_path);
        WriteUserTypesExample(profile);
        EXPECT_EQ(profile.ReadText(kUserTypesSection, "User Defined Name 1", "", 128), "Example");
        EXPECT_EQ(profile.ReadText(kUserTypesSection, "User Defined Language Table 1", "", 128), "12");
    }
    Write("[User Defined Multimedia Sentence Types]\r\nNumber of User Defined Types=1\r\n"
          "User Defined Media 1=Fax\r\nUser Defined Name 1=Mine\r\n");
    const std::string edited = Contents();
    TestProfile profile(m_path);
    WriteUserTypesExample(profile);
    EXPECT_EQ(Contents(), edited);
}

TEST_F(SettingsTest, ShutDownWritesTheGoldenFile) {
    TestProfile profile(m_path);
    MainSettings main;
    main.options = 0x4 | 0x8 | 0x80 | 0x400;
    main.diagLevel = 5;
    WriteMainSettings(profile, main);
    const FontSetting fonts[] = {{"Arial", -11, 400, 0}, {"Arial", -11, 700, 0}, {"Times New Roman", -15, 400, 1}};
    for (std::size_t i = 0; i < kFontSections.size(); ++i) WriteFontSection(profile, kFontSections[i].section, fonts[i]);
    WriteUserTypesExample(profile);

    std::ifstream golden(std::string(ZEPH_TEST_DATA_DIR) + "/shutdown.ini", std::ios::binary);
    ASSERT_TRUE(golden.good());
    std::ostringstream expected;
    expected << golden.rdbuf();
    EXPECT_EQ(Contents(), expected.str());

    // What was written reads back as it was.
    TestProfile again(m_path);
    MainSettings read = ReadMainSettings(again, nullptr);
    EXPECT_EQ(read.options, main.options);
    EXPECT_EQ(read.diagLevel, 5);
    FontSetting font{"x", 0, 0, 0};
    ASSERT_TRUE(ReadFontSection(again, "TextNote", font));
    EXPECT_EQ(font.face, "Times New Roman");
    EXPECT_EQ(font.height, -15);
    EXPECT_EQ(font.italic, 1);
}

TEST(ProfileNumberTest, ReadsLeadingDigitsLikeThePlatform) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {{"42", 42}, {"  7", 7}, {"-3", -3}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"+5", 5}};
    for (const auto& c : cases) EXPECT_EQ(ProfileNumber(c.text), c.value) << c.text;
}

}  // namespace
