#include "mfc/dialog.h"

#include "mfc/winapp.h"

DEFINE_RESPONSE_TABLE(CDialog, TDialog)
  EV_COMMAND(IDOK, OkCommand),
  EV_COMMAND(IDCANCEL, CancelCommand),
  EV_MESSAGE(WM_HELP, EvHelp),
END_RESPONSE_TABLE;

namespace {
TModule* ModuleFor(TModule* module) {
  if (module) return module;
  CWinApp* app = AfxGetApp();
  return app ? &app->Module() : nullptr;
}
}  // namespace

CDialog::CDialog(UINT templateId, TWindow* parent, TModule* module)
    : TDialog(parent, TResId(static_cast<int>(templateId)), ModuleFor(module)) {}

bool CDialog::EvInitDialog(HWND hWndFocus) {
  TDialog::EvInitDialog(hWndFocus);
  return OnInitDialog() != FALSE;
}

void CDialog::SetIcon(HICON icon, BOOL bigIcon) {
  if (HWindow) SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void CDialog::GotoDlgCtrl(int id) {
  HWND control = GetDlgItem(id);
  if (control) SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

LRESULT CDialog::EvHelp(WPARAM, LPARAM) {
  OnHelpKey();
  return TRUE;
}
