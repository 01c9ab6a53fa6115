#include "gate_fixture.h"

namespace gate::testing {
namespace {

using PasswordChangeTest = GateTest;

TEST_F(PasswordChangeTest, ExpiredPasswordIsChangedReEncodedAndUsed) {
  ui.answers = {std::string("5820")};
  encodedPassword = "stale";
  auto connection = Connect(System(), CLoginData("4713", "8642", ""));
  ASSERT_EQ(connection->Login(), 1) << connection->GetErrorText();
  EXPECT_EQ(ui.shownOld, std::vector<std::string>{"8642"});
  EXPECT_EQ(connection->GetLoginData().Password, "5820");
  std::string expected = "5820";
  ASSERT_EQ(connection->EncodePassword(expected), 1);
  EXPECT_EQ(encodedPassword, expected);
  EXPECT_NE(LogText().find("Re-encoding password."), std::string::npos);
  // Written with the restricted context of the expired bind.
  const std::vector<std::string> modifies = JournalLines("directory.modify");
  ASSERT_EQ(modifies.size(), 1u);
  EXPECT_EQ(modifies[0].rfind("directory.modify userid=U0003,o=vantora | usermailboxpsswd~{value}~**** | ctx-", 0), 0u)
      << modifies[0];
  // The user search of the change names the user's location and mailbox.
  EXPECT_NE(Journal().find("(&(locationid=2)(usermailboxnum=4713)(objectclass=VANTORAUSER)) | userid |"),
            std::string::npos);
  // The new password binds from now on.
  auto again = Connect(System(), CLoginData("4713", "5820", ""));
  EXPECT_EQ(again->Login(), 1) << again->GetErrorText();
  ExpectNoSecrets({"8642", "5820", expected});
}

TEST_F(PasswordChangeTest, RefusalsBringTheDialogBackWithTheSameOldPassword) {
  struct Case {
    std::int32_t code;
    const char* text;
  };
  const Case cases[] = {
      {54742, "A previous password cannot be re-used.  Please try again."},
      {54740, "The new password was not long enough for this server.  Please try again."},
      {54736, "A trivial password was entered.  Please try again."},
      {54737, "A trivial password was entered.  Please try again."},
      {54738, "A trivial password was entered.  Please try again."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    Fault({"directory.modify " + std::to_string(c.code) + " count=1"});
    ui = ScriptedPasswordUi();
    ui.answers = {std::string("9182"), std::nullopt};  // refused, then Cancel
    auto connection = Connect(System(), CLoginData("4713", "8642", ""));
    EXPECT_EQ(connection->Login(), 0);
    EXPECT_EQ(ui.refusals, std::vector<std::string>{c.text});
    EXPECT_EQ(ui.shownOld, (std::vector<std::string>{"8642", "8642"}));
    EXPECT_EQ(connection->GetLoginData().Password, "8642");
  }
  Fault({});
  // The old password still binds: nothing was changed.
  ui = ScriptedPasswordUi();
  auto connection = Connect(System(), CLoginData("4713", "8642", ""));
  EXPECT_EQ(connection->Login(), 0);
  EXPECT_EQ(ui.shownOld.size(), 1u);  // expired again, so asked again
  ExpectNoSecrets({"8642", "9182"});
}

TEST_F(PasswordChangeTest, ServerRulesRefuseTrivialPasswords) {
  ui.answers = {std::string("1111"), std::string("12"), std::string("7393")};
  auto connection = Connect(System(), CLoginData("4713", "8642", ""));
  ASSERT_EQ(connection->Login(), 1) << connection->GetErrorText();
  EXPECT_EQ(ui.refusals, (std::vector<std::string>{"A trivial password was entered.  Please try again.",
                                                   "The new password was not long enough for this server.  Please try again."}));
  EXPECT_EQ(connection->GetLoginData().Password, "7393");
}

TEST_F(PasswordChangeTest, CancelAndOtherFailuresEndTheLogIn) {
  {
    auto connection = Connect(System(), CLoginData("4713", "8642", ""));
    EXPECT_EQ(connection->Login(), 0);  // no answer: Cancel
    EXPECT_TRUE(JournalLines("directory.modify").empty());
  }
  {
    Fault({"directory.modify 53"});
    ui.answers = {std::string("5820")};
    auto connection = Connect(System(), CLoginData("4713", "8642", ""));
    EXPECT_EQ(connection->Login(), 0);
    EXPECT_EQ(connection->GetErrorText(), "The password could not be changed.");
    EXPECT_TRUE(ui.refusals.empty());
    EXPECT_NE(LogText().find("Module: Change Password Code: 53"), std::string::npos);
  }
}

TEST_F(PasswordChangeTest, FailedUserLookupWritesNothing) {
  Fault({"directory.search 32 match=(&(locationid=2)(usermailboxnum=4713)"});
  ui.answers = {std::string("5820")};
  auto connection = Connect(System(), CLoginData("4713", "8642", ""));
  EXPECT_EQ(connection->Login(), 0);
  EXPECT_EQ(connection->GetErrorText(), "The password could not be changed.");
  EXPECT_TRUE(JournalLines("directory.modify").empty());
  EXPECT_EQ(connection->GetLoginData().Password, "8642");
}

}  // namespace
}  // namespace gate::testing
