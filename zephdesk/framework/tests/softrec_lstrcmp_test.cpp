// The display-list text order agrees with the platform's on the texts the lists hold.
#include <gtest/gtest.h>

#include "framework/softrec/kvlstrcmp.h"

namespace {

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

}  // namespace

TEST(DisplayTextOrderTest, LettersIgnoreCaseAndLowerCaseComesFirstOnATie)
{
    struct Row {
        const char* a;
        const char* b;
        int order;
    };
    const Row rows[] = {
        {"abc", "abd", -1}, {"abc", "ABD", -1}, {"ABC", "abd", -1}, {"abc", "ABC", -1},
        {"ABC", "abc", 1},  {"abc", "abc", 0},  {"", "a", -1},      {"ab", "abc", -1},
        {"Zeta", "alpha", 1}, {"Menu2", "Menu10", 1}, {"No", "No", 0}, {"No", "no", 1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Sign(KvLstrcmp(row.a, row.b)), row.order) << row.a << " vs " << row.b;
        EXPECT_EQ(Sign(KvLstrcmp(row.b, row.a)), -row.order) << row.b << " vs " << row.a;
    }
}
