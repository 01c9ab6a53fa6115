#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "fault_capture.h"
#include "foundation/kvflthnd.h"
#include "foundation/kvlogpres.h"

namespace {

class FaultHandlerTest : public ::testing::Test {
protected:
    FaultHandlerTest()
    {
        capture.table.Set(kKvProductNameId, "Flowsmith");
        capture.table.Set(8066, "Cannot open %1.");
    }

    int Ask(int severity, int buttons, int def)
    {
        const KvFaultMessage message(8066, "a.ed");
        return capture.handler.Report(256, severity, buttons, def, &message, nullptr, 0, "src.cpp", 1);
    }

    std::uint32_t LastStyle() const { return capture.presenter.Boxes().back().style; }

    FaultCapture capture;
};

TEST_F(FaultHandlerTest, MessageBoxStyleFromSeverityButtonsAndDefault)
{
    struct Case {
        int severity, buttons, def;
        std::uint32_t style;
    };
    const Case cases[] = {
        {0, 0, 0, 0x10},          {1, 0, 1, 0x30},          {2, 0, 0, 0x40},          {3, 3, 0, 0x24},
        {4, 0, 0, 0x40},          {1, 1, 1, 0x31 | 0x100},  {1, 1, 0, 0x31},         {1, 2, 1, 0x35 | 0x100},
        {1, 3, 4, 0x34 | 0x100},  {1, 4, 1, 0x33 | 0x200},  {1, 4, 4, 0x33 | 0x100},  {1, 4, 3, 0x33},
        {1, 5, 6, 0x32 | 0x200},  {1, 5, 2, 0x32 | 0x100},  {1, 5, 1, 0x32},
    };
    for (const auto& c : cases) {
        Ask(c.severity, c.buttons, c.def);
        EXPECT_EQ(LastStyle(), c.style) << c.severity << ' ' << c.buttons << ' ' << c.def;
        EXPECT_EQ(capture.presenter.Boxes().back().owner, KvBoxOwner::ActiveWindow);
    }
    EXPECT_TRUE(capture.Assertions().empty());
}

TEST_F(FaultHandlerTest, AnswersWithPortableButtonCodes)
{
    const std::pair<int, int> answers[] = {
        {kKvIdOk, kKvFaultOk},       {kKvIdCancel, kKvFaultCancel}, {kKvIdAbort, kKvFaultAbort},
        {kKvIdRetry, kKvFaultRetry}, {kKvIdIgnore, kKvFaultIgnore}, {kKvIdYes, kKvFaultYes},
        {kKvIdNo, kKvFaultNo},
    };
    for (const auto& [platform, portable] : answers) {
        capture.presenter.Answer(platform);
        EXPECT_EQ(Ask(1, 4, 0), portable);
    }
    EXPECT_EQ(kKvFaultOk, 0);
    EXPECT_EQ(kKvFaultCancel, 1);
    EXPECT_EQ(kKvFaultRetry, 2);
    EXPECT_EQ(kKvFaultYes, 3);
    EXPECT_EQ(kKvFaultNo, 4);
    EXPECT_EQ(kKvFaultAbort, 5);
    EXPECT_EQ(kKvFaultIgnore, 6);
}

TEST_F(FaultHandlerTest, MessageTextCaptionAndBeep)
{
    capture.handler.SetTitle("Other");
    EXPECT_STREQ(capture.handler.GetTitle(), "Other");
    Ask(1, 0, 0);
    const auto& box = capture.presenter.Boxes().back();
    EXPECT_EQ(box.text, "Cannot open a.ed.");
    EXPECT_EQ(box.caption, "Flowsmith");
    EXPECT_EQ(capture.presenter.Beeps(), 0);
    Ask(0, 0, 0);
    EXPECT_EQ(capture.presenter.Beeps(), 1);

    capture.table.Remove(kKvProductNameId);
    Ask(1, 0, 0);
    EXPECT_EQ(capture.presenter.Boxes().back().caption, "");
}

TEST_F(FaultHandlerTest, LogBoxAlone)
{
    const KvFaultMessage log(8066, "x.ed");
    EXPECT_EQ(capture.handler.Report(256, 1, 0, 0, nullptr, &log, 0, "kvfile.cpp", 77), 0);
    ASSERT_EQ(capture.presenter.Boxes().size(), 1u);
    const auto& box = capture.presenter.Boxes()[0];
    EXPECT_EQ(box.caption, "Output Log Message");
    EXPECT_EQ(box.style, 0x1010u);
    EXPECT_EQ(box.text, "Cause:\t256\nSeverity:\t1\nLog:\tCannot open x.ed.\nAction:\t0\nFile:\tkvfile.cpp\nLine:\t77");
}

TEST_F(FaultHandlerTest, LogBoxCarriesTheMessageBoxAnswer)
{
    const KvFaultMessage message(8066, "m.ed");
    const KvFaultMessage log(8066, "l.ed");
    capture.presenter.Answer(kKvIdNo);
    EXPECT_EQ(capture.handler.Report(256, 3, 3, 0, &message, &log, 0, "f.cpp", 3), kKvFaultNo);
    ASSERT_EQ(capture.presenter.Boxes().size(), 2u);
    EXPECT_NE(capture.presenter.Boxes()[1].text.find("Action:\t4\n"), std::string::npos);
}

TEST_F(FaultHandlerTest, MisuseIsReportedAndFallsBack)
{
    Ask(9, 0, 0);
    EXPECT_EQ(LastStyle(), 0x10u);
    Ask(1, 9, 0);
    EXPECT_EQ(LastStyle(), 0x30u);
    capture.presenter.Answer(42);
    EXPECT_EQ(Ask(1, 0, 0), 0);
    capture.handler.Report(256, 1, 0, 0, nullptr, nullptr, 1, "f.cpp", 1);
    capture.handler.SetParent(nullptr);
    EXPECT_EQ(capture.handler.GetParent(), nullptr);
    EXPECT_EQ(capture.Assertions(), (std::vector<std::string>{"(0)", "(0)", "(0)", "(nOther == 0)", "(hParent != 0)"}));
}

TEST_F(FaultHandlerTest, MessagesFromTheStringTable)
{
    capture.table.Set(9000, "%2 before %1, count %3!d!");
    const KvFaultMessage message(9000, "one", "two", 3);
    EXPECT_EQ(message.GetID(), 9000u);
    EXPECT_STREQ(message.GetText(), "two before one, count 3");
    const KvFaultMessage missing(9001, "x");
    EXPECT_STREQ(missing.GetText(), "");
}

TEST_F(FaultHandlerTest, CurrentHandlerIsOnePerProcess)
{
    EXPECT_EQ(KvGetFaultHandler(), &capture.handler);
    KvFaultHandlerObj other;
    KvSetFaultHandler(&other);
    EXPECT_EQ(KvGetFaultHandler(), &other);
    KvSetFaultHandler(&capture.handler);
    EXPECT_EQ(other.GetParent(), nullptr);
    EXPECT_STREQ(other.GetTitle(), "");
}

TEST_F(FaultHandlerTest, LogStreamSinkWritesErrorLinesAndTakesTheDefault)
{
    std::ostringstream log;
    KvLogStreamPresenter sink(log);
    KvScopedMessagePresenter scope(sink);
    EXPECT_EQ(Ask(1, 4, 1), kKvFaultCancel);
    EXPECT_EQ(Ask(1, 3, 0), kKvFaultYes);
    EXPECT_EQ(log.str(), "ERROR: Cannot open a.ed.\nERROR: Cannot open a.ed.\n");
    EXPECT_TRUE(capture.presenter.Boxes().empty());
}

TEST(MessageBoxDefaults, DefaultButtonOfEachStyle)
{
    EXPECT_EQ(KvDefaultButtonOf(kKvMbOk), kKvIdOk);
    EXPECT_EQ(KvDefaultButtonOf(kKvMbYesNoCancel | kKvMbDefButton3), kKvIdCancel);
    EXPECT_EQ(KvDefaultButtonOf(kKvMbAbortRetryIgnore | kKvMbDefButton2), kKvIdRetry);
    EXPECT_EQ(KvDefaultButtonOf(kKvMbYesNo | kKvMbDefButton3), kKvIdYes);
    EXPECT_EQ(KvDefaultButtonOf(kKvMbRetryCancel), kKvIdRetry);
}

}  // namespace
