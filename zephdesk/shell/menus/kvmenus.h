// The designer's menus over the command states: the main menu bar's items, the context
// menus of a block and of the page background (built afresh for each right click), and a
// block's Hide/Show Outputs pop-up. The states come from KvCmdInterface; no menu computes
// one itself.
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "framework/kvcmdint.h"
#include "shell/menus/gotomenuitems.h"
#include "shell/menus/kvmenu.h"

namespace ed {
class VavurOrezo;
}

// The 35 items of the menu bar that show command states, in refresh order.
std::span<const UINT> MainMenuStateIds();

class KvMainMenu : public KvCmdInterface, public KvMenu {
public:
    // Each item enabled or greyed, then checked or not, from the command states.
    void Update() override;
};

// A block's Hide/Show Outputs pop-up: its optional outputs, Show all and Hide all.
class KvGotoMenu : public KvMenu {
public:
    explicit KvGotoMenu(ed::VavurOrezo* block);
    // Appends the items to the attached pop-up.
    void Build();

private:
    ed::VavurOrezo* m_pPB;
};

// The outputs of a block as its pop-up lists them, asked of the block's model.
std::vector<OutputFacts> BlockOutputFacts(ed::VavurOrezo& block);
// Appends prepared items to a pop-up.
void AppendMenuItems(KvMenu& menu, const std::vector<MenuItemSpec>& items);

class KvPBCtxtMenu : public KvMenu, public KvCmdInterface {
public:
    explicit KvPBCtxtMenu(ed::VavurOrezo* block);
    ~KvPBCtxtMenu() override;
    // Cut, Copy, Delete, Rename, the outputs pop-up and Properties (the default item).
    void Build();
    void Update() override;

private:
    ed::VavurOrezo* m_pPB;
    std::unique_ptr<KvGotoMenu> m_pGotoMenu;
};

class KvUserAppCtxtMenu : public KvMenu, public KvCmdInterface {
public:
    // Save, the zooms, Paste, Create Text Note and Edit Text Note.
    void Build();
    // Every item but Create Text Note, which stays enabled as appended.
    void Update() override;
};

// Shows a context menu at a point of window's client area for the main frame: builds it,
// sets its states and tracks it until it closes.
template <class Menu>
void ShowContextMenu(Menu& menu, HWND window, POINT clientPoint, HWND frame) {
    menu.CreatePopup();
    menu.Build();
    menu.Update();
    ::ClientToScreen(window, &clientPoint);
    menu.TrackPopup(TPM_RIGHTBUTTON, clientPoint.x, clientPoint.y, frame);
}
