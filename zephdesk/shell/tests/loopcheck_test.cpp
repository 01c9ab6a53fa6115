// Program diagnostics over pictures of pages: loops by level, the Menu block, the entry
// blocks, unreachable blocks within and across pages, and both boxes word for word.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/document/loopcheck.h"

namespace {

LoopGoto To(const char* output, const char* end, bool applicable = true)
{
    LoopGoto g;
    g.output = output;
    g.applicable = applicable;
    g.hasEnd = end != nullptr;
    if (end != nullptr)
        g.endName = end;
    return g;
}

LoopBlock Block(const char* name, int exits, std::vector<LoopGoto> gotos, int type = 100)
{
    LoopBlock b;
    b.name = name;
    b.type = type;
    b.exitCount = exits;
    b.gotos = std::move(gotos);
    return b;
}

const std::string kHead = "\nWARNING\tWARNING\tWARNING\tWARNING\tWARNING\n\nSummary:\n";
const std::string kDescription =
    "Description:\nWhen building applications, each output of a block should proceed to a new block.\n"
    "Creating loops in an application can cause serious problems for the system and should be avoided.\n"
    "System problems may include system slow down, high CPU usage or ring-no-answer.\n\nDetails:\n";
const std::string kTail = "\n\nTo disable program diagnostics, select Options->Program Diagnostics->None\n\n";
const std::string kUnreachable =
    "Description:  This analysis has determined that some blocks in your application\n"
    "are unreachable.  This could indicate that a connection to a block has been\n"
    "deleted or that an unused block is present in an application.\n\n"
    "The following blocks are unreachable in this application:\n\n";

// Begin -> Ask (two outputs: Yes loops back, No to Menu); Play loops with its only output
// and nothing else leads to it;
// Half has two exits of which one is applicable, looping; a Menu loops; Lost has no
// incoming line; Continue and Rotary have none either.
std::vector<LoopPage> Program()
{
    LoopPage main = {
        Block("Begin", 1, {To("Next", "Ask")}),
        Block("Ask", 2, {To("Yes", "Ask"), To("No", "Menu")}),
        Block("Play", 1, {To("Done", "Play")}),
        Block("Half", 2, {To("A", "Half"), To("B", "Menu", false)}),
        Block("Menu", 3, {To("1", "Menu")}, kMenuBlockType),
        Block("Lost", 1, {To("Done", nullptr)}),
        Block("Continue", 1, {}),
        Block("Rotary", 1, {To("Out", "Half")}),
    };
    // Ask on the second page is reached only from the first page: unreachable here.
    LoopPage second = {Block("Start2", 1, {To("Go", "Other")}), Block("Other", 1, {To("x", "Start2")}),
                       Block("Ask", 1, {})};
    return {main, second};
}

}  // namespace

TEST(LoopCheckTest, TheLoopBoxListsMajorsThenMinorsWithTheSummary)
{
    const DiagnosticsReport report = AnalyseLoops(Program(), kDiagLow);
    EXPECT_EQ(report.loopText,
              kHead +
                  "2 Major Warnings  (A block has created infinite loop with its only output).\n"
                  "1 Minor Warnings  (A block may have created an infinite loop with one of its outputs).\n\n" +
                  kDescription +
                  "MAJOR Warning: The block 'Play' has created a loop with its only output\n"
                  "MAJOR Warning: The block 'Half' has created a loop with its only output\n"
                  "MINOR Warning: The block 'Ask' has created a loop with output 'Yes'\n" +
                  kTail);
    EXPECT_EQ(report.unreachableText, "");  // Low reports no unreachable blocks
}

TEST(LoopCheckTest, SummariesWithOnlyOneKindOfWarning)
{
    const std::vector<LoopPage> majorOnly = {{Block("Play", 1, {To("Done", "Play")})}};
    EXPECT_EQ(AnalyseLoops(majorOnly, kDiagLow).loopText,
              kHead + "1 Major Warnings  (A block has created infinite loop with its only output).\n\n" + kDescription +
                  "MAJOR Warning: The block 'Play' has created a loop with its only output\n" + kTail);
    const std::vector<LoopPage> minorOnly = {{Block("Ask", 2, {To("Yes", "Ask"), To("No", "x")})}};
    EXPECT_EQ(AnalyseLoops(minorOnly, kDiagLow).loopText,
              kHead +
                  "1 Minor Warnings  (A block may have created an infinite loop with one of its outputs).\n\n" +
                  kDescription + "MINOR Warning: The block 'Ask' has created a loop with output 'Yes'\n" + kTail);
    const std::vector<LoopPage> menuOnly = {{Block("Menu", 1, {To("1", "Menu")}, kMenuBlockType)}};
    EXPECT_EQ(AnalyseLoops(menuOnly, kDiagHigh).loopText, "");
}

TEST(LoopCheckTest, LevelsDecideWhatIsReported)
{
    const std::string unreachable = kUnreachable + "Play\nLost\nAsk\n";
    struct Case {
        int level;
        bool loops;
        bool unreachable;
    };
    const Case cases[] = {
        {kDiagNone, false, false},
        {kDiagLow, true, false},
        {kDiagMedium, true, true},
        {kDiagHigh, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        const DiagnosticsReport report = AnalyseLoops(Program(), c.level);
        EXPECT_EQ(!report.loopText.empty(), c.loops);
        EXPECT_EQ(report.unreachableText, c.unreachable ? unreachable : "");
    }
}

TEST(LoopCheckTest, TheBoxesShowLoopsFirstAndOnlyForAReportedText)
{
    const DiagnosticsReport both{"loops", "unreachable"};
    const std::vector<KvMessageBoxRequest> boxes = DiagnosticsBoxes(both);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_STREQ(boxes[0].caption, kLoopBoxCaption);
    EXPECT_STREQ(boxes[0].text, "loops");
    EXPECT_EQ(boxes[0].style, kKvMbOk | kKvMbIconExclamation);
    EXPECT_STREQ(boxes[1].caption, kUnreachableBoxCaption);
    EXPECT_STREQ(boxes[1].text, "unreachable");
    EXPECT_EQ(boxes[1].style, kKvMbOk);
    for (const KvMessageBoxRequest& box : boxes)
        EXPECT_EQ(box.owner, KvBoxOwner::ActiveWindow);
    EXPECT_EQ(DiagnosticsBoxes(DiagnosticsReport{"", "unreachable"}).size(), 1u);
    EXPECT_TRUE(DiagnosticsBoxes(DiagnosticsReport{}).empty());
}
