#include "login_app.h"

#include <vector>

namespace gate {
namespace {

// The command-line values in order, with the text logged when one is missing.
constexpr const char* kMissing[] = {
    "User ID not specified in command line!",         "Customer number not specified in command line!",
    "Server name not specified in command line!",     "Server address not specified in command line!",
    "Context ID not specified in command line!",      "Location ID not specified in command line!",
    "Encoded password not specified in command line!", "SSL port not specified in command line!",
    "SSL level not specified in command line!",
};

}  // namespace

CLoginApp::CLoginApp(GateServices& services, LoginDialogRunner* dialog) : services_(services), dialog_(dialog) {}

void CLoginApp::LogText(const std::string& text) {
  lastLogText_ = text;
  services_.log << CLogEntry(text);
}

int CLoginApp::InitInstance(const std::string& commandLine) {
  if (CutCommandLine(commandLine).empty()) {
    if (dialog_) {
      dialog_->Run(*this);
    } else {
      LogText("Flowsmith Launcher: no login dialog in this program.");
    }
    return 0;
  }
  RunIntegrated(commandLine);
  return 0;
}

void CLoginApp::RunIntegrated(const std::string& commandLine) {
  LogText("Starting Flowsmith in integrated mode...");
  const std::vector<std::string> values = CutCommandLine(commandLine);
  for (std::size_t i = values.size(); i < std::size(kMissing); ++i) {
    LogText(kMissing[i]);
    return;
  }
  LaunchValues launch;
  launch.userId = values[0];
  launch.customer = values[1];
  launch.serverName = values[2];
  launch.serverAddress = values[3];
  launch.contextId = values[4];
  launch.locationId = values[5];
  launch.encodedPassword = values[6];
  // Numbers must be numbers: a garbled level must never turn SSL off.
  const std::optional<std::int32_t> port = DecimalInRange(values[7], 0, 65535);
  if (!port) {
    LogText("SSL port not valid in command line!");
    return;
  }
  const std::optional<std::int32_t> level = DecimalInRange(values[8], 0, 2);
  if (!level) {
    LogText("SSL level not valid in command line!");
    return;
  }
  launch.sslPort = *port;
  launch.sslLevel = *level;

  if (launch.sslLevel != 0) {
    CSystemInfo system;
    system.Name = launch.serverName;
    system.Address = launch.serverAddress;
    system.ConnectionType = CSystemInfo::LocalNetwork;
    system.SslLevel = launch.sslLevel;
    system.SslPort = launch.sslPort;
    CServerConnection connection(system, CLoginData(launch.userId, "", ""), services_);
    if (!connection.Initialize()) return;
    connection.ConnectNetwork();
    if (!connection.CheckCertificate(launch.serverName, 1)) {
      LogText("SSL certificate could not be initialized.");
      return;
    }
    LogText("SSL certificate exists and is installed.");
  }
  LaunchDesigner(launch);
}

int CLoginApp::LaunchDesigner(const std::string& location, const std::string& serverName,
                              const std::string& serverAddress, const std::string& userId,
                              const std::string& customer, const std::string& contextId,
                              const std::string& locationId, const std::string& encodedPassword,
                              std::int32_t sslLevel, std::int32_t sslPort) {
  return LaunchDesigner(LaunchValues{location, serverName, serverAddress, userId, customer, contextId, locationId,
                                     encodedPassword, sslLevel, sslPort});
}

int CLoginApp::LaunchDesigner(const LaunchValues& values) {
  const std::optional<std::string> key = services_.system.LoadText(kIdsDataKey);
  if (!key) return 0;
  const std::optional<std::string> binDir = services_.system.ReadMachineValue(*key, "BinDir");
  if (!binDir) {
    LogText("Flowsmith Launcher: BinDir registry entry not found!");
    return 0;
  }
  // The value normally ends with its separator already.
  const bool separated = !binDir->empty() && (binDir->back() == '\\' || binDir->back() == '/');
  const std::string program = *binDir + (separated ? "" : "\\") + "zephdesk.exe";
  std::string problem;
  const std::optional<std::string> commandLine = DesignerCommandLine(program, values, problem);
  if (!commandLine) {
    LogText("Flowsmith Launcher: the designer was not started: " + problem + ".");
    return 0;
  }
  if (!services_.system.StartProgram(program, *commandLine)) {
    LogText("Flowsmith Launcher: " + program + " could not be started.");
    return 0;
  }
  launched_ = true;
  return 1;
}

}  // namespace gate
