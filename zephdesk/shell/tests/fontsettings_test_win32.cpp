#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "framework/kvnamed.h"
#include "framework/kvnamedtables.h"
#include "shell/settings/fontsettings.h"
#include "shell/settings/privateprofile.h"

namespace {

TEST(FontSettingsTest, SectionsWithATypefaceReplaceTheirFontAndAllAreWrittenBack) {
    const std::string path = ::testing::TempDir() + "shell_fonts.ini";
    std::remove(path.c_str());
    {
        std::ofstream out(path, std::ios::binary);
        out << "[Edit]\r\nFont Typeface=\r\nFont Size=20\r\n"
               "[Palette]\r\nFont Typeface=Courier New\r\nFont Size=12\r\nFont Weight=700\r\nFont Italic=1\r\n";
    }
    PrivateProfile profile(path);
    Fonts fonts(kKvFontTable);
    ApplyFontSettings(profile, fonts);

    const FontObject* label = fonts.Find("vavurorezo_label");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetHeight(), -11);  // an empty typeface leaves the built-in font
    const FontObject* icon = fonts.Find("icon_label");
    ASSERT_NE(icon, nullptr);
    EXPECT_STREQ(icon->GetFace(), "Courier New");
    EXPECT_EQ(icon->GetHeight(), -8);  // a positive size gives the smallest font
    EXPECT_EQ(icon->GetWeight(), 700);
    EXPECT_EQ(icon->IsItalic(), 1);

    WriteFontSettings(profile, fonts);
    EXPECT_EQ(profile.ReadNumber("Palette", "Font Size", 0), -8);
    EXPECT_EQ(profile.ReadNumber("Edit", "Font Size", 0), -11);
    EXPECT_EQ(profile.ReadNumber("TextNote", "Font Size", 0), -15);
    EXPECT_EQ(profile.ReadNumber("TextNote", "Font Weight", 0), 400);
    EXPECT_NE(profile.ReadText("Edit", "Font Typeface", "", 128), "");
    std::remove(path.c_str());
}

}  // namespace
