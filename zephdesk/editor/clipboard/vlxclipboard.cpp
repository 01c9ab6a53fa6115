#include "editor/clipboard/clipboardmodel.h"

#include "programfile/clipboard/clipinfo.h"

namespace ed {
namespace {

std::string Answer(const char* buffer) { return buffer[0] != '\0' ? std::string(buffer) : std::string(); }

}  // namespace

int VlxClipboard::SetClipType(int kind) { return vlxSetClipType(kind); }
int VlxClipboard::CopyVavurorezos(const char* name) { return vlxCopyVavurorezos(name); }
short VlxClipboard::PasteVavurorezos(int flag, int appId) { return vlxPasteVavurorezos(flag, appId); }

std::string VlxClipboard::WhatIsNewName(const char* name) {
  char buffer[zeph::kClipNameSize] = {};
  vlxWhatIsNewName(name, buffer);
  return Answer(buffer);
}

std::string VlxClipboard::CheckForSuperVerInCopy(const char* name) {
  char buffer[zeph::kClipNameSize] = {};
  if (vlxCheckForSuperVerInCopy(name, buffer) == 0) return {};
  return Answer(buffer);
}

void VlxClipboard::PageToCopy(const char* pageName, short flag) { vlxPageToCopy(pageName, flag); }
int VlxClipboard::AddSymToClipboard(const char* name) { return vlxAddSymToClipboard(name); }
int VlxClipboard::IsSuperBeingPasted(const char* name) { return vlxIsSuperBeingPasted(name); }
void VlxClipboard::EmptyClipboard() { vlxEmptyClipboard(); }
bool VlxClipboard::ImportLibrary(vlxHandleType program, const char* library) {
  return vlxImportRLL(program, library, nullptr) != nullptr;
}
int VlxClipboard::UpdatePBInfo(vlxHandleType block) { return vlxUpdatePBInfo(block); }
void VlxClipboard::ReferenceVariable(const char* name, int add) { vlxReferenceVariable(name, add); }

}  // namespace ed
