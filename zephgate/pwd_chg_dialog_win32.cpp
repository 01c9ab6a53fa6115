#include "pwd_chg_dialog.h"

#include "owl/module.h"
#include "owl/msgbox.h"
#include "password_rules.h"
#include "server_connection.h"

namespace gate {

void SetLauncherIcons(CDialog& dialog) {
  TModule* module = dialog.GetModule();
  if (!module) return;
  const auto load = [&](int size) {
    return static_cast<HICON>(::LoadImageA(module->GetHandle(), MAKEINTRESOURCEA(kLauncherIconId), IMAGE_ICON,
                                           size, size, LR_DEFAULTCOLOR));
  };
  dialog.SetIcon(load(::GetSystemMetrics(SM_CXICON)), TRUE);
  dialog.SetIcon(load(::GetSystemMetrics(SM_CXSMICON)), FALSE);
}

CPwdChgDialog::CPwdChgDialog(const std::string& oldPassword, TWindow* parent)
    : CDialog(kPasswordDialogId, parent),
      current_(this, kCurrentPasswordId),
      new_(this, kNewPasswordId),
      reentered_(this, kReenteredPasswordId),
      m_strOldPassword(oldPassword) {}

CPwdChgDialog::~CPwdChgDialog() {
  for (std::string* text : {&m_strNewPassword, &m_strReentered, &m_strNew, &m_strCurrent, &m_strOldPassword})
    WipeText(*text);
}

BOOL CPwdChgDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetLauncherIcons(*this);
  return TRUE;
}

void CPwdChgDialog::OnOK() {
  m_strCurrent = current_.Text();
  m_strNew = new_.Text();
  m_strReentered = reentered_.Text();
  if (!Validate()) return;
  CDialog::OnOK();
}

bool CPwdChgDialog::Validate() {
  const auto breach = CheckPasswordChange(m_strOldPassword, m_strCurrent, m_strNew, m_strReentered);
  if (breach) {
    ShowMessageBox(HWindow, breach->text.c_str(), "Password Change", MB_OK | MB_ICONEXCLAMATION);
    GotoDlgCtrl(breach->focusId);
    return false;
  }
  m_strNewPassword = m_strReentered;
  return true;
}

}  // namespace gate
