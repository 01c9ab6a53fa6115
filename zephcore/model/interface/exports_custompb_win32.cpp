// The Custom VavurOrezo command of the designer's menu: the current program's Custom
// VavurOrezos dialog, and the code editor on the entry its Setup button chose.
#include "forms/win32/addpb.h"
#include "model/interface/exports_common.h"
#include "model/interface/vlx.h"

void vlxCustomVavurOrezoCommand() {
  zeph::TProgram* program = zeph::ExportProgram();
  if (program == nullptr) return;
  zeph::GuardExport(0, [&] {
    zeph::CustomVavurOrezoCommand(nullptr, program);
    return 0;
  });
}
