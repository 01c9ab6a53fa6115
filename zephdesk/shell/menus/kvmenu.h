// KvMenu: owns one menu handle (created or attached) and destroys it with itself. The
// designer's menus build on it: the main menu's states, the block and page context menus,
// and a block's Hide/Show Outputs pop-up. Every command chosen goes to the main frame.
#pragma once

#include <windows.h>

class KvMenu {
public:
    KvMenu() = default;
    ~KvMenu();
    KvMenu(const KvMenu&) = delete;
    KvMenu& operator=(const KvMenu&) = delete;

    // An empty pop-up, attached.
    void CreatePopup();
    // Takes over a handle; the object must hold none.
    int Attach(HMENU menu);
    // Gives the handle back without destroying the menu.
    HMENU Detach();
    HMENU GetHandle() const { return m_hMenu; }

    // flags: MF_STRING (0), MF_POPUP with id a sub-menu handle, MF_SEPARATOR, MF_GRAYED,
    // MF_CHECKED.
    void Append(UINT flags, UINT_PTR id, const char* text);
    void CheckItem(UINT id, UINT flags);
    void EnableItem(UINT id, UINT flags);
    // Shows the pop-up at the screen point; the chosen command reaches owner as a menu
    // command.
    void TrackPopup(UINT flags, int x, int y, HWND owner, const RECT* rect = nullptr);

protected:
    HMENU m_hMenu = nullptr;
};
