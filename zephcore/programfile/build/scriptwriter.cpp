// The build's script writer: the script generator, with the build options it reads set
// first. The generator lives in programfile/script; a tree without it has no writer, and
// a build then fails with the model's "cannot be turned into a script" code.
#include "programfile/build/builddriver.h"

#if __has_include("programfile/script/writescript.h")
#include "programfile/script/buildoptions.h"
#include "programfile/script/writescript.h"
#define ZEPH_HAVE_SCRIPT_GENERATOR 1
#endif

namespace zeph {

BuildScriptWriter DefaultBuildScriptWriter() {
#ifdef ZEPH_HAVE_SCRIPT_GENERATOR
  return [](const char* path, std::int32_t customerId, std::int32_t applicationId, int isLibrary, std::ostream* log,
            int trace, int templates, int stubs, BuildScriptResult* result) {
    SetScriptBuildOptionsWord(MakeScriptBuildOptions(trace != 0, templates != 0));
    SetScriptStubFlag(stubs);
    ScriptReport report;
    const int rc = CodeWriteScript(path, customerId, applicationId, isLibrary, log, &report);
    if (result) {
      result->prototypeLines = report.PrototypeLines;
      result->message = report.Message;
    }
    return rc;
  };
#else
  return {};
#endif
}

}  // namespace zeph
