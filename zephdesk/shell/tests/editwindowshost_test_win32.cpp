// The page dialogs' host over real page windows in an MDI frame: a page's windows close
// before the page goes and none is left on it, and a program whose only windows show
// that page keeps a window (its main page), so that the program lives on.
#include <windows.h>

#include <memory>

#include "../../editor/tests/canvas_fixture.h"
#include "editor/page/editmdi_win32.h"
#include "editor/page/pageservices.h"
#include "owl/mdiclient.h"
#include "owl/mdiframe.h"
#include "owl/testing/dialog_driver.h"
#include "shell/dialogs/editwindowshost.h"

namespace {

// Page windows that never ask: every close goes through.
class QuietServices : public ed::PageServices {
public:
    void ShowPage(ed::Page*) override {}
    bool AskBlockName(HWND, const std::string&, std::string&) override { return false; }
    void ShowBlockMenu(HWND, ed::VavurOrezo&, std::int32_t, std::int32_t) override {}
    void ShowPageMenu(HWND, std::int32_t, std::int32_t) override {}
    void PrintedPageSize(int, std::int32_t& w, std::int32_t& h) override { w = h = 0; }
    KvMainFrame* MainFrame() override { return nullptr; }
    bool IsFrameClosing() override { return false; }
    bool HasApplication() override { return true; }
    int SaveApplication(ed::Program&) override { return 0; }
    void CloseApplication(ed::Program&) override { ++closedApplications; }
    int AskSaveChanges(HWND, const std::string&) override { return IDNO; }
    int closedApplications = 0;
};

class EditWindowsHostTest : public ed::test::CanvasTest {
protected:
    EditWindowsHostTest()
    {
        client = new TMDIClient;
        frame = new TMDIFrame("pages", TResId(), *client);
        frame->Attr.W = 800;
        frame->Attr.H = 600;
        frame->Create();
        windows = std::make_unique<ed::EditWindows>(*client, services);
        host.onNotify = [this](ed::ProgramObject* object, int kind, int scope) {
            windows->NotifyChildren(object, kind, scope);
        };
        opened = new ed::Program(host, model, &imports, "C:\\APPS\\DEMO.ed", 0);
        openedMain = new ed::Page(opened, "Main", ed::kPageMain, 0);
        opened->AddPage(openedMain);
        superBlock = new ed::Page(opened, "Sub", ed::kPageSuperBlock, 0);
        opened->AddPage(superBlock);
    }
    ~EditWindowsHostTest() override
    {
        host.onNotify = nullptr;
        windows.reset();
        delete frame;
    }

    std::size_t WindowsOf(const ed::Page* page) const
    {
        std::size_t n = 0;
        for (ed::EditMDI* window : windows->Windows()) n += window->GetPage() == page ? 1 : 0;
        return n;
    }

    QuietServices services;
    TMDIClient* client = nullptr;
    TMDIFrame* frame = nullptr;
    std::unique_ptr<ed::EditWindows> windows;
    ed::Program* opened = nullptr;  // deleted by its last page window
    ed::Page* openedMain = nullptr;
    ed::Page* superBlock = nullptr;
};

TEST_F(EditWindowsHostTest, ADeletedPageLeavesNoWindow)
{
    windows->CreateEditWindow(*opened, openedMain);
    windows->CreateEditWindow(*opened, superBlock);
    windows->CreateEditWindow(*opened, superBlock);
    EditWindowsHost pages(*windows, nullptr);
    pages.ClosePageWindows(*opened, superBlock);
    // Off the list at once, before the page is removed.
    EXPECT_EQ(WindowsOf(superBlock), 0u);
    EXPECT_EQ(windows->Windows().size(), 1u);
    opened->RemovePage(superBlock);
    PumpPending();
    ASSERT_EQ(windows->Windows().size(), 1u);
    EXPECT_EQ(windows->Windows().front()->GetPage(), openedMain);
    EXPECT_EQ(opened->PageWindows(), 1);
    EXPECT_EQ(services.closedApplications, 0);
}

TEST_F(EditWindowsHostTest, TheProgramKeepsAWindowWhenOnlyThePagesWindowsShowedIt)
{
    windows->CreateEditWindow(*opened, superBlock);
    EditWindowsHost pages(*windows, nullptr);
    pages.ClosePageWindows(*opened, superBlock);
    ASSERT_EQ(windows->Windows().size(), 1u);
    EXPECT_EQ(windows->Windows().front()->GetPage(), openedMain);
    // The program is alive: its page can be removed and its windows still count.
    opened->RemovePage(superBlock);
    PumpPending();
    EXPECT_EQ(opened->PageWindows(), 1);
    EXPECT_EQ(opened->FindPage("Sub"), nullptr);
    EXPECT_EQ(services.closedApplications, 0);
}

TEST_F(EditWindowsHostTest, ShowingAPageBringsItsWindowOrOpensOne)
{
    windows->CreateEditWindow(*opened, openedMain);
    EditWindowsHost pages(*windows, nullptr);
    pages.ShowPageWindow(*opened, superBlock);
    EXPECT_EQ(WindowsOf(superBlock), 1u);
    pages.ShowPageWindow(*opened, openedMain);
    EXPECT_EQ(windows->Windows().size(), 2u);
    EXPECT_EQ(pages.ActivePage(), openedMain);
}

}  // namespace
