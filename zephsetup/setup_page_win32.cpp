#include "setup_page.h"

#include "mfc/message_box.h"
#include "owl/module.h"
#include "setup_ids.h"
#include "setup_module.h"
#include "wizard_sheet.h"

CSetupPage::CSetupPage(CWizardSheet& sheet, UINT templateId, std::int32_t helpContext, DWORD wizardButtons)
    : CPropertyPage(&sheet, templateId, &setup::SetupModule()),
      sheet_(sheet),
      helpContext_(helpContext),
      wizardButtons_(wizardButtons) {}

BOOL CSetupPage::OnSetActive() {
  visited_ = true;
  sheet_.SetWizardButtons(wizardButtons_);
  return CPropertyPage::OnSetActive();
}

void CSetupPage::OnPaint(HDC dc) { PaintBitmap(*this, dc, setup::kPageBitmap, setup::kPictureFrame); }

void CSetupPage::OnHelpKey() { sheet_.Help(helpContext_); }

std::string CSetupPage::Message(UINT id) { return setup::SetupModule().LoadString(id); }

void CSetupPage::Refuse(const std::string& text, UINT icon, int focusId) {
  if (HWindow && sheet_.GetActivePage() != this) sheet_.SetActivePage(this);
  AfxMessageBox(text, MB_OK | icon);
  if (focusId) GotoDlgCtrl(focusId);
}

void CSetupPage::EnableControl(int id, bool enable) {
  if (HWND control = GetDlgItem(id)) ::EnableWindow(control, enable);
}

bool CSetupPage::IsChecked(int id) const { return ::IsDlgButtonChecked(HWindow, id) == BST_CHECKED; }
