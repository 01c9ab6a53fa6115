// The launcher under Wine: the server's COM components of the stand-in (registered DLL),
// the registry of the test prefix, the real install_cer.bat and zephgate.exe starting a
// recording designer from a BinDir with blanks.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "com_components.h"
#include "login_app.h"
#include "registry_key.h"
#include "windows_fixture.h"
#include "user_folder.h"
#include "windows_system.h"

namespace gate::testing {
namespace {
namespace fs = std::filesystem;


class ScriptedUi final : public PasswordChangeUi {
 public:
  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> refusals;
  bool AskNewPassword(const std::string&, std::string& newPassword) override {
    if (answers.empty() || !answers.front()) return false;
    newPassword = *answers.front();
    answers.pop_front();
    return true;
  }
  void ShowRefusal(const std::string& text) override { refusals.push_back(text); }
};

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string unique = std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    for (char& c : unique) c = static_cast<char>('a' + (c - '0'));
    root = fs::temp_directory_path() / ("zephgate-" + unique);
    bin = root / "bin folder with blanks";
    fs::create_directories(bin);
    fs::create_directories(root / "data");
    fs::create_directories(root / "user");
    fs::copy_file(ProgramFolder() / "designer_recorder.exe", bin / "zephdesk.exe");
    fs::copy_file(ProgramFolder() / "install_cer.bat", bin / "install_cer.bat");
    binValue = std::make_unique<MachineValue>("BinDir", bin.string() + "\\");
    dataValue = std::make_unique<MachineValue>("DataDir", (root / "data").string() + "\\");
    SetUserDataFolder((root / "user").string() + "\\");
    log = std::make_unique<CLog>("");
    system = std::make_unique<WindowsSystem>(GetModuleHandleA(nullptr));
    services = std::make_unique<GateServices>(
        GateServices{factory, *system, *log, PlatformDialUpNetwork(), &ui, &encodedPassword});
  }
  void TearDown() override {
    binValue.reset();
    dataValue.reset();
    SetUserDataFolder("");
    std::error_code error;
    fs::remove_all(root, error);
  }

  std::string Journal() const {
    const char* path = std::getenv("VTSTANDIN_JOURNAL");
    return path ? ReadText(path) : std::string();
  }
  std::string LogText() const { return ReadText(root / "user" / "zephgate.log"); }
  fs::path ServerCertificate() const {
    return fs::path(std::getenv("VTSTANDIN_STORE")) / "d" / "tarvix" / "ssl" / "Vantora.cer";
  }
  // Runs zephgate.exe with `arguments` and waits; its exit code.
  DWORD RunLauncher(const std::string& arguments) {
    std::vector<std::string> values;
    std::istringstream in(arguments);
    for (std::string v; in >> v;) values.push_back(v);
    std::int32_t code = 999;
    if (!system->RunAndWait((ProgramFolder() / "zephgate.exe").string(), values, code)) return 998;
    return static_cast<DWORD>(code);
  }
  // Waits for the recorder's line (the launcher does not wait for the designer).
  std::string Launched() {
    for (int i = 0; i < 200 && !fs::exists(bin / "launched.txt"); ++i) Sleep(50);
    Sleep(100);
    return ReadText(bin / "launched.txt");
  }

  fs::path root, bin;
  std::unique_ptr<MachineValue> binValue, dataValue;
  std::unique_ptr<CLog> log;
  std::unique_ptr<WindowsSystem> system;
  ComComponentFactory factory;
  ScriptedUi ui;
  std::string encodedPassword;
  std::unique_ptr<GateServices> services;
};

CSystemInfo Main(int sslLevel) {
  CSystemInfo s;
  s.Name = "Main";
  s.Address = "127.0.0.1";
  s.SslLevel = sslLevel;
  return s;
}

TEST_F(LauncherTest, LogInsThroughTheComComponents) {
  struct Case {
    const char* user;
    const char* password;
    const char* location;
    int sslLevel;
    int result;
    const char* error;
  };
  const Case cases[] = {
      {"4711", "2468", "", 0, 1, nullptr},
      {"4712", "1357", "Headquarters", 0, 1, nullptr},
      {"4714", "9753", "Branch", 0, 0, "Access Denied for User: 4714"},
      {"4711", "2469", "", 0, 0, "Login Failed.  Please check log file and try again."},
      {"4711", "2468", "", 2, 1, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.user);
    CServerConnection connection(Main(c.sslLevel), CLoginData(c.user, c.password, c.location), *services);
    ASSERT_EQ(connection.Initialize(), 1) << connection.GetErrorText();
    ASSERT_EQ(connection.ConnectNetwork(), 1);
    EXPECT_EQ(connection.Login(), c.result);
    if (c.result == 0) {
      EXPECT_EQ(connection.GetErrorText(), c.error);
    }
  }
  // The SSL log-in installed the certificate with the real batch file.
  EXPECT_EQ(ReadText(bin / "certdb" / "Main.cer"), ReadText(ServerCertificate()));
  EXPECT_EQ(ReadText(root / "data" / "Main" / "Vantora.cer"), ReadText(ServerCertificate()));
  const std::string journal = Journal(), logText = LogText();
  for (const char* secret : {"2468", "1357", "9753", "2469"}) {
    EXPECT_EQ(journal.find(secret), std::string::npos) << secret;
    EXPECT_EQ(logText.find(secret), std::string::npos) << secret;
  }
}

TEST_F(LauncherTest, ExpiredPasswordChangedThroughTheComponents) {
  ui.answers = {std::string("1111"), std::string("5820")};
  CServerConnection connection(Main(0), CLoginData("4713", "8642", ""), *services);
  ASSERT_EQ(connection.Initialize(), 1);
  ASSERT_EQ(connection.ConnectNetwork(), 1);
  ASSERT_EQ(connection.Login(), 1) << connection.GetErrorText();
  EXPECT_EQ(ui.refusals, std::vector<std::string>{"A trivial password was entered.  Please try again."});
  std::string expected = "5820";
  ASSERT_EQ(connection.EncodePassword(expected), 1);
  EXPECT_EQ(encodedPassword, expected);
}

TEST_F(LauncherTest, ReplacedCertificateReplacesTheLocalOne) {
  CServerConnection connection(Main(2), CLoginData("4711", "", ""), *services);
  ASSERT_EQ(connection.Initialize(), 1);
  ASSERT_EQ(connection.CheckCertificate("Main", 1), 1) << connection.GetErrorText();
  const std::string good = ReadText(ServerCertificate());
  std::string replaced = good;
  replaced.back() = static_cast<char>(replaced.back() ^ 0x5A);  // another signature, still a certificate
  // The server's new certificate is written and stamped later than the one fetched: file
  // times can repeat within the clock's tick, and the server compares stamps, not bytes.
  const fs::file_time_type fetchedAt = fs::last_write_time(ServerCertificate());
  std::ofstream(ServerCertificate(), std::ios::binary | std::ios::trunc) << replaced;
  ASSERT_EQ(ReadText(ServerCertificate()), replaced);
  fs::last_write_time(ServerCertificate(), fetchedAt + std::chrono::seconds(2));
  EXPECT_EQ(connection.CheckCertificate("Main", 1), 1) << connection.GetErrorText();
  EXPECT_EQ(ReadText(root / "data" / "Main" / "Vantora.cer"), replaced);
  EXPECT_EQ(ReadText(bin / "certdb" / "Main.cer"), replaced);
  std::ofstream(ServerCertificate(), std::ios::binary | std::ios::trunc) << good;
}

TEST_F(LauncherTest, UnparsableCertificateIsRefused) {
  CServerConnection down(Main(2), CLoginData("4711", "2468", ""), *services);
  ASSERT_EQ(down.Initialize(), 1);
  ASSERT_EQ(down.ConnectNetwork(), 1);
  // A certificate that the platform cannot parse is refused.
  const std::string good = ReadText(ServerCertificate());
  std::ofstream(ServerCertificate(), std::ios::binary | std::ios::trunc) << "stand-in certificate\r\n";
  EXPECT_EQ(down.CheckCertificate("Other", 0), 0);
  EXPECT_EQ(down.GetErrorText(), "SSL connection could not be established.");
  EXPECT_FALSE(fs::exists(root / "data" / "Other" / "Vantora.cer"));
  EXPECT_FALSE(fs::exists(bin / "certdb"));
  std::ofstream(ServerCertificate(), std::ios::binary | std::ios::trunc) << good;
}

TEST_F(LauncherTest, IntegratedLaunchStartsTheDesignerWithItsLine) {
  struct Case {
    const char* arguments;
    DWORD exitCode;
    const char* line;  // after the quoted program path; null: nothing started
  };
  const Case cases[] = {
      {"4711 1 Main 10.1.1.1 ctx-test-0001 2 F59F060B21F1BA85 636 0", 0,
       "Flowsmith :  : Main : 0 : 10.1.1.1 : 0 : 0 : 0 : 4711 : 0 : 1 : 1 : F59F060B21F1BA85 : 2 : ctx-test-0001 : "
       "636 : 0 : 40718396"},
      {"4711 1 Main 10.1.1.1 ctx-test-0001 2 F59F060B21F1BA85 636", 1, nullptr},
      {"4711 1 Main 10.1.1.1 ctx-test-0001 2 F59F060B21F1BA85 636 x", 1, nullptr},
  };
  const std::size_t journalBefore = Journal().size();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    fs::remove(bin / "launched.txt");
    EXPECT_EQ(RunLauncher(c.arguments), c.exitCode);
    if (c.line) {
      EXPECT_EQ(Launched(), "\"" + (bin / "zephdesk.exe").string() + "\" " + c.line + "\r\n");
    } else {
      Sleep(300);
      EXPECT_FALSE(fs::exists(bin / "launched.txt"));
    }
  }
  EXPECT_EQ(Journal().size(), journalBefore);  // level 0 and refused lines contact no server
}

TEST_F(LauncherTest, IntegratedSslLaunchInstallsTheCertificateFirst) {
  EXPECT_EQ(RunLauncher("4711 1 Main 127.0.0.1 ctx-test-0001 2 F59F060B21F1BA85 636 2"), 0u);
  EXPECT_NE(Launched().find(" : 636 : 2 : 40718396"), std::string::npos);
  EXPECT_EQ(ReadText(bin / "certdb" / "Main.cer"), ReadText(ServerCertificate()));

  // Without BinDir nothing starts, and the program still ends normally.
  fs::remove(bin / "launched.txt");
  MachineValue noBin("BinDir", std::nullopt);
  EXPECT_EQ(RunLauncher("4711 1 Main 127.0.0.1 ctx-test-0001 2 F59F060B21F1BA85 636 0"), 1u);
  Sleep(300);
  EXPECT_FALSE(fs::exists(bin / "launched.txt"));
}

}  // namespace
}  // namespace gate::testing
