#pragma once
// Starting an outside program in a shown window (the viewer of a log file).

#include <string>

namespace zeph {

class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  // False when the program cannot be started.
  virtual bool Start(const std::string& commandLine) = 0;
};

// The platform's launcher; on hosts without one nothing is started.
ProgramLauncher& PlatformProgramLauncher();

}  // namespace zeph
