#include <gtest/gtest.h>

#include <string>

#include "kvfwtest_win32.h"
#include "framework/kvintabw.h"

namespace {

class KvInTabWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureFrameworkReady();
        t.manager.CreatePalette();
        tabs = dynamic_cast<KvInTabWnd*>(t.manager.GetInnerWnd());
        ASSERT_NE(tabs, nullptr);
    }

    HWND TabControl() const { return tabs->GetTabCtrl()->m_hWnd; }
    HWND List() const { return tabs->GetListCtrl()->m_hWnd; }
    int TabCount() const { return static_cast<int>(::SendMessageA(TabControl(), TCM_GETITEMCOUNT, 0, 0)); }
    int ItemCount() const { return static_cast<int>(::SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0)); }

    std::string TabText(int index) const
    {
        char text[64] = "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(TabControl(), TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return text;
    }

    void AddTab(const char* text, LPARAM data)
    {
        ::SendMessageA(tabs->m_hWnd, 0x4CB, reinterpret_cast<WPARAM>(text), data);
    }

    void AddEntry(const char* name, DWORD image, DWORD data)
    {
        KvPalettePBItem entry(name, image, data);
        ::SendMessageA(tabs->m_hWnd, 0x4C9, 0, reinterpret_cast<LPARAM>(&entry));
    }

    // Starts the drag of list entry 0 as the list view would, through the tab control.
    void BeginEntryDrag()
    {
        NMLISTVIEW view{};
        view.hdr.hwndFrom = List();
        view.hdr.idFrom = 997;
        view.hdr.code = static_cast<UINT>(LVN_BEGINDRAG);
        view.iItem = 0;
        view.ptAction = POINT{20, 20};
        ::SendMessageA(TabControl(), WM_NOTIFY, 997, reinterpret_cast<LPARAM>(&view));
    }

    TestFrame t;
    KvInTabWnd* tabs = nullptr;
};

}  // namespace

TEST_F(KvInTabWndTest, TheLoadingTabGivesWayToTheFirstRealTabOnly)
{
    ASSERT_EQ(TabCount(), 1);
    EXPECT_EQ(TabText(0), "Loading...");
    EXPECT_TRUE(tabs->IsPlaceholderShown());
    AddTab("Basic", 11);
    AddTab("Custom", 22);
    ASSERT_EQ(TabCount(), 2);
    EXPECT_EQ(TabText(0), "Basic");
    EXPECT_EQ(TabText(1), "Custom");

    ::SendMessageA(tabs->m_hWnd, 0x4D1, 0, 0);
    EXPECT_EQ(TabCount(), 0);
    AddTab("Library", 33);
    ASSERT_EQ(TabCount(), 1);
    EXPECT_EQ(TabText(0), "Library");
    EXPECT_FALSE(tabs->IsPlaceholderShown());
}

TEST_F(KvInTabWndTest, EntriesCarryTheirNamePictureAndData)
{
    AddEntry("Play", 3, 0x1234);
    AddEntry("Record", 7, 0x5678);
    ASSERT_EQ(ItemCount(), 2);
    char text[32] = "";
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = 1;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(::SendMessageA(List(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, "Record");
    EXPECT_EQ(item.iImage, 7);
    EXPECT_EQ(item.lParam, 0x5678);

    ::SendMessageA(tabs->m_hWnd, 0x4CA, 0, 0);
    EXPECT_EQ(ItemCount(), 0);
    AddEntry("Fax", 1, 9);
    EXPECT_EQ(ItemCount(), 1);
}

TEST_F(KvInTabWndTest, SelectingATabTellsTheFrameItsDataNotItsIndex)
{
    AddTab("Basic", 0x111);
    AddTab("Custom", 0x222);
    AddTab("Verify", 0x333);
    ::SendMessageA(tabs->m_hWnd, 0x4CC, 1, 0);
    EXPECT_EQ(tabs->GetCurSel(), 1);
    EXPECT_TRUE(t.host().Of(0x4D0).empty());  // selecting from code tells nobody

    // A click on the third tab.
    RECT third{};
    ::SendMessageA(TabControl(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&third));
    const LPARAM at = MAKELPARAM((third.left + third.right) / 2, (third.top + third.bottom) / 2);
    ::SendMessageA(TabControl(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(TabControl(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(tabs->GetCurSel(), 2);
    const auto told = t.host().Of(0x4D0);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].wParam, 0u);
    EXPECT_EQ(told[0].lParam, 0x333);
}

TEST_F(KvInTabWndTest, CloseOnlyBeeps)
{
    BeepRecorder beeps;
    ::SendMessageA(tabs->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_TRUE(::IsWindow(tabs->m_hWnd));
    EXPECT_EQ(t.manager.GetInnerWnd(), tabs);
}

TEST_F(KvInTabWndTest, TheFrameHearsOfADragBeforeItBegins)
{
    AddEntry("Play", 0, 0xBEEF);
    BeginEntryDrag();
    const auto told = t.host().Of(0x4D2);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].lParam, 0);
    EXPECT_EQ(told[0].capture, nullptr);  // nothing of the drag had started
    EXPECT_TRUE(tabs->IsDragging());
    EXPECT_EQ(::GetCapture(), tabs->m_hWnd);

    // Over no page: the "no" cursor; released there: a beep and nothing dropped.
    BeepRecorder beeps;
    ::SendMessageA(tabs->m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 30));
    ASSERT_FALSE(t.shell.cursors.empty());
    EXPECT_EQ(t.shell.cursors.back(), "no");
    ::SendMessageA(tabs->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(30, 30));
    EXPECT_FALSE(tabs->IsDragging());
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(beeps.Count(), 1);
}

TEST_F(KvInTabWndTest, ALostCaptureOrEscEndsTheDragSoTheNextOneStarts)
{
    AddEntry("Play", 0, 1);
    BeepRecorder beeps;
    AssertionCounter assertions;
    BeginEntryDrag();
    ASSERT_TRUE(tabs->IsDragging());
    ::SendMessageA(tabs->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(tabs->IsDragging());
    EXPECT_EQ(::GetCapture(), nullptr);

    BeginEntryDrag();
    ASSERT_TRUE(tabs->IsDragging());
    ::SetCapture(t.frame());  // another window takes the mouse
    EXPECT_FALSE(tabs->IsDragging());
    ::ReleaseCapture();

    BeginEntryDrag();
    EXPECT_TRUE(tabs->IsDragging());
    ::SendMessageA(tabs->m_hWnd, WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(tabs->IsDragging());
    EXPECT_EQ(beeps.Count(), 0);  // nothing was dropped
    EXPECT_EQ(assertions.Failed(), 0);
    EXPECT_EQ(t.host().Of(0x4D2).size(), 3u);
}

TEST_F(KvInTabWndTest, TheListFollowsTheContentWindowsSize)
{
    ::MoveWindow(tabs->m_hWnd, 0, 0, 300, 400, TRUE);
    RECT tab{}, list{};
    ::GetClientRect(TabControl(), &tab);
    ::GetWindowRect(List(), &list);
    EXPECT_EQ(tab.right, 296);
    EXPECT_EQ(tab.bottom, 396);
    RECT display{0, 0, 296, 396};
    ::SendMessageA(TabControl(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_EQ(list.right - list.left, display.right - display.left + 1);
    EXPECT_EQ(list.bottom - list.top, display.bottom - display.top - 1);
}
