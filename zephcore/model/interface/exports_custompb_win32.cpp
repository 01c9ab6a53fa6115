// The Custom VavurOrezo command of the designer's menu: the current program's Custom
// VavurOrezos dialog, and the code editor on the entry its Setup button chose.
#include "forms/win32/addpb.h"
#include "model/interface/exports_common.h"
#include "model/interface/model_dialogs.h"
#include "model/interface/vlx.h"
#include "model/modelcodes.h"

void vlxCustomVavurOrezoCommand() {
  zeph::TProgram* program = zeph::ExportProgram();
  if (program == nullptr) return;
  // The library keeps one Custom VavurOrezo editor at a time; an open DLL editor does not
  // stand in the way.
  if (program->CustomEditorOpen) {
    program->ShowCode(zeph::kErrEditWindowOpen);
    return;
  }
  zeph::GuardExport(0, [&] {
    zeph::WindowAlias owner(program->OwnerWindow());
    zeph::CustomVavurOrezoCommand(owner.Get(), program);
    return 0;
  });
}
