#include "shell/commands/menupopups.h"

#include <vector>

#include "editor/canvas/vavurorezo.h"
#include "editor/page/editmdi_win32.h"
#include "shell/commands/blockcommands.h"
#include "shell/commands/framecommandsite.h"
#include "shell/commands/optioncommands.h"

namespace {

// Each pop-up of the menu bar, known by an item it holds itself, and its status text.
struct PopupText {
    UINT heldItem;
    UINT text;
};
constexpr PopupText kPopupTexts[] = {
    {4128, 2448},    // File: New
    {4138, 2449},    // Edit: Cut
    {4142, 2450},    // View: Zoom In
    {4145, 2451},    // Define: Voice Items
    {0x1072, 2454},  // Options: Confirm Paste/Delete
    {24361, 2455},   // Window: Cascade
    {4160, 2456},    // Help: Help Topics
};

// True when the item is one of the pop-up's own, not one of a pop-up inside it.
bool HoldsItem(HMENU popup, UINT id) {
    const int count = ::GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i)
        if (::GetMenuItemID(popup, i) == id) return true;
    return false;
}

bool OneBlockSelected(FrameCommandSite& site) {
    ed::EditWindows* windows = site.PageWindows();
    ed::EditMDI* window = windows != nullptr ? PageWindowOf(*windows, site.ActiveChild()) : nullptr;
    ed::EditChild* canvas = window != nullptr ? window->Canvas() : nullptr;
    if (canvas == nullptr) return false;
    const std::vector<ed::UIObject*> selection = canvas->Canvas().Selection();
    return selection.size() == 1 && selection.front()->isA() == ed::kClassVavurOrezo;
}

}  // namespace

void RefreshMenuPopup(HMENU popup, FrameCommandSite& site, const AppOptionsPort& options) {
    if (popup == nullptr) return;
    RebuildLevelPopup(popup, options);
    if (HoldsItem(popup, kCmRenameBlock))
        ::EnableMenuItem(popup, kCmRenameBlock, MF_BYCOMMAND | (OneBlockSelected(site) ? MF_ENABLED : MF_GRAYED));
}

std::optional<UINT> MenuStatusTextId(UINT item, UINT flags, HMENU menu) {
    if ((flags & MF_POPUP) == 0) return item;
    if (menu == nullptr) return 0u;
    HMENU popup = ::GetSubMenu(menu, static_cast<int>(item));
    if (popup == nullptr) return std::nullopt;
    for (const PopupText& each : kPopupTexts)
        if (HoldsItem(popup, each.heldItem)) return each.text;
    return std::nullopt;
}
