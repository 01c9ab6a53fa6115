// The expired-password dialog's local checks: each rule in its order, with its text and
// the control that gets the focus.
#include <gtest/gtest.h>

#include "password_rules.h"

namespace gate::testing {
namespace {

struct RuleCase {
  const char* current;
  const char* newPassword;
  const char* reentered;
  const char* text;  // nullptr: accepted
  int focusId;
};

TEST(PasswordRulesTest, RulesApplyInOrder) {
  const std::string old = "2468";
  const RuleCase cases[] = {
      // An empty current password comes first, whatever else is wrong.
      {"", "", "", "The current password must be entered before the account password can be changed.", 1003},
      {"", "1357", "1357", "The current password must be entered before the account password can be changed.", 1003},
      {"2469", "", "", "The old password is not correct.", 1003},
      {"24680", "1357", "1357", "The old password is not correct.", 1003},
      {"2468", "1357", "", "The new password must be entered twice before it can be changed.", 1005},
      {"2468", "", "1357", "The new password must be entered twice before it can be changed.", 1005},
      {"2468", "1357", "13579", "The two instances of the new password do not match.", 1005},
      {"2468", "2468", "2468", "The new and old passwords are the same.", 1004},
      {"2468", "1357", "1357", nullptr, 0},
  };
  for (const RuleCase& c : cases) {
    const auto breach = CheckPasswordChange(old, c.current, c.newPassword, c.reentered);
    SCOPED_TRACE(std::string(c.current) + "/" + c.newPassword + "/" + c.reentered);
    if (!c.text) {
      EXPECT_FALSE(breach.has_value());
      continue;
    }
    ASSERT_TRUE(breach.has_value());
    EXPECT_EQ(breach->text, c.text);
    EXPECT_EQ(breach->focusId, c.focusId);
  }
}

TEST(PasswordRulesTest, ComparisonsAreCaseSensitive) {
  EXPECT_EQ(CheckPasswordChange("Abc", "abc", "x", "x")->text, "The old password is not correct.");
  EXPECT_EQ(CheckPasswordChange("abc", "abc", "Xy", "xY")->text, "The two instances of the new password do not match.");
  EXPECT_FALSE(CheckPasswordChange("abc", "abc", "ABC", "ABC").has_value());
}

}  // namespace
}  // namespace gate::testing
