#pragma once
// Writing the ".tsl" script of the current program.

#include <cstdint>
#include <ostream>
#include <string>

namespace zeph {

// What a generation reports besides its result.
struct ScriptReport {
  std::string Message;       // the failure's text, empty on success
  int PrototypeLines = 0;    // lines of page prototypes before the DLL text in "funcdefs:"
};

// Writes the script of the current program to `path` (which must carry an extension).
// 0, or a model code: -156 when the file cannot be written (or the path has no
// extension), -157 when the program cannot be turned into a script; the report names the
// culprit. The model is left as it was.
int CodeWriteScript(const char* path, std::int32_t customerId, std::int32_t applicationId, int isLibrary,
                    std::ostream* log, ScriptReport* report = nullptr);

// The header's version text for a target definition version.
const char* ScriptVersionText(float targetVersion);

}  // namespace zeph
