// The model interface's voice sentence exports: the user-defined types of the settings
// file and the voice sentence report.
#include "editors/reports/gdicanvas.h"
#include "editors/sentences/profileini.h"
#include "editors/sentences/sentencereport.h"
#include "editors/sentences/usertypes.h"
#include "model/interface/exports_common.h"
#include "model/interface/vlx.h"
#include "model/program/program.h"

int vlxLoadUserDefINI() { return zeph::LoadUserDefIni(zeph::SettingsIni()); }

int vlxFreeUserDefINI() {
  zeph::FreeUserDefIni();
  return 0;
}

void vlxPrintVoiceSentenceCommand() {
  zeph::TProgram* program = zeph::ExportProgram();
  if (program == nullptr) return;
  zeph::GuardExport(0, [&] {
    zeph::PrintStateJob job(program->OwnerWindow());
    zeph::PrintVoiceSentenceReport(program->Symbols(), job);
    return 0;
  });
}
