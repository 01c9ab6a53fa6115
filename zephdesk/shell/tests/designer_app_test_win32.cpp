#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "../../editor/tests/canvas_fixture.h"
#include "editor/frame/iconbox.h"
#include "editor/frame/statusline.h"
#include "foundation/kvbasedlghelp.h"
#include "foundation/kvflthnd.h"
#include "foundation/kvscrpres.h"
#include "framework/kvbeep.h"
#include "framework/kvintabw.h"
#include "framework/kvmainfr.h"
#include "framework/shellservices.h"
#include "owl/mdichild.h"
#include "owl/mdiclient.h"
#include "owl/msgbox.h"
#include "owl/splash.h"
#include "owl/testing/window_picture.h"
#include "shell/app/designerentry.h"
#include "shell/app/designerpages.h"
#include "shell/app/modelcalls.h"
#include "shell/app/processexit.h"
#include "shell/app/uiapp.h"
#include "shell/frame/commandtable.h"
#include "shell/frame/framelauncher.h"
#include "shell/frame/uimdiframe.h"
#include "editor/canvas/icons.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/palette/palettemdi_win32.h"
#include "editor/panes/childwindow_win32.h"
#include "editor/panes/mdiclient_win32.h"
#include "editor/palette/tabbedpalettelink.h"
#include "shell/menus/kvmenus.h"
#include "shell/messages/uimsgbox.h"
#include "shell/settings/inifile.h"
#include "shell/workspace/kvwinapp.h"
#include "shell/workspace/login.h"

namespace {

std::vector<std::string> g_log;

void Log(const std::string& event) {
    // Runs of reads or writes of one section count once.
    if (g_log.empty() || g_log.back() != event) g_log.push_back(event);
}

std::ptrdiff_t IndexOf(const std::string& event, std::ptrdiff_t from = 0) {
    auto it = std::find(g_log.begin() + from, g_log.end(), event);
    return it == g_log.end() ? -1 : it - g_log.begin();
}

class RecordingProfile : public SettingsProfile {
public:
    explicit RecordingProfile(const std::string& path) : m_file(path) {}
    std::string ReadText(const char* section, const char* key, const char* fallback, int size) override {
        Log(std::string("read ") + section);
        return m_file.ReadText(section, key, fallback, size);
    }
    std::int32_t ReadNumber(const char* section, const char* key, std::int32_t fallback) override {
        Log(std::string("read ") + section);
        return m_file.ReadNumber(section, key, fallback);
    }
    void WriteText(const char* section, const char* key, const char* value) override {
        Log(std::string("write ") + section);
        m_file.WriteText(section, key, value);
    }

private:
    IniFileProfile m_file;
};

class RecordingLogin : public LoginCalls {
public:
    int InitFlowsmith(const InitArguments&) override {
        Log("login");
        return 0;
    }
    int GetServerVersion(std::int32_t, const std::string&, char* version) override {
        std::strcpy(version, "1.06.04");
        return 0;
    }
    void UpdateVavurorezoDefinitions(const char*) override {}
    int TermFlowsmith() override {
        Log("logoff");
        return 0;
    }
};

class RecordingModel : public DesignerModelCalls {
public:
    const char* ProductName() override { return "Flowsmith"; }
    void ToggleBackTypes() override { Log("toggle back types"); }
    void LoadUserDefIni() override { Log("load user types"); }
    void FreeUserDefIni() override { Log("free user types"); }
    void GetVavurOrezoList(zeph::IconInfoTable& table, int kind, int newServer) override {
        Log("palette " + std::to_string(kind) + " " + std::to_string(newServer));
        const char* titles[] = {"Basic", "Advanced"};
        for (int i = 0; i < 2; ++i) {
            auto* group = new zeph::VlxPaletteGroup;
            group->Title = titles[i];
            group->Key = titles[i];
            group->Description = titles[i];
            group->Bitmap = "";
            group->Entries[0] = ed::test::PaletteType(i == 0 ? "Announcement" : "Menu", i == 0 ? "Play" : "Menu", 393 + i);
            table.Groups[i] = group;
        }
    }
    void SetNotificationMessage(unsigned message) override { Log("notify " + std::to_string(message)); }
    bool AppErrorExists() override { return false; }
};

// Page windows as the frame sees them: the active MDI child is one when pageWindow is set.
class FakePages : public FramePageWindows {
public:
    bool pageWindow = false;
    bool canvas = true;
    std::int32_t zoom = 0;
    bool DescribePage(HWND, bool& hasCanvas, std::int32_t& outZoom) override {
        hasCanvas = canvas;
        outZoom = zoom;
        return pageWindow;
    }
    void EndSelectionMode(HWND) override { ++endedModes; }
    void NotifyChildren(void*, int, int) override {}
    void UpdateChildCaptions() override {}
    bool DescribeSelection(HWND, PageSelectionFacts& facts) override {
        facts = selection;
        return pageWindow && canvas;
    }
    ed::VavurOrezo* FirstSelectedBlock(HWND) override { return block; }
    PageSelectionFacts selection;
    ed::VavurOrezo* block = nullptr;
    int endedModes = 0;
};

// An MDI child that may refuse to close.
class Child : public TMDIChild {
public:
    Child(TMDIClient& client, bool mayClose) : TMDIChild(client, "Page"), m_mayClose(mayClose) {}
    bool CanClose() override { return m_mayClose; }

private:
    bool m_mayClose;
};

class DesignerAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_log.clear();
        m_path = ::testing::TempDir() + "designer_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
        std::remove(m_path.c_str());
        std::snprintf(g_szAppTitle, sizeof g_szAppTitle, "Flowsmith");
        SetMessageBoxResponder([this](HWND, const char* text, const char*, UINT) {
            m_layerBoxes.push_back(text);
            return IDOK;
        });
        KvSetBeepHook([this](UINT type) { m_beeps.push_back(type); });
    }
    void TearDown() override {
        m_app.reset();
        DrainQuit();
        KvSetBeepHook(nullptr);
        SetMessageBoxResponder(nullptr);
        std::remove(m_path.c_str());
    }

    void WriteIni(const char* text) {
        FILE* file = std::fopen(m_path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs(text, file);
        std::fclose(file);
    }
    std::string Ini(const char* section, const char* key) {
        IniFileProfile file(m_path);
        return file.ReadText(section, key, "<none>", 256);
    }

    void Start(const char* commandLine = "") {
        m_profile = std::make_unique<RecordingProfile>(m_path);
        m_app = std::make_unique<UIApp>("Flowsmith", ::GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL,
                                        UIAppCalls{*m_profile, m_login, m_model});
        m_app->InitInstance();
        ASSERT_NE(Frame(), nullptr);
    }
    UIMDIFrame* Frame() const { return m_app ? m_app->GetMDIFrame() : nullptr; }

    // The main window's end posts WM_QUIT, which the next test's loops must not see.
    static void DrainQuit() {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT) ::DispatchMessageA(&msg);
        }
    }

    std::string m_path;
    KvScriptedPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
    std::vector<std::string> m_layerBoxes;
    std::vector<UINT> m_beeps;
    RecordingLogin m_login;
    RecordingModel m_model;
    std::unique_ptr<RecordingProfile> m_profile;
    std::unique_ptr<UIApp> m_app;
};

TEST_F(DesignerAppTest, StartsAndEndsInOrder) {
    Start();
    UIMDIFrame* frame = Frame();
    EXPECT_TRUE(::IsWindowVisible(frame->HWindow));
    EXPECT_STREQ(frame->GetClassName(), "UIFRAME");
    EXPECT_EQ(KvGetFaultHandler(), m_app->GetWorkspace());
    ASSERT_NE(KvGetShellServices(), nullptr);
    EXPECT_EQ(KvGetShellServices()->GetMainFrame(), frame->GetMainFrame());
    EXPECT_NE(m_app->HAccTable, nullptr);
    EXPECT_STREQ(frame->GetPaletteTitle(), "Blocks");
    EXPECT_TRUE(KvWinApp::IsPaletteShown());
    EXPECT_FALSE(KvWinApp::IsFullScreen());
    // The palette shows one tab per group of the main table.
    auto* tabs = dynamic_cast<KvInTabWnd*>(frame->GetMainFrame()->GetInWnd());
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(::SendMessageA(tabs->GetTabCtrl()->m_hWnd, TCM_GETITEMCOUNT, 0, 0), 2);
    // Stand-alone work: the caption is the frame's own title.
    char caption[128] = "";
    ::GetWindowTextA(frame->HWindow, caption, sizeof caption);
    EXPECT_STREQ(caption, "Flowsmith");
    // With the default options both bars show, and their menu items are checked.
    HMENU menu = ::GetMenu(frame->HWindow);
    EXPECT_TRUE(::GetMenuState(menu, kCmToolBar, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(::IsWindowVisible(frame->GetStatusLine()->HWindow));
    SaveWindowPicture(frame->HWindow, "designer_frame");

    ::SendMessageA(frame->HWindow, WM_CLOSE, 0, 0);
    m_app.reset();
    EXPECT_TRUE(m_presenter.Boxes().empty());

    const std::ptrdiff_t settings = IndexOf("read Main");
    const std::ptrdiff_t userTypes = IndexOf("load user types");
    const std::ptrdiff_t login = IndexOf("login");
    const std::ptrdiff_t mainPalette = IndexOf("palette 0 1");
    const std::ptrdiff_t oldPalette = IndexOf("palette 1 0");
    const std::ptrdiff_t notify = IndexOf("notify 2025");
    const std::ptrdiff_t written = IndexOf("write Main", notify);
    const std::ptrdiff_t logoff = IndexOf("logoff");
    const std::ptrdiff_t freed = IndexOf("free user types");
    std::vector<std::ptrdiff_t> order{settings, userTypes, login, mainPalette, oldPalette, notify, written, logoff, freed};
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()) && order.front() >= 0) << ::testing::PrintToString(g_log);
    // The recent programs and the example sentence type are written too.
    EXPECT_EQ(Ini("Flowsmith Past Programs Opened", "Number of Past Programs Opened"), "10");
    EXPECT_EQ(Ini("User Defined Multimedia Sentence Types", "User Defined Name 1"), "Example");
}

TEST_F(DesignerAppTest, SavedPlacementIsAppliedAndMinimisedOpensMaximised) {
    struct Case {
        int winState;
        bool zoomed;
    };
    for (const Case& c : {Case{1, false}, Case{2, true}, Case{3, true}}) {
        SCOPED_TRACE(c.winState);
        WriteIni(("[Main]\r\nleft=40\r\ntop=30\r\nright=840\r\nbottom=630\r\nWinState=" + std::to_string(c.winState) +
                  "\r\n").c_str());
        Start();
        HWND frame = Frame()->HWindow;
        EXPECT_EQ(::IsZoomed(frame) != 0, c.zoomed);
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        ::GetWindowPlacement(frame, &placement);
        EXPECT_EQ(placement.rcNormalPosition.left, 40);
        EXPECT_EQ(placement.rcNormalPosition.bottom, 630);
        m_app.reset();
        DrainQuit();
    }
}

TEST_F(DesignerAppTest, CloseCheckWritesPlacementAndTheActivePagesZoom) {
    struct Case {
        const char* name;
        bool pageWindow;
        bool canvas;
        const char* zoom;      // "Zoom Level" afterwards
        std::size_t boxes;     // message 19
        std::size_t beeps;     // with text 33 on the status line
    };
    const Case cases[] = {
        {"page with canvas", true, true, "150", 0, 0},
        {"page without canvas", true, false, "<none>", 1, 0},
        {"no page window", false, true, "<none>", 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        UIMDIFrame* frame = Frame();
        FakePages pages;
        pages.pageWindow = c.pageWindow;
        pages.canvas = c.canvas;
        pages.zoom = 150;
        frame->SetPageWindows(&pages);
        auto* child = new Child(*frame->GetClientWindow(), true);
        ASSERT_TRUE(child->Create());
        ::MoveWindow(frame->HWindow, 20, 10, 700, 500, TRUE);
        m_presenter.Clear();
        m_beeps.clear();

        EXPECT_TRUE(frame->CanClose());
        EXPECT_EQ(Ini("Main", "Zoom Level"), c.zoom);
        EXPECT_EQ(Ini("Main", "right"), "720");
        EXPECT_EQ(Ini("Main", "WinState"), "1");
        ASSERT_EQ(m_presenter.Boxes().size(), c.boxes);
        if (c.boxes) {
            EXPECT_EQ(m_presenter.Boxes()[0].text, "Edit child window not found in Edit MDI window.");
            EXPECT_EQ(m_presenter.Boxes()[0].caption, "Flowsmith");
        }
        EXPECT_EQ(m_beeps.size(), c.beeps);
        if (c.beeps) {
            EXPECT_EQ(m_beeps[0], UINT(MB_ICONEXCLAMATION));
            EXPECT_STREQ(frame->GetStatusLine()->GetText(),
                         "Select window containing a program before executing this command.");
            EXPECT_EQ(frame->GetStatusLine()->GetLevel(), ed::kStatusTransient);
        }
        frame->SetPageWindows(nullptr);
        m_app.reset();
        DrainQuit();
        std::remove(m_path.c_str());
    }
}

TEST_F(DesignerAppTest, RefusedCloseBringsThePaletteBackWithItsTabs) {
    Start();
    UIMDIFrame* frame = Frame();
    auto* child = new Child(*frame->GetClientWindow(), false);
    ASSERT_TRUE(child->Create());
    KvInnerWnd* before = frame->GetMainFrame()->GetInWnd();
    ASSERT_NE(before, nullptr);

    ::SendMessageA(frame->HWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(::IsWindow(frame->HWindow));
    auto* tabs = dynamic_cast<KvInTabWnd*>(frame->GetMainFrame()->GetInWnd());
    ASSERT_NE(tabs, nullptr);
    EXPECT_TRUE(::IsWindow(tabs->m_hWnd));
    EXPECT_EQ(::SendMessageA(tabs->GetTabCtrl()->m_hWnd, TCM_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(DesignerAppTest, OptionsOffLeaveTheirBarsHiddenAndUnchecked) {
    WriteIni("[Main]\r\nTool Bar=no\r\nStatus Line=false\r\n");
    Start();
    UIMDIFrame* frame = Frame();
    HMENU menu = ::GetMenu(frame->HWindow);
    EXPECT_FALSE(::GetMenuState(menu, kCmToolBar, MF_BYCOMMAND) & MF_CHECKED);
    // The status line's command has no menu item.
    EXPECT_EQ(::GetMenuState(menu, kCmStatusLine, MF_BYCOMMAND), UINT(-1));
    EXPECT_FALSE(::IsWindowVisible(frame->GetIconBox()->HWindow));
    EXPECT_FALSE(::IsWindowVisible(frame->GetStatusLine()->HWindow));
    // The client then fills the frame from the top.
    RECT client{};
    ::GetWindowRect(frame->GetClientWindow()->HWindow, &client);
    POINT topLeft{client.left, client.top};
    ::ScreenToClient(frame->HWindow, &topLeft);
    EXPECT_EQ(topLeft.y, 0);
}

TEST_F(DesignerAppTest, FrameMessagesSelectGroupsClearTheStatusAndSizeForFullScreen) {
    Start();
    UIMDIFrame* frame = Frame();
    HWND window = frame->HWindow;
    EXPECT_EQ(::SendMessageA(window, kFrameMsgAnswerZero, 0, 0), 0);

    // Selecting the second group by its icon selects its tab.
    auto* tabs = dynamic_cast<KvInTabWnd*>(frame->GetMainFrame()->GetInWnd());
    ASSERT_NE(tabs, nullptr);
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    ASSERT_TRUE(::SendMessageA(tabs->GetTabCtrl()->m_hWnd, TCM_GETITEMA, 1, LPARAM(&item)));
    ::SendMessageA(window, kFrameMsgSelectGroup, 0, item.lParam);
    EXPECT_EQ(::SendMessageA(tabs->GetTabCtrl()->m_hWnd, TCM_GETCURSEL, 0, 0), 1);
    // The palette window shows that group's types, and so does the tabbed palette's list.
    ASSERT_NE(frame->GetPaletteWindow(), nullptr);
    const auto* advanced = reinterpret_cast<ed::GroupIcon*>(item.lParam);
    EXPECT_EQ(frame->GetPaletteWindow()->State().Members(), &advanced->Icons());
    EXPECT_EQ(::SendMessageA(tabs->GetListCtrl()->m_hWnd, LVM_GETITEMCOUNT, 0, 0), 1);

    frame->ShowStatusMessage("a hint", false);
    ::SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, 0);
    EXPECT_STREQ(frame->GetStatusLine()->GetText(), "");

    frame->GetMainFrame()->ToggleFullScreen();
    ASSERT_TRUE(frame->GetMainFrame()->IsFullScreen());
    const RECT& full = frame->GetMainFrame()->GetFullScreenRect();
    MINMAXINFO info{};
    ::SendMessageA(window, WM_GETMINMAXINFO, 0, LPARAM(&info));
    EXPECT_EQ(info.ptMaxSize.x, full.right - full.left);
    EXPECT_EQ(info.ptMaxTrackSize.y, full.bottom - full.top);
    frame->GetMainFrame()->ToggleFullScreen();
}

// The palette window lives in the client and fills the tabbed palette; a click on a tab
// reaches it through the frame, and each listed entry names its type for a drop.
TEST_F(DesignerAppTest, APaletteTabClickShowsItsGroupInThePaletteWindowAndTheList) {
    Start();
    UIMDIFrame* frame = Frame();
    ed::PaletteMDI* palette = frame->GetPaletteWindow();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(::GetParent(palette->HWindow), frame->GetClientWindow()->HWindow);
    char title[32] = "";
    ::GetWindowTextA(palette->HWindow, title, sizeof title);
    EXPECT_STREQ(title, "Blocks");
    auto* tabs = dynamic_cast<KvInTabWnd*>(frame->GetMainFrame()->GetInWnd());
    ASSERT_NE(tabs, nullptr);
    HWND control = tabs->GetTabCtrl()->m_hWnd;

    for (int tab : {1, 0}) {
        SCOPED_TRACE(tab);
        RECT r{};
        ::SendMessageA(control, TCM_GETITEMRECT, WPARAM(tab), LPARAM(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageA(control, WM_LBUTTONUP, 0, at);
        ASSERT_EQ(::SendMessageA(control, TCM_GETCURSEL, 0, 0), tab);
        TCITEMA item{};
        item.mask = TCIF_PARAM;
        ASSERT_TRUE(::SendMessageA(control, TCM_GETITEMA, WPARAM(tab), LPARAM(&item)));
        const auto* group = reinterpret_cast<ed::GroupIcon*>(item.lParam);
        EXPECT_EQ(palette->State().Members(), &group->Icons());

        HWND list = tabs->GetListCtrl()->m_hWnd;
        ASSERT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 1);
        LVITEMA entry{};
        entry.mask = LVIF_PARAM | LVIF_TEXT;
        char text[64] = "";
        entry.pszText = text;
        entry.cchTextMax = sizeof text;
        ASSERT_TRUE(::SendMessageA(list, LVM_GETITEMA, 0, LPARAM(&entry)));
        EXPECT_STREQ(text, tab == 0 ? "Play" : "Menu");
        EXPECT_EQ(ed::TabbedPaletteType(std::uint32_t(entry.lParam)), group->Icons()[0]);
    }
}

// The frame's client is the designer's own: a mouse move over it clears the status line,
// and "Reposition all windows" brings a hidden palette window back.
TEST_F(DesignerAppTest, TheClientClearsTheStatusAndBringsThePaletteBack) {
    Start();
    UIMDIFrame* frame = Frame();
    auto* client = dynamic_cast<ed::UIMDIClient*>(frame->GetClientWindow());
    ASSERT_NE(client, nullptr);
    frame->ShowStatusMessage("a hint", false);
    ::SendMessageA(client->HWindow, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_STREQ(frame->GetStatusLine()->GetText(), "");

    ed::PaletteMDI* palette = frame->GetPaletteWindow();
    ASSERT_NE(palette, nullptr);
    ::ShowWindow(palette->HWindow, SW_HIDE);
    ::SendMessageA(client->HWindow, WM_COMMAND, ed::kCmResetWindows, 0);
    EXPECT_TRUE(::IsWindowVisible(palette->HWindow));
    EXPECT_EQ(frame->GetPaletteWindow(), palette);
}

// The page windows and the palette show their messages from the designer's string table.
TEST_F(DesignerAppTest, TheEditorsMessagesComeFromTheDesignersStringTable) {
    const std::pair<UINT, const char*> rows[] = {
        {32, "Unexpected error:  MDI activate message references unknown window."},
        {49, "Out of memory:  unable to create display object."},
        {50, "Edit child window contents are undefined.\n"},
        {52, "Can not move VavurOrezos between pages."},
        {53, "Out of memory:  unable to create new VavurOrezo."},
        {54, "Unsupported dragging operation."},
        {55, "Out of memory:  unable to create scroll bar control."},
        {56, "Out of memory:  unable to create banding object."},
    };
    for (const auto& [id, text] : rows) {
        SCOPED_TRACE(id);
        m_presenter.Clear();
        UIMessageBoxRes(id, nullptr, MB_ICONEXCLAMATION);
        ASSERT_EQ(m_presenter.Boxes().size(), 1u);
        EXPECT_EQ(m_presenter.Boxes()[0].text, text);
        EXPECT_EQ(m_presenter.Boxes()[0].caption, "Flowsmith");
    }
}

TEST_F(DesignerAppTest, HelpOpensTheDesignersFileInItsWindow) {
    struct Call {
        HWND window;
        std::string path;
        UINT command;
        std::uintptr_t data;
    };
    struct RecordingHelp : KvHelpEngine {
        std::vector<Call> calls;
        bool Show(HWND window, const char* path, UINT command, std::uintptr_t data) override {
            calls.push_back({window, path, command, data});
            return true;
        }
    } help;
    KvSetHelpEngine(&help);
    Start();
    KvGetShellServices()->ShowHelp(0);
    KvGetShellServices()->ShowHelp(4160);
    KvSetHelpEngine(nullptr);
    ASSERT_EQ(help.calls.size(), 2u);
    EXPECT_EQ(help.calls[0].path, "C:\\Flowsmith\\Help\\zephdesk.hlp>proc4");
    EXPECT_EQ(help.calls[0].command, UINT(kKvHelpContents));
    EXPECT_EQ(help.calls[1].command, UINT(kKvHelpContext));
    EXPECT_EQ(help.calls[1].data, 4160u);
    EXPECT_EQ(help.calls[1].window, Frame()->HWindow);
}

TEST_F(DesignerAppTest, CommandLineBuildKeepsTheFrameHiddenAndWorksStandAlone) {
    Start("  /build a.ed");
    EXPECT_FALSE(::IsWindowVisible(Frame()->HWindow));
    EXPECT_TRUE(m_app->GetWorkspace()->IsStartedWithoutCommandLine());
    char caption[128] = "";
    ::GetWindowTextA(Frame()->HWindow, caption, sizeof caption);
    EXPECT_STREQ(caption, "Flowsmith");
}

TEST_F(DesignerAppTest, ServerCaptionAfterALogInWithACommandLine) {
    Start("Flowsmith : sys : srv : 0 : host : 0 : x");
    char caption[128] = "";
    ::GetWindowTextA(Frame()->HWindow, caption, sizeof caption);
    EXPECT_STREQ(caption, "Flowsmith - srv (Vantora Server Version 1.06.04)");
}

// Commands that reach the frame's window procedure, as the accelerators send them.
std::vector<std::pair<UINT, UINT>> g_commands;
HWND g_watched = nullptr;
LRESULT CALLBACK WatchCommands(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == g_watched && call->message == WM_COMMAND)
        g_commands.push_back({LOWORD(call->wParam), HIWORD(call->wParam)});
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(DesignerAppTest, EveryAcceleratorGivesItsCommandToTheFrame) {
    // F1 opens the help: into a stand-in, never the platform's help program.
    struct QuietHelp : KvHelpEngine {
        bool Show(HWND, const char*, UINT, std::uintptr_t) override { return true; }
    } help;
    KvSetHelpEngine(&help);
    Start();
    g_watched = Frame()->HWindow;
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &WatchCommands, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    BYTE keys[256] = {};
    // The key of a greyed menu item gives no command: nothing open, Save is greyed.
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG save{Frame()->HWindow, WM_KEYDOWN, 'S', 1, 0, {}};
    m_app->ProcessAppMsg(save);
    EXPECT_TRUE(g_commands.empty());
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    // Every item enabled, as the states of an open application with a selection make them.
    HMENU bar = ::GetMenu(Frame()->HWindow);
    for (const MenuCommand& command : MainMenuCommands()) ::EnableMenuItem(bar, command.id, MF_BYCOMMAND | MF_ENABLED);
    for (const Accelerator& a : FrameAccelerators()) {
        SCOPED_TRACE(a.id);
        g_commands.clear();
        keys[VK_CONTROL] = a.control ? 0x80 : 0;
        ::SetKeyboardState(keys);
        MSG msg{Frame()->HWindow, WM_KEYDOWN, a.key, 1, 0, {}};
        EXPECT_TRUE(m_app->ProcessAppMsg(msg));
        ASSERT_EQ(g_commands.size(), 1u);
        EXPECT_EQ(g_commands[0].first, a.id);
        EXPECT_EQ(g_commands[0].second, 1u);  // from an accelerator
    }
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    // Ctrl+R, which the menu shows for Reroute Line, is no key of the table.
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    g_commands.clear();
    MSG reroute{Frame()->HWindow, WM_KEYDOWN, 'R', 1, 0, {}};
    EXPECT_FALSE(m_app->ProcessAppMsg(reroute));
    EXPECT_TRUE(g_commands.empty());
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    ::UnhookWindowsHookEx(hook);
    KvSetHelpEngine(nullptr);
}


// The user-application document's answers, as the command states ask them.
struct FakeActiveApp : ActiveAppSource {
    bool open = true;
    ActiveAppFacts facts{"No", 0, true};
    bool GetActiveAppFacts(ActiveAppFacts& out) override {
        out = facts;
        return open;
    }
};

struct FakeOpener : RecentProgramOpener {
    int answer = 0;
    std::vector<std::string> opened;
    int OpenApplication(const char* entry) override {
        opened.push_back(entry);
        return answer;
    }
};

std::vector<std::string> PopupTexts(HMENU popup) {
    std::vector<std::string> texts;
    for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
        char text[128] = "";
        ::GetMenuStringA(popup, UINT(i), text, sizeof text, MF_BYPOSITION);
        texts.push_back(::GetMenuItemID(popup, i) == 0 && !text[0] ? "-" : text);
    }
    return texts;
}

using DesignerFrameTest = DesignerAppTest;

TEST_F(DesignerFrameTest, MenuBarShowsTheStatesOfEachPass) {
    Start();
    UIMDIFrame* frame = Frame();
    FakePages pages;
    pages.pageWindow = true;
    pages.selection = {SelectionKind::Block, 1, false};
    frame->SetPageWindows(&pages);
    ASSERT_TRUE((new Child(*frame->GetClientWindow(), true))->Create());
    HMENU bar = ::GetMenu(frame->HWindow);
    auto enabled = [&](UINT id) { return (::GetMenuState(bar, id, MF_BYCOMMAND) & MF_GRAYED) == 0; };
    auto checked = [&](UINT id) { return (::GetMenuState(bar, id, MF_BYCOMMAND) & MF_CHECKED) != 0; };

    // Nothing open: only Palette and Full screen, Palette checked while the palette shows.
    KvWinApp::UpdateCommandStates();
    for (UINT id : MainMenuStateIds()) EXPECT_EQ(enabled(id), id == 4162 || id == 4233) << id;
    EXPECT_TRUE(checked(4162));
    EXPECT_FALSE(checked(4233));

    FakeActiveApp app;
    m_app->SetActiveAppSource(&app);
    KvWinApp::UpdateCommandStates();
    const KvCommandHandler& states = m_app->GetCommandStates();
    for (UINT id : MainMenuStateIds()) {
        EXPECT_EQ(enabled(id), states.IsEnabled(WORD(id))) << id;
        EXPECT_EQ(checked(id), states.IsChecked(WORD(id))) << id;
    }
    EXPECT_TRUE(enabled(4202));   // one block: Block Properties
    EXPECT_FALSE(enabled(4249));  // no note
    EXPECT_TRUE(enabled(4203));   // complete and not exported: Export
    EXPECT_FALSE(enabled(4140));  // nothing held
    // The states freeze between passes.
    pages.selection = {SelectionKind::Note, 1, false};
    EXPECT_TRUE(enabled(4202));
    KvWinApp::UpdateCommandStates();
    EXPECT_FALSE(enabled(4202));
    EXPECT_TRUE(enabled(4249));
    // Commands outside the table are never greyed by a pass.
    EXPECT_TRUE(enabled(4128));
    SaveWindowPicture(frame->HWindow, "designer_states");
    m_app->SetActiveAppSource(nullptr);
    frame->SetPageWindows(nullptr);
}

// A page window's close asks the designer to save: 0 only when the file was written.
TEST_F(DesignerFrameTest, SaveFromAPageWindowAnswersZeroOnlyWhenWritten) {
    Start();
    char started[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof started, started);
    zeph::EnsureLibraryStarted();
    ed::test::RecordingHost host;
    ed::VlxModel model;
    const std::string path = ::testing::TempDir() + "zq34close.ed";
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::remove(path.c_str());
    {
        ed::Program program(host, model, nullptr, path.c_str(), 0);
        program.AddPage(new ed::Page(&program, "Main", ed::kPageMain, 0));
        EXPECT_EQ(m_app->GetPageServices()->SaveApplication(program), 0);
        EXPECT_NE(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        EXPECT_EQ(m_app->GetPageServices()->SaveApplication(program), -1);
        ASSERT_EQ(m_presenter.Boxes().size(), 1u);
        EXPECT_EQ(m_presenter.Boxes()[0].text, "Program is set to read only cannot save over.");
    }
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::remove(path.c_str());
    ::SetCurrentDirectoryA(started);
}

TEST_F(DesignerFrameTest, RecentProgramsLiveAtTheEndOfTheFileMenu) {
    WriteIni("[Flowsmith Past Programs Opened]\r\nNumber of Past Programs Opened=3\r\n"
             "Last Opened 1=Alpha|1|2\r\nLast Opened 2=Beta|3|4\r\n");
    Start();
    UIMDIFrame* frame = Frame();
    HMENU file = frame->FindMenuPopup(kCmFileNew);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file, ::GetSubMenu(::GetMenu(frame->HWindow), 0));
    const std::size_t base = PopupTexts(file).size() - 3;
    auto tail = [&] {
        auto texts = PopupTexts(file);
        return std::vector<std::string>(texts.begin() + std::ptrdiff_t(base), texts.end());
    };
    EXPECT_EQ(tail(), (std::vector<std::string>{"-", "&1 Alpha", "&2 Beta"}));
    frame->AddRecentProgram("Gamma|5|6");
    frame->AddRecentProgram("Delta|7|8");
    EXPECT_EQ(tail(), (std::vector<std::string>{"-", "&1 Delta", "&2 Gamma", "&3 Alpha"}));

    // A failed open drops its entry; a good one goes first.
    FakeOpener opener;
    frame->SetRecentOpener(&opener);
    opener.answer = 1;
    ::SendMessageA(frame->HWindow, WM_COMMAND, kCmOpenRecentBase + 2, 0);
    EXPECT_EQ(tail(), (std::vector<std::string>{"-", "&1 Delta", "&2 Alpha"}));
    opener.answer = 0;
    ::SendMessageA(frame->HWindow, WM_COMMAND, kCmOpenRecentBase + 2, 0);
    EXPECT_EQ(tail(), (std::vector<std::string>{"-", "&1 Alpha", "&2 Delta"}));
    EXPECT_EQ(opener.opened, (std::vector<std::string>{"Gamma|5|6", "Alpha|1|2"}));
    EXPECT_TRUE(frame->RemoveRecentProgram("Alpha|1|2"));
    EXPECT_TRUE(frame->RemoveRecentProgram("Delta|7|8"));
    frame->AddRecentProgram("Omega|1|1");
    EXPECT_EQ(tail(), (std::vector<std::string>{"-", "&1 Omega"}));
    frame->SetRecentOpener(nullptr);
    ::SendMessageA(frame->HWindow, WM_CLOSE, 0, 0);
    m_app.reset();
    EXPECT_EQ(Ini("Flowsmith Past Programs Opened", "Last Opened 1"), "Omega|1|1");
    EXPECT_EQ(Ini("Flowsmith Past Programs Opened", "Number of Past Programs Opened"), "3");
}

// The recent programs on the real File menu: what follows Exit after each change.
TEST_F(DesignerFrameTest, RecentProgramsOnTheFileMenuFollowTheListsRules) {
    std::vector<std::string> ten;
    std::vector<std::string> tenLabels{"-"};
    for (int i = 1; i <= 10; ++i) {
        ten.push_back("+P" + std::to_string(i));
        tenLabels.push_back((i < 10 ? "&" + std::to_string(i) : std::string("1&0")) + " P" + std::to_string(11 - i));
    }
    struct Case {
        const char* what;
        int maximum;
        std::vector<std::string> changes;  // "+entry" adds, "-entry" removes
        std::vector<std::string> tail;
    } cases[] = {
        {"maximum 0", 0, {"+A"}, {}},
        {"fourth at 3", 3, {"+A", "+B", "+C", "+D"}, {"-", "&1 D", "&2 C", "&3 B"}},
        {"first again", 3, {"+A", "+B", "+C", "+C"}, {"-", "&1 C", "&2 B", "&3 A"}},
        {"third again", 3, {"+A", "+B", "+C", "+A"}, {"-", "&1 A", "&2 C", "&3 B"}},
        {"only removed", 3, {"+A", "-A", "+B"}, {"-", "&1 B"}},
        {"case counts", 3, {"+abc", "+ABC"}, {"-", "&1 ABC", "&2 abc"}},
        {"ten", 10, ten, tenLabels},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteIni(("[Flowsmith Past Programs Opened]\r\nNumber of Past Programs Opened=" + std::to_string(c.maximum) +
                  "\r\n").c_str());
        Start();
        UIMDIFrame* frame = Frame();
        for (const std::string& change : c.changes) {
            const std::string entry = change.substr(1) + "|1|1";
            if (change[0] == '+')
                frame->AddRecentProgram(entry.c_str());
            else
                EXPECT_TRUE(frame->RemoveRecentProgram(entry.c_str()));
        }
        const auto texts = PopupTexts(frame->FindMenuPopup(kCmFileNew));
        const auto exit = std::find(texts.begin(), texts.end(), "E&xit");
        ASSERT_NE(exit, texts.end());
        EXPECT_EQ(std::vector<std::string>(exit + 1, texts.end()), c.tail);
        ::SendMessageA(frame->HWindow, WM_CLOSE, 0, 0);
        m_app.reset();
        DrainQuit();
    }
}

TEST_F(DesignerFrameTest, CloseClosesPageWindowsOnly) {
    Start();
    UIMDIFrame* frame = Frame();
    FakePages pages;
    frame->SetPageWindows(&pages);
    auto* child = new Child(*frame->GetClientWindow(), true);
    ASSERT_TRUE(child->Create());
    const HWND window = child->HWindow;
    // Not a page window (the palette, say): Close leaves it.
    ::SendMessageA(frame->HWindow, WM_COMMAND, kCmClose, 0);
    EXPECT_TRUE(::IsWindow(window));
    pages.pageWindow = true;
    ::SendMessageA(frame->HWindow, WM_COMMAND, kCmClose, 0);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(pages.endedModes, 1);
    frame->SetPageWindows(nullptr);
}

TEST_F(DesignerFrameTest, StatusTextsMenuChecksAndPrivateMessages) {
    Start();
    UIMDIFrame* frame = Frame();
    ed::StatusLineChild* line = frame->GetStatusLine();
    frame->ShowStatusMessage(UINT(33), false);
    const std::string shown = line->GetText();
    EXPECT_EQ(shown, "Select window containing a program before executing this command.");
    frame->ShowStatusMessage(UINT(9999), false);
    EXPECT_EQ(std::string(line->GetText()), shown);

    EXPECT_EQ(frame->FindMenuPopup(4999), nullptr);
    EXPECT_FALSE(frame->GetMenuCheck(4999));
    frame->CheckMenuItem(4999, MF_CHECKED);
    frame->CheckMenuItem(kCmToolBar, MF_UNCHECKED);
    EXPECT_FALSE(frame->GetMenuCheck(kCmToolBar));
    frame->CheckMenuItem(kCmToolBar, MF_CHECKED);
    EXPECT_TRUE(frame->GetMenuCheck(kCmToolBar));

    EXPECT_EQ(::SendMessageA(frame->HWindow, kFrameMsgCanvasQuery, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(frame->HWindow, kFrameMsgBlockChanged, 0, 1), 0);
    // Two windows cascaded, then tiled; other values leave them where they are.
    auto* a = new Child(*frame->GetClientWindow(), true);
    auto* b = new Child(*frame->GetClientWindow(), true);
    ASSERT_TRUE(a->Create() && b->Create());
    ::ShowWindow(a->HWindow, SW_SHOWNORMAL);
    ::ShowWindow(b->HWindow, SW_SHOWNORMAL);
    auto where = [](TWindow* w) {
        RECT r{};
        ::GetWindowRect(w->HWindow, &r);
        return std::vector<LONG>{r.left, r.top, r.right, r.bottom};
    };
    ::SendMessageA(frame->HWindow, kFrameMsgArrange, 1, 0);
    const auto cascadedA = where(a), cascadedB = where(b);
    EXPECT_NE(cascadedA[0], cascadedB[0]);
    // The editor also sends 2 and 3.
    for (WPARAM code : {2u, 3u}) {
        ::SendMessageA(frame->HWindow, kFrameMsgArrange, code, 0);
        EXPECT_EQ(where(a), cascadedA) << code;
    }
    ::SendMessageA(frame->HWindow, kFrameMsgArrange, 0, 0);
    const auto tiledA = where(a), tiledB = where(b);
    // Tiled horizontally: one above the other, the same width.
    EXPECT_EQ(tiledA[2] - tiledA[0], tiledB[2] - tiledB[0]);
    EXPECT_NE(tiledA[1], tiledB[1]);
}

TEST_F(DesignerFrameTest, PageMenuSendsTheChosenCommandToTheFrame) {
    Start();
    UIMDIFrame* frame = Frame();
    FakeActiveApp app;
    m_app->SetActiveAppSource(&app);
    KvWinApp::UpdateCommandStates();
    KvUserAppCtxtMenu menu;
    menu.CreatePopup();
    menu.Build();
    menu.Update();
    HMENU popup = menu.GetHandle();
    ASSERT_EQ(::GetMenuItemCount(popup), 10);
    EXPECT_EQ(PopupTexts(popup), (std::vector<std::string>{"Save", "-", "Zoom In", "Zoom Out", "Zoom Normal", "-",
                                                            "Paste", "-", "Create Text Note", "Edit Text Note"}));
    EXPECT_EQ(::GetMenuDefaultItem(popup, FALSE, GMDI_USEDISABLED), UINT(-1));

    // Tracked and chosen by keys: the first item's command goes to the frame.
    ::SetForegroundWindow(frame->HWindow);
    ::PostMessageA(frame->HWindow, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(frame->HWindow, WM_KEYDOWN, VK_RETURN, 0);
    menu.TrackPopup(TPM_RIGHTBUTTON, 100, 100, frame->HWindow);
    MSG msg{};
    ASSERT_TRUE(::PeekMessageA(&msg, frame->HWindow, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(LOWORD(msg.wParam), 4130u);

    // Create Text Note stays enabled whatever its state; Paste follows its state.
    m_app->SetActiveAppSource(nullptr);
    KvWinApp::UpdateCommandStates();
    menu.Update();
    EXPECT_EQ(::GetMenuState(popup, 4221, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(::GetMenuState(popup, 4140, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(::GetMenuState(popup, 4130, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(DesignerFrameTest, BlockMenuHasEightItemsAndPropertiesAsDefault) {
    Start();
    // A block without a type record has no outputs.
    ed::VavurOrezo block;
    KvPBCtxtMenu menu(&block);
    menu.CreatePopup();
    menu.Build();
    menu.Update();
    HMENU popup = menu.GetHandle();
    EXPECT_EQ(PopupTexts(popup), (std::vector<std::string>{"Cu&t", "&Copy", "&Delete", "&Rename", "-",
                                                            "Hide/Show Outputs", "-", "P&roperties"}));
    EXPECT_EQ(::GetMenuDefaultItem(popup, FALSE, GMDI_USEDISABLED), 4202u);
    HMENU outputs = ::GetSubMenu(popup, 5);
    ASSERT_NE(outputs, nullptr);
    EXPECT_EQ(PopupTexts(outputs), (std::vector<std::string>{"(No outputs)", "-", "&Show all", "&Hide all"}));
    for (int i : {0, 2, 3}) EXPECT_NE(::GetMenuState(outputs, UINT(i), MF_BYPOSITION) & MF_GRAYED, 0u) << i;
    // No Paste in a block's menu.
    EXPECT_EQ(::GetMenuState(popup, 4140, MF_BYCOMMAND), UINT(-1));
}


// Takes a picture of the menu that a tracking loop shows, then ends the loop.
std::string g_menuPicture;
void CALLBACK PictureOfOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    static int shownTicks = 0;
    HWND menu = ::FindWindowA("#32768", nullptr);
    if (!menu || !::IsWindowVisible(menu)) return;
    // The menu paints after it shows: the picture waits a few ticks.
    ::UpdateWindow(menu);
    if (++shownTicks < 4) return;
    shownTicks = 0;
    ::KillTimer(nullptr, timer);
    SaveWindowPicture(menu, g_menuPicture);
    ::EndMenu();
}
void TrackForPicture(HMENU popup, HWND owner, const char* name) {
    g_menuPicture = name;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &PictureOfOpenMenu);
    ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, 60, 60, 0, owner, nullptr);
    ::KillTimer(nullptr, timer);
}

TEST_F(DesignerFrameTest, OutputsPopupIsRebuiltForTheOneSelectedBlock) {
    Start();
    UIMDIFrame* frame = Frame();
    FakePages pages;
    pages.pageWindow = true;
    frame->SetPageWindows(&pages);
    ASSERT_TRUE((new Child(*frame->GetClientWindow(), true))->Create());
    HMENU outputs = frame->GetOutputsPopup();
    ASSERT_NE(outputs, nullptr);
    ed::VavurOrezo block;
    pages.block = &block;
    auto open = [&] { ::SendMessageA(frame->HWindow, WM_INITMENUPOPUP, WPARAM(outputs), MAKELPARAM(6, 0)); };

    pages.selection = {SelectionKind::Block, 1, false};
    open();
    EXPECT_EQ(PopupTexts(outputs), (std::vector<std::string>{"(No outputs)", "-", "&Show all", "&Hide all"}));
    // Two blocks selected: nothing to show, greyed; and so on every later opening.
    pages.selection = {SelectionKind::Block, 2, false};
    open();
    EXPECT_EQ(PopupTexts(outputs), (std::vector<std::string>{"(No block selected)"}));
    EXPECT_NE(::GetMenuState(outputs, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
    pages.selection = {SelectionKind::Block, 1, false};
    open();
    EXPECT_EQ(::GetMenuItemCount(outputs), 4);

    // Pictures: the Edit menu greyed by the states, the block menu and the page menu.
    KvWinApp::UpdateCommandStates();
    TrackForPicture(::GetSubMenu(::GetMenu(frame->HWindow), 1), frame->HWindow, "edit_menu_states");
    KvPBCtxtMenu blockMenu(&block);
    blockMenu.CreatePopup();
    blockMenu.Build();
    blockMenu.Update();
    TrackForPicture(blockMenu.GetHandle(), frame->HWindow, "block_menu");
    TrackForPicture(::GetSubMenu(blockMenu.GetHandle(), 5), frame->HWindow, "block_menu_outputs");
    KvUserAppCtxtMenu pageMenu;
    pageMenu.CreatePopup();
    pageMenu.Build();
    pageMenu.Update();
    TrackForPicture(pageMenu.GetHandle(), frame->HWindow, "page_menu");
    frame->SetPageWindows(nullptr);
}

struct RecordingLauncher : FrameLauncher {
    std::vector<std::string> opened, started;
    void OpenAddress(const std::string& address) override { opened.push_back(address); }
    bool StartProgram(const std::string& path) override {
        started.push_back(path);
        return true;
    }
};

TEST_F(DesignerFrameTest, HelpCommandsOpenTheirFilesAndPlaces) {
    struct Call {
        std::string path;
        UINT command;
        std::uintptr_t data;
    };
    struct RecordingHelp : KvHelpEngine {
        std::vector<Call> calls;
        bool Show(HWND, const char* path, UINT command, std::uintptr_t data) override {
            calls.push_back({path, command, data});
            return true;
        }
    } help;
    RecordingLauncher launcher;
    KvSetHelpEngine(&help);
    SetFrameLauncher(&launcher);
    Start();
    const HWND frame = Frame()->HWindow;
    for (UINT id : {kCmHelpTopics, kCmHelpOnDesigner, kCmHelpOnHelp, kCmTutorial, kCmOnlineDocumentation})
        ::SendMessageA(frame, WM_COMMAND, id, 0);
    ASSERT_EQ(help.calls.size(), 3u);
    EXPECT_EQ(help.calls[0].path, "C:\\Flowsmith\\Help\\zephdesk.hlp");
    EXPECT_EQ(help.calls[0].command, UINT(HELP_FINDER));
    EXPECT_EQ(help.calls[1].path, "C:\\Flowsmith\\Help\\zephdesk.hlp>proc4");
    EXPECT_EQ(help.calls[1].command, UINT(HELP_CONTEXT));
    EXPECT_EQ(help.calls[1].data, 10020u);
    EXPECT_EQ(help.calls[2].command, UINT(HELP_HELPONHELP));
    EXPECT_EQ(launcher.started, (std::vector<std::string>{"C:\\Flowsmith\\Help\\fstutor.EXE"}));
    // Stand-alone: the documentation of the local machine.
    EXPECT_EQ(launcher.opened, (std::vector<std::string>{"http://localhost/vnmgr/vndocs/en-us/default.asp"}));
    ::SendMessageA(frame, WM_CLOSE, 0, 0);
    m_app.reset();
    DrainQuit();

    Start("Flowsmith : sys : srv1 : 0 : host : 0 : x");
    launcher.opened.clear();
    ::SendMessageA(Frame()->HWindow, WM_COMMAND, kCmOnlineDocumentation, 0);
    EXPECT_EQ(launcher.opened, (std::vector<std::string>{"http://srv1/vnmgr/vndocs/en-us/default.asp"}));
    SetFrameLauncher(nullptr);
    KvSetHelpEngine(nullptr);
}

// The model answers about optional outputs as the test sets them: the named outputs are
// fixed ones, every other output is an optional one that applies to its block.
class OutputsModel : public ed::test::RecordingModel {
public:
    using RecordingModel::RecordingModel;
    unsigned short IsOutputOptionalApplicable(int, vlxHandleType, const char* output) override {
        return output && fixed.count(output) ? 0 : kOutputOptionalApplicable;
    }
    std::set<std::string> fixed;
};

struct LibraryStarted {
    LibraryStarted() { zeph::EnsureLibraryStarted(); }
};

// Real blocks on the page "Main" of a program of their own, each with the outputs of a
// hand-written type record: "name" an optional hidden output, "name+" a shown one, "!name"
// a fixed one.
class OutputBlocks : LibraryStarted {
public:
    OutputBlocks() {
        m_program = std::make_unique<ed::Program>(m_host, m_model, nullptr, "Untitled", 0);
        m_page = new ed::Page(m_program.get(), "Main", ed::kPageMain, 0);
        m_program->AddPage(m_page);
    }
    ed::VavurOrezo* Add(const std::vector<std::string>& outputs) {
        auto record = std::make_shared<ed::TypeRecord>();
        record->typeName = record->label = "Announcement";
        record->typeCode = 393;
        std::vector<std::pair<std::string, bool>> shown;
        for (std::string output : outputs) {
            if (output[0] == '!') {
                output.erase(0, 1);
                m_model.fixed.insert(output.substr(0, output.find('+')));
            }
            const bool on = output.back() == '+';
            if (on) output.pop_back();
            ed::OutputEntry entry;
            entry.name = output;
            entry.bitIndex = std::int8_t(record->outputs.size() + 1);
            record->outputs.push_back(entry);
            shown.emplace_back(output, on);
        }
        int refused = 0;
        const std::string name = "B" + std::to_string(++m_made);
        auto* block = new ed::VavurOrezo(m_page, name.c_str(), record, nullptr, 0, 0, refused);
        m_page->AddVavurOrezo(block);
        for (const auto& [output, on] : shown)
            if (ed::GotoBlock* gotoBlock = block->FindGotoBlock(output.c_str())) gotoBlock->SetShown(on ? 1 : 0);
        return block;
    }

private:
    ed::test::RecordingHost m_host;
    ed::VlxModel m_real;
    OutputsModel m_model{m_real};
    std::unique_ptr<ed::Program> m_program;
    ed::Page* m_page = nullptr;
    int m_made = 0;
};

// A pop-up's items as "|id:text", "+" checked, "~" greyed, "|-" a separator.
std::string DescribePopup(HMENU popup) {
    std::string text;
    for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
        const UINT state = ::GetMenuState(popup, UINT(i), MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            text += "|-";
            continue;
        }
        char label[128] = "";
        ::GetMenuStringA(popup, UINT(i), label, sizeof label, MF_BYPOSITION);
        text += "|" + std::to_string(std::int32_t(::GetMenuItemID(popup, i))) + ":" + label;
        if (state & MF_CHECKED) text += "+";
        if (state & MF_GRAYED) text += "~";
    }
    return text;
}

// The frame's active child is a page window whose selection is one block.
void ActivePageWithOneBlock(UIMDIFrame& frame, FakePages& pages) {
    pages.pageWindow = true;
    pages.selection = {SelectionKind::Block, 1, false};
    frame.SetPageWindows(&pages);
    ASSERT_TRUE((new Child(*frame.GetClientWindow(), true))->Create());
}

TEST_F(DesignerFrameTest, OutputsPopupShowsTheBlocksOptionalOutputsWithTheirMarks) {
    Start();
    UIMDIFrame* frame = Frame();
    FakePages pages;
    ActivePageWithOneBlock(*frame, pages);
    HMENU outputs = frame->GetOutputsPopup();
    ASSERT_NE(outputs, nullptr);
    OutputBlocks blocks;
    std::vector<std::string> forty;
    std::string fortyItems;
    for (int i = 0; i < 40; ++i) {
        forty.push_back("o" + std::to_string(i) + (i == 35 ? "+" : ""));
        if (i < 28) fortyItems += "|" + std::to_string(4096 + i) + ":o" + std::to_string(i);
    }
    struct Case {
        const char* what;
        std::vector<std::string> outputs;
        std::string items;
    } cases[] = {
        {"no outputs", {}, "|-1:(No outputs)~|-|4124:&Show all~|4125:&Hide all~"},
        // Items keep the block's output indexes; a fixed output keeps Show all enabled.
        {"fixed first", {"!Done+", "Yes+", "No", "Error+"}, "|4097:Yes+|4098:No|4099:Error+|-|4124:&Show all|4125:&Hide all"},
        {"all shown", {"Yes+", "No+"}, "|4096:Yes+|4097:No+|-|4124:&Show all~|4125:&Hide all"},
        {"none shown", {"Yes", "No"}, "|4096:Yes|4097:No|-|4124:&Show all|4125:&Hide all~"},
        // Output 35 has no item of its own, yet Hide all has it to hide.
        {"forty outputs", forty, fortyItems + "|-|4124:&Show all|4125:&Hide all"},
    };
    for (const Case& c : cases) {
        pages.block = blocks.Add(c.outputs);
        ::SendMessageA(frame->HWindow, WM_INITMENUPOPUP, WPARAM(outputs), MAKELPARAM(6, 0));
        EXPECT_EQ(DescribePopup(outputs), c.items) << c.what;
    }
    frame->SetPageWindows(nullptr);
}

// Plays keys into the menu loop that is running: each tick of the timer, once a menu
// shows, posts the next key to the frame or takes a picture of every menu that shows.
// The loop is ended some ticks after the last step in any case, so that a key that
// misses cannot leave the test waiting.
struct MenuStep {
    UINT message;  // WM_KEYDOWN or WM_CHAR; 0: a picture, or a tick's wait without one
    WPARAM key;
    const char* picture = nullptr;
};
std::vector<MenuStep> g_menuSteps;
std::size_t g_nextMenuStep = 0;
int g_idleTicks = 0;
HWND g_menuOwner = nullptr;

BOOL CALLBACK AddShownMenu(HWND window, LPARAM menus) {
    char name[16] = "";
    ::GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32768") == 0 && ::IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(menus)->push_back(window);
    return TRUE;
}

// The menus that show, brought to the top (a window activated late may cover them) and
// painted, in one picture.
void PictureOfMenus(const std::vector<HWND>& menus, const char* name) {
    RECT all{};
    for (auto it = menus.rbegin(); it != menus.rend(); ++it) {
        RECT box{};
        ::GetWindowRect(*it, &box);
        ::UnionRect(&all, &all, &box);
        ::SetWindowPos(*it, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ::RedrawWindow(*it, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    HDC screen = ::GetDC(nullptr);
    SaveAreaPicture(screen, all.left, all.top, all.right - all.left, all.bottom - all.top, name);
    ::ReleaseDC(nullptr, screen);
}

void CALLBACK PlayMenuStep(HWND, UINT, UINT_PTR, DWORD) {
    std::vector<HWND> menus;
    ::EnumWindows(&AddShownMenu, LPARAM(&menus));
    // The first step waits for the menu; the loop ends a second after the last step.
    const bool waiting = g_nextMenuStep == 0 && menus.empty();
    if (waiting || g_nextMenuStep >= g_menuSteps.size()) {
        if (++g_idleTicks > 20) ::EndMenu();
        return;
    }
    const MenuStep& step = g_menuSteps[g_nextMenuStep++];
    if (step.message)
        ::PostMessageA(g_menuOwner, step.message, step.key, 0);
    else if (step.picture)
        PictureOfMenus(menus, step.picture);
}

// Opens a menu with open() and plays the steps while it is tracked; answers whether
// every step was played.
bool PlayMenu(HWND owner, const std::function<void()>& open, std::vector<MenuStep> steps) {
    g_menuSteps = std::move(steps);
    g_nextMenuStep = 0;
    g_idleTicks = 0;
    g_menuOwner = owner;
    ::SetForegroundWindow(owner);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &PlayMenuStep);
    open();
    ::KillTimer(nullptr, timer);
    return g_nextMenuStep == g_menuSteps.size();
}

// The menu bar's pop-up with the mnemonic, opened as the Alt key opens it.
bool PlayMenuBar(HWND frame, char mnemonic, std::vector<MenuStep> steps) {
    return PlayMenu(frame, [&] { ::SendMessageA(frame, WM_SYSCOMMAND, SC_KEYMENU, LPARAM(mnemonic)); },
                    std::move(steps));
}

// The commands that reach the frame's command handling after a menu closed.
std::vector<UINT> DispatchCommands(UIMDIFrame& frame) {
    std::vector<UINT> commands;
    frame.SetCommandHook([&](UINT id) {
        commands.push_back(id);
        return false;
    });
    MSG msg;
    while (::PeekMessageA(&msg, frame.HWindow, WM_COMMAND, WM_COMMAND, PM_REMOVE)) ::DispatchMessageA(&msg);
    frame.SetCommandHook(nullptr);
    return commands;
}

TEST_F(DesignerFrameTest, MenusChosenByKeysSendTheirCommandsToTheFrame) {
    WriteIni("[Flowsmith Past Programs Opened]\r\nNumber of Past Programs Opened=3\r\n"
             "Last Opened 1=Alpha|1|2\r\nLast Opened 2=Beta|3|4\r\n");
    Start();
    UIMDIFrame* frame = Frame();
    FakePages pages;
    ActivePageWithOneBlock(*frame, pages);
    OutputBlocks blocks;
    pages.block = blocks.Add({"!Done+", "Yes", "No+"});

    // Edit, Hide/Show Outputs (rebuilt as it opens), its first item: the block's output 1.
    ASSERT_TRUE(PlayMenuBar(frame->HWindow, 'e',
                            {{WM_CHAR, 'h'}, {WM_KEYDOWN, VK_HOME}, {0, 0}, {0, 0}, {0, 0, "edit_menu_outputs"}, {WM_KEYDOWN, VK_RETURN}}));
    EXPECT_EQ(DispatchCommands(*frame), (std::vector<UINT>{4097}));
    EXPECT_EQ(DescribePopup(frame->GetOutputsPopup()), "|4097:Yes|4098:No+|-|4124:&Show all|4125:&Hide all");
    ASSERT_TRUE(PlayMenuBar(frame->HWindow, 'e', {{WM_CHAR, 'h'}, {WM_CHAR, 's'}}));
    EXPECT_EQ(DispatchCommands(*frame), (std::vector<UINT>{kCmShowAllOutputs}));
    // Escape closes the menu without a command.
    ASSERT_TRUE(PlayMenuBar(frame->HWindow, 'e', {{WM_KEYDOWN, VK_ESCAPE}, {WM_KEYDOWN, VK_ESCAPE}}));
    EXPECT_TRUE(DispatchCommands(*frame).empty());

    // File, the second recent program: it opens and goes first.
    FakeOpener opener;
    frame->SetRecentOpener(&opener);
    ASSERT_TRUE(PlayMenuBar(frame->HWindow, 'f', {{0, 0}, {0, 0}, {0, 0, "file_menu_recent"}, {WM_CHAR, '2'}}));
    EXPECT_EQ(DispatchCommands(*frame), (std::vector<UINT>{kCmOpenRecentBase + 2u}));
    EXPECT_EQ(opener.opened, (std::vector<std::string>{"Beta|3|4"}));
    EXPECT_EQ(frame->GetRecentSlot(1), std::string("Beta|3|4"));
    const auto texts = PopupTexts(frame->FindMenuPopup(kCmFileNew));
    EXPECT_EQ(std::vector<std::string>(texts.end() - 2, texts.end()), (std::vector<std::string>{"&1 Beta", "&2 Alpha"}));
    frame->SetRecentOpener(nullptr);

    // The block's menu, every item enabled: Hide/Show Outputs, its first item.
    KvPBCtxtMenu blockMenu(pages.block);
    blockMenu.CreatePopup();
    blockMenu.Build();
    for (UINT id : {4138u, 4139u, 4141u, 4150u, 4202u}) blockMenu.EnableItem(id, MF_ENABLED);
    const std::vector<MenuStep> toOutputs(5, MenuStep{WM_KEYDOWN, VK_DOWN});
    std::vector<MenuStep> steps = toOutputs;
    steps.insert(steps.end(), {{WM_KEYDOWN, VK_RIGHT}, {0, 0}, {0, 0}, {0, 0, "block_menu_with_outputs"}, {WM_KEYDOWN, VK_RETURN}});
    ASSERT_TRUE(PlayMenu(frame->HWindow, [&] { blockMenu.TrackPopup(TPM_RIGHTBUTTON, 300, 200, frame->HWindow); }, steps));
    EXPECT_EQ(DispatchCommands(*frame), (std::vector<UINT>{4097}));
    frame->SetPageWindows(nullptr);
}

// A transient text is red and holds the line against hints until the status line's
// timer fires; from then on it stays until the next text replaces it.
TEST_F(DesignerFrameTest, TransientStatusTextGivesWayWhenItsTimerFires) {
    Start();
    UIMDIFrame* frame = Frame();
    ed::StatusLineChild* line = frame->GetStatusLine();
    const std::string warning = "No program to build.";
    frame->SetStatusText(warning.c_str(), true);
    EXPECT_EQ(line->GetLevel(), ed::kStatusTransient);
    frame->SetStatusText("a hint", false);
    EXPECT_EQ(line->GetText(), warning);

    const DWORD shown = ::GetTickCount();
    while (line->GetLevel() == ed::kStatusTransient && ::GetTickCount() - shown < 8000) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
    EXPECT_GE(::GetTickCount() - shown, 3900u);
    EXPECT_EQ(line->GetLevel(), ed::kStatusNormal);
    EXPECT_EQ(line->GetText(), warning);
    frame->ShowStatusMessage("a hint", false);
    EXPECT_STREQ(line->GetText(), "a hint");
}

// Message 2024: the tool bar takes a strip at the top, the status line one at the bottom,
// each only while it shows, and the page windows' client the rest; a new size lays out too.
TEST_F(DesignerFrameTest, LayOutGivesTheShownBarsTheirStripsAndTheClientTheRest) {
    Start();
    UIMDIFrame* frame = Frame();
    ed::IconBoxChild* box = frame->GetIconBox();
    ed::StatusLineChild* line = frame->GetStatusLine();
    auto inFrame = [&](HWND window) {
        RECT r{};
        ::GetWindowRect(window, &r);
        ::MapWindowPoints(nullptr, frame->HWindow, reinterpret_cast<POINT*>(&r), 2);
        return std::vector<LONG>{r.left, r.top, r.right, r.bottom};
    };
    auto frameClient = [&] {
        RECT r{};
        ::GetClientRect(frame->HWindow, &r);
        return r;
    };
    const HWND client = frame->GetClientWindow()->HWindow;
    struct Case {
        bool toolBar, statusLine;
    } cases[] = {{true, true}, {false, true}, {true, false}, {false, false}, {true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.toolBar) + std::to_string(c.statusLine));
        box->ShowBox(c.toolBar);
        line->ShowLine(c.statusLine);
        const RECT all = frameClient();
        const LONG top = c.toolBar ? inFrame(box->HWindow)[3] : 0;
        const LONG bottom = c.statusLine ? inFrame(line->HWindow)[1] : all.bottom;
        // The docked palette keeps the left of the client area.
        const auto rest = inFrame(client);
        EXPECT_EQ(std::vector<LONG>(rest.begin() + 1, rest.end()), (std::vector<LONG>{top, all.right, bottom}));
        if (c.toolBar) EXPECT_EQ(inFrame(box->HWindow)[1], 0);
        if (c.statusLine) EXPECT_EQ(inFrame(line->HWindow)[3], all.bottom);
        EXPECT_EQ(::IsWindowVisible(box->HWindow) != 0, c.toolBar);
        EXPECT_EQ(::IsWindowVisible(line->HWindow) != 0, c.statusLine);
    }
    RECT window{};
    ::GetWindowRect(frame->HWindow, &window);
    ::SetWindowPos(frame->HWindow, nullptr, 0, 0, window.right - window.left + 40, window.bottom - window.top + 30,
                   SWP_NOMOVE | SWP_NOZORDER);
    const RECT all = frameClient();
    EXPECT_EQ(inFrame(client)[2], all.right);
    EXPECT_EQ(inFrame(line->HWindow)[3], all.bottom);
    EXPECT_EQ(inFrame(client)[3], inFrame(line->HWindow)[1]);
}

class DesignerEntryTest : public ::testing::Test {
protected:
    KvScriptedPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
};

TEST_F(DesignerEntryTest, SecondInstanceIsRefusedWithCodeOne) {
    HANDLE first = ::CreateEventA(nullptr, FALSE, TRUE, kStartupEventName);
    ASSERT_NE(first, nullptr);
    IniFileProfile profile(::testing::TempDir() + "designer_second.ini");
    RecordingLogin login;
    RecordingModel model;
    g_log.clear();
    EXPECT_EQ(DesignerMain(::GetModuleHandleA(nullptr), nullptr, "", UIAppCalls{profile, login, model}), 1);
    ASSERT_EQ(m_presenter.Boxes().size(), 1u);
    EXPECT_EQ(m_presenter.Boxes()[0].text, "Cannot run more than one instance of Flowsmith.");
    EXPECT_EQ(m_presenter.Boxes()[0].caption, "Flowsmith");
    EXPECT_EQ(m_presenter.Boxes()[0].style & MB_ICONMASK, UINT(MB_ICONSTOP));
    EXPECT_EQ(m_presenter.Boxes()[0].owner, KvBoxOwner::None);
    // Nothing started: no log-in, no settings.
    EXPECT_TRUE(g_log.empty());
    // A command-line build says it on the error stream instead.
    m_presenter.Clear();
    EXPECT_EQ(DesignerMain(::GetModuleHandleA(nullptr), nullptr, " /build a.ed", UIAppCalls{profile, login, model}), 1);
    EXPECT_TRUE(m_presenter.Boxes().empty());
    ::CloseHandle(first);
}

// A small 24-bit picture, written field by field as a bitmap file.
void WriteBitmapFile(const std::string& path, std::int32_t width, std::int32_t height) {
    const std::uint32_t row = (std::uint32_t(width) * 3 + 3) & ~3u;
    const std::uint32_t pixels = row * std::uint32_t(height);
    std::vector<unsigned char> b;
    auto put = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    put('B' | ('M' << 8), 2);
    put(14 + 40 + pixels, 4);
    put(0, 4);
    put(14 + 40, 4);
    put(40, 4);
    put(std::uint32_t(width), 4);
    put(std::uint32_t(height), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(pixels, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    b.resize(b.size() + pixels, 0x80);
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(b.data(), 1, b.size(), file);
    std::fclose(file);
}

int SplashPercent() { return g_pSplash ? g_pSplash->GetPercentDone() : -1; }

// The splash's progress as the start-up's calls see it; the last start-up call closes the
// frame, so that the designer's message loop ends.
struct SplashLogin : RecordingLogin {
    int InitFlowsmith(const InitArguments& a) override {
        Log("login at " + std::to_string(SplashPercent()));
        return RecordingLogin::InitFlowsmith(a);
    }
    int TermFlowsmith() override {
        Log("logoff at " + std::to_string(SplashPercent()));
        return RecordingLogin::TermFlowsmith();
    }
};
struct SplashModel : RecordingModel {
    const char* ProductName() override {
        Log("title at " + std::to_string(SplashPercent()));
        return RecordingModel::ProductName();
    }
    void LoadUserDefIni() override { Log("user types at " + std::to_string(SplashPercent())); }
    void SetNotificationMessage(unsigned message) override {
        RecordingModel::SetNotificationMessage(message);
        ::PostMessageA(UIApp::Current()->GetMainWindow()->HWindow, WM_CLOSE, 0, 0);
    }
};

TEST(DesignerSplashTest, SplashBitmapShowsProgressFromFiveToOneHundred) {
    struct Case {
        bool picture;
        std::vector<std::string> progress;
    } cases[] = {
        {true, {"title at 5", "user types at 55", "login at 55", "logoff at 100"}},
        {false, {"title at -1", "user types at -1", "login at -1", "logoff at -1"}},
    };
    KvScriptedPresenter presenter;
    KvScopedMessagePresenter scoped{presenter};
    char previous[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof previous, previous);
    const std::string folder = ::testing::TempDir() + "designer_splash";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string picture = folder + "\\splash.bmp";
    const std::string ini = folder + "\\designer.ini";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        std::remove(picture.c_str());
        std::remove(ini.c_str());
        if (c.picture) WriteBitmapFile(picture, 64, 48);
        ASSERT_TRUE(::SetCurrentDirectoryA(folder.c_str()));
        g_log.clear();
        IniFileProfile profile(ini);
        SplashLogin login;
        SplashModel model;
        const int code = DesignerMain(::GetModuleHandleA(nullptr), nullptr, "", UIAppCalls{profile, login, model});
        ::SetCurrentDirectoryA(previous);
        EXPECT_EQ(code, 0);
        EXPECT_EQ(g_pSplash, nullptr);
        std::vector<std::string> progress;
        for (const std::string& event : g_log)
            if (event.find(" at ") != std::string::npos) progress.push_back(event);
        EXPECT_EQ(progress, c.progress);
        for (const auto& box : presenter.Boxes()) ADD_FAILURE() << box.text;
        presenter.Clear();
    }
    std::remove(picture.c_str());
    std::remove(ini.c_str());
    ::RemoveDirectoryA(folder.c_str());
}

TEST(DesignerRefusalTest, RefusedLogInSwitchesOffFaultBoxesBeforeItEnds) {
    KvScriptedPresenter presenter;
    KvScopedMessagePresenter scoped{presenter};
    static int exitCode;
    static UINT modeAtExit;
    exitCode = -1;
    ::SetErrorMode(0);
    SetShellExitHook([](int code) {
        exitCode = code;
        modeAtExit = ::GetErrorMode();
    });
    struct Refusing : RecordingLogin {
        int InitFlowsmith(const InitArguments&) override { return 73; }
    } login;
    KvWinApp workspace(nullptr);
    workspace.LogInToServer("Flowsmith : sys : srv : 0 : host : 0 : x", nullptr, 3, 0, login);
    SetShellExitHook(nullptr);
    EXPECT_EQ(exitCode, 1);
    EXPECT_TRUE(modeAtExit & SEM_NOGPFAULTERRORBOX);
    ::SetErrorMode(0);
}

}  // namespace
