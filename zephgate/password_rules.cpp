#include "password_rules.h"

namespace gate {

std::optional<PasswordRuleBreach> CheckPasswordChange(const std::string& oldPassword, const std::string& current,
                                                      const std::string& newPassword, const std::string& reentered) {
  if (current.empty())
    return PasswordRuleBreach{"The current password must be entered before the account password can be changed.",
                              kCurrentPasswordId};
  if (current != oldPassword) return PasswordRuleBreach{"The old password is not correct.", kCurrentPasswordId};
  if (reentered.empty() || newPassword.empty())
    return PasswordRuleBreach{"The new password must be entered twice before it can be changed.",
                              kReenteredPasswordId};
  if (newPassword != reentered)
    return PasswordRuleBreach{"The two instances of the new password do not match.", kReenteredPasswordId};
  if (newPassword == current) return PasswordRuleBreach{"The new and old passwords are the same.", kNewPasswordId};
  return std::nullopt;
}

}  // namespace gate
