#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/kvflthnd.h"
#include "kvfwtest_win32.h"
#include "framework/kvimglst.h"
#include "framework/kvmainfr.h"

namespace {

// What the canvas windows ("UIOBJECTCHILD") heard; they move a dragged point by (+3, +4).
struct CanvasLog {
    HWND window;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<CanvasLog> g_canvasLog;

LRESULT CALLBACK CanvasProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kKvMsgDragOver) {
        auto* point = reinterpret_cast<POINT*>(lParam);
        point->x += 3;
        point->y += 4;
        g_canvasLog.push_back({hwnd, msg, wParam, 0});
        return 0;
    }
    if (msg == kKvMsgDrop) {
        g_canvasLog.push_back({hwnd, msg, wParam, lParam});
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterCanvasClass()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    WNDCLASSA wc{};
    wc.lpfnWndProc = &CanvasProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "UIOBJECTCHILD";
    ::RegisterClassA(&wc);
}

class KvMainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureFrameworkReady();
        RegisterCanvasClass();
        g_canvasLog.clear();
        // Two pages side by side; the one made last is the topmost. Each has a canvas and,
        // below it, a plain child.
        for (int i = 0; i < 2; ++i) {
            pages[i] = ::CreateWindowExA(0, "STATIC", "page", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 10 + 300 * i, 10,
                                         280, 400, t.client(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
            canvases[i] = ::CreateWindowExA(0, "UIOBJECTCHILD", "", WS_CHILD | WS_VISIBLE, 0, 0, 280, 300, pages[i],
                                            nullptr, ::GetModuleHandleA(nullptr), nullptr);
            others[i] = ::CreateWindowExA(0, "STATIC", "other", WS_CHILD | WS_VISIBLE, 0, 300, 280, 100, pages[i],
                                          nullptr, ::GetModuleHandleA(nullptr), nullptr);
        }
        // The active page is the topmost child of the client window.
        ::SetWindowPos(pages[1], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ASSERT_EQ(::GetWindow(t.client(), GW_CHILD), pages[1]);
        ::UpdateWindow(t.frame());
    }

    // A screen point inside a window, at (x, y) of its client area.
    static POINT At(HWND window, int x, int y)
    {
        POINT p{x, y};
        ::ClientToScreen(window, &p);
        return p;
    }

    void Begin(POINT p) { t.mainFrame.BeginDrag(GetResizedPaletteImageList()->m_hImageList, p.x, p.y, 0xABCD, nullptr); }

    TestFrame t;
    HWND pages[2]{};
    HWND canvases[2]{};
    HWND others[2]{};
};

}  // namespace

TEST_F(KvMainFrameTest, ADropOnTheTopmostPagesCanvasCarriesThePointItChose)
{
    const POINT start = At(canvases[1], 20, 20);
    Begin(start);
    const POINT over = At(canvases[1], 100, 50);
    t.mainFrame.DragMove(MK_LBUTTON, over.x, over.y, nullptr);
    ASSERT_EQ(g_canvasLog.size(), 1u);
    EXPECT_EQ(g_canvasLog[0].window, canvases[1]);
    EXPECT_EQ(g_canvasLog[0].msg, kKvMsgDragOver);
    ASSERT_FALSE(t.shell.cursors.empty());
    EXPECT_EQ(t.shell.cursors.back(), "arrow");

    BeepRecorder beeps;
    t.mainFrame.EndDrag(over.x, over.y, TRUE);
    ASSERT_EQ(g_canvasLog.size(), 2u);
    const CanvasLog& drop = g_canvasLog[1];
    EXPECT_EQ(drop.window, canvases[1]);
    EXPECT_EQ(drop.msg, kKvMsgDrop);
    EXPECT_EQ(drop.wParam, 0xABCDu);
    EXPECT_EQ(static_cast<short>(LOWORD(drop.lParam)), over.x + 3);
    EXPECT_EQ(static_cast<short>(HIWORD(drop.lParam)), over.y + 4);
    EXPECT_EQ(beeps.Count(), 0);
}

TEST_F(KvMainFrameTest, DropsElsewhereAreRefused)
{
    KvFaultHandlerObj handler;
    KvFaultHandlerObj* previous = KvGetFaultHandler();
    KvSetFaultHandler(&handler);
    RecordingPresenter boxes;
    struct Case {
        const char* where;
        HWND target;
        BOOL quietOutside;
        int beeps;
        bool message52;
    };
    const Case cases[] = {
        {"a plain child of the topmost page", others[1], TRUE, 1, false},
        {"the canvas of a page below", canvases[0], TRUE, 1, false},
        {"the canvas of a page below, moving blocks", canvases[0], FALSE, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        g_canvasLog.clear();
        boxes.texts.clear();
        BeepRecorder beeps;
        Begin(At(canvases[1], 10, 10));
        const POINT p = At(c.target, 40, 40);
        t.mainFrame.EndDrag(p.x, p.y, c.quietOutside);
        EXPECT_TRUE(g_canvasLog.empty());
        EXPECT_EQ(beeps.Count(), c.beeps);
        ASSERT_EQ(boxes.texts.size(), c.message52 ? 1u : 0u);
        if (c.message52) {
            EXPECT_EQ(boxes.texts[0], "Can not move VavurOrezos between pages.");
        }
    }
    KvSetFaultHandler(previous);
}

TEST_F(KvMainFrameTest, APageDragScrollsItsPageWhereNoCanvasIsUnderThePoint)
{
    std::vector<std::pair<void*, POINT>> scrolled;
    KvMainFrame::SetAutoScrollAtEdge([&scrolled](void* page, int x, int y) { scrolled.push_back({page, POINT{x, y}}); });
    int pageObject = 0;
    Begin(At(canvases[1], 10, 10));
    const POINT p = At(others[1], 5, 50);
    t.mainFrame.DragMove(MK_LBUTTON, p.x, p.y, &pageObject);
    t.mainFrame.EndDrag(p.x, p.y, TRUE);
    KvMainFrame::SetAutoScrollAtEdge(nullptr);
    ASSERT_EQ(scrolled.size(), 1u);
    EXPECT_EQ(scrolled[0].first, &pageObject);
    EXPECT_EQ(scrolled[0].second.x, 5);    // in the page's client coordinates
    EXPECT_EQ(scrolled[0].second.y, 350);
    EXPECT_TRUE(t.shell.cursors.empty());
}

TEST_F(KvMainFrameTest, FullScreenToggledTwiceRestoresThePlacement)
{
    for (const int show : {SW_SHOWNORMAL, SW_MAXIMIZE}) {
        SCOPED_TRACE(show);
        ::ShowWindow(t.frame(), show);
        WINDOWPLACEMENT before{};
        before.length = sizeof before;
        ::GetWindowPlacement(t.frame(), &before);
        const int refreshes = t.shell.commandRefreshes;

        t.mainFrame.ToggleFullScreen();
        EXPECT_TRUE(t.mainFrame.IsFullScreen());
        EXPECT_FALSE(::IsZoomed(t.frame()));
        const RECT full = t.mainFrame.GetFullScreenRect();
        RECT screen{};
        ::GetWindowRect(::GetDesktopWindow(), &screen);
        // The caption and borders lie above and beside the screen; the menu bar's place does not.
        EXPECT_LT(full.left, screen.left);
        EXPECT_LT(full.top, screen.top);
        EXPECT_GT(full.right, screen.right);
        RECT client{};
        ::GetClientRect(t.frame(), &client);
        POINT origin{0, 0};
        ::ClientToScreen(t.frame(), &origin);
        EXPECT_LE(origin.y, screen.top + ::GetSystemMetrics(SM_CYMENU));

        t.mainFrame.ToggleFullScreen();
        EXPECT_FALSE(t.mainFrame.IsFullScreen());
        WINDOWPLACEMENT after{};
        after.length = sizeof after;
        ::GetWindowPlacement(t.frame(), &after);
        EXPECT_EQ(after.showCmd, before.showCmd);
        EXPECT_TRUE(::EqualRect(&after.rcNormalPosition, &before.rcNormalPosition));
        EXPECT_EQ(::IsZoomed(t.frame()) != 0, show == SW_MAXIMIZE);
        EXPECT_EQ(t.shell.commandRefreshes, refreshes + 2);
    }
}
