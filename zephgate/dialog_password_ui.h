#pragma once
// The expired-password exchange with the real dialog and message boxes.
#include "password_change_ui.h"

namespace gate {

class DialogPasswordChangeUi : public PasswordChangeUi {
 public:
  bool AskNewPassword(const std::string& oldPassword, std::string& newPassword) override;
  // No parent window: the box stands on its own over the login dialog.
  void ShowRefusal(const std::string& text) override;
};

}  // namespace gate
