#include "owl/mdiframe.h"

#include <cctype>
#include <string>

#include "owl/commands.h"
#include "owl/mdichild.h"
#include "owl/mdiclient.h"
#include "owl/module.h"

DEFINE_RESPONSE_TABLE(TMDIFrame, TWindow)
  EV_COMMAND(CM_EXIT, CmExit),
  EV_WM_INITMENUPOPUP,
END_RESPONSE_TABLE;

namespace {

// The pop-up that lists the MDI children: the one titled "Window" (ignoring "&"), else the
// one before the last.
HMENU FindWindowMenu(HMENU menu) {
  if (menu == nullptr) return nullptr;
  int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[64] = "";
    ::GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
    std::string plain;
    for (const char* c = text; *c; ++c)
      if (*c != '&') plain += char(std::tolower(static_cast<unsigned char>(*c)));
    if (plain == "window") return ::GetSubMenu(menu, i);
  }
  return count >= 2 ? ::GetSubMenu(menu, count - 2) : nullptr;
}

}  // namespace

TMDIFrame::TMDIFrame(const char* title, TResId menuResId, TMDIClient& clientWnd, bool,
                     TModule* module)
    : TWindow(static_cast<TWindow*>(nullptr), title, module), ClientWnd(&clientWnd) {
  Attr.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  Attr.Menu = std::move(menuResId);
  clientWnd.SetParent(this);
}

void TMDIFrame::SetupWindow() {
  ClientWnd->WindowMenu = FindWindowMenu(::GetMenu(HWindow));
  TWindow::SetupWindow();
}

bool TMDIFrame::PreProcessMsg(MSG& msg) {
  return ClientWnd && ClientWnd->HWindow && ::TranslateMDISysAccel(ClientWnd->HWindow, &msg);
}

std::vector<TWindow*> TMDIFrame::CommandChain() const {
  std::vector<TWindow*> chain;
  if (!ClientWnd) return chain;
  for (TWindow* w = ClientWnd->GetActiveMDIChild(); w && w != this; w = w->Parent)
    chain.push_back(w);
  if (chain.empty() || chain.back() != ClientWnd) chain.push_back(ClientWnd);
  return chain;
}

LRESULT TMDIFrame::EvCommand(UINT id, HWND hWndCtl, UINT notifyCode) {
  if (hWndCtl == nullptr && id < MDI_FIRST_CHILD_ID) {
    TEventInfo info = TEventInfo::ForCommand(id, notifyCode);
    for (TWindow* target : CommandChain()) {
      if (target->Find(info)) return target->Dispatch(info, MAKEWPARAM(id, notifyCode), 0);
    }
  }
  return TWindow::EvCommand(id, hWndCtl, notifyCode);
}

void TMDIFrame::RouteCommandEnable(TCommandEnabler& enabler) {
  TEventInfo info = TEventInfo::ForCommandEnable(enabler.GetId());
  for (TWindow* target : CommandChain()) {
    if (target->Find(info)) {
      target->Dispatch(info, 0, reinterpret_cast<LPARAM>(&enabler));
      return;
    }
  }
  TWindow::RouteCommandEnable(enabler);
}

LRESULT TMDIFrame::DefaultWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND client = ClientWnd ? ClientWnd->HWindow : nullptr;
  return ::DefFrameProcA(HWindow, client, msg, wParam, lParam);
}

void TMDIFrame::CmExit() { PostMessage(WM_CLOSE); }
