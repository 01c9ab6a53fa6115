#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/kvnamedtables.h"

TEST(KvNamedTablesTest, FontHeightsAreLimitedToEightUnits)
{
    struct Case {
        int asked, made;
    };
    const Case cases[] = {{-10, -10}, {-8, -8}, {-5, -8}, {12, -8}, {0, -8}, {-15, -15}};
    for (const Case& c : cases)
        EXPECT_EQ(KvLimitFontHeight(c.asked), c.made) << c.asked;
}

TEST(KvNamedTablesTest, TablesEndAtTheirNullEntryAfterTheListedOnes)
{
    int fonts = 0, brushes = 0, pens = 0;
    while (kKvFontTable[fonts].face != nullptr)
        ++fonts;
    while (kKvBrushTable[brushes].name != nullptr)
        ++brushes;
    while (kKvPenTable[pens].name != nullptr)
        ++pens;
    EXPECT_EQ(fonts, 4);
    EXPECT_EQ(brushes, 23);
    EXPECT_EQ(pens, 8);
    EXPECT_STREQ(kKvFontTable[2].name, "status_line");
    EXPECT_STREQ(kKvFontTable[2].face, "Helv");
    EXPECT_EQ(kKvFontTable[2].weight, 700);
}

TEST(KvNamedTablesTest, EveryNameIsListedOnce)
{
    auto countOf = [](auto table, const char* name) {
        int n = 0;
        for (int i = 0; table[i].name != nullptr; ++i)
            n += std::strcmp(table[i].name, name) == 0;
        return n;
    };
    for (int i = 0; kKvBrushTable[i].name != nullptr; ++i)
        EXPECT_EQ(countOf(kKvBrushTable, kKvBrushTable[i].name), 1) << kKvBrushTable[i].name;
    for (int i = 0; kKvPenTable[i].name != nullptr; ++i)
        EXPECT_EQ(countOf(kKvPenTable, kKvPenTable[i].name), 1) << kKvPenTable[i].name;
}
