// The load and save error dialog as the question of the load and save error reporting:
// each of its answers, the check box that stops further questions, and a missing template.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>

#include "owl/testing/dialog_driver.h"
#include "dialog_fixture.h"
#include "foundation/kvlserr.h"
#include "foundation/kvlsmsg.h"
#include "foundation/kvlsmsgprompt.h"
#include "foundation/kvmsgbox.h"
#include "foundation/kvscrpres.h"
#include "pane/lsmsgids.h"

namespace {

constexpr const char* kMessage = "Save Error.\nContinue?";
constexpr const char* kShownText = "Load and Save Error!!\n\nSave Error.\nContinue?";

// Reports in a folder of its own (the log goes to the current folder) with the dialog as
// the question, its template in the current program's dialog library.
class LoadSaveDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = std::filesystem::current_path();
        m_folder = std::filesystem::temp_directory_path() /
                   ("kvlsmsg_" + std::to_string(::GetCurrentProcessId()));
        std::filesystem::create_directories(m_folder);
        std::filesystem::current_path(m_folder);
        KvSetLoadSaveErrorPrompt(&KvLoadSaveErrorDialogPrompt());
    }
    void TearDown() override
    {
        KvSetLoadSaveErrorPrompt(nullptr);
        std::filesystem::current_path(m_previous);
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    KvScriptedPresenter presenter;
    KvScopedMessagePresenter scope{presenter};
    TestProgramModules modules{&TestProgramModule(), &PaneModule()};
    RecordingHelpEngine help;

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_folder;
};

// What the dialog showed when it came up.
struct Seen {
    std::string text;
    bool boxTicked = true;
};

TEST_F(LoadSaveDialogTest, EachAnswerOfTheDialogReachesTheReport)
{
    const auto tick = [](HWND d) { PostClick(d, IDC_LSMSG_LOGONLY); };
    const auto cont = [](HWND d) { PostClick(d, IDOK); };
    const auto abort = [](HWND d) { PostClick(d, IDCANCEL); };
    const auto helpButton = [](HWND d) { PostClick(d, IDC_LSMSG_HELP); };
    using Action = std::function<void(HWND)>;
    struct Case {
        const char* what;
        std::vector<Action> actions;
        int result;
        short mode;
        size_t helpRequests;
    };
    const Case cases[] = {
        {"Continue", {cont}, 1, 0, 0},
        {"Abort", {abort}, 0, 0, 0},
        {"close box", {PostCloseBox}, 0, 0, 0},
        {"ticked, Continue", {tick, cont}, 1, 1, 0},
        {"ticked, Abort", {tick, abort}, 0, 1, 0},
        {"ticked twice, Continue", {tick, tick, cont}, 1, 0, 0},
        {"ticked, close box", {tick, PostCloseBox}, 0, 1, 0},
        {"Help, then Continue", {helpButton, cont}, 1, 0, 1},
    };
    for (const Case& c : cases) {
        const size_t helpBefore = help.Requests().size();
        Seen seen;
        DialogDriver driver([&](HWND dialog) {
            seen.text = ControlText(dialog, IDC_LSMSG_TEXT);
            seen.boxTicked = ::IsDlgButtonChecked(dialog, IDC_LSMSG_LOGONLY) == BST_CHECKED;
            for (const Action& action : c.actions)
                action(dialog);
        });
        short mode = 2;
        EXPECT_EQ(ReportLoadSaveError(mode, kMessage, 6), c.result) << c.what;
        EXPECT_EQ(mode, c.mode) << c.what;
        EXPECT_TRUE(driver.Ran()) << c.what;
        EXPECT_FALSE(driver.TimedOut()) << c.what;
        EXPECT_EQ(seen.text, kShownText) << c.what;
        EXPECT_FALSE(seen.boxTicked) << c.what;
        EXPECT_EQ(help.Requests().size() - helpBefore, c.helpRequests) << c.what;
    }
    EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(LoadSaveDialogTest, ATickedBoxStopsFurtherQuestionsForTheSameMode)
{
    short mode = 0;
    {
        DialogDriver driver([](HWND dialog) {
            PostClick(dialog, IDC_LSMSG_LOGONLY);
            PostClick(dialog, IDOK);
        });
        EXPECT_EQ(ReportLoadSaveError(mode, kMessage, 6), 1);
        EXPECT_TRUE(driver.Ran());
    }
    ASSERT_EQ(mode, kKvLoadSaveLogAndContinue);
    DialogDriver driver([](HWND dialog) { PostClick(dialog, IDCANCEL); }, 500);
    EXPECT_EQ(ReportLoadSaveError(mode, "Load Error.\nContinue?", 7), 1);
    EXPECT_FALSE(driver.Ran());
}

TEST_F(LoadSaveDialogTest, WithoutItsTemplateTheQuestionStopsAfterTheErrorBox)
{
    TestProgramModules noLibrary(&TestProgramModule(), nullptr);
    DialogDriver driver([](HWND dialog) { PostClick(dialog, IDOK); }, 500);
    short mode = 2;
    EXPECT_EQ(ReportLoadSaveError(mode, kMessage, 6), 0);
    EXPECT_EQ(mode, 0);
    EXPECT_FALSE(driver.Ran());
    ASSERT_EQ(presenter.Boxes().size(), 1u);
    EXPECT_EQ(presenter.Boxes()[0].text, "Unable to load dialog.");
}

TEST_F(LoadSaveDialogTest, TheDialogSetsTheModeToZeroWhenMade)
{
    short mode = 3;
    TLSMsg dialog(nullptr, &mode, kShownText);
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(dialog.GetModule(), &PaneModule());
}

}  // namespace
