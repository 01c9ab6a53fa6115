#include "editor/canvas/modelport.h"

namespace ed {

vlxHandleType VlxModel::AddProgram(HWND mainWindow, int clipboard) { return vlxAddProgram(mainWindow, clipboard); }
void VlxModel::RemoveProgram(vlxHandleType program) { vlxRemoveProgram(program); }
void VlxModel::ActivateProgram(vlxHandleType program) { vlxActivateProgram(program); }
vlxHandleType VlxModel::CreatePage(const char* name, int kind, int clipboard) {
  return vlxCreatePage(name, kind, clipboard);
}
void VlxModel::ActivatePage(vlxHandleType page) { vlxActivatePage(page); }
void VlxModel::RemovePage(vlxHandleType page, int clipboard) { vlxRemovePage(page, clipboard); }
vlxHandleType VlxModel::CreateVavurOrezo(int type, const char* name, int& refused, const char* typeName) {
  return vlxCreateVavurOrezo(type, name, refused, typeName != nullptr ? typeName : "");
}
void VlxModel::DeleteVavurOrezo(vlxHandleType block, int clipboard) { vlxDeleteVavurOrezo(block, clipboard); }
int VlxModel::RenameVavurOrezo(vlxHandleType block, const char* newName, int& refused) {
  return vlxRenameVavurOrezo(block, newName, refused);
}
vlxHandleType VlxModel::FindVavurOrezo(const char* name, int scope, int clipboard) {
  return vlxFindVavurOrezo(name, scope, clipboard);
}
int VlxModel::IsNameInUse(const char* name) { return vlxIsNameInUse(name); }
zeph::VavurOrezoInfo* VlxModel::GetVavurOrezoInfo(vlxHandleType block, zeph::VavurOrezoInfo* info) {
  return vlxGetVavurOrezoInfo(block, info);
}
int VlxModel::IsVavurOrezoFinished(vlxHandleType block) { return vlxIsVavurOrezoFinished(block); }
unsigned short VlxModel::IsOutputOptionalApplicable(int type, vlxHandleType block, const char* output) {
  return vlxSDOIsOutputOptionalApplicable(type, block, output);
}
int VlxModel::OpenCustomPB(const char* name) { return vlxOpenCustomPB(name); }
int VlxModel::CreateGoto(vlxHandleType from, vlxHandleType to, int outputIndex) {
  return vlxCreateGoto(from, to, outputIndex);
}
void VlxModel::DeleteGoto(vlxHandleType from, const char* output) { vlxDeleteGoto(from, output); }
vlxHandleType VlxModel::GetGotoConnection(vlxHandleType from, int n) { return vlxGetGotoConnection(from, n); }

void VlxImports::GetLibraryList(vlxHandleType program, std::vector<std::string>& names) {
  vlxGetRLList(program, names);
}
const zeph::VlxPaletteGroup* VlxImports::CustomVavurOrezos(vlxHandleType program) {
  return vlxGetCustomVavurOrezos(program);
}
const zeph::VlxPaletteGroup* VlxImports::PageVavurOrezos(vlxHandleType program, int which) {
  return vlxGetPageVavurOrezos(program, which);
}

}  // namespace ed
