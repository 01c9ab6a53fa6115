#include "mfc/property_sheet.h"

#include "mfc/winapp.h"

CPropertyPage::CPropertyPage(CPropertySheet* sheet, UINT templateId, TModule* module)
    : TPropertyPage(sheet, TResId(static_cast<int>(templateId)), nullptr, TResId(), ModuleOrApplication(module)) {}

CPropertySheet* CPropertyPage::GetSheet() const { return dynamic_cast<CPropertySheet*>(Parent); }

void CPropertyPage::GotoDlgCtrl(int id) {
  HWND control = GetDlgItem(id);
  if (control) SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

bool CPropertyPage::EvInitDialog(HWND hWndFocus) {
  TPropertyPage::EvInitDialog(hWndFocus);
  return OnInitDialog() != FALSE;
}

LRESULT CPropertyPage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NOTIFY:
      switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
        case PSN_WIZNEXT: return OnWizardNext();
        case PSN_WIZBACK: return OnWizardBack();
        // Nonzero keeps the wizard open.
        case PSN_WIZFINISH: return OnWizardFinish() ? 0 : 1;
        default: break;
      }
      break;
    case WM_HELP:
      OnHelpKey();
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(HWindow, &ps);
      OnPaint(dc);
      ::EndPaint(HWindow, &ps);
      return 0;
    }
    default: break;
  }
  return TPropertyPage::WindowProc(msg, wParam, lParam);
}

CPropertySheet::CPropertySheet(const char* caption, TWindow* parent, UINT startPage, TModule* module)
    : TPropertySheet(parent, caption, startPage, false, PSH_DEFAULT | PSH_NOAPPLYNOW, ModuleOrApplication(module)) {}

INT_PTR CPropertySheet::DoModal() {
  closedBy_ = IDCANCEL;
  return Execute() < 0 ? -1 : closedBy_;
}

void CPropertySheet::SetWizardButtons(DWORD flags) {
  if (HWindow) ::SendMessageA(HWindow, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

BOOL CPropertySheet::SetActivePage(int index) {
  if (!HWindow || index < 0 || index >= GetPageCount()) return FALSE;
  return ::SendMessageA(HWindow, PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != 0;
}

int CPropertySheet::GetActiveIndex() const {
  if (!HWindow) return -1;
  const HWND current = reinterpret_cast<HWND>(::SendMessageA(HWindow, PSM_GETCURRENTPAGEHWND, 0, 0));
  int index = 0;
  for (TWindow* child = GetFirstChild(); child; child = child->Next()) {
    if (auto* page = dynamic_cast<CPropertyPage*>(child)) {
      if (page->GetHandle() && page->GetHandle() == current) return index;
      ++index;
    }
  }
  return -1;
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  if (index < 0) return nullptr;
  for (TWindow* child = GetFirstChild(); child; child = child->Next()) {
    if (auto* page = dynamic_cast<CPropertyPage*>(child)) {
      if (index-- == 0) return page;
    }
  }
  return nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
  int index = 0;
  for (TWindow* child = GetFirstChild(); child; child = child->Next()) {
    if (auto* each = dynamic_cast<CPropertyPage*>(child)) {
      if (each == page) return index;
      ++index;
    }
  }
  return -1;
}

LRESULT CPropertySheet::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  bool closing = false;
  if (msg == WM_COMMAND) {
    const int id = LOWORD(wParam);
    if (id == IDOK || id == kFinishButton) {
      // A refusal keeps the sheet open: the command never reaches the sheet's own code.
      if (!OnConfirm()) return 0;
      closedBy_ = id;
      closing = true;
    } else if (id == IDCANCEL) {
      closedBy_ = IDCANCEL;
      closing = true;
    }
  } else if (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
    closedBy_ = IDCANCEL;
    closing = true;
  }
  const LRESULT result = TPropertySheet::WindowProc(msg, wParam, lParam);
  // The sheet's modal loop only sees that it has ended when the next message arrives;
  // one is sent along so that the sheet closes at once.
  if (closing && HWindow) ::PostMessageA(HWindow, WM_NULL, 0, 0);
  return result;
}
