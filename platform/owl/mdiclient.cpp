#include "owl/mdiclient.h"

#include "owl/binding.h"
#include "owl/commands.h"
#include "owl/mdichild.h"
#include "owl/module.h"

DEFINE_RESPONSE_TABLE(TMDIClient, TWindow)
  EV_COMMAND(CM_TILECHILDREN, CmTileChildren),
  EV_COMMAND(CM_CASCADECHILDREN, CmCascadeChildren),
END_RESPONSE_TABLE;

TMDIClient::TMDIClient(TModule* module) : TWindow(static_cast<TWindow*>(nullptr), nullptr, module) {
  Attr.Style = WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
  Attr.ExStyle = WS_EX_CLIENTEDGE;
  Attr.X = Attr.Y = Attr.W = Attr.H = 0;
}

bool TMDIClient::Create() {
  if (HWindow) return true;
  if (!Parent || !Parent->HWindow) return false;
  CLIENTCREATESTRUCT ccs{};
  ccs.hWindowMenu = WindowMenu;
  ccs.idFirstChild = MDI_FIRST_CHILD_ID;
  RECT area;
  ::GetClientRect(Parent->HWindow, &area);
  HWND hWnd = ::CreateWindowExA(Attr.ExStyle, "MDICLIENT", nullptr, Attr.Style, 0, 0,
                                area.right, area.bottom, Parent->HWindow, nullptr,
                                OwnModuleInstance(), &ccs);
  if (hWnd == nullptr) return false;
  SubclassHandle(hWnd);
  SetupWindow();
  return true;
}

TMDIChild* TMDIClient::GetActiveMDIChild() const {
  if (!HWindow) return nullptr;
  auto active = reinterpret_cast<HWND>(SendMessage(WM_MDIGETACTIVE));
  return dynamic_cast<TMDIChild*>(GetWindowPtr(active));
}

void TMDIClient::TileChildren(int how) { SendMessage(WM_MDITILE, WPARAM(how)); }

void TMDIClient::CascadeChildren() { SendMessage(WM_MDICASCADE); }

void TMDIClient::ArrangeIcons() { SendMessage(WM_MDIICONARRANGE); }

bool TMDIClient::CloseChildren() {
  bool all = true;
  ForEach([&all](TWindow& child) {
    auto* mdiChild = dynamic_cast<TMDIChild*>(&child);
    if (mdiChild == nullptr || !mdiChild->HWindow) return;
    if (!mdiChild->CanClose()) {
      all = false;
      return;
    }
    mdiChild->Destroy();
    delete mdiChild;
  });
  return all;
}
