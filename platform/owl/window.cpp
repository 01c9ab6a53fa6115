#include "owl/window.h"

#include <commctrl.h>

#include <algorithm>

#include "owl/application.h"
#include "owl/binding.h"
#include "owl/module.h"
#include "owl/msgbox.h"

DEFINE_RESPONSE_TABLE(TWindow, TEventHandler)
  EV_WM_CLOSE,
  EV_WM_DESTROY,
  EV_WM_PAINT,
  EV_WM_HSCROLL,
  EV_WM_VSCROLL,
END_RESPONSE_TABLE;

TWindow::TWindow(TWindow* parent, const char* title, TModule* module)
    : Title(title ? title : ""), Module(module) {
  if (parent) {
    Attr.Style = WS_CHILD | WS_VISIBLE;
  } else {
    Attr.Style = WS_OVERLAPPEDWINDOW;
    Attr.X = Attr.Y = Attr.W = Attr.H = CW_USEDEFAULT;
  }
  if (parent) parent->AddChild(this);
}

TWindow::TWindow(HWND hWnd, TModule* module) : Module(module), Alias(true) {
  HWindow = hWnd;
  AutoCreate = false;
  if (hWnd) {
    char text[256] = "";
    ::GetWindowTextA(hWnd, text, sizeof text);
    Title = text;
    Attr.Id = ::GetDlgCtrlID(hWnd);
    Attr.Style = DWORD(::GetWindowLongPtrA(hWnd, GWL_STYLE));
    Attr.ExStyle = DWORD(::GetWindowLongPtrA(hWnd, GWL_EXSTYLE));
  }
}

TWindow::~TWindow() {
  if (HWindow != nullptr && !Alias) {
    HWND hWnd = HWindow;
    if (TWindowBinding::Lookup(hWnd) == this) {
      // Let go of the window first, so that nothing of the half-destroyed object runs
      // while the window goes away.
      if (Subclassed && ::IsWindow(hWnd)) TWindowBinding::Unsubclass(hWnd);
      Subclassed = false;
      TWindowBinding::Detach(this);
      if (::IsWindow(hWnd)) {
        if (::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_MDICHILD)
          ::SendMessageA(::GetParent(hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(hWnd), 0);
        else
          ::DestroyWindow(hWnd);
      }
    }
  }
  HWindow = nullptr;
  // Children that are still here are owned by this window.
  while (!Children.empty()) delete Children.back();
  if (Parent) Parent->RemoveChild(this);
}

void TWindow::AddChild(TWindow* child) {
  child->Parent = this;
  Children.push_back(child);
}

void TWindow::RemoveChild(TWindow* child) {
  auto it = std::find(Children.begin(), Children.end(), child);
  if (it != Children.end()) Children.erase(it);
  child->Parent = nullptr;
}

void TWindow::SetParent(TWindow* newParent) {
  if (Parent == newParent) return;
  if (Parent) Parent->RemoveChild(this);
  if (newParent) newParent->AddChild(this);
  if (HWindow && newParent && newParent->HWindow) {
    if (::GetWindowLongPtrA(HWindow, GWL_STYLE) & WS_CHILD)
      ::SetParent(HWindow, newParent->HWindow);
    else
      ::SetWindowLongPtrA(HWindow, GWLP_HWNDPARENT,
                          reinterpret_cast<LONG_PTR>(newParent->HWindow));
  }
}

void TWindow::AttachHandle(HWND hWnd) { TWindowBinding::Attach(this, hWnd); }

void TWindow::DetachHandle() { TWindowBinding::Detach(this); }

// --- module

TModule* TWindow::GetModule() const {
  if (Module) return Module;
  if (Parent) return Parent->GetModule();
  if (TApplication* app = TApplication::GetCurrent()) return app;
  return &DefaultModule();
}

TApplication* TWindow::GetApplication() const { return TApplication::GetCurrent(); }

TWindow* TWindow::GetWindowPtr(HWND hWnd) { return TWindowBinding::Lookup(hWnd); }

// --- children

TWindow* TWindow::GetFirstChild() const { return Children.empty() ? nullptr : Children.front(); }

TWindow* TWindow::GetLastChild() const { return Children.empty() ? nullptr : Children.back(); }

TWindow* TWindow::Next() const {
  if (!Parent) return nullptr;
  const auto& siblings = Parent->Children;
  auto it = std::find(siblings.begin(), siblings.end(), this);
  if (it == siblings.end() || ++it == siblings.end()) return nullptr;
  return *it;
}

void TWindow::ForEach(const std::function<void(TWindow&)>& action) {
  // A copy, so that the action may add or remove children.
  std::vector<TWindow*> children = Children;
  for (TWindow* child : children) action(*child);
}

TWindow* TWindow::FirstThat(const std::function<bool(TWindow&)>& test) const {
  for (TWindow* child : Children)
    if (test(*child)) return child;
  return nullptr;
}

TWindow* TWindow::ChildWithId(int id) const {
  return FirstThat([id](TWindow& child) { return child.Attr.Id == id; });
}

// --- creation

const char* TWindow::GetClassName() { return "ZephWindow"; }

void TWindow::GetWindowClass(WNDCLASSA& wndClass) {
  wndClass.style = CS_DBLCLKS;
  wndClass.lpfnWndProc = &TWindowBinding::StdWndProc;
  wndClass.cbClsExtra = 0;
  wndClass.cbWndExtra = 0;
  wndClass.hInstance = OwnModuleInstance();
  wndClass.hIcon = nullptr;
  wndClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wndClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wndClass.lpszMenuName = nullptr;
  wndClass.lpszClassName = GetClassName();
}

bool TWindow::RegisterClassFor(HINSTANCE instance) {
  const char* name = GetClassName();
  WNDCLASSA existing;
  if (::GetClassInfoA(instance, name, &existing)) return true;
  WNDCLASSA wndClass{};
  GetWindowClass(wndClass);
  wndClass.hInstance = instance;
  wndClass.lpszClassName = name;
  return ::RegisterClassA(&wndClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool TWindow::Create() {
  if (HWindow) return true;
  HINSTANCE instance = OwnModuleInstance();
  // Our own classes are registered on first use; a predefined class (a control) is
  // already there and is subclassed below.
  WNDCLASSA known;
  bool known_class = ::GetClassInfoA(instance, GetClassName(), &known) ||
                     ::GetClassInfoA(nullptr, GetClassName(), &known);
  if (!known_class && !RegisterClassFor(instance)) return false;

  HMENU menu = nullptr;
  if (Attr.Style & WS_CHILD)
    menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(Attr.Id));
  else if (!Attr.Menu.IsNull())
    menu = GetModule()->LoadMenu(Attr.Menu);
  HWND parent = Parent ? Parent->HWindow : nullptr;

  TWindowBinding::SetPending(this);
  HWND hWnd = ::CreateWindowExA(Attr.ExStyle, GetClassName(), Title.c_str(), Attr.Style, Attr.X,
                                Attr.Y, Attr.W, Attr.H, parent, menu, instance, Attr.Param);
  if (TWindowBinding::Pending() == this) TWindowBinding::TakePending();
  if (hWnd == nullptr) {
    if (menu && !(Attr.Style & WS_CHILD)) ::DestroyMenu(menu);
    HWindow = nullptr;
    return false;
  }
  if (HWindow == nullptr) {
    // Not one of our classes: bind it now and set it up here.
    SubclassHandle(hWnd);
    SetupWindow();
  }
  return true;
}

void TWindow::SubclassHandle(HWND hWnd) {
  TWindowBinding::Attach(this, hWnd);
  const bool ourClass = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) ==
                        &TWindowBinding::StdWndProc;
  Subclassed = !ourClass && TWindowBinding::Subclass(hWnd);
  if (Attr.Id == 0) Attr.Id = ::GetDlgCtrlID(hWnd);
}

void TWindow::SetupWindow() {
  CreateChildren();
  if (TransferBuffer) TransferData(tdSetData);
}

void TWindow::CreateChildren() {
  ForEach([this](TWindow& child) {
    if (child.HWindow || !child.AutoCreate) return;
    if (child.BoundByResourceId) {
      // A control of this window's dialog template: bind it by id. A control the template
      // lacks stays without a window, and its operations do nothing.
      HWND control = ::GetDlgItem(HWindow, child.Attr.Id);
      if (control == nullptr) return;
      child.SubclassHandle(control);
      child.SetupWindow();
    } else {
      child.Create();
    }
  });
}

void TWindow::CleanupWindow() {}

void TWindow::Destroy(int) {
  if (!HWindow || Alias) return;
  CleanupWindow();
  ::DestroyWindow(HWindow);
}

bool TWindow::CanClose() {
  for (TWindow* child : std::vector<TWindow*>(Children))
    if (child->HWindow && !child->CanClose()) return false;
  return true;
}

void TWindow::CloseWindow(int retVal) {
  if (CanClose()) Destroy(retVal);
}

// --- message processing

bool TWindow::PreProcessMsg(MSG&) { return false; }

bool TWindow::IdleAction(long idleCount) {
  bool more = false;
  for (TWindow* child : std::vector<TWindow*>(Children))
    if (child->HWindow && child->IdleAction(idleCount)) more = true;
  return more;
}

// The control a parent's message is about, for the messages a control's own object may
// answer: colours, owner drawing and common-control notifications.
static HWND ControlOfMessage(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(lParam);
    case WM_DRAWITEM:
      return lParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_MEASUREITEM:
      return lParam ? ::GetDlgItem(parent, int(reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID)) : nullptr;
    case WM_COMPAREITEM:
      return lParam ? reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_DELETEITEM:
      return lParam ? reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_NOTIFY:
      return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    default:
      (void)wParam;
      return nullptr;
  }
}

LRESULT TWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND)
    return EvCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam));
  if (HWND control = ControlOfMessage(HWindow, msg, wParam, lParam)) {
    // The control's own object answers first when its table has the reflected message.
    TWindow* object = GetWindowPtr(control);
    TEventInfo reflected = TEventInfo::ForMessage(ReflectedMessage(msg));
    if (object && object != this && object->Find(reflected)) return object->Dispatch(reflected, wParam, lParam);
  }
  if (msg == WM_CREATE && SetupAtCreate) {
    LRESULT result = DefaultProcessing();
    if (result != -1) SetupWindow();
    return result;
  }
  TEventInfo info = TEventInfo::ForMessage(msg);
  if (Find(info)) return Dispatch(info, wParam, lParam);
  return DefaultProcessing();
}

LRESULT TWindow::EvCommand(UINT id, HWND hWndCtl, UINT notifyCode) {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  if (!TWindowBinding::CurrentMessage(this, msg, wParam, lParam)) {
    wParam = MAKEWPARAM(id, notifyCode);
    lParam = reinterpret_cast<LPARAM>(hWndCtl);
  }
  if (hWndCtl) {
    // The control's own object hears of its notification first.
    TWindow* control = GetWindowPtr(hWndCtl);
    if (control && control != this) {
      TEventInfo atChild = TEventInfo::ForNotifyAtChild(notifyCode);
      if (control->Find(atChild)) control->Dispatch(atChild, wParam, lParam);
    }
  }
  TEventInfo info = TEventInfo::ForCommand(id, notifyCode, hWndCtl != nullptr);
  if (Find(info)) return Dispatch(info, wParam, lParam);
  return DefaultProcessing();
}

void TWindow::RouteCommandEnable(TCommandEnabler& enabler) {
  TEventInfo info = TEventInfo::ForCommandEnable(enabler.GetId());
  if (Find(info)) Dispatch(info, 0, reinterpret_cast<LPARAM>(&enabler));
}

LRESULT TWindow::DefaultProcessing() {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  if (!HWindow || !TWindowBinding::CurrentMessage(this, msg, wParam, lParam)) return 0;
  return DefaultWindowProc(msg, wParam, lParam);
}

LRESULT TWindow::DefaultWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (Subclassed) return ::DefSubclassProc(HWindow, msg, wParam, lParam);
  return ::DefWindowProcA(HWindow, msg, wParam, lParam);
}

void TWindow::Paint(HDC, bool, RECT&) {}

// --- transfer

UINT TWindow::Transfer(void*, TTransferDirection) { return 0; }

void TWindow::TransferData(TTransferDirection direction) {
  if (!TransferBuffer) return;
  auto* place = static_cast<unsigned char*>(TransferBuffer);
  for (TWindow* child : Children) {
    if (child->TransferEnabled) place += child->Transfer(place, direction);
  }
}

// --- caption and text

void TWindow::SetCaption(const char* title) {
  Title = title ? title : "";
  if (HWindow) ::SetWindowTextA(HWindow, Title.c_str());
}

int TWindow::GetWindowText(char* buf, int maxChars) const {
  if (buf == nullptr || maxChars <= 0) return 0;
  buf[0] = '\0';
  if (!HWindow) return 0;
  return ::GetWindowTextA(HWindow, buf, maxChars);
}

int TWindow::GetWindowTextLength() const {
  return HWindow ? ::GetWindowTextLengthA(HWindow) : 0;
}

void TWindow::SetWindowText(const char* text) { SetCaption(text); }

// --- thin wrappers

bool TWindow::Show(int cmdShow) { return HWindow && ::ShowWindow(HWindow, cmdShow); }

LRESULT TWindow::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return HWindow ? ::SendMessageA(HWindow, msg, wParam, lParam) : 0;
}

bool TWindow::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return HWindow && ::PostMessageA(HWindow, msg, wParam, lParam);
}

int TWindow::MessageBox(const char* text, const char* caption, UINT type) const {
  if (caption == nullptr) {
    TApplication* app = GetApplication();
    caption = app ? app->GetName() : "";
  }
  return ShowMessageBox(HWindow, text, caption, type);
}

void TWindow::Invalidate(bool erase) const {
  if (HWindow) ::InvalidateRect(HWindow, nullptr, erase);
}

void TWindow::UpdateWindow() const {
  if (HWindow) ::UpdateWindow(HWindow);
}

bool TWindow::EnableWindow(bool enable) { return HWindow && ::EnableWindow(HWindow, enable); }

bool TWindow::IsWindowEnabled() const { return HWindow && ::IsWindowEnabled(HWindow); }

bool TWindow::IsWindowVisible() const { return HWindow && ::IsWindowVisible(HWindow); }

HWND TWindow::SetFocus() const { return HWindow ? ::SetFocus(HWindow) : nullptr; }

HWND TWindow::GetDlgItem(int id) const { return HWindow ? ::GetDlgItem(HWindow, id) : nullptr; }

void TWindow::GetClientRect(RECT& rect) const {
  rect = RECT{};
  if (HWindow) ::GetClientRect(HWindow, &rect);
}

void TWindow::GetWindowRect(RECT& rect) const {
  rect = RECT{};
  if (HWindow) ::GetWindowRect(HWindow, &rect);
}

bool TWindow::MoveWindow(int x, int y, int w, int h, bool repaint) const {
  return HWindow && ::MoveWindow(HWindow, x, y, w, h, repaint);
}

bool TWindow::SetWindowPos(HWND insertAfter, int x, int y, int w, int h, UINT flags) const {
  return HWindow && ::SetWindowPos(HWindow, insertAfter, x, y, w, h, flags);
}

UINT_PTR TWindow::SetTimer(UINT_PTR id, UINT elapse) const {
  return HWindow ? ::SetTimer(HWindow, id, elapse, nullptr) : 0;
}

bool TWindow::KillTimer(UINT_PTR id) const { return HWindow && ::KillTimer(HWindow, id); }
