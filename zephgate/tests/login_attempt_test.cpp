// OK of the login dialog with a stored system: the launch line after a log-in, the
// refusals with their texts and whether the fields are cleared, the expired password on
// the way, and a launch that fails after the dialog closed.
#include "gate_fixture.h"
#include "login_attempt.h"

namespace gate::testing {
namespace {

using LoginAttemptTest = GateTest;

CSystemInfo Hall() {
  CSystemInfo s;
  s.Name = "Main";
  s.Address = "127.0.0.1";
  s.Location = "Hall";
  s.SslLevel = 0;
  s.SslPort = 1636;
  return s;
}

// The designer line after the program's name, cut at " : ".
std::vector<std::string> StartedLine(const TestSystem& system) {
  if (system.started.size() != 1) return {};
  const std::string& line = system.started[0];
  const std::size_t end = line.find("zephdesk.exe\" ");
  return end == std::string::npos ? std::vector<std::string>{} : CutDesignerLine(line.substr(end + 14));
}

TEST_F(LoginAttemptTest, LoggedInLaunchesWithTheDialogsValues) {
  CLoginApp app(*services, nullptr);
  const LoginOutcome outcome = LogInAndLaunch(app, "Head office", Hall(), CLoginData("4711", "2468", ""));
  EXPECT_TRUE(outcome.loggedIn);
  EXPECT_EQ(outcome.errorText, "");
  const std::vector<std::string> fields = StartedLine(system);
  ASSERT_EQ(fields.size(), 18u) << (system.started.empty() ? "" : system.started[0]);
  EXPECT_EQ(fields[1], "Hall");
  EXPECT_EQ(fields[2], "Head office");
  EXPECT_EQ(fields[4], "127.0.0.1");
  EXPECT_EQ(fields[8], "4711");
  EXPECT_EQ(fields[11], "1");
  EXPECT_EQ(fields[12], "F59F060B21F1BA85");
  EXPECT_EQ(fields[13], "2");
  EXPECT_EQ(fields[14].rfind("ctx-", 0), 0u);
  EXPECT_EQ(fields[15], "1636");
  EXPECT_EQ(fields[16], "0");
}

TEST_F(LoginAttemptTest, RefusalsKeepTheDialogWithTheirTexts) {
  struct Case {
    const char* what;
    const char* password;
    std::vector<std::string> faults;
    const char* text;
    bool clear;
  };
  const Case cases[] = {
      {"wrong password", "2469", {}, "Login Failed.  Please check log file and try again.", true},
      {"encoding", "2468", {"encoder.encode 80"}, "Password encoding failed, hr = 80040050.", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fault(c.faults);
    CLoginApp app(*services, nullptr);
    const LoginOutcome outcome = LogInAndLaunch(app, "Main", Hall(), CLoginData("4711", c.password, ""));
    EXPECT_FALSE(outcome.loggedIn);
    EXPECT_EQ(outcome.errorText, c.text);
    EXPECT_EQ(outcome.clearFields, c.clear);
    EXPECT_TRUE(system.started.empty());
  }
  Fault({});
}

// The stand-in's encoder lives in the server too: with the server gone, the encoding is
// the step that fails, and the fields stay.
TEST_F(LoginAttemptTest, ServerDownRefusesAtTheEncoding) {
  const char* pid = std::getenv("VTSTANDIN_SLAPD_PID");
  ASSERT_TRUE(pid);
  ::kill(std::atoi(pid), SIGKILL);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  CLoginApp app(*services, nullptr);
  const LoginOutcome outcome = LogInAndLaunch(app, "Main", Hall(), CLoginData("4711", "2468", ""));
  EXPECT_FALSE(outcome.loggedIn);
  EXPECT_FALSE(outcome.clearFields);
  EXPECT_EQ(outcome.errorText.rfind("Password encoding failed, hr = ", 0), 0u) << outcome.errorText;
  EXPECT_TRUE(system.started.empty());
}

TEST_F(LoginAttemptTest, ExpiredPasswordLaunchesWithTheNewEncodedOne) {
  ui.answers = {std::string("5820")};
  CLoginApp app(*services, nullptr);
  const LoginOutcome outcome = LogInAndLaunch(app, "Main", Hall(), CLoginData("4713", "8642", ""));
  ASSERT_TRUE(outcome.loggedIn) << outcome.errorText;
  std::string expected = "5820";
  CServerConnection encoder(Hall(), CLoginData("4713", "5820", ""), *services);
  ASSERT_EQ(encoder.EncodePassword(expected), 1);
  const std::vector<std::string> fields = StartedLine(system);
  ASSERT_EQ(fields.size(), 18u);
  EXPECT_EQ(fields[12], expected);
  ExpectNoSecrets({"8642", "5820", expected});
}

TEST_F(LoginAttemptTest, ExpiredPasswordCancelledKeepsTheDialog) {
  CLoginApp app(*services, nullptr);
  const LoginOutcome outcome = LogInAndLaunch(app, "Main", Hall(), CLoginData("4713", "8642", ""));
  EXPECT_FALSE(outcome.loggedIn);
  EXPECT_TRUE(outcome.clearFields);
  EXPECT_EQ(ui.shownOld, std::vector<std::string>{"8642"});
  EXPECT_TRUE(system.started.empty());
}

TEST_F(LoginAttemptTest, ALaunchThatFailsAfterTheLogInTellsWhy) {
  struct Case {
    const char* what;
    std::function<void()> spoil;
    std::string text;
  };
  const Case cases[] = {
      {"start fails", [&] { system.startFails = true; },
       "Flowsmith Launcher: " + (root / "bin folder").string() + "/zephdesk.exe could not be started."},
      {"no BinDir", [&] { system.RemoveValue("BinDir"); }, "Flowsmith Launcher: BinDir registry entry not found!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.spoil();
    CLoginApp app(*services, nullptr);
    const LoginOutcome outcome = LogInAndLaunch(app, "Main", Hall(), CLoginData("4711", "2468", ""));
    EXPECT_TRUE(outcome.loggedIn);
    EXPECT_EQ(outcome.errorText, c.text);
  }
}

}  // namespace
}  // namespace gate::testing
