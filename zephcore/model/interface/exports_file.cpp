// File exports: the model part of the application file.
#include <cstdio>
#include <ostream>

#include "model/interface/fstreams.h"
#include "model/interface/library.h"
#include "model/interface/vlx.h"
#include "model/modelcodes.h"
#include "model/program/program.h"
#include "model/promptnumbers.h"
#include "model/sentconvert.h"
#include "model/sysvars.h"
#include "programfile/edfile/edfile.h"

using zeph::TProgram;

int vlxReadProgram(std::FILE* file, fstreams* stream, short mode, std::ofstream* log) {
  zeph::EnsureLibraryStarted();
  TProgram* program = TProgram::Current();
  if (program == nullptr) return zeph::kRcNoProgram;
  program->Reset();
  program->Symbols().SymbolPageCheck = 0;
  if (const int rc = zeph::DiskReadProgram(*program, file, stream, mode); rc != 0) {
    if (rc == zeph::kRcUserStopped) return rc;
    zeph::ReportModelError(rc, log);
    return zeph::kRcFileError;
  }
  program->Symbols().SymbolPageCheck = 1;
  if (const int rc = zeph::SetupSystemVariables(&program->Symbols()); rc != 0) {
    zeph::ReportModelError(rc, log);
    return zeph::kRcFileError;
  }
  if (program->FileVersion < 2.0) {
    zeph::PromptDatabaseTable table;
    zeph::BuildPromptDatabaseTable(table, &program->Symbols());
    if (const int rc = zeph::ConvertOldSentences(table, &program->Symbols()); rc != 0) {
      zeph::ReportModelError(rc, log);
      return zeph::kRcNoMemory;
    }
  }
  zeph::VS2ScanKindNumbers(&program->Symbols());
  return 0;
}

int vlxWriteProgram(std::FILE* file, fstreams* stream, short mode) {
  zeph::EnsureLibraryStarted();
  TProgram* program = TProgram::Current();
  if (program == nullptr) return zeph::kRcNoProgram;
  const int rc = file != nullptr ? zeph::DiskWriteProgram(*program, stream, mode) : zeph::kErrWritingFile;
  if (rc == 0 || rc == zeph::kRcUserStopped) return rc;
  zeph::ReportModelError(rc, nullptr);
  return zeph::kRcFileError;
}
