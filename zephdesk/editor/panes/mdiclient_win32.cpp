#include "editor/panes/mdiclient_win32.h"

#include "editor/panes/childwindow_win32.h"
#include "editor/panes/layout.h"
#include "owl/commands.h"

namespace ed {

DEFINE_RESPONSE_TABLE(UIMDIClient, TMDIClient)
  EV_WM_MOUSEMOVE,
  EV_COMMAND(CM_TILECHILDREN, CmTile),
  EV_COMMAND(CM_CASCADECHILDREN, CmCascade),
  EV_COMMAND(kCmResetWindows, CmResetWindows),
END_RESPONSE_TABLE;

UIMDIClient::UIMDIClient(MDIClientFrame& frame, TModule* module) : TMDIClient(module), frame_(frame) {}

void UIMDIClient::EvMouseMove(UINT, const TPoint&) { frame_.ClearStatusText(); }

void UIMDIClient::Arrange(UINT how) {
  if (HWindow != nullptr) ::SendMessageA(::GetParent(HWindow), kMsgArrangeWindows, how, 0);
}

void UIMDIClient::CmTile() { Arrange(kArrangeTile); }

void UIMDIClient::CmCascade() { Arrange(kArrangeCascade); }

// A missing or hidden palette is shown; a maximised or minimised one is restored first,
// and the palette then takes its initial rectangle in the client again.
void UIMDIClient::CmResetWindows() {
  HWND palette = frame_.PaletteWindow();
  if (palette == nullptr || !::IsWindow(palette) || !::IsWindowVisible(palette)) {
    frame_.ShowPalette();
  } else if (HWindow != nullptr) {
    if (::IsZoomed(palette) || ::IsIconic(palette)) ::ShowWindow(palette, SW_RESTORE);
    if (const LayoutGroup* group = FindLayoutGroup(kLayoutPalette)) {
      RECT area{};
      ::GetClientRect(HWindow, &area);
      const Rect r = LayoutRectSimple(group->x, group->y, group->width, group->height, area.right, area.bottom);
      ::SetWindowPos(palette, nullptr, r.left, r.top, r.Width(), r.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
  }
  Arrange(kArrangeReset);
}

}  // namespace ed
