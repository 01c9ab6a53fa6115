// Editor windows, idle time, the definition set and the designer's tables.
#include <new>

#include "model/defset.h"
#include "model/interface/exports_common.h"
#include "model/interface/vlx.h"
#include "model/modelcodes.h"
#include "model/pbentry_combo.h"
#include "model/program/faxeditors.h"
#include "model/program/notify.h"

using zeph::TProgram;

void vlxUpdateVavurorezoDefinitions(const char* serverVersion) {
  zeph::EnsureLibraryStarted();
  zeph::GuardExport(0, [&] {
    zeph::UpdateVavurOrezoDefinitions(serverVersion != nullptr ? serverVersion : "");
    return 0;
  });
}

int vlxRenameVoiceFaxItem(zeph::Symbol* item, const char* newName) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || item == nullptr || newName == nullptr) return zeph::kRcNoProgram;
  return zeph::GuardExport(zeph::kRcNoMemory, [&] {
    const int rc = program->RenameVoiceFaxItem(item, newName);
    if (rc == 0) return 0;
    return rc == zeph::kErrOutOfMemory ? zeph::kRcNoMemory : zeph::kRcRefused;
  });
}

bool vlxCloseGFaxEditor(vlxHandleType handle) {
  zeph::EnsureLibraryStarted();
  auto* program = handle != nullptr ? static_cast<TProgram*>(handle) : TProgram::Current();
  if (program == nullptr || !TProgram::IsLive(program)) return false;
  zeph::CloseGFaxEditors(*program);
  return true;
}

int vlxIdleAction(std::int32_t value) {
  if (zeph::ExportProgram() == nullptr) return 0;
  zeph::FaxEditorsIdle(value);
  return 0;
}

int vlxActivateMainPage(vlxHandleType editorWindow) {
  if (zeph::ExportProgram() == nullptr || editorWindow == nullptr) return 0;
  const zeph::FaxEditorData* data = zeph::FaxEditorOfWindow(static_cast<HWND>(editorWindow));
  if (data == nullptr || !TProgram::IsLive(data->Program)) return 0;
  return zeph::GuardExport(0, [&] {
    TProgram& program = *data->Program;
    const std::string page = zeph::FaxEditorPage(data);
    // The designer brings the editor's program and page forward when either is not the
    // one shown.
    if (&program != TProgram::Current() || page != program.CurrentPageName()) zeph::NotifyMainPage(program, page);
    return 0;
  });
}

void vlxSetupComboString(int mode, zeph::ComboStruct* first, zeph::ComboStruct* second, zeph::ComboStruct* third,
                         zeph::ComboStruct* fourth, zeph::ComboStruct* fifth) {
  zeph::SetupComboStrings(mode, first, second, third, fourth, fifth);
}

void vlxSetupPasteSuperVerBlock(int mode) {
  if (TProgram* program = zeph::ExportProgram()) program->SuperBlockPasteMode = mode;
}
