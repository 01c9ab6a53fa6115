#include "shell/commands/palettecommands.h"

#include <cstring>
#include <typeinfo>

#include "editor/palette/palettemdi_win32.h"
#include "framework/kvcheck.h"
#include "framework/kvimglst.h"
#include "framework/kvintabw.h"
#include "framework/kvmainfr.h"
#include "owl/mdiclient.h"
#include "shell/app/uiapp.h"
#include "shell/frame/uimdiframe.h"

namespace {

constexpr const char* kOldPaletteTitle = "Old VavurOrezos";
constexpr int kFullIconSize = 40;

void TogglePalette(UIMDIFrame& frame) {
    KvMainFrame* main = frame.GetMainFrame();
    if (!KV_CHECK(main != nullptr, "(m_pMainFrame!=0)") ||
        !KV_CHECK(main->m_pPaletteManager != nullptr, "(m_pMainFrame->m_pPaletteManager!=0)"))
        return;
    KvPaletteManager& manager = *main->m_pPaletteManager;
    if (manager.m_pPalette == nullptr) {
        manager.CreatePalette();
        if (ed::PaletteMDI* palette = frame.GetPaletteWindow()) palette->BuildGroupTabs();
    } else {
        manager.DestroyPalette();
    }
    frame.SendMessage(kFrameMsgLayOut, 0, 0);
}

// The palette window of the old types among the client's children: of exactly that class
// and with that title.
ed::PaletteMDI* FindOldPalette(UIMDIFrame& frame) {
    TMDIClient* client = frame.GetClientWindow();
    if (client == nullptr || client->HWindow == nullptr) return nullptr;
    for (HWND child = ::GetWindow(client->HWindow, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        TWindow* window = TWindow::GetWindowPtr(child);
        if (window == nullptr || typeid(*window) != typeid(ed::PaletteMDI)) continue;
        char title[64] = "";
        ::GetWindowTextA(child, title, sizeof title);
        if (std::strcmp(title, kOldPaletteTitle) == 0) return static_cast<ed::PaletteMDI*>(window);
    }
    return nullptr;
}

void ShowOldPalette(UIMDIFrame& frame) {
    if (ed::PaletteMDI* palette = FindOldPalette(frame)) {
        ::ShowWindow(palette->HWindow, SW_SHOWNORMAL);
        ::BringWindowToTop(palette->HWindow);
        return;
    }
    frame.CreatePaletteWindow(g_pOldPaletteIcons, false);
}

}  // namespace

bool RunPaletteCommand(UIMDIFrame& frame, UINT id) {
    switch (id) {
        case kCmShowPalette:
            TogglePalette(frame);
            return true;
        case kCmOldVavurOrezos:
            ShowOldPalette(frame);
            return true;
        case kCmToggleFullScreen:
            if (KvMainFrame* main = frame.GetMainFrame()) main->ToggleFullScreen();
            return true;
        default:
            return false;
    }
}

void RescalePaletteIcons(UIMDIFrame& frame, std::int32_t percent) {
    KvMainFrame* main = frame.GetMainFrame();
    auto* tabs = main != nullptr ? dynamic_cast<KvInTabWnd*>(main->GetInWnd()) : nullptr;
    if (tabs == nullptr || tabs->m_hWnd == nullptr) return;
    const int selected = tabs->GetCurSel();
    // The list shows the loaded icons while the scaled ones are replaced under it.
    tabs->BeginListUpdate();
    RescalePaletteImageList(kFullIconSize * percent / 100);
    tabs->EndListUpdate();
    if (ed::PaletteMDI* palette = frame.GetPaletteWindow()) palette->RebuildGroupTabs(selected);
}
