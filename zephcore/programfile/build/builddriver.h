#pragma once
// The build driver: writes the script of a program, compiles it, and maps a compile error
// back to the place the user can fix (a line of a Custom VavurOrezo, a line of the DLL
// prototypes, or a position in the script).

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace zeph {

class TProgram;

// What the script writer tells the driver besides its code.
struct BuildScriptResult {
  int prototypeLines = -1;  // page prototype lines before the DLL text; -1: count them in the file
  std::string message;      // on failure, what could not be written and where (may be empty)
};

// Writes the script of the current program: (path, customer id, application id, library
// flag, log, trace, templates, stubs, out: result). 0 or a model code.
using BuildScriptWriter = std::function<int(const char* path, std::int32_t customerId, std::int32_t applicationId,
                                            int isLibrary, std::ostream* log, int trace, int templates, int stubs,
                                            BuildScriptResult* result)>;
// The writer in use (the script generator); tests may replace it, null restores it.
void SetBuildScriptWriter(BuildScriptWriter writer);

// Library-wide build state of the last build.
std::int32_t BuildStubsFlag();
std::int32_t BuildOptionBits();  // 4, plus 1 with trace, plus 2 with templates

// Stage 1 writes the script only, 2 compiles an existing script only, others do both.
// 0 on success, 1 on any failure (reported to the log or in a box).
int BuildProgram(TProgram* program, const char* path, std::int32_t customerId, std::int32_t applicationId,
                 int isLibrary, int stage, std::ostream* log, int trace, int templates, int stubs);

// Counts the page prototypes at the head of a script's "funcdefs:" section (the lines the
// generator writes before the program's DLL text).
int CountPrototypeLines(const std::string& scriptText);

}  // namespace zeph
