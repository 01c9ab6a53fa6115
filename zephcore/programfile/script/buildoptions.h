#pragma once
// The build options that change the generated script, and the outside services the script
// generator takes its time, build stamp and password encoding from. Process-wide: the build
// driver sets the options before each generation; tests replace the services so that they
// compare exact text.

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

namespace zeph {

// Values of the build options word.
enum ScriptBuildOptions : std::int32_t {
  kBuildTrace = 1,       // a trace line in every block, the TRACE sections of the template
  kBuildTemplates = 2,   // changes nothing in the text
  kBuildBlockNames = 4,  // the "__PBNAME__" lines
};

std::int32_t ScriptBuildOptionsWord();
void SetScriptBuildOptionsWord(std::int32_t word);
// The word the build driver sets: block names always, tracing and templates on request.
std::int32_t MakeScriptBuildOptions(bool trace, bool templates);
// 1 writes "(STUB) - " into the script's header.
std::int32_t ScriptStubFlag();
void SetScriptStubFlag(std::int32_t flag);
// "0" or "1": the trace value of the options word.
int ScriptTraceValue();

// What the generator asks of the world outside the model.
struct ScriptServices {
  // Seconds since 1970 (the segment names).
  std::function<std::time_t()> Now;
  // The date line of the header: the local time of that moment as strftime "%c" gives it.
  std::function<std::string(std::time_t)> DateText;
  // The generator's own build date and time, "Jun  3 2004\t11:29:28".
  std::function<std::string()> BuildStamp;
  // Encodes a password text into 8 bytes; 0 on success (the client library's answer).
  std::function<int(const char* text, unsigned char out[8])> EncodePassword;
};

// The services in use; SetScriptServices replaces them (members left empty keep the
// defaults: the system clock, this build's stamp and the stand-alone encoder, which writes
// nothing and answers 0).
const ScriptServices& CurrentScriptServices();
void SetScriptServices(const ScriptServices& services);
void ResetScriptServices();

}  // namespace zeph
