#include <gtest/gtest.h>

#include "kvfwtest_win32.h"
#include "framework/kvintabw.h"
#include "framework/kvpalmgr.h"

namespace {

class KvPaletteTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureFrameworkReady(); }

    HWND Palette() const { return t.manager.m_pPalette != nullptr ? t.manager.m_pPalette->m_hWnd : nullptr; }
    HWND Content() const
    {
        return t.manager.GetInnerWnd() != nullptr ? t.manager.GetInnerWnd()->m_hWnd : nullptr;
    }

    RECT PaletteRect() const
    {
        RECT rect{};
        ::GetWindowRect(Palette(), &rect);
        return rect;
    }

    // Posts a message with a screen point as the palette's client coordinates.
    void PostAt(UINT msg, POINT screen)
    {
        ::ScreenToClient(Palette(), &screen);
        ::PostMessageA(Palette(), msg, msg == WM_MOUSEMOVE ? MK_LBUTTON : 0, MAKELPARAM(screen.x, screen.y));
    }

    // Drags the palette so that its top-left corner ends at the given screen point.
    void DragTo(POINT corner)
    {
        const RECT rect = PaletteRect();
        const POINT grab{rect.left + 10, rect.top + 10};
        PostAt(WM_MOUSEMOVE, grab);
        PostAt(WM_MOUSEMOVE, POINT{corner.x + 10, corner.y + 10});
        PostAt(WM_LBUTTONUP, POINT{corner.x + 10, corner.y + 10});
        ::SendMessageA(Palette(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    }

    void Drain()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                ::DispatchMessageA(&msg);
    }

    TestFrame t;
};

}  // namespace

TEST_F(KvPaletteTest, ADockedPaletteFillsTheLeftOfTheClientArea)
{
    t.manager.CreatePalette();
    ASSERT_NE(Palette(), nullptr);
    EXPECT_FALSE(t.manager.IsFloating());
    EXPECT_EQ(::GetParent(Palette()), t.frame());
    EXPECT_TRUE(::GetWindowLongA(Palette(), GWL_STYLE) & WS_CHILD);
    RECT palette = PaletteRect();
    ::MapWindowPoints(nullptr, t.frame(), reinterpret_cast<POINT*>(&palette), 2);
    const RECT client = t.ClientRectInFrame();
    EXPECT_EQ(palette.left, 0);
    EXPECT_EQ(palette.top, client.top);
    EXPECT_EQ(palette.right, 213);
    EXPECT_EQ(palette.bottom - palette.top, client.bottom - client.top);

    ASSERT_NE(Content(), nullptr);
    EXPECT_EQ(::GetParent(Content()), Palette());
    RECT inner{}, content{};
    t.manager.m_pPalette->GetInnerRect(&inner);
    ::GetWindowRect(Content(), &content);
    ::MapWindowPoints(nullptr, Palette(), reinterpret_cast<POINT*>(&content), 2);
    EXPECT_TRUE(::EqualRect(&inner, &content));
    EXPECT_GE(t.shell.commandRefreshes, 1);
    char title[32] = "";
    ::GetWindowTextA(Palette(), title, sizeof title);
    EXPECT_STREQ(title, "Block palette");
}

TEST_F(KvPaletteTest, TogglingRebuildsThePaletteAndKeepsItsContent)
{
    t.manager.CreatePalette();
    const HWND content = Content();
    KvInnerWnd* contentObject = t.manager.GetInnerWnd();
    const HWND docked = Palette();

    t.manager.ToggleDock();
    EXPECT_TRUE(t.manager.IsFloating());
    EXPECT_FALSE(::IsWindow(docked));
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(Palette(), GWL_STYLE));
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(::GetWindowLongA(Palette(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    const RECT floating = PaletteRect();
    EXPECT_EQ(floating.left, 300);
    EXPECT_EQ(floating.top, 300);
    EXPECT_EQ(floating.right - floating.left, 526);
    EXPECT_EQ(floating.bottom - floating.top, 244);
    EXPECT_EQ(t.ClientRectInFrame().left, 0);  // the client window gains the docked width back

    EXPECT_EQ(Content(), content);
    EXPECT_EQ(t.manager.GetInnerWnd(), contentObject);
    EXPECT_EQ(::GetParent(content), Palette());

    t.manager.ToggleDock();
    EXPECT_FALSE(t.manager.IsFloating());
    EXPECT_EQ(Content(), content);
    EXPECT_EQ(::GetParent(content), Palette());
    EXPECT_EQ(t.ClientRectInFrame().left, 213);
}

TEST_F(KvPaletteTest, ADoubleClickTogglesBackToTheLastFloatingPlace)
{
    t.manager.CreatePalette();
    t.manager.ToggleDock();
    DragTo(POINT{420, 260});
    EXPECT_TRUE(t.manager.IsFloating());
    EXPECT_EQ(PaletteRect().left, 420);
    EXPECT_EQ(PaletteRect().top, 260);

    ::SendMessageA(Palette(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(t.manager.IsFloating());
    ::SendMessageA(Palette(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_TRUE(t.manager.IsFloating());
    EXPECT_EQ(PaletteRect().left, 420);
    EXPECT_EQ(PaletteRect().top, 260);
    EXPECT_EQ(PaletteRect().right - PaletteRect().left, 526);
}

TEST_F(KvPaletteTest, DraggingTheFloatingPalettesLeftThirdOverTheClientEdgeDocksIt)
{
    t.manager.CreatePalette();
    t.manager.ToggleDock();
    RECT client{};
    ::GetWindowRect(t.client(), &client);
    // The palette's left third (175 pixels) ends left of the client window's edge: far left
    // of the palette itself, so the points are negative in its client coordinates.
    DragTo(POINT{client.left - 200, client.top + 30});
    EXPECT_FALSE(t.manager.IsFloating());
    EXPECT_TRUE(::GetWindowLongA(Palette(), GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(t.ClientRectInFrame().left, 213);
    EXPECT_FALSE(t.manager.IsDragging());
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(KvPaletteTest, ReleasingADockedPaletteWhereItIsChangesNothing)
{
    t.manager.CreatePalette();
    const HWND palette = Palette();
    const RECT before = t.ClientRectInFrame();
    const RECT rect = PaletteRect();
    DragTo(POINT{rect.left, rect.top});
    EXPECT_EQ(Palette(), palette);
    EXPECT_FALSE(t.manager.IsFloating());
    const RECT after = t.ClientRectInFrame();
    EXPECT_TRUE(::EqualRect(&before, &after));
}

TEST_F(KvPaletteTest, AQuitDuringAMoveEndsItAndReachesTheMainLoop)
{
    t.manager.CreatePalette();
    t.manager.ToggleDock();
    const RECT rect = PaletteRect();
    PostAt(WM_MOUSEMOVE, POINT{rect.left + 40, rect.top + 40});
    ::PostQuitMessage(7);
    ::SendMessageA(Palette(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(t.manager.IsDragging());
    EXPECT_EQ(::GetCapture(), nullptr);
    MSG msg{};
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(PaletteRect().left, rect.left);
}

TEST_F(KvPaletteTest, ALostCaptureOrEscEndsTheMoveWithoutMovingAnything)
{
    struct Case {
        UINT msg;
        WPARAM wParam;
    };
    for (const Case& c : {Case{WM_CANCELMODE, 0}, Case{WM_KEYDOWN, VK_ESCAPE}}) {
        SCOPED_TRACE(c.msg);
        t.manager.CreatePalette();
        if (!t.manager.IsFloating())
            t.manager.ToggleDock();
        const HWND palette = Palette();
        RECT client{};
        ::GetWindowRect(t.client(), &client);
        const RECT rect = PaletteRect();
        PostAt(WM_MOUSEMOVE, POINT{rect.left + 11, rect.top + 10});
        PostAt(WM_MOUSEMOVE, POINT{client.left - 190, client.top + 40});
        ::PostMessageA(palette, c.msg, c.wParam, 0);
        PostAt(WM_LBUTTONUP, POINT{client.left - 190, client.top + 40});
        ::SendMessageA(palette, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        EXPECT_FALSE(t.manager.IsDragging());
        EXPECT_EQ(::GetCapture(), nullptr);
        Drain();  // the release that followed reaches the palette as an ordinary message
        EXPECT_TRUE(t.manager.IsFloating());
        EXPECT_EQ(Palette(), palette);
        EXPECT_EQ(PaletteRect().left, rect.left);

        // The next move runs normally.
        DragTo(POINT{rect.left + 50, rect.top});
        EXPECT_EQ(PaletteRect().left, rect.left + 50);
        t.manager.DestroyPalette();
    }
}

TEST_F(KvPaletteTest, ClosingTheFloatingPaletteDeletesItsWindowObject)
{
    t.manager.CreatePalette();
    t.manager.ToggleDock();
    const HWND palette = Palette();
    const HWND content = Content();
    AssertionCounter assertions;
    ::SendMessageA(palette, WM_CLOSE, 0, 0);
    EXPECT_EQ(t.manager.m_pPalette, nullptr);
    EXPECT_EQ(t.manager.GetInnerWnd(), nullptr);
    EXPECT_FALSE(::IsWindow(palette));
    EXPECT_FALSE(::IsWindow(content));
    EXPECT_EQ(assertions.Failed(), 0);
    // Shown again, it comes back where it was.
    t.manager.CreatePalette();
    EXPECT_TRUE(t.manager.IsFloating());
    EXPECT_EQ(PaletteRect().left, 300);
}

TEST_F(KvPaletteTest, TheClientWindowFollowsTheDockedPalettesSize)
{
    t.manager.CreatePalette();
    // The palette is widened from its right edge.
    RECT palette = PaletteRect();
    ::MapWindowPoints(nullptr, t.frame(), reinterpret_cast<POINT*>(&palette), 2);
    ::MoveWindow(Palette(), 0, palette.top, 260, palette.bottom - palette.top, TRUE);
    EXPECT_EQ(t.manager.GetDockedSize().cx, 260);
    EXPECT_EQ(t.ClientRectInFrame().left, 260);
    RECT inner{}, content{};
    t.manager.m_pPalette->GetInnerRect(&inner);
    ::GetWindowRect(Content(), &content);
    EXPECT_EQ(content.right - content.left, inner.right - inner.left);

    // The frame gets narrower and the client window shorter.
    const RECT client = t.ClientRectInFrame();
    ::MoveWindow(t.client(), client.left, client.top, client.right - client.left, 300, FALSE);
    t.manager.Resize(700);
    const RECT moved = t.ClientRectInFrame();
    EXPECT_EQ(moved.left, 260);
    EXPECT_EQ(moved.right, 700);
    EXPECT_EQ(moved.bottom - moved.top, 300);
    EXPECT_EQ(PaletteRect().bottom - PaletteRect().top, 300);
}

TEST_F(KvPaletteTest, TheCaptionMovesThroughTheManagerAndTheRightEdgeSizes)
{
    t.manager.CreatePalette();
    RECT docked = PaletteRect();
    EXPECT_EQ(::SendMessageA(Palette(), WM_NCHITTEST, 0, MAKELPARAM(docked.right - 2, docked.top + 50)), HTRIGHT);
    EXPECT_EQ(::SendMessageA(Palette(), WM_NCHITTEST, 0, MAKELPARAM(docked.left + 50, docked.top + 50)), HTCLIENT);
    t.manager.ToggleDock();
    RECT floating = PaletteRect();
    const int captionY = floating.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYSMCAPTION) / 2;
    EXPECT_EQ(::SendMessageA(Palette(), WM_NCHITTEST, 0, MAKELPARAM(floating.left + 100, captionY)), HTCLIENT);
}

TEST_F(KvPaletteTest, ThePaletteAsAPersonSeesIt)
{
    t.manager.CreatePalette();
    auto* tabs = dynamic_cast<KvInTabWnd*>(t.manager.GetInnerWnd());
    ASSERT_NE(tabs, nullptr);
    ::SendMessageA(tabs->m_hWnd, 0x4CB, reinterpret_cast<WPARAM>("Basic"), 1);
    ::SendMessageA(tabs->m_hWnd, 0x4CB, reinterpret_cast<WPARAM>("Custom"), 2);
    const char* names[] = {"Play", "Collect", "Transfer", "Record", "Fax", "Database"};
    tabs->BeginListUpdate();
    for (int i = 0; i < 6; ++i) {
        KvPalettePBItem item(names[i], static_cast<DWORD>(i), static_cast<DWORD>(100 + i));
        ::SendMessageA(tabs->m_hWnd, 0x4C9, 0, reinterpret_cast<LPARAM>(&item));
    }
    tabs->EndListUpdate();
    ::SendMessageA(tabs->m_hWnd, 0x4CC, 0, 0);
    SaveFrameworkPicture(t.frame(), "palette_docked");
    t.manager.ToggleDock();
    SaveFrameworkPicture(Palette(), "palette_floating");
    EXPECT_EQ(::SendMessageA(tabs->GetListCtrl()->m_hWnd, LVM_GETITEMCOUNT, 0, 0), 6);
}

TEST_F(KvPaletteTest, APaletteClosedDuringItsMoveEndsTheMove)
{
    t.manager.CreatePalette();
    t.manager.ToggleDock();
    const HWND palette = Palette();
    const RECT rect = PaletteRect();
    PostAt(WM_MOUSEMOVE, POINT{rect.left + 10, rect.top + 10});
    PostAt(WM_MOUSEMOVE, POINT{rect.left + 90, rect.top + 40});
    ::PostMessageA(palette, WM_CLOSE, 0, 0);
    PostAt(WM_LBUTTONUP, POINT{rect.left + 90, rect.top + 40});
    AssertionCounter assertions;
    ::SendMessageA(palette, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(t.manager.m_pPalette, nullptr);
    EXPECT_FALSE(::IsWindow(palette));
    EXPECT_FALSE(t.manager.IsDragging());
    EXPECT_EQ(::GetCapture(), nullptr);
    Drain();
    EXPECT_EQ(assertions.Failed(), 0);
}
