#include "shell/dialogs/dialogchecks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DialogChecksTest, BlockNamesAreCutTrimmedAndJoined) {
    struct Case {
        std::string typed, name;
    } cases[] = {
        {"  my block  ", "my_block"},
        {std::string(40, 'a'), std::string(30, 'a')},
        // The cut comes first: blanks that reach past 30 characters are not kept.
        {std::string(28, 'b') + "   c", std::string(28, 'b')},
        {"\ta  b\t", "a__b"},
        {"", ""},
        {"    ", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CleanBlockName(c.typed), c.name) << '"' << c.typed << '"';
}

TEST(DialogChecksTest, ZoomEntries) {
    struct Case {
        const char* entry;
        std::int32_t value;  // 0: refused
    } cases[] = {
        {"35", 35}, {"100%", 100}, {"100", 100}, {"50%", 50}, {"070", 70},
        {"34", 0},  {"101", 0},    {"0", 0},     {"5%0", 0},  {"50%%", 0}, {"%50", 0},
        {"1000%", 0}, {"50a", 0},  {"", 0},      {" 50", 0},  {"-50", 0},
    };
    for (const Case& c : cases) {
        const auto value = ParseZoomEntry(c.entry);
        if (c.value)
            EXPECT_EQ(value, c.value) << c.entry;
        else
            EXPECT_FALSE(value.has_value()) << c.entry;
    }
    EXPECT_STREQ(kInvalidZoomText, "     Invalid Entry  \n    Please try again");
}

TEST(DialogChecksTest, ProgramFileNames) {
    for (const char* bad : {"abc.def", "a/b", "", "a\"b", "a*", "a+b", "a,b", "a:b", "a;b", "a<b", "a=b", "a>b",
                            "a?b", "a\\b", "a|b"})
        EXPECT_FALSE(IsValidProgramFileName(bad)) << bad;
    for (const char* good : {"abcdefgh", "a_b-c", "Sample", "x y"}) EXPECT_TRUE(IsValidProgramFileName(good)) << good;
}

TEST(DialogChecksTest, AboutVersionLineCutsTheValue) {
    EXPECT_EQ(AboutVersionLine("1.2.3"), "Flowsmith for Vantora (Build 1.2.3)");
    EXPECT_EQ(AboutVersionLine(std::string(40, '9')), "Flowsmith for Vantora (Build " + std::string(31, '9') + ")");
}

TEST(DialogChecksTest, SaveListLinesCarryNameTabDescription) {
    const std::string line = SaveListLine("Sample", "Main menu\tdemo");
    EXPECT_EQ(line, "Sample\tMain menu\tdemo");
    EXPECT_EQ(SaveListName(line), "Sample");
    EXPECT_EQ(SaveListName("plain"), "plain");
}

TEST(DialogChecksTest, CentreOverOwnerOrScreen) {
    struct Case {
        const char* what;
        WindowRect window;
        std::optional<WindowRect> owner;
        WindowOrigin at;
    } cases[] = {
        {"over the owner", {0, 0, 200, 100}, WindowRect{100, 50, 700, 450}, {300, 200}},
        // Odd differences round towards zero.
        {"odd difference", {0, 0, 201, 101}, WindowRect{0, 0, 600, 400}, {199, 149}},
        // Bigger than its owner: the negative offset also rounds towards zero.
        {"bigger than the owner", {0, 0, 301, 101}, WindowRect{400, 400, 500, 500}, {300, 400}},
        {"no owner: the screen", {0, 0, 200, 100}, std::nullopt, {412, 334}},
        {"past the left edge", {0, 0, 400, 100}, WindowRect{0, 0, 100, 100}, {312, 334}},
        {"past the bottom edge", {0, 0, 100, 100}, WindowRect{900, 700, 1024, 900}, {462, 334}},
    };
    for (const Case& c : cases) {
        const WindowOrigin at = CentreOver(c.window, c.owner, 1024, 768);
        EXPECT_EQ(at.x, c.at.x) << c.what;
        EXPECT_EQ(at.y, c.at.y) << c.what;
    }
}

}  // namespace
