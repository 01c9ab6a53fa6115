#pragma once
// The launcher's operating system on Windows (gate_system_win32.cpp): strings from the
// program's resources, HKEY_LOCAL_MACHINE, COM, Winsock, crypt32 and CreateProcess.
#include "gate_system.h"

namespace gate {

class WindowsSystem final : public GateSystem {
 public:
  // `resources` is the module whose string table holds the launcher's strings (an HINSTANCE).
  explicit WindowsSystem(void* resources) : resources_(resources) {}

  std::optional<std::string> LoadText(std::int32_t id) override;
  std::optional<std::string> ReadMachineValue(const std::string& keyPath, const std::string& name) override;
  HResult InitializeCom() override;
  HResult InitializeComSecurity() override;
  void StartSockets() override;
  void Shutdown() override;
  bool IsCertificateFile(const std::string& path) override;
  bool RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                  std::int32_t& exitCode) override;
  bool StartProgram(const std::string& program, const std::string& commandLine) override;

 private:
  void* resources_;
  bool comStarted_ = false;
  bool socketsStarted_ = false;
};

}  // namespace gate
