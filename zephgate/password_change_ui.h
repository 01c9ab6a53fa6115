#pragma once
// The expired-password exchange with the user, apart from the connection so that tests
// can script it: the change dialog, and the boxes that report a refused new password.
#include <string>

namespace gate {

class PasswordChangeUi {
 public:
  virtual ~PasswordChangeUi() = default;
  // Shows the change dialog for `oldPassword`; true (with the new password) on OK.
  virtual bool AskNewPassword(const std::string& oldPassword, std::string& newPassword) = 0;
  // A box with caption "Password Change" and the exclamation icon.
  virtual void ShowRefusal(const std::string& text) = 0;
};

}  // namespace gate
