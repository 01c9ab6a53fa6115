#pragma once
// The launcher's one pass: with a command line (integrated mode) it checks the nine
// values, makes sure of the server's certificate when SSL is asked for, and starts the
// designer; without one it runs the login dialog, which ends in LaunchDesigner too.
#include <cstdint>
#include <string>

#include "designer_line.h"
#include "server_connection.h"

namespace gate {

class CLoginApp;

// The interactive road (the login dialog); the launcher's window layer provides it.
class LoginDialogRunner {
 public:
  virtual ~LoginDialogRunner() = default;
  virtual void Run(CLoginApp& app) = 0;
};

class CLoginApp {
 public:
  CLoginApp(GateServices& services, LoginDialogRunner* dialog);

  // Always FALSE: the program ends after its one pass.
  int InitInstance(const std::string& commandLine);
  // 1 when the designer was started, else 0 with the reason logged.
  int LaunchDesigner(const LaunchValues& values);
  // The same with the values one by one, as the login dialog passes them.
  int LaunchDesigner(const std::string& location, const std::string& serverName, const std::string& serverAddress,
                     const std::string& userId, const std::string& customer, const std::string& contextId,
                     const std::string& locationId, const std::string& encodedPassword, std::int32_t sslLevel,
                     std::int32_t sslPort);
  // 0 once the designer was started, 1 when nothing was.
  int ExitCode() const { return launched_ ? 0 : 1; }

  void LogText(const std::string& text);
  // The text logged last ("" before any), for a box that tells why a launch failed.
  const std::string& LastLogText() const { return lastLogText_; }
  GateServices& Services() { return services_; }

 private:
  void RunIntegrated(const std::string& commandLine);

  GateServices& services_;
  LoginDialogRunner* dialog_;
  bool launched_ = false;
  std::string lastLogText_;
};

}  // namespace gate
