#include "kvintabw.h"

#include <commctrl.h>

#include "kvbeep.h"
#include "kvcheck.h"
#include "kvimglst.h"
#include "kvmainfr.h"
#include "shellservices.h"

namespace {

constexpr UINT kTabId = 999;
constexpr UINT kListId = 997;
constexpr DWORD kTabStyle = 0x54000000;   // child, visible, clip siblings
constexpr DWORD kListStyle = 0x50000144;  // child, visible, icons, single selection, shared lists, arranged

KvMainFrame* MainFrame()
{
    ShellServices* services = KvGetShellServices();
    return services != nullptr ? services->GetMainFrame() : nullptr;
}

// The list lies inside the tab control, so its notifications reach the tab control; they
// are passed on to the content window, which runs the entry drags.
LRESULT CALLBACK ForwardListNotifications(HWND tab, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (msg == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header != nullptr && header->idFrom == kListId)
            return ::SendMessageA(::GetParent(tab), WM_NOTIFY, wParam, lParam);
    }
    if (msg == WM_NCDESTROY)
        ::RemoveWindowSubclass(tab, &ForwardListNotifications, 0);
    return ::DefSubclassProc(tab, msg, wParam, lParam);
}

}  // namespace

KvInnerWnd* KvTabPaletteMgr::CreateInnerWnd()
{
    return new KvInTabWnd;
}

RECT KvInTabWnd::ListRectOf(int width, int height)
{
    RECT list{0, 0, width, height};
    m_pTabCtrl->AdjustRect(FALSE, &list);
    list.left -= 1;
    list.top += 1;
    return list;
}

LRESULT KvInTabWnd::OnCreate(CREATESTRUCTA*)
{
    RECT tab{};
    GetClientRect(&tab);
    ::OffsetRect(&tab, 2, 2);
    tab.right -= 4;
    tab.bottom -= 4;
    m_pTabCtrl = new KvTabCtrl;
    if (!m_pTabCtrl->Create(kTabStyle, tab, this, kTabId))
        return 0;
    ::SetWindowSubclass(m_pTabCtrl->m_hWnd, &ForwardListNotifications, 0, 0);

    LOGFONTA logFont{};
    logFont.lfHeight = -8;
    logFont.lfWeight = 400;
    lstrcpynA(logFont.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    m_hTabFont = ::CreateFontIndirectA(&logFont);
    m_pTabCtrl->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_hTabFont), 0);

    TCITEMA placeholder{};
    placeholder.mask = TCIF_TEXT;
    placeholder.pszText = const_cast<char*>("Loading...");
    m_pTabCtrl->InsertItem(0, &placeholder);
    m_bPlaceholder = TRUE;

    const RECT list = ListRectOf(tab.right - tab.left, tab.bottom - tab.top);
    m_pListCtrl = new KvListCtrl;
    m_pListCtrl->Create(WS_EX_CLIENTEDGE, "SysListView32", "ListView", kListStyle, list.left, list.top,
                        list.right - list.left, list.bottom - list.top, m_pTabCtrl->m_hWnd, kListId, nullptr);
    KvImageListEx* icons = GetResizedPaletteImageList();
    if (KV_CHECK(icons != nullptr, "(m_pResizedIconIL!=0)") && m_pListCtrl->m_hWnd != nullptr)
        m_pListCtrl->SetImageList(*icons, LVSIL_NORMAL);
    return 0;
}

void KvInTabWnd::OnSize(UINT, int cx, int cy)
{
    if (m_pTabCtrl == nullptr || m_pTabCtrl->m_hWnd == nullptr)
        return;
    m_pTabCtrl->SetWindowPos(nullptr, 0, 0, cx - 4, cy - 4, SWP_NOMOVE | SWP_NOZORDER);
    if (m_pListCtrl != nullptr && m_pListCtrl->m_hWnd != nullptr) {
        const RECT list = ListRectOf(cx - 4, cy - 4);
        m_pListCtrl->SetWindowPos(nullptr, 0, 0, list.right - list.left, list.bottom - list.top,
                                  SWP_NOMOVE | SWP_NOZORDER);
    }
}

void KvInTabWnd::OnMessage4C9(LPARAM lParam)
{
    const auto* entry = reinterpret_cast<const KvPalettePBItem*>(lParam);
    if (entry == nullptr || m_pListCtrl == nullptr)
        return;
    const CString name = entry->GetName();
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = m_nListCount;
    item.pszText = const_cast<char*>(static_cast<const char*>(name));
    item.iImage = static_cast<int>(entry->GetImage());
    item.lParam = static_cast<LPARAM>(entry->GetData());
    m_pListCtrl->SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    ++m_nListCount;
}

void KvInTabWnd::OnMessage4CA()
{
    if (m_pListCtrl != nullptr)
        m_pListCtrl->SendMessage(LVM_DELETEALLITEMS);
}

void KvInTabWnd::OnMessage4CB(WPARAM wParam, LPARAM lParam)
{
    if (m_pTabCtrl == nullptr)
        return;
    if (m_bPlaceholder) {
        m_pTabCtrl->SendMessage(TCM_DELETEALLITEMS);
        m_bPlaceholder = FALSE;
    }
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = reinterpret_cast<char*>(wParam);
    item.lParam = lParam;
    m_pTabCtrl->InsertItem(m_nTabCount, &item);
    ++m_nTabCount;
}

void KvInTabWnd::OnMessage4CC(WPARAM wParam)
{
    if (m_pTabCtrl != nullptr)
        m_pTabCtrl->SendMessage(TCM_SETCURSEL, wParam);
}

void KvInTabWnd::OnMessage4D1()
{
    OnMessage4CA();
    if (m_pTabCtrl != nullptr)
        m_pTabCtrl->SendMessage(TCM_DELETEALLITEMS);
}

void KvInTabWnd::BeginListUpdate()
{
    SendMessage(WM_SETREDRAW, FALSE);
    if (KvImageListEx* icons = GetPaletteImageList(); icons != nullptr && m_pListCtrl != nullptr)
        m_pListCtrl->SetImageList(*icons, LVSIL_NORMAL);
}

void KvInTabWnd::EndListUpdate()
{
    if (KvImageListEx* icons = GetResizedPaletteImageList(); icons != nullptr && m_pListCtrl != nullptr)
        m_pListCtrl->SetImageList(*icons, LVSIL_NORMAL);
    SendMessage(WM_SETREDRAW, TRUE);
    if (m_pListCtrl != nullptr)
        m_pListCtrl->Invalidate();
}

int KvInTabWnd::GetCurSel() const
{
    return m_pTabCtrl != nullptr ? static_cast<int>(::SendMessageA(m_pTabCtrl->m_hWnd, TCM_GETCURSEL, 0, 0)) : -1;
}

void KvInTabWnd::OnTabSelChange()
{
    const int index = GetCurSel();
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    m_pTabCtrl->SendMessage(TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    if (KvMainFrame* frame = MainFrame())
        ::SendMessageA(frame->m_hWnd, kKvMsgTabSelected, 0, item.lParam);
}

void KvInTabWnd::OnListBeginDrag(NMHDR* header)
{
    if (!KV_ASSERT(m_bDragging==0))
        return;
    KvMainFrame* frame = MainFrame();
    if (frame == nullptr)
        return;
    const auto* view = reinterpret_cast<const NMLISTVIEW*>(header);
    ::SendMessageA(frame->m_hWnd, kKvMsgDragStarts, 0, 0);
    ImageList_EndDrag();
    m_bDragging = TRUE;
    POINT imageTopLeft{};
    auto image = reinterpret_cast<HIMAGELIST>(m_pListCtrl->SendMessage(
        LVM_CREATEDRAGIMAGE, static_cast<WPARAM>(view->iItem), reinterpret_cast<LPARAM>(&imageTopLeft)));
    ::SetCapture(m_hWnd);
    // Esc reaches the window that has the focus: this one, for the length of the drag.
    ::SetFocus(m_hWnd);
    const POINT hot{view->ptAction.x - imageTopLeft.x, view->ptAction.y - imageTopLeft.y};
    POINT point = view->ptAction;
    ::ClientToScreen(m_pListCtrl->m_hWnd, &point);
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = view->iItem;
    m_pListCtrl->SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    frame->BeginDrag(image, point.x, point.y, static_cast<DWORD>(item.lParam), &hot);
    // The drag keeps its own copy of the picture.
    if (image != nullptr)
        ImageList_Destroy(image);
}

void KvInTabWnd::OnMouseMove(UINT flags, int x, int y)
{
    if (!m_bDragging) {
        ImageList_EndDrag();
        KvWnd::OnMouseMove(flags, x, y);
        return;
    }
    POINT point{x, y};
    ClientToScreen(&point);
    if (KvMainFrame* frame = MainFrame())
        frame->DragMove(flags, point.x, point.y, nullptr);
}

void KvInTabWnd::OnLButtonUp(UINT flags, int x, int y)
{
    if (!m_bDragging) {
        KvWnd::OnLButtonUp(flags, x, y);
        return;
    }
    // Cleared before the capture goes, so that the capture change is not taken for a cancel.
    m_bDragging = FALSE;
    ::ReleaseCapture();
    POINT point{x, y};
    ClientToScreen(&point);
    if (KvMainFrame* frame = MainFrame())
        frame->EndDrag(point.x, point.y, TRUE);
}

void KvInTabWnd::OnCancelDrag(UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool lostCapture = message != WM_CAPTURECHANGED || reinterpret_cast<HWND>(lParam) != m_hWnd;
    if (!m_bDragging || !lostCapture) {
        KvWnd::OnCancelDrag(message, wParam, lParam);
        return;
    }
    m_bDragging = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (KvMainFrame* frame = MainFrame())
        frame->CancelDrag();
}

void KvInTabWnd::OnClose()
{
    KvBeep(0);
}

void KvInTabWnd::DestroyWindow()
{
    if (m_pListCtrl != nullptr) {
        if (::IsWindow(m_pListCtrl->m_hWnd))
            m_pListCtrl->KvWnd::DestroyWindow();
        delete m_pListCtrl;
        m_pListCtrl = nullptr;
    }
    if (m_pTabCtrl != nullptr) {
        if (::IsWindow(m_pTabCtrl->m_hWnd))
            m_pTabCtrl->KvWnd::DestroyWindow();
        delete m_pTabCtrl;
        m_pTabCtrl = nullptr;
    }
    if (m_hTabFont != nullptr) {
        ::DeleteObject(m_hTabFont);
        m_hTabFont = nullptr;
    }
    KvInnerWnd::DestroyWindow();
}
