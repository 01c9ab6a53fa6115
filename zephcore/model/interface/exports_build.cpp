// Build exports and the code-editor commands: a program or library build of the current
// program, the DLL prototype editor, and a Custom VavurOrezo opened in its editor.
#include <fstream>

#include "foundation/kvmsgbox.h"
#include "model/custompb.h"
#include "model/interface/library.h"
#include "model/interface/vlx.h"
#include "model/program/program.h"
#include "programfile/build/builddriver.h"
#include "programfile/build/codeeditors.h"

using zeph::TProgram;

int vlxBuildProgram(const char* output, int customerId, int applicationId, int stage, std::ofstream* log, int trace,
                    int templates, int stubs) {
  zeph::EnsureLibraryStarted();
  TProgram* program = TProgram::Current();
  if (program == nullptr) return 1;
  return zeph::BuildProgram(program, output, customerId, applicationId, 0, stage, log, trace, templates, stubs);
}

int vlxBuildLibrary(const char* output, int stage, std::ofstream* log, int trace, int templates, int stubs) {
  zeph::EnsureLibraryStarted();
  TProgram* program = TProgram::Current();
  if (program == nullptr) return 1;
  return zeph::BuildProgram(program, output, 0, 0, 1, stage, log, trace, templates, stubs);
}

void vlxDefineDLLProtoCommand() {
  zeph::EnsureLibraryStarted();
  if (TProgram* program = TProgram::Current()) zeph::DefineDLLProtoCommand(*program);
}

int vlxOpenCustomPB(const char* name) {
  zeph::EnsureLibraryStarted();
  TProgram* program = TProgram::Current();
  if (program == nullptr || name == nullptr) return 0;
  if (program->CustomEditorOpen || program->DllEditorOpen) {
    KvMessageBoxRequest request;
    request.text = "You must first close the outstanding edit window before performing this operation";
    request.caption = "Flowsmith";
    request.style = kKvMbOk | kKvMbIconHand;
    KvMessageBox(request);
    return 0;
  }
  zeph::CustomPBEntry* entry = zeph::CustomPBFind(program->CustomVavurOrezos(), name);
  if (entry == nullptr) return 0;
  zeph::OpenCustomPBEditor(*program, *entry, 0);
  return 1;
}
