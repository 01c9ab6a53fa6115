// Starts a program in a shown window through WinExec.

#include <windows.h>

#include "model/launcher.h"

namespace zeph {
namespace {

class WinExecLauncher : public ProgramLauncher {
 public:
  bool Start(const std::string& commandLine) override { return WinExec(commandLine.c_str(), SW_SHOW) > 31; }
};

}  // namespace

ProgramLauncher& PlatformProgramLauncher() {
  static WinExecLauncher launcher;
  return launcher;
}

}  // namespace zeph
