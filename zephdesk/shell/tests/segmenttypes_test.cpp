// Segment type texts and the sentences of a user function.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/records/segmenttypes.h"

TEST(SegmentTypesTest, CodesGiveTheirTextsAndGapsGiveNone)
{
    const std::pair<int, const char*> cases[] = {
        {0, "Recording"}, {2, "Decimal Number"}, {6, "Number, 4 Decimals"}, {10, "Integer, 0=No"},
        {16, "Time"},     {32, "Full Path"},     {35, "Text Comment to Speech"},
        {1, nullptr},     {17, nullptr},         {31, nullptr}, {36, nullptr}, {-1, nullptr},
    };
    for (auto [code, text] : cases) {
        SCOPED_TRACE(code);
        if (text == nullptr)
            EXPECT_EQ(KvSegmentTypeText(code), nullptr);
        else
            EXPECT_STREQ(KvSegmentTypeText(code), text);
    }
}

TEST(SegmentTypesTest, TheMainFunctionListsTheSentencesWithoutADollar)
{
    const std::vector<std::string> symbols = {"Greeting", "Orders$Menu", "Bye", "Orders$A$B", "$Odd", "Main$X"};
    EXPECT_EQ(KvSentencesOfPage("Main", symbols), (std::vector<std::string>{"Greeting", "Bye", "Main$X"}));
    EXPECT_EQ(KvSentencesOfPage("Orders", symbols), (std::vector<std::string>{"Orders$Menu", "Orders$A$B"}));
    EXPECT_EQ(KvSentencesOfPage("", symbols), std::vector<std::string>{"$Odd"});
}
