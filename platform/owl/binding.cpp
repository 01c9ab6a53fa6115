#include "owl/binding.h"

#include <exception>
#include <unordered_map>
#include <vector>

#include "owl/dialog.h"
#include "owl/window.h"

#include <commctrl.h>

namespace {

struct TDelivery {
  const TWindow* Window;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

std::unordered_map<HWND, TWindow*>& WindowMap() {
  static std::unordered_map<HWND, TWindow*> map;
  return map;
}

thread_local TWindow* PendingWindow = nullptr;
thread_local std::exception_ptr PendingException;

// Keeps the first exception of a handler and ends the modal dialog it ran in.
void HoldException(HWND hWnd) {
  if (!PendingException) PendingException = std::current_exception();
  HWND root = ::GetAncestor(hWnd, GA_ROOT);
  if (auto* dialog = dynamic_cast<TDialog*>(TWindowBinding::Lookup(root)); dialog && dialog->IsModal())
    ::EndDialog(root, IDCANCEL);
}
thread_local std::vector<TDelivery> Deliveries;

}  // namespace

void TWindowBinding::SetPending(TWindow* window) { PendingWindow = window; }

TWindow* TWindowBinding::TakePending() {
  TWindow* window = PendingWindow;
  PendingWindow = nullptr;
  return window;
}

TWindow* TWindowBinding::Pending() { return PendingWindow; }

TWindow* TWindowBinding::Lookup(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  auto& map = WindowMap();
  auto found = map.find(hWnd);
  return found == map.end() ? nullptr : found->second;
}

void TWindowBinding::Attach(TWindow* window, HWND hWnd) {
  window->HWindow = hWnd;
  WindowMap()[hWnd] = window;
}

void TWindowBinding::Detach(TWindow* window) {
  if (window->HWindow == nullptr) return;
  auto& map = WindowMap();
  auto found = map.find(window->HWindow);
  if (found != map.end() && found->second == window) map.erase(found);
  window->HWindow = nullptr;
}

LRESULT TWindowBinding::Deliver(TWindow* window, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The window object may delete itself while it handles the message, so nothing here
  // touches it after WindowProc returns.
  Deliveries.push_back({window, msg, wParam, lParam});
  struct TPop {
    ~TPop() { Deliveries.pop_back(); }
  } pop;
  return window->WindowProc(msg, wParam, lParam);
}

bool TWindowBinding::CurrentMessage(const TWindow* window, UINT& msg, WPARAM& wParam,
                                    LPARAM& lParam) {
  for (auto it = Deliveries.rbegin(); it != Deliveries.rend(); ++it) {
    if (it->Window == window) {
      msg = it->Msg;
      wParam = it->WParam;
      lParam = it->LParam;
      return true;
    }
  }
  return false;
}

LRESULT TWindowBinding::Unowned(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_MDICHILD)
    return ::DefMDIChildProcA(hWnd, msg, wParam, lParam);
  if (::GetClassLongPtrA(hWnd, GCL_CBWNDEXTRA) >= DLGWINDOWEXTRA)
    return ::DefDlgProcA(hWnd, msg, wParam, lParam);
  return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

namespace {

constexpr UINT_PTR kSubclassId = 0x5A4F;   // one subclass of ours per window

// The messages that only a window being made gets: the object waiting for its window is
// bound at the first of them. (A size limit query may come before WM_NCCREATE, but any
// window asks it again whenever it is resized, so it proves nothing.) A window that reaches
// us later without a binding is not ours and keeps its default processing.
bool IsCreationMessage(UINT msg) { return msg == WM_NCCREATE || msg == WM_INITDIALOG; }

LRESULT CALLBACK SubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
  TWindow* window = TWindowBinding::Lookup(hWnd);
  if (window == nullptr) return ::DefSubclassProc(hWnd, msg, wParam, lParam);
  LRESULT result = TWindowBinding::DeliverFromSystem(window, hWnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    TWindowBinding::Unsubclass(hWnd);
    if (TWindow* still = TWindowBinding::Lookup(hWnd)) TWindowBinding::Detach(still);
  }
  return result;
}

}  // namespace

LRESULT TWindowBinding::DeliverFromSystem(TWindow* window, HWND hWnd, UINT msg, WPARAM wParam,
                                          LPARAM lParam) {
  try {
    return Deliver(window, msg, wParam, lParam);
  } catch (...) {
    HoldException(hWnd);
    return 0;
  }
}

void TWindowBinding::RethrowPending() {
  if (!PendingException) return;
  std::exception_ptr held = PendingException;
  PendingException = nullptr;
  std::rethrow_exception(held);
}

bool TWindowBinding::Subclass(HWND hWnd) {
  return ::SetWindowSubclass(hWnd, &SubclassProc, kSubclassId, 0) != FALSE;
}

void TWindowBinding::Unsubclass(HWND hWnd) { ::RemoveWindowSubclass(hWnd, &SubclassProc, kSubclassId); }

LRESULT CALLBACK TWindowBinding::StdWndProc(HWND hWnd, UINT msg, WPARAM wParam,
                                            LPARAM lParam) {
  TWindow* window = Lookup(hWnd);
  if (window == nullptr) {
    if (!IsCreationMessage(msg) || Pending() == nullptr) return Unowned(hWnd, msg, wParam, lParam);
    window = TakePending();
    window->AttachHandle(hWnd);
  }
  LRESULT result = DeliverFromSystem(window, hWnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    // Look the object up again: it may be gone already.
    if (TWindow* still = Lookup(hWnd)) still->DetachHandle();
  }
  return result;
}
