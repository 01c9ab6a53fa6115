// The frame's page commands, posted to a frame over real page windows: the page-window
// check, the SuperBlock list that leaves an unchanged program unchanged, New SuperBlock
// asking again after a refused name, Define SuperBlocks deleting a page with its windows,
// and Find opening over the active program.
#include <windows.h>

#include <vector>

#include "dialog_script_win32.h"
#include "framework/kvbeep.h"
#include "owl/module.h"
#include "owl/testing/dialog_driver.h"
#include "pagewindows_fixture.h"
#include "shell/commands/framecommands.h"
#include "shell/commands/pagecommands.h"
#include "shell/dialogs/basedialog.h"
#include "shell/dialogs/findpbdialog.h"

namespace {

// The Find dialog lives as long as the process and keeps the module it was made with.
TModule& ProcessModule()
{
    static TModule module{"shell_tests", ::GetModuleHandleA(nullptr)};
    return module;
}

class FixtureSite : public FrameCommandSite {
public:
    FixtureSite(TMDIFrame& frame, TMDIClient& client, ed::EditWindows& windows)
        : m_frame(frame), m_client(client), m_windows(windows) {}
    TWindow* FrameWindow() override { return &m_frame; }
    HWND ActiveChild() override
    {
        return reinterpret_cast<HWND>(::SendMessageA(m_client.HWindow, WM_MDIGETACTIVE, 0, 0));
    }
    ed::EditWindows* PageWindows() override { return &m_windows; }
    void ShowStatusMessage(UINT stringId, bool transient) override { statuses.emplace_back(stringId, transient); }
    ed::ClipboardProgram* Clipboard() override { return nullptr; }
    void HoldBlocks() override {}
    bool SaveProgram(ed::Program&) override { return false; }

    std::vector<std::pair<UINT, bool>> statuses;

private:
    TMDIFrame& m_frame;
    TMDIClient& m_client;
    ed::EditWindows& m_windows;
};

class PageCommandsTest : public PageWindowsFixture {
protected:
    PageCommandsTest()
    {
        desk::SetDialogModules(&ProcessModule(), nullptr);
        site = std::make_unique<FixtureSite>(*frame, *client, *windows);
        frame->hook = [this](UINT id) { return RunFrameCommand(*site, id); };
        KvSetBeepHook([this](UINT type) { beeps.push_back(type); });
    }
    ~PageCommandsTest() override
    {
        if (desk::TFindPBDialog* find = desk::FindPBDialog(); find != nullptr && find->HWindow != nullptr)
            find->Destroy(IDCANCEL);
        frame->hook = nullptr;
        KvSetBeepHook(nullptr);
        desk::SetDialogModules(nullptr, nullptr);
    }

    // Posts the command as the menu does and answers its dialogs.
    void Post(UINT id, std::vector<DialogScript::Step> steps)
    {
        DialogScript script(std::move(steps));
        ::PostMessageA(frame->HWindow, WM_COMMAND, id, 0);
        PumpUntil([&] { return script.Done() && ::GetLastActivePopup(frame->HWindow) == frame->HWindow; }, 8000);
        PumpPending();
        EXPECT_TRUE(script.Done()) << "steps run: " << script.StepsRun();
    }

    std::unique_ptr<FixtureSite> site;
    std::vector<UINT> beeps;
};

void TypeName(HWND dialog, const char* name)
{
    ::SetDlgItemTextA(dialog, 100, name);
    PostClick(dialog, IDOK);
}

TEST_F(PageCommandsTest, WithoutAPageWindowEachCommandShowsTheStatusTextAndBeeps)
{
    for (UINT id : {kCmViewSuperBlock, kCmDefineSuperBlocks, kCmNewSuperBlock, kCmFindVavurOrezo}) {
        site->statuses.clear();
        beeps.clear();
        Post(id, {});
        EXPECT_EQ(site->statuses, (std::vector<std::pair<UINT, bool>>{{33u, true}})) << id;
        EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONEXCLAMATION}) << id;
    }
    EXPECT_EQ(opened->Pages().size(), 2u);
}

TEST_F(PageCommandsTest, TheSuperBlockListShowsTheChosenPageAndLeavesAnUnchangedProgramUnchanged)
{
    windows->CreateEditWindow(*opened, openedMain);
    opened->ClearModified();
    Post(kCmViewSuperBlock, {{"View SuperBlock", [](HWND d) {
                                  ::SendDlgItemMessageA(d, 100, LB_SELECTSTRING, WPARAM(-1),
                                                        reinterpret_cast<LPARAM>("Sub"));
                                  PostClick(d, IDOK);
                              }}});
    EXPECT_EQ(WindowsOf(superBlock), 1u);
    EXPECT_FALSE(opened->IsModified());
    EXPECT_EQ(windows->CurrentPage(), superBlock);
}

TEST_F(PageCommandsTest, NewSuperBlockAsksAgainUntilANameIsTakenOrCancelled)
{
    windows->CreateEditWindow(*opened, openedMain);
    Post(kCmNewSuperBlock, {{"Add New SuperBlock", [](HWND d) { TypeName(d, "Sub"); }},
                            {"Add New SuperBlock", [](HWND d) { PostClick(d, IDCANCEL); }}});
    EXPECT_EQ(opened->Pages().size(), 2u);

    Post(kCmNewSuperBlock, {{"Add New SuperBlock", [](HWND d) { TypeName(d, "Sub"); }},
                            {"Add New SuperBlock", [](HWND d) { TypeName(d, "Extra"); }}});
    ed::Page* extra = opened->FindPage("Extra");
    ASSERT_NE(extra, nullptr);
    EXPECT_NE(extra->FindVavurOrezo("Begin"), nullptr);
    EXPECT_EQ(WindowsOf(extra), 1u);
}

TEST_F(PageCommandsTest, DefineSuperBlocksDeletesAPageWithItsWindowsAndMarksTheProgram)
{
    windows->CreateEditWindow(*opened, openedMain);
    windows->CreateEditWindow(*opened, superBlock);
    opened->ClearModified();
    presenter.Answer(IDYES);
    Post(kCmDefineSuperBlocks, {{"Define SuperBlocks", [](HWND d) {
                                     HWND list = ::GetDlgItem(d, 100);
                                     ::SendMessageA(list, LB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>("Sub"));
                                     PostClick(d, 103);
                                     PostClick(d, IDOK);
                                 }}});
    EXPECT_EQ(opened->FindPage("Sub"), nullptr);
    ASSERT_EQ(windows->Windows().size(), 1u);
    EXPECT_EQ(windows->Windows().front()->GetPage(), openedMain);
    EXPECT_TRUE(opened->IsModified());
}

TEST_F(PageCommandsTest, FindOpensOverTheActiveProgram)
{
    windows->CreateEditWindow(*opened, openedMain);
    Post(kCmFindVavurOrezo, {});
    desk::TFindPBDialog* find = desk::FindPBDialog();
    ASSERT_NE(find, nullptr);
    ASSERT_NE(find->HWindow, nullptr);
    EXPECT_EQ(find->GetProgram(), opened);
    char caption[128] = "";
    ::GetWindowTextA(find->HWindow, caption, sizeof caption);
    EXPECT_STREQ(caption, "Find VavurOrezo : C:\\APPS\\DEMO.ed");
}

}  // namespace
