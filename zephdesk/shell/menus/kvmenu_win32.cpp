#include "shell/menus/kvmenu.h"

#include "foundation/kvassert.h"

KvMenu::~KvMenu() {
    if (HMENU menu = Detach()) ::DestroyMenu(menu);
}

void KvMenu::CreatePopup() { Attach(::CreatePopupMenu()); }

int KvMenu::Attach(HMENU menu) {
    KV_ASSERT(m_hMenu==0);
    m_hMenu = menu;
    return 1;
}

HMENU KvMenu::Detach() {
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

void KvMenu::Append(UINT flags, UINT_PTR id, const char* text) {
    if (!KV_ASSERT(::IsMenu(m_hMenu))) return;
    ::AppendMenuA(m_hMenu, flags, id, (flags & MF_SEPARATOR) ? nullptr : text);
}

void KvMenu::CheckItem(UINT id, UINT flags) { ::CheckMenuItem(m_hMenu, id, MF_BYCOMMAND | flags); }

void KvMenu::EnableItem(UINT id, UINT flags) { ::EnableMenuItem(m_hMenu, id, MF_BYCOMMAND | flags); }

void KvMenu::TrackPopup(UINT flags, int x, int y, HWND owner, const RECT* rect) {
    ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner, rect);
}
