#include "dialog_password_ui.h"

#include "owl/msgbox.h"
#include "pwd_chg_dialog.h"

namespace gate {

bool DialogPasswordChangeUi::AskNewPassword(const std::string& oldPassword, std::string& newPassword) {
  CPwdChgDialog dialog(oldPassword);
  if (dialog.DoModal() != IDOK) return false;
  newPassword = dialog.NewPassword();
  return true;
}

void DialogPasswordChangeUi::ShowRefusal(const std::string& text) {
  ShowMessageBox(nullptr, text.c_str(), "Password Change", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace gate
