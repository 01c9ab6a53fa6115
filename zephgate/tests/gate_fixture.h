#pragma once
// A launcher test against the fresh stand-in server of this test process: the connection's
// services over the server's core, a system of the test's own (strings, registry values,
// certificate parser, programs) and folders of its own for the log, DataDir and BinDir.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "certificate_check.h"
#include "login_app.h"
#include "server_connection.h"
#include "standin_components.h"
#include "user_folder.h"

namespace gate::testing {
namespace fs = std::filesystem;

inline std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The operating system as the launcher sees it, for one test.
class TestSystem final : public GateSystem {
 public:
  std::map<std::int32_t, std::string> strings{{kIdsDataKey, "SOFTWARE\\Tarvix\\Vantora\\Flowsmith"},
                                              {kIdsDialError, "Error: %s"},
                                              {kIdsNotConnected, "Not Connected"}};
  std::map<std::string, std::string> machine;  // "<key>\<value name>" in lower case
  HResult comResult = kOk;
  HResult securityResult = kOk;
  int shutdowns = 0;
  std::int32_t batchExitCode = 0;
  std::vector<std::string> batches;     // program and arguments of each run
  std::vector<std::string> started;     // command lines of started programs
  bool startFails = false;

  void SetValue(const std::string& name, const std::string& value) {
    machine[Lower(strings[kIdsDataKey] + "\\" + name)] = value;
  }
  void RemoveValue(const std::string& name) { machine.erase(Lower(strings[kIdsDataKey] + "\\" + name)); }

  std::optional<std::string> LoadText(std::int32_t id) override {
    const auto found = strings.find(id);
    if (found == strings.end()) return std::nullopt;
    return found->second;
  }
  std::optional<std::string> ReadMachineValue(const std::string& key, const std::string& name) override {
    const auto found = machine.find(Lower(key + "\\" + name));  // registry names ignore case
    if (found == machine.end()) return std::nullopt;
    return found->second;
  }
  HResult InitializeCom() override { return comResult; }
  HResult InitializeComSecurity() override { return securityResult; }
  void StartSockets() override {}
  void Shutdown() override { ++shutdowns; }
  bool IsCertificateFile(const std::string& path) override { return IsX509Der(ReadText(HostPathOf(path))); }
  // Does what the installation's install_cer.bat does: copies the system's certificate to
  // certdb\<name>.cer in the database folder (relative to the batch's own folder).
  bool RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                  std::int32_t& exitCode) override {
    std::string line = program;
    for (const std::string& a : arguments) line += " " + a;
    batches.push_back(line);
    exitCode = batchExitCode;
    if (batchExitCode != 0 || arguments.size() != 3) return true;
    auto unquote = [](std::string s) { return s.size() >= 2 && s.front() == '"' ? s.substr(1, s.size() - 2) : s; };
    const fs::path folder = HostPathOf(program).parent_path();
    const fs::path db = folder / HostPathOf(arguments[1]) / "certdb";
    fs::create_directories(db);
    fs::copy_file(HostPathOf(unquote(arguments[2]) + "\\Vantora.cer"), db / (unquote(arguments[0]) + ".cer"),
                  fs::copy_options::overwrite_existing);
    return true;
  }
  bool StartProgram(const std::string&, const std::string& commandLine) override {
    if (startFails) return false;
    started.push_back(commandLine);
    return true;
  }
};

// The password dialog, scripted: each answer is a new password, or nullopt for Cancel.
class ScriptedPasswordUi final : public PasswordChangeUi {
 public:
  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> shownOld;
  std::vector<std::string> refusals;

  bool AskNewPassword(const std::string& oldPassword, std::string& newPassword) override {
    shownOld.push_back(oldPassword);
    if (answers.empty()) return false;
    const std::optional<std::string> answer = answers.front();
    answers.pop_front();
    if (!answer) return false;
    newPassword = *answer;
    return true;
  }
  void ShowRefusal(const std::string& text) override { refusals.push_back(text); }
};

class GateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::getenv("VTSTANDIN_LDAP")) << "run under standin/scripts/with-standin";
    config = standin::configFromEnvironment();
    backend = std::make_unique<standin::Backend>(config);
    // Letters only, so that no password of a test can turn up inside a logged path.
    std::string unique = std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    for (char& c : unique) c = static_cast<char>('a' + (c - '0'));
    root = fs::temp_directory_path() / ("zephgate-" + unique);
    fs::create_directories(root / "user");
    fs::create_directories(root / "data");
    fs::create_directories(root / "bin folder");
    SetUserDataFolder((root / "user").string() + "/");
    system.SetValue("DataDir", (root / "data").string() + "/");
    system.SetValue("BinDir", (root / "bin folder").string() + "/");
    log = std::make_unique<CLog>("");
    log->SetClock([] { return std::string("T"); });
    factory = std::make_unique<StandinFactory>(config);
    services = std::make_unique<GateServices>(GateServices{*factory, system, *log, PlatformDialUpNetwork(), &ui,
                                                           &encodedPassword});
  }
  void TearDown() override {
    // No test's log or journal may hold a password of the test data, clear or encoded.
    ExpectNoSecrets({"2468", "1357", "8642", "9753", "7531", "2469", "5820", "9182", "7393", "F59F060B21F1BA85"});
    SetUserDataFolder("");
    std::error_code error;
    fs::remove_all(root, error);
  }

  static CSystemInfo System(int sslLevel = 0) {
    CSystemInfo s;
    s.Name = "Main";
    s.Address = "127.0.0.1";
    s.SslLevel = sslLevel;
    return s;
  }
  std::unique_ptr<CServerConnection> Connect(const CSystemInfo& s, const CLoginData& login) {
    auto c = std::make_unique<CServerConnection>(s, login, *services);
    EXPECT_EQ(c->Initialize(), 1) << c->GetErrorText();
    EXPECT_EQ(c->ConnectNetwork(), 1) << c->GetErrorText();
    return c;
  }
  void Fault(const std::vector<std::string>& rules) {
    backend->modify(backend->controlDn(), {{standin::LdapChange::Replace, "stfaultrule", rules}});
  }
  std::string LogText() const { return ReadText(root / "user" / "zephgate.log"); }
  std::string Journal() const {
    const char* path = std::getenv("VTSTANDIN_JOURNAL");
    return path ? ReadText(standin::hostPath(path)) : std::string();
  }
  // Lines of the journal that start with `call`.
  std::vector<std::string> JournalLines(const std::string& call) const {
    std::vector<std::string> lines;
    std::istringstream in(Journal());
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.rfind(call, 0) == 0) lines.push_back(line);
    }
    return lines;
  }
  fs::path CertificateFile(const std::string& name = "Main") const { return root / "data" / name / "Vantora.cer"; }
  fs::path ServerCertificate() const { return backend->store().map("d:\\tarvix\\ssl\\Vantora.cer"); }
  // Neither the log nor the journal may hold any of these. (Context ids are random
  // hexadecimal text and may hold any digits: they are left out of the search.)
  void ExpectNoSecrets(const std::vector<std::string>& secrets) const {
    const std::string logText = LogText();
    std::string journal = Journal();
    for (std::size_t at = journal.find("ctx-"); at != std::string::npos; at = journal.find("ctx-", at + 4)) {
      for (std::size_t i = at + 4; i < journal.size() && std::isxdigit(static_cast<unsigned char>(journal[i])); ++i)
        journal[i] = 'x';
    }
    for (const std::string& s : secrets) {
      EXPECT_EQ(logText.find(s), std::string::npos) << "log holds " << s;
      EXPECT_EQ(journal.find(s), std::string::npos) << "journal holds " << s;
    }
  }

  standin::Config config;
  std::unique_ptr<standin::Backend> backend;
  fs::path root;
  TestSystem system;
  ScriptedPasswordUi ui;
  std::string encodedPassword;
  std::unique_ptr<CLog> log;
  std::unique_ptr<StandinFactory> factory;
  std::unique_ptr<GateServices> services;
};

}  // namespace gate::testing
