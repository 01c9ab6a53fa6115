#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/kvlserr.h"
#include "foundation/kvmsgbox.h"
#include "foundation/kvscrpres.h"

namespace {

// Answers with queued choices and records what it was asked.
class ScriptedPrompt : public KvLoadSaveErrorPrompt {
public:
    struct Choice {
        bool goOn;
        bool doNotAskAgain;
    };
    bool AskContinue(const std::string& text, bool& doNotAskAgain) override
    {
        asked.push_back(text);
        const Choice c = choices.empty() ? Choice{false, false} : choices.front();
        if (!choices.empty())
            choices.erase(choices.begin());
        doNotAskAgain = c.doNotAskAgain;
        return c.goOn;
    }
    std::vector<Choice> choices;
    std::vector<std::string> asked;
};

std::tm FixedTime()
{
    std::tm t{};
    t.tm_year = 124;  // 2024
    t.tm_mon = 5;     // June
    t.tm_mday = 7;
    t.tm_hour = 13;
    t.tm_min = 5;
    t.tm_sec = 9;
    return t;
}

// Runs each test in a folder of its own, with a fixed clock and a scripted prompt.
class LoadSaveErrorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = std::filesystem::current_path();
        m_folder = std::filesystem::temp_directory_path() /
                   ("kvlserr_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        std::filesystem::current_path(m_folder);
        KvSetLoadSaveErrorClock(FixedTime);
        KvSetLoadSaveErrorPrompt(&prompt);
    }
    void TearDown() override
    {
        KvSetLoadSaveErrorPrompt(nullptr);
        KvSetLoadSaveErrorClock(nullptr);
        std::filesystem::current_path(m_previous);
        std::filesystem::remove_all(m_folder);
    }
    // The log as read in text mode (the platform's line ends become "\n").
    std::string Log() const
    {
        std::ifstream in(m_folder / kKvLoadSaveLogName);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    ScriptedPrompt prompt;

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_folder;
};

TEST_F(LoadSaveErrorTest, LogOnlyModesAnswerWithoutAsking)
{
    short mode = kKvLoadSaveLogAndContinue;
    EXPECT_EQ(ReportLoadSaveError(mode, "Load Error.\nContinue?", 15), 1);
    EXPECT_EQ(mode, 1);
    mode = kKvLoadSaveLogAndStop;
    EXPECT_EQ(ReportLoadSaveError(mode, "Save Error.\nContinue?", 6), 0);
    EXPECT_EQ(mode, 3);
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(LoadSaveErrorTest, LogLineHoldsDateTimeCodeAndMessage)
{
    if (KvLoadSaveErrorReportCount() >= 49)
        GTEST_SKIP() << "this process has used up its logged reports";
    short mode = kKvLoadSaveLogAndStop;
    ReportLoadSaveError(mode, "Save Error.\nContinue?", 6);
    ReportLoadSaveError(mode, "big code", 70000);  // logged as a 16-bit number
    const std::string expected = "06/07/24 13:05:09 6 Save Error.\nContinue?\n";
    if (KvLoadSaveErrorReportCount() <= 49)
        EXPECT_EQ(Log(), expected + "06/07/24 13:05:09 4464 big code\n");
    else
        EXPECT_EQ(Log(), expected);
}

TEST_F(LoadSaveErrorTest, LongMessagesAreLoggedWhole)
{
    if (KvLoadSaveErrorReportCount() >= 49)
        GTEST_SKIP() << "this process has used up its logged reports";
    const std::string message(1000, 'm');
    short mode = kKvLoadSaveLogAndContinue;
    ReportLoadSaveError(mode, message.c_str(), 3);
    EXPECT_EQ(Log(), "06/07/24 13:05:09 3 " + message + "\n");
}

TEST_F(LoadSaveErrorTest, OnlyTheFirstFortyNineReportsOfAProcessAreLogged)
{
    const int before = KvLoadSaveErrorReportCount();
    short mode = kKvLoadSaveLogAndContinue;
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(ReportLoadSaveError(mode, "line", i), 1);
    std::istringstream log(Log());
    int lines = 0;
    for (std::string line; std::getline(log, line);)
        ++lines;
    EXPECT_EQ(lines, std::max(0, 49 - before));
    EXPECT_EQ(KvLoadSaveErrorReportCount(), 50);

    // The count does not wrap around after 32767 reports and start logging again.
    for (int i = 0; i < 70000; ++i)
        ReportLoadSaveError(mode, "many", i);
    const std::string logged = Log();
    EXPECT_EQ(std::count(logged.begin(), logged.end(), '\n'), lines);

    // Later reports still obey the mode.
    mode = kKvLoadSaveLogAndStop;
    EXPECT_EQ(ReportLoadSaveError(mode, "late", 1), 0);
    prompt.choices = {{true, false}};
    mode = 2;
    EXPECT_EQ(ReportLoadSaveError(mode, "late", 1), 1);
    EXPECT_EQ(prompt.asked.size(), 1u);
}

TEST_F(LoadSaveErrorTest, OtherModesAskTheUser)
{
    prompt.choices = {{true, false}, {false, false}};
    short mode = 2;
    EXPECT_EQ(ReportLoadSaveError(mode, "Load Error.\nContinue?", 15), 1);
    EXPECT_EQ(mode, 0);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0], "Load and Save Error!!\n\nLoad Error.\nContinue?");

    mode = 0;
    EXPECT_EQ(ReportLoadSaveError(mode, "again", 15), 0);
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(prompt.asked.size(), 2u);
}

TEST_F(LoadSaveErrorTest, NotAskingAgainTurnsTheModeIntoLogOnly)
{
    prompt.choices = {{true, true}};
    short mode = 0;
    EXPECT_EQ(ReportLoadSaveError(mode, "first", 8), 1);
    EXPECT_EQ(mode, kKvLoadSaveLogAndContinue);
    EXPECT_EQ(ReportLoadSaveError(mode, "second", 8), 1);
    EXPECT_EQ(prompt.asked.size(), 1u);
}

TEST_F(LoadSaveErrorTest, WithoutAPromptTheMessageBoxDecides)
{
    KvSetLoadSaveErrorPrompt(nullptr);
    KvScriptedPresenter boxes;
    KvScopedMessagePresenter scope(boxes);
    boxes.Answer(kKvIdOk);
    boxes.Answer(kKvIdCancel);
    short mode = 2;
    EXPECT_EQ(ReportLoadSaveError(mode, "Save Error.\nContinue?", 6), 1);
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(ReportLoadSaveError(mode, "Save Error.\nContinue?", 6), 0);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Load and Save Error!!\n\nSave Error.\nContinue?");
    EXPECT_EQ(boxes.Boxes()[0].caption, "LOAD AND SAVE ERROR");
    EXPECT_EQ(boxes.Boxes()[0].style, static_cast<std::uint32_t>(kKvMbOkCancel | kKvMbIconExclamation));
    EXPECT_EQ(boxes.Boxes()[0].owner, KvBoxOwner::None);
}

TEST_F(LoadSaveErrorTest, AMissingLogFolderDropsTheLineQuietly)
{
    std::filesystem::create_directory(kKvLoadSaveLogName);  // a folder where the file would go
    short mode = kKvLoadSaveLogAndContinue;
    EXPECT_EQ(ReportLoadSaveError(mode, "unlogged", 1), 1);
}

}  // namespace
