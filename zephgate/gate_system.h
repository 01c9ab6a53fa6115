#pragma once
// What the launcher needs of the operating system besides files: its string resources,
// machine registry values, COM and socket start-up, the certificate parser, and starting
// programs. gate_system_win32.cpp is the real one; tests give their own.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "components.h"

namespace gate {

// String resources of the launcher.
inline constexpr std::int32_t kIdsDataKey = 1;          // "SOFTWARE\Tarvix\Vantora\Flowsmith"
inline constexpr std::int32_t kIdsDialError = 21210;    // "Error: %s"
inline constexpr std::int32_t kIdsNotConnected = 21211; // "Not Connected"

class GateSystem {
 public:
  virtual ~GateSystem() = default;
  virtual std::optional<std::string> LoadText(std::int32_t id) = 0;
  // A string value under HKEY_LOCAL_MACHINE\<keyPath>; nullopt when key or value is missing.
  virtual std::optional<std::string> ReadMachineValue(const std::string& keyPath, const std::string& name) = 0;

  // Apartment COM; then security with no authentication and anonymous impersonation.
  virtual HResult InitializeCom() = 0;
  virtual HResult InitializeComSecurity() = 0;
  virtual void StartSockets() = 0;
  // Undoes what the start-up calls did (sockets, then COM).
  virtual void Shutdown() = 0;

  // Whether the file holds an X.509 certificate the platform can parse.
  virtual bool IsCertificateFile(const std::string& path) = 0;
  // Runs a program (a batch file goes through the command interpreter) and waits for it;
  // false when it could not be started.
  virtual bool RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                          std::int32_t& exitCode) = 0;
  // Starts a program with the whole command line, without waiting; false when it did not start.
  virtual bool StartProgram(const std::string& program, const std::string& commandLine) = 0;
};

}  // namespace gate
