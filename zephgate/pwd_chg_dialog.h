#pragma once
// The expired-password dialog (template 134): current, new and re-entered password, each
// digits only; OK closes only when the local checks pass, and the re-entered text then is
// the accepted new password. Every copy of a password is wiped when the dialog goes.
#include <string>

#include "mfc/controls.h"
#include "mfc/dialog.h"

namespace gate {

constexpr UINT kPasswordDialogId = 134;
constexpr int kLauncherIconId = 128;

class CPwdChgDialog : public CDialog {
 public:
  explicit CPwdChgDialog(const std::string& oldPassword, TWindow* parent = nullptr);
  ~CPwdChgDialog() override;

  BOOL OnInitDialog() override;
  void OnOK() override;
  // The local checks; a breach shows its box ("Password Change") and moves the focus.
  bool Validate();
  const std::string& NewPassword() const { return m_strNewPassword; }

 private:
  CEdit current_;
  CEdit new_;
  CEdit reentered_;
  std::string m_strNewPassword;
  std::string m_strReentered;
  std::string m_strNew;
  std::string m_strCurrent;
  std::string m_strOldPassword;
};

// Sets the launcher's icon (large and small) on a dialog of the program.
void SetLauncherIcons(CDialog& dialog);

}  // namespace gate
