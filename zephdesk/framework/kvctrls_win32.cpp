#include "kvctrls.h"

#include <cstring>

#include "foundation/kvassert.h"
#include "kvimglst.h"

BOOL KvListCtrl::Create(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                        int cx, int cy, HWND parent, UINT id, void* lpParam)
{
    m_hWnd = ::CreateWindowExA(exStyle, className, windowName, style, x, y, cx, cy, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetCreationInstance(), lpParam);
    return m_hWnd != nullptr;
}

void KvListCtrl::SetImageList(KvImageList& list, int type)
{
    ::SendMessageA(m_hWnd, LVM_SETIMAGELIST, static_cast<WPARAM>(type), reinterpret_cast<LPARAM>(list.m_hImageList));
}

int KvListCtrl::InsertItem(int index, const char* text, LPARAM lParam)
{
    if (!KV_ASSERT(::IsWindow(m_hWnd)))
        return -1;
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.iSubItem = 0;
    item.pszText = const_cast<char*>(text);
    item.cchTextMax = static_cast<int>(std::strlen(text));
    item.lParam = lParam;
    return static_cast<int>(::SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL KvTabCtrl::Create(DWORD style, const RECT& rect, KvWnd* pParentWnd, UINT id)
{
    ::InitCommonControls();
    if (!KV_ASSERT(::IsWindow(pParentWnd->m_hWnd)))
        return FALSE;
    m_hWnd = ::CreateWindowExA(0, "SysTabControl32", "Tab Ctrl", style, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, pParentWnd->m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetCreationInstance(), nullptr);
    return m_hWnd != nullptr;
}

void KvTabCtrl::AdjustRect(BOOL larger, RECT* rect)
{
    ::SendMessageA(m_hWnd, TCM_ADJUSTRECT, static_cast<WPARAM>(larger), reinterpret_cast<LPARAM>(rect));
}

int KvTabCtrl::InsertItem(int index, TCITEMA* item)
{
    return static_cast<int>(::SendMessageA(m_hWnd, TCM_INSERTITEMA, static_cast<WPARAM>(index),
                                           reinterpret_cast<LPARAM>(item)));
}
