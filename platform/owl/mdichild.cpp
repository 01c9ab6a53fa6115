#include "owl/mdichild.h"

#include "owl/binding.h"
#include "owl/mdiclient.h"
#include "owl/module.h"

TMDIChild::TMDIChild(TMDIClient& parent, const char* title, TModule* module)
    : TWindow(&parent, title, module) {
  Attr.Style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW;
  Attr.ExStyle = WS_EX_MDICHILD;
  Attr.X = Attr.Y = Attr.W = Attr.H = CW_USEDEFAULT;
}

TMDIChild::~TMDIChild() {
  // Destroy through the MDI client while this object is still a whole MDI child.
  if (HWindow && TWindowBinding::Lookup(HWindow) == this) {
    HWND hWnd = HWindow;
    TWindowBinding::Detach(this);
    if (::IsWindow(hWnd))
      ::SendMessageA(::GetParent(hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(hWnd), 0);
  }
}

bool TMDIChild::Create() {
  if (HWindow) return true;
  if (!Parent || !Parent->HWindow) return false;
  HINSTANCE instance = OwnModuleInstance();
  WNDCLASSA known;
  if (!::GetClassInfoA(instance, GetClassName(), &known) && !RegisterClassFor(instance))
    return false;
  MDICREATESTRUCTA create{};
  create.szClass = GetClassName();
  create.szTitle = Title.c_str();
  create.hOwner = instance;
  create.x = Attr.X;
  create.y = Attr.Y;
  create.cx = Attr.W;
  create.cy = Attr.H;
  create.style = Attr.Style & ~DWORD(WS_CHILD);
  create.lParam = reinterpret_cast<LPARAM>(Attr.Param);
  TWindowBinding::SetPending(this);
  auto hWnd = reinterpret_cast<HWND>(
      ::SendMessageA(Parent->HWindow, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  if (TWindowBinding::Pending() == this) TWindowBinding::TakePending();
  return hWnd != nullptr && HWindow == hWnd;
}

void TMDIChild::Destroy(int) {
  if (!HWindow || !Parent || !Parent->HWindow) return;
  CleanupWindow();
  ::SendMessageA(Parent->HWindow, WM_MDIDESTROY, reinterpret_cast<WPARAM>(HWindow), 0);
}

void TMDIChild::CloseWindow(int retVal) {
  if (!CanClose()) return;
  Destroy(retVal);
  delete this;
}

void TMDIChild::EvMDIActivate(HWND, HWND) { DefaultProcessing(); }

LRESULT TMDIChild::DefaultWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::DefMDIChildProcA(HWindow, msg, wParam, lParam);
}
