#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/kvdc.h"
#include "kvfwtest_win32.h"
#include "framework/kvwnd.h"

namespace {

constexpr char kProbeClass[] = "KvTestProbe";

void RegisterProbeClass()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &KvWnd::WindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kProbeClass;
    ::RegisterClassA(&wc);
}

// Records each slot call as "name x y".
class ProbeWnd : public KvWnd {
public:
    std::vector<std::string> calls;
    HWND handleAtCreate = nullptr;
    bool deleteOnClose = false;

    void Note(const char* name, long long a = 0, long long b = 0)
    {
        calls.push_back(std::string(name) + " " + std::to_string(a) + " " + std::to_string(b));
    }
    LRESULT OnCreate(CREATESTRUCTA* cs) override
    {
        handleAtCreate = m_hWnd;
        return KvWnd::OnCreate(cs);
    }
    void OnClose() override
    {
        Note("close");
        if (deleteOnClose) {
            DestroyWindow();
            delete this;
        }
    }
    void OnLButtonDown(UINT, int x, int y) override { Note("down", x, y); }
    void OnLButtonDblClk(UINT, int x, int y) override { Note("dblclk", x, y); }
    void OnLButtonUp(UINT, int x, int y) override { Note("up", x, y); }
    void OnMouseMove(UINT, int x, int y) override { Note("move", x, y); }
    LRESULT OnNcHitTest(int x, int y) override
    {
        Note("hittest", x, y);
        return HTCLIENT;
    }
    void OnSize(UINT type, int cx, int cy) override { Note(type == 99 ? "size99" : "size", cx, cy); }
    void OnListBeginDrag(NMHDR* header) override { Note("begindrag", header->idFrom); }
    void OnTabSelChange() override { Note("selchange"); }
    void OnMessage4C9(LPARAM l) override { Note("4C9", l); }
    void OnMessage4CA() override { Note("4CA"); }
    void OnMessage4CB(WPARAM w, LPARAM l) override { Note("4CB", static_cast<long long>(w), l); }
    void OnMessage4CC(WPARAM w) override { Note("4CC", static_cast<long long>(w)); }
    void OnMessage4D1() override { Note("4D1"); }
};

class KvWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureFrameworkReady();
        RegisterProbeClass();
    }

    BOOL MakeChild(KvWnd& wnd, const char* cls = kProbeClass)
    {
        return wnd.Create(0, cls, "probe", WS_CHILD | WS_VISIBLE, 0, 0, 100, 80, host.hwnd(), nullptr, nullptr);
    }

    HostWindow host;
};

}  // namespace

TEST_F(KvWndTest, TheWindowIsBoundBeforeItsCreationHandlerRuns)
{
    ProbeWnd probe;
    const int before = KvWndImpl::BindingCount();
    ASSERT_TRUE(MakeChild(probe));
    EXPECT_NE(probe.m_hWnd, nullptr);
    EXPECT_EQ(probe.handleAtCreate, probe.m_hWnd);
    EXPECT_EQ(KvWndImpl::Lookup(probe.m_hWnd), &probe);
    EXPECT_EQ(KvWndImpl::BindingCount(), before + 1);
    EXPECT_EQ(KvWnd::GetCreationInstance(), ::GetModuleHandleA(nullptr));
    probe.DestroyWindow();
}

TEST_F(KvWndTest, EachListedMessageReachesItsOperation)
{
    ProbeWnd probe;
    ASSERT_TRUE(MakeChild(probe));
    probe.calls.clear();
    NMHDR tab{probe.m_hWnd, 7, static_cast<UINT>(TCN_SELCHANGE)};
    NMHDR list{probe.m_hWnd, 8, static_cast<UINT>(LVN_BEGINDRAG)};
    NMHDR other{probe.m_hWnd, 9, static_cast<UINT>(NM_CLICK)};
    struct Case {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        const char* call;  // null: no operation runs
    };
    const Case cases[] = {
        {WM_SIZE, 99, MAKELPARAM(30, 40), "size99 30 40"},
        {WM_CLOSE, 0, 0, "close 0 0"},
        {WM_MOUSEMOVE, 0, MAKELPARAM(5, 6), "move 5 6"},
        {WM_LBUTTONDOWN, 0, MAKELPARAM(7, 8), "down 7 8"},
        {WM_LBUTTONUP, 0, MAKELPARAM(9, 10), "up 9 10"},
        {WM_LBUTTONDBLCLK, 0, MAKELPARAM(11, 12), "dblclk 11 12"},
        {WM_NCHITTEST, 0, MAKELPARAM(13, 14), "hittest 13 14"},
        {WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tab), "selchange 0 0"},
        {WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&list), "begindrag 8 0"},
        {WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other), nullptr},
        {WM_INITMENU, 0, 0, nullptr},
        {0x4C9, 0, 77, "4C9 77 0"},
        {0x4CA, 0, 0, "4CA 0 0"},
        {0x4CB, 3, 44, "4CB 3 44"},
        {0x4CC, 2, 0, "4CC 2 0"},
        {0x4D1, 0, 0, "4D1 0 0"},
    };
    for (const Case& c : cases) {
        probe.calls.clear();
        ::SendMessageA(probe.m_hWnd, c.msg, c.wParam, c.lParam);
        if (c.call == nullptr) {
            EXPECT_TRUE(probe.calls.empty()) << std::hex << c.msg;
        } else {
            ASSERT_EQ(probe.calls.size(), 1u) << std::hex << c.msg;
            EXPECT_EQ(probe.calls[0], c.call);
        }
    }
    probe.DestroyWindow();
}

TEST_F(KvWndTest, MouseCoordinatesLeftOfAndAboveTheWindowArriveNegative)
{
    ProbeWnd probe;
    ASSERT_TRUE(MakeChild(probe));
    probe.calls.clear();
    ::SendMessageA(probe.m_hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(-1, -5));
    ::SendMessageA(probe.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(-300, 2));
    ASSERT_EQ(probe.calls.size(), 2u);
    EXPECT_EQ(probe.calls[0], "down -1 -5");
    EXPECT_EQ(probe.calls[1], "move -300 2");
    probe.DestroyWindow();
}

namespace {

HWND g_minMaxWindow = nullptr;
KvWnd* g_boundAtMinMax = nullptr;
bool g_minMaxBeforeNcCreate = false;
bool g_sawNcCreate = false;

LRESULT CALLBACK WatchBinding(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* info = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    char name[32] = "";
    ::GetClassNameA(info->hwnd, name, sizeof name);
    if (code >= 0 && std::string(name) == kProbeClass) {
        if (info->message == WM_NCCREATE)
            g_sawNcCreate = true;
        if (info->message == WM_GETMINMAXINFO && g_minMaxWindow == nullptr) {
            g_minMaxWindow = info->hwnd;
            g_boundAtMinMax = KvWndImpl::Lookup(info->hwnd);
            g_minMaxBeforeNcCreate = !g_sawNcCreate;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_F(KvWndTest, AWindowWhoseSizeLimitsComeFirstIsBoundThere)
{
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &WatchBinding, nullptr, ::GetCurrentThreadId());
    ProbeWnd probe;
    const BOOL made = probe.Create(0, kProbeClass, "top", WS_OVERLAPPEDWINDOW, 10, 10, 200, 150, host.hwnd(), nullptr,
                                   nullptr);
    ::UnhookWindowsHookEx(hook);
    ASSERT_TRUE(made);
    ASSERT_EQ(g_minMaxWindow, probe.m_hWnd);
    EXPECT_TRUE(g_minMaxBeforeNcCreate);
    EXPECT_EQ(g_boundAtMinMax, &probe);
    EXPECT_EQ(KvWndImpl::Lookup(probe.m_hWnd), &probe);
    probe.DestroyWindow();
}

TEST_F(KvWndTest, AControlIsWrappedButNeverBound)
{
    KvWnd button;
    const int before = KvWndImpl::BindingCount();
    ASSERT_TRUE(MakeChild(button, "BUTTON"));
    EXPECT_TRUE(::IsWindow(button.m_hWnd));
    EXPECT_EQ(KvWndImpl::Lookup(button.m_hWnd), nullptr);
    EXPECT_EQ(KvWndImpl::BindingCount(), before);
    // Nothing stays pending: the next window of our classes binds normally.
    AssertionCounter assertions;
    ProbeWnd probe;
    ASSERT_TRUE(MakeChild(probe));
    EXPECT_EQ(KvWndImpl::Lookup(probe.m_hWnd), &probe);
    EXPECT_EQ(assertions.Failed(), 0);
    probe.DestroyWindow();
    button.DestroyWindow();
}

TEST_F(KvWndTest, CreateAnswersFalseWhenNoWindowWasMade)
{
    ProbeWnd missing;
    EXPECT_FALSE(MakeChild(missing, "NoSuchWindowClass"));
    EXPECT_EQ(missing.m_hWnd, nullptr);
    AssertionCounter assertions;
    ProbeWnd probe;
    EXPECT_TRUE(MakeChild(probe));
    EXPECT_EQ(assertions.Failed(), 0);
    probe.DestroyWindow();
}

TEST_F(KvWndTest, ADestroyedWindowLeavesTheMapAndItsObjectMayGo)
{
    const int before = KvWndImpl::BindingCount();
    auto* probe = new ProbeWnd;
    ASSERT_TRUE(MakeChild(*probe));
    HWND handle = probe->m_hWnd;
    // Destroyed by Windows, not through the object: WM_NCDESTROY clears the handle.
    ::DestroyWindow(handle);
    EXPECT_EQ(probe->m_hWnd, nullptr);
    EXPECT_EQ(KvWndImpl::Lookup(handle), nullptr);
    EXPECT_EQ(KvWndImpl::BindingCount(), before);
    AssertionCounter assertions;
    delete probe;
    EXPECT_EQ(assertions.Failed(), 0);
}

TEST_F(KvWndTest, MoreThanTenWindowsAreBound)
{
    std::vector<ProbeWnd> probes(12);
    for (ProbeWnd& probe : probes)
        ASSERT_TRUE(MakeChild(probe));
    for (ProbeWnd& probe : probes)
        EXPECT_EQ(KvWndImpl::Lookup(probe.m_hWnd), &probe);
    ::SendMessageA(probes[11].m_hWnd, 0x4CA, 0, 0);
    EXPECT_EQ(probes[11].calls.back(), "4CA 0 0");
    for (ProbeWnd& probe : probes)
        probe.DestroyWindow();
}

TEST_F(KvWndTest, AWrapperDeletedWhileItsWindowLivesDestroysTheWindowFirst)
{
    auto* probe = new ProbeWnd;
    ASSERT_TRUE(MakeChild(*probe));
    HWND handle = probe->m_hWnd;
    AssertionCounter assertions;
    delete probe;
    EXPECT_EQ(assertions.Failed(), 1);
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(KvWndImpl::Lookup(handle), nullptr);
}

TEST_F(KvWndTest, AHandlerMayDeleteItsOwnObject)
{
    auto* probe = new ProbeWnd;
    probe->deleteOnClose = true;
    ASSERT_TRUE(MakeChild(*probe));
    HWND handle = probe->m_hWnd;
    AssertionCounter assertions;
    ::SendMessageA(handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(KvWndImpl::Lookup(handle), nullptr);
    EXPECT_EQ(assertions.Failed(), 0);
}

TEST_F(KvWndTest, APlaceholderOperationIsReportedAndTheMessagePassedOn)
{
    KvWnd plain;
    ASSERT_TRUE(MakeChild(plain));
    AssertionCounter assertions;
    EXPECT_EQ(::SendMessageA(plain.m_hWnd, 0x4CB, 1, 2), 0);
    EXPECT_EQ(assertions.Failed(), 1);
    plain.DestroyWindow();
}

TEST_F(KvWndTest, AWindowHasOneCachedDeviceContext)
{
    ProbeWnd probe;
    ASSERT_TRUE(MakeChild(probe));
    KvDC* first = probe.GetDC();
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first->m_hDC, nullptr);
    EXPECT_EQ(probe.GetDC(), first);
    EXPECT_EQ(probe.GetDCEx(DCX_CACHE), first);
    // Another DC of the window is released without touching the cache.
    KvDC other(::GetDC(probe.m_hWnd));
    EXPECT_EQ(probe.ReleaseDC(&other), 1);
    EXPECT_EQ(probe.m_pImpl->m_pDC, first);
    EXPECT_EQ(probe.ReleaseDC(first), 1);
    EXPECT_EQ(probe.m_pImpl->m_pDC, nullptr);
    probe.DestroyWindow();
}

TEST_F(KvWndTest, GeometryCallsCheckTheirWindow)
{
    ProbeWnd probe;
    ASSERT_TRUE(MakeChild(probe));
    RECT rect{};
    probe.GetClientRect(&rect);
    EXPECT_EQ(rect.right, 100);
    EXPECT_EQ(rect.bottom, 80);
    AssertionCounter assertions;
    probe.SetWindowPos(nullptr, 5, 5, 50, 50, SWP_NOMOVE);  // without SWP_NOZORDER
    EXPECT_EQ(assertions.Failed(), 1);
    probe.DestroyWindow();
    probe.GetClientRect(&rect);
    EXPECT_EQ(assertions.Failed(), 2);
    EXPECT_EQ(KvWnd::GetDesktopWindow()->m_hWnd, ::GetDesktopWindow());
    EXPECT_EQ(KvWnd::GetDesktopWindow(), KvWnd::GetDesktopWindow());
}
