// Hosts without the Windows program starter start nothing.

#include "model/launcher.h"

#ifndef _WIN32

namespace zeph {
namespace {

class NoLauncher : public ProgramLauncher {
 public:
  bool Start(const std::string&) override { return false; }
};

}  // namespace

ProgramLauncher& PlatformProgramLauncher() {
  static NoLauncher launcher;
  return launcher;
}

}  // namespace zeph

#endif
