#pragma once
// The local checks of the expired-password dialog, in the order the user meets them: the
// first rule a set of fields breaks gives its text and the control that gets the focus.
#include <optional>
#include <string>

namespace gate {

// The password dialog's edits.
constexpr int kCurrentPasswordId = 1003;
constexpr int kNewPasswordId = 1004;
constexpr int kReenteredPasswordId = 1005;

struct PasswordRuleBreach {
  std::string text;
  int focusId = 0;
};

// Nothing when the new password may be sent; comparisons are exact (case-sensitive).
std::optional<PasswordRuleBreach> CheckPasswordChange(const std::string& oldPassword, const std::string& current,
                                                      const std::string& newPassword, const std::string& reentered);

}  // namespace gate
