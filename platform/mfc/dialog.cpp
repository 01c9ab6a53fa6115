#include "mfc/dialog.h"

#include <commctrl.h>

#include "mfc/winapp.h"
#include "owl/module.h"

DEFINE_RESPONSE_TABLE(CDialog, TDialog)
  EV_COMMAND(IDOK, OkCommand),
  EV_COMMAND(IDCANCEL, CancelCommand),
  EV_MESSAGE(WM_HELP, EvHelp),
END_RESPONSE_TABLE;

CDialog::CDialog(UINT templateId, TWindow* parent, TModule* module)
    : TDialog(parent, TResId(static_cast<int>(templateId)), ModuleOrApplication(module)) {}

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

void CDialog::EnableToolTips() {
  if (!HWindow || toolTips_) return;
  toolTips_ = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, HWindow, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (!toolTips_) return;
  TModule* module = GetModule();
  for (HWND child = ::GetWindow(HWindow, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const int id = ::GetDlgCtrlID(child);
    if (id <= 0 || !module) continue;
    std::string tip = module->LoadString(static_cast<UINT>(id));
    if (tip.empty()) continue;
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = HWindow;
    tool.uId = reinterpret_cast<UINT_PTR>(child);
    tool.lpszText = tip.data();
    ::SendMessageA(toolTips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}
