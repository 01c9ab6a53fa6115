#include "owl/dialog.h"

#include <cstdio>

#include "owl/binding.h"
#include "owl/dialogtemplate.h"
#include "owl/module.h"

DEFINE_RESPONSE_TABLE(TDialog, TWindow)
  EV_COMMAND(IDOK, CmOk),
  EV_COMMAND(IDCANCEL, CmCancel),
  EV_WM_INITDIALOG,
  EV_WM_CLOSE,
END_RESPONSE_TABLE;

TDialog::TDialog(TWindow* parent, TResId resId, TModule* module)
    : TWindow(parent, nullptr, module), TemplateId(std::move(resId)) {
  AutoCreate = false;
  SetupAtCreate = false;
  Attr.Style = 0;
  Attr.X = Attr.Y = Attr.W = Attr.H = 0;
}

TDialog::~TDialog() = default;

const char* TDialog::GetClassName() {
  static const std::string name = [] {
    char text[64];
    std::snprintf(text, sizeof text, "ZephDialog%p", static_cast<void*>(OwnModuleInstance()));
    return std::string(text);
  }();
  return name.c_str();
}

void TDialog::GetWindowClass(WNDCLASSA& wndClass) {
  WNDCLASSA standard{};
  ::GetClassInfoA(nullptr, MAKEINTRESOURCEA(32770), &standard);
  wndClass = standard;
  wndClass.style &= ~UINT(CS_GLOBALCLASS);
  wndClass.lpfnWndProc = &TWindowBinding::StdWndProc;
  if (wndClass.cbWndExtra < DLGWINDOWEXTRA) wndClass.cbWndExtra = DLGWINDOWEXTRA;
  wndClass.hInstance = GetModule()->GetHandle();
  wndClass.lpszMenuName = nullptr;
  wndClass.lpszClassName = GetClassName();
}

std::vector<unsigned char> TDialog::LoadTemplate(HINSTANCE& instance) {
  instance = GetModule()->GetHandle();
  if (instance == nullptr) return {};
  HRSRC resource = ::FindResourceA(instance, TemplateId, MAKEINTRESOURCEA(5));
  if (resource == nullptr) return {};
  HGLOBAL loaded = ::LoadResource(instance, resource);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (data == nullptr) return {};
  return DialogTemplateWithClass(data, ::SizeofResource(instance, resource), GetClassName());
}

int TDialog::Execute() { return DoExecute(); }

int TDialog::DoExecute() {
  HINSTANCE instance;
  std::vector<unsigned char> dialogTemplate = LoadTemplate(instance);
  if (dialogTemplate.empty() || !RegisterClassFor(instance)) return -1;
  Modal = true;
  TWindowBinding::SetPending(this);
  INT_PTR result = ::DialogBoxIndirectParamA(
      instance, reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
      Parent ? Parent->HWindow : nullptr, &StdDlgProc, 0);
  if (TWindowBinding::Pending() == this) TWindowBinding::TakePending();
  Modal = false;
  TWindowBinding::RethrowPending();
  return int(result);
}

bool TDialog::Create() { return HWindow != nullptr || DoCreate(); }

bool TDialog::DoCreate() {
  HINSTANCE instance;
  std::vector<unsigned char> dialogTemplate = LoadTemplate(instance);
  if (dialogTemplate.empty() || !RegisterClassFor(instance)) return false;
  Modal = false;
  TWindowBinding::SetPending(this);
  HWND hWnd = ::CreateDialogIndirectParamA(
      instance, reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
      Parent ? Parent->HWindow : nullptr, &StdDlgProc, 0);
  if (TWindowBinding::Pending() == this) TWindowBinding::TakePending();
  return hWnd != nullptr;
}

INT_PTR CALLBACK TDialog::StdDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Our dialogs see every message in their window procedure first; the dialog manager
  // asks here only for what they left to the default processing.
  auto* dialog = dynamic_cast<TDialog*>(TWindowBinding::Lookup(hWnd));
  return dialog ? dialog->DialogFunction(msg, wParam, lParam) : FALSE;
}

INT_PTR TDialog::DialogFunction(UINT, WPARAM, LPARAM) { return FALSE; }

LRESULT TDialog::DefaultWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (IsSubclassed()) return TWindow::DefaultWindowProc(msg, wParam, lParam);
  return ::DefDlgProcA(HWindow, msg, wParam, lParam);
}

bool TDialog::EvInitDialog(HWND) {
  CentreIfOwnerless();
  SetupWindow();
  return true;
}

// A dialog without an owner has nothing to open over: the dialog manager puts it at the
// screen's top-left corner. It opens in the middle of the work area instead.
void TDialog::CentreIfOwnerless() {
  if (::GetWindowLongPtrA(HWindow, GWL_STYLE) & WS_CHILD) return;
  if (::GetWindow(HWindow, GW_OWNER) != nullptr) return;
  RECT area{}, box{};
  if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0) || !::GetWindowRect(HWindow, &box)) return;
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  const int x = area.left + ((area.right - area.left) - width) / 2;
  const int y = area.top + ((area.bottom - area.top) - height) / 2;
  ::SetWindowPos(HWindow, nullptr, x > area.left ? x : area.left, y > area.top ? y : area.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TDialog::SetupWindow() {
  if (!Title.empty()) {
    ::SetWindowTextA(HWindow, Title.c_str());
  } else {
    char caption[256] = "";
    ::GetWindowTextA(HWindow, caption, sizeof caption);
    Title = caption;
  }
  TWindow::SetupWindow();
}

bool TDialog::PreProcessMsg(MSG& msg) {
  return HWindow && !Modal && ::IsDialogMessageA(HWindow, &msg);
}

void TDialog::CloseWindow(int retVal) {
  if (!CanClose()) return;
  TransferData(tdGetData);
  Destroy(retVal);
}

void TDialog::Destroy(int retVal) {
  if (!HWindow) return;
  if (Modal) {
    CleanupWindow();
    ::EndDialog(HWindow, retVal);
  } else {
    TWindow::Destroy(retVal);
  }
}

void TDialog::CmOk() { CloseWindow(IDOK); }

void TDialog::CmCancel() { Destroy(IDCANCEL); }

// The dialog manager turns a close into the Cancel command.
void TDialog::EvClose() { DefaultProcessing(); }
