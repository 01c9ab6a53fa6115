#include <gtest/gtest.h>

#include <map>

#include "framework/kvbitbtn.h"
#include "kvfwtest_win32.h"
#include "framework/kvtoolbr.h"

namespace {

constexpr int kButtonId = 4130;
constexpr COLORREF kNavy = RGB(0, 0, 128);  // the picture of tool-bar cell 2

class KvBitButtonTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureFrameworkReady(); }

    HWND MakeButton(DWORD style = 0, int image = 2, int share = 0, int id = kButtonId, int x = 10, int width = 100,
                    int height = 30)
    {
        KvBitButtonCreate record{image, 0, share};
        return ::CreateWindowExA(0, "BITBUTTON", "Save", WS_CHILD | WS_VISIBLE | style, x, 10, width, height, host.hwnd(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr),
                                 &record);
    }

    // The notification codes the host received from buttons.
    std::vector<int> Codes() const
    {
        std::vector<int> codes;
        for (const HostWindow::Received& r : host.Of(WM_COMMAND)) {
            EXPECT_EQ(r.lParam, 0);
            codes.push_back(HIWORD(r.wParam));
        }
        return codes;
    }

    COLORREF ScreenPixel(HWND button, int x, int y)
    {
        ::UpdateWindow(button);
        HDC dc = ::GetDC(button);
        const COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(button, dc);
        return colour;
    }

    bool ImageAreaHas(HWND button, COLORREF colour)
    {
        ::UpdateWindow(button);
        HDC dc = ::GetDC(button);
        bool found = false;
        for (int y = 0; y < 30 && !found; ++y)
            for (int x = 0; x < 50 && !found; ++x)
                found = ::GetPixel(dc, x, y) == colour;
        ::ReleaseDC(button, dc);
        return found;
    }

    HostWindow host;
};

}  // namespace

TEST_F(KvBitButtonTest, APushButtonClicksWhenReleasedInside)
{
    HWND button = MakeButton();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(::SendMessageA(button, BM_GETSTATE, 0, 0), 0);
    ::SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    EXPECT_EQ(::SendMessageA(button, BM_GETSTATE, 0, 0), 1);
    EXPECT_EQ(::GetCapture(), button);
    EXPECT_EQ(ScreenPixel(button, 0, 15), RGB(128, 128, 128));  // pressed: grey left edge
    ::SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    EXPECT_EQ(::SendMessageA(button, BM_GETSTATE, 0, 0), 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Codes(), std::vector<int>{kBitButtonClicked});
    EXPECT_EQ(LOWORD(host.Of(WM_COMMAND)[0].wParam), kButtonId);
    EXPECT_EQ(ScreenPixel(button, 0, 15), RGB(255, 255, 255));  // up again: white left edge
    EXPECT_EQ(ScreenPixel(button, 99, 15), RGB(0, 0, 0));
    EXPECT_EQ(ScreenPixel(button, 98, 15), RGB(128, 128, 128));
}

TEST_F(KvBitButtonTest, APressLeavingTheButtonEndsWithoutAClick)
{
    HWND button = MakeButton();
    ::SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    ::SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 10));
    EXPECT_EQ(::SendMessageA(button, BM_GETSTATE, 0, 0), 0);
    ::SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 10));
    EXPECT_EQ(::SendMessageA(button, BM_GETSTATE, 0, 0), 1);
    ::SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(-5, 10));
    EXPECT_EQ(::SendMessageA(button, BM_GETSTATE, 0, 0), 0);
    EXPECT_TRUE(Codes().empty());
    EXPECT_EQ(::GetCapture(), nullptr);
    // No press is tracked now: moving over a button asks for its hint, each time.
    ::SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
    ::SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(31, 10));
    EXPECT_EQ(Codes(), (std::vector<int>{kBitButtonHover, kBitButtonHover}));
}

TEST_F(KvBitButtonTest, AToggleButtonFlipsAtEachPress)
{
    HWND button = MakeButton(kBitButtonToggle);
    ::SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    EXPECT_EQ(::SendMessageA(button, BM_GETSTATE, 0, 0), 1);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(ScreenPixel(button, 0, 15), RGB(0, 0, 0));          // toggled down: black left edge
    EXPECT_EQ(ScreenPixel(button, 99, 15), RGB(255, 255, 255));   // and white right edge
    ::SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    ::SendMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 10));
    EXPECT_EQ(::SendMessageA(button, BM_GETSTATE, 0, 0), 0);
    EXPECT_EQ(Codes(), (std::vector<int>{kBitButtonToggledDown, kBitButtonToggledUp}));
    // An image word that is a picture index gives no toggled picture: the normal one serves.
    EXPECT_EQ(GetBitButtonState(button)->toggledImage, nullptr);
}

TEST_F(KvBitButtonTest, ADisabledButtonIgnoresPressesAndShowsItsPictureGreyed)
{
    HWND button = MakeButton();
    EXPECT_TRUE(ImageAreaHas(button, kNavy));
    GetBitButtonState(button)->state |= kBitButtonDisabled;
    ::InvalidateRect(button, nullptr, TRUE);
    EXPECT_FALSE(ImageAreaHas(button, kNavy));
    EXPECT_TRUE(ImageAreaHas(button, RGB(128, 128, 128)));
    ::SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    ::SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    EXPECT_EQ(::SendMessageA(button, BM_GETSTATE, 0, 0), 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_TRUE(Codes().empty());
}

TEST_F(KvBitButtonTest, SettingTheStateItAlreadyHasRepaintsNothing)
{
    HWND button = MakeButton();
    ::UpdateWindow(button);
    EXPECT_EQ(::SendMessageA(button, BM_SETSTATE, FALSE, 0), 1);
    EXPECT_FALSE(::GetUpdateRect(button, nullptr, FALSE));
    EXPECT_EQ(::SendMessageA(button, BM_SETSTATE, TRUE, 0), 1);
    EXPECT_EQ(::SendMessageA(button, BM_GETSTATE, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(button, BM_SETSTATE, TRUE, 0), 1);
    EXPECT_FALSE(::GetUpdateRect(button, nullptr, FALSE));
}

TEST_F(KvBitButtonTest, TheImageShareSplitsTheButton)
{
    struct Case {
        int share;
        LONG imageRight;
    };
    // A 100-pixel button: 96 pixels inside the 2-pixel margin, from 2 to 98.
    for (const Case& c : {Case{0, 50}, Case{5, 50}, Case{3, 30}}) {
        HWND button = MakeButton(0, 2, c.share);
        const KvBitButtonState* state = GetBitButtonState(button);
        EXPECT_EQ(state->imageRect.left, 2);
        EXPECT_EQ(state->imageRect.right, c.imageRight) << c.share;
        EXPECT_EQ(state->textRect.left, c.imageRight) << c.share;
        EXPECT_EQ(state->textRect.right, 98);
        ::DestroyWindow(button);
    }
}

namespace {

std::map<HWND, int>* g_paints = nullptr;

LRESULT CALLBACK CountPaints(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* info = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code >= 0 && info->message == WM_PAINT && g_paints != nullptr && g_paints->count(info->hwnd))
        ++(*g_paints)[info->hwnd];
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_F(KvBitButtonTest, TheToolBarRepaintsOnlyButtonsWhoseStateChanged)
{
    FakeShell shell;
    const int ids[] = {4130, 4138, 4139, 4140, 4142, 4143, 4135, 4165, 4141, 4202, 4174, 4221};
    std::map<HWND, int> paints;
    HWND cut = nullptr;
    int x = 8;
    int image = 0;
    for (int id : ids) {
        // Tool-bar buttons: 23 x 22, all picture.
        HWND button = MakeButton(0, image++, 10, id, x, 23, 22);
        x += 23;
        paints[button] = 0;
        if (id == 4138)
            cut = button;
        ::UpdateWindow(button);
    }
    KvToolBar toolBar(host.hwnd());
    g_paints = &paints;
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &CountPaints, nullptr, ::GetCurrentThreadId());

    shell.disabledCommands = {4138};
    toolBar.Update();
    EXPECT_TRUE(GetBitButtonState(cut)->state & kBitButtonDisabled);
    for (const auto& [button, count] : paints)
        EXPECT_EQ(count, button == cut ? 1 : 0);

    toolBar.Update();  // nothing changed
    EXPECT_EQ(paints[cut], 1);

    shell.disabledCommands.clear();
    toolBar.Update();
    EXPECT_FALSE(GetBitButtonState(cut)->state & kBitButtonDisabled);
    EXPECT_EQ(paints[cut], 2);
    ::UnhookWindowsHookEx(hook);
    g_paints = nullptr;
    SaveFrameworkPicture(host.hwnd(), "toolbar_buttons");
}

TEST_F(KvBitButtonTest, AToolBarWithoutItsWindowReportsTheMisuse)
{
    FakeShell shell;
    KvToolBar toolBar;
    AssertionCounter assertions;
    toolBar.UpdateButton(4130);
    EXPECT_EQ(assertions.Failed(), 1);
}
