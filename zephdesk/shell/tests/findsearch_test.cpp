// The Find dialog's portable half: name matching, the history of search texts, the search
// over a real model program and the page dialogs' list lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "findprogram_fixture.h"
#include "shell/dialogs/findmatch.h"
#include "shell/dialogs/pagelines.h"
#include "shell/dialogs/pbsearchinfo.h"

namespace {

struct MatchCase {
    const char* text;
    const char* name;
    bool matches;
};

TEST(FindMatchTest, SearchTextsAgainstNames)
{
    const MatchCase cases[] = {
        {"*", "Anything", true},
        {"*", "Page$Anything", true},
        {"abc*", "ABCdef", true},
        {"abc*", "xabc", false},
        {"abc*", "ab", false},
        {"*abc", "xxABC", true},
        {"*abc", "abcx", false},
        {"*abc", "abcxabc", true},
        {"*abc*", "xAbCx", true},
        {"*abc*", "xabx", false},
        {"abc", "ABC", true},
        {"abc", "abcd", false},
        {"abc", "ab", false},
        // The page part is ignored: the text is compared with the block's own name.
        {"abc", "Sub$abc", true},
        {"Sub*", "Sub$abc", false},
        {"abc*", "Page$abc$def", true},
        // A star inside the rest is a plain character.
        {"a*b*c", "axb*c", true},
        {"a*b*c", "axbyc", false},
        {"a*b*c*", "a-b*c-", true},
        // Only letters fold: other characters must be equal.
        {"a_1*", "A_1x", true},
        {"a-1*", "A_1x", false},
        {"", "", true},
        {"", "x", false},
    };
    for (const MatchCase& c : cases)
        EXPECT_EQ(MatchesSearchText(c.text, c.name), c.matches) << '"' << c.text << "\" against \"" << c.name << '"';
}

TEST(FindHistoryTest, ARepeatIsKeptOnceAndTheOldestDropsAtEleven)
{
    TPBSearchInfo info;
    EXPECT_TRUE(info.AddToHistory("one"));
    EXPECT_FALSE(info.AddToHistory("one"));
    EXPECT_TRUE(info.AddToHistory("ONE"));  // case counts
    EXPECT_EQ(info.historyCount, 2);
    EXPECT_EQ(info.history[0], "ONE");
    EXPECT_EQ(info.history[1], "one");

    TPBSearchInfo full;
    for (int i = 1; i <= 11; ++i)
        full.AddToHistory("text" + std::to_string(i));
    EXPECT_EQ(full.historyCount, 10);
    EXPECT_EQ(full.history[0], "text11");
    EXPECT_EQ(full.history[9], "text2");
    // The dropped text counts as new again.
    EXPECT_TRUE(full.AddToHistory("text1"));
    EXPECT_EQ(full.history[9], "text3");
}

TEST(FindHistoryTest, TheSettingsStartAsAFirstSearch)
{
    const TPBSearchInfo info;
    EXPECT_EQ(info.kind, kFindAllBlocks);
    EXPECT_EQ(info.scope, kFindAllPages);
    EXPECT_EQ(info.typeIndex, -1);
    EXPECT_EQ(info.searchText, "*");
    EXPECT_EQ(info.historyCount, 0);
    EXPECT_EQ(info.pageName, "Main");
}

class FindSearchTest : public FindProgramTest {
protected:
    FindSearchTest()
    {
        check = new ed::Page(program.get(), "Check", ed::kPageVerification, 0);
        program->AddPage(check);
        program->Activate();
    }

    static std::vector<std::string> Sorted(std::vector<std::string> lines)
    {
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    ed::Page* check = nullptr;
};

TEST_F(FindSearchTest, AFirstSearchListsEveryBlockWithItsPage)
{
    const TPBSearchInfo info;
    EXPECT_EQ(Sorted(FindMatchingBlocks(info, false)),
              (std::vector<std::string>{"Other", "Sub$Tail", "Sub$abcSub", "abcMain"}));
}

TEST_F(FindSearchTest, OnePageListsItsBlocksWithoutThePage)
{
    TPBSearchInfo info;
    info.scope = kFindOnePage;
    info.pageName = "Sub";
    info.searchText = "abc*";
    EXPECT_EQ(FindMatchingBlocks(info, true), std::vector<std::string>{"abcSub"});
    // "Main" stands for the blocks without a page in their names.
    info.pageName = "Main";
    EXPECT_EQ(FindMatchingBlocks(info, true), std::vector<std::string>{"abcMain"});
}

TEST_F(FindSearchTest, KindsFilterByTypeAndCompleteness)
{
    TPBSearchInfo info;
    info.kind = kFindOfType;
    info.typeIndex = 404;
    EXPECT_EQ(Sorted(FindMatchingBlocks(info, false)), (std::vector<std::string>{"Other", "Sub$Tail"}));
    info.typeIndex = -1;
    EXPECT_TRUE(FindMatchingBlocks(info, false).empty());

    info.kind = kFindIncomplete;
    std::vector<std::string> incomplete;
    for (const char* name : {"abcMain", "Other", "Sub$abcSub", "Sub$Tail"})
        if (vlxIsPBComplete(vlxFindSymbol(name)) == 0)
            incomplete.push_back(name);
    ASSERT_FALSE(incomplete.empty());
    EXPECT_EQ(Sorted(FindMatchingBlocks(info, false)), Sorted(incomplete));
}

TEST_F(FindSearchTest, PageNamesComeFromTheModel)
{
    bool full = true;
    const std::vector<std::string> names = FindPageNames(full);
    EXPECT_FALSE(full);
    EXPECT_NE(std::find(names.begin(), names.end(), "Sub"), names.end());
}

TEST_F(FindSearchTest, PageLinesShowTheExportStateOfSuperBlocksOnly)
{
    EXPECT_EQ(PageListLine(*sub), "Sub             \tInternal");
    ASSERT_EQ(vlxSetPageType(program->Handle(), "Sub", 1), 1);
    EXPECT_EQ(PageListLine(*sub), "Sub             \tExport");
    EXPECT_EQ(PageListLine(*check), "Check");

    ed::Page* longName = new ed::Page(program.get(), "ABCDEFGHIJKLMNOPQ", ed::kPageSuperBlock, 0);
    program->AddPage(longName);
    EXPECT_EQ(PageListLine(*longName).substr(0, 17), "ABCDEFGHIJKLMNOP\t");

    EXPECT_EQ(PagesOfType(*program, ed::kPageSuperBlock), (std::vector<ed::Page*>{sub, longName}));
    EXPECT_EQ(PagesOfType(*program, ed::kPageVerification), std::vector<ed::Page*>{check});
}

}  // namespace
