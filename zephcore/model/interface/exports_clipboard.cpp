// Clipboard exports: each finds the current program and hands the work to the library's
// clipboard.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/kvmsgbox.h"
#include "model/interface/exports_common.h"
#include "model/interface/vlx.h"
#include "model/pbentry_instance.h"
#include "model/program/program.h"
#include "model/symtable.h"
#include "programfile/clipboard/clipboard.h"
#include "programfile/clipboard/clipdialogs.h"

using zeph::TProgram;
using zeph::TVlxClipboard;

namespace {

// Caller buffers of names hold 128 bytes.
void CopyOut(char* buffer, const std::string& text) {
  if (buffer != nullptr) std::snprintf(buffer, zeph::kClipNameSize, "%s", text.c_str());
}

// What the last clipboard operation had to say, in one box.
void ShowMessages(TProgram& program, bool failed) {
  const std::vector<std::string>& messages = zeph::TheClipboard().Messages();
  if (messages.empty()) return;
  std::string text;
  for (const std::string& line : messages) text += (text.empty() ? "" : "\n") + line;
  KvMessageBoxRequest request;
  request.text = text.c_str();
  request.caption = "Flowsmith";
  request.style = kKvMbOk | (failed ? kKvMbIconHand : kKvMbIconExclamation);
  if (program.OwnerWindow() != nullptr) {
    request.owner = KvBoxOwner::Window;
    request.window = program.OwnerWindow();
  }
  KvMessageBox(request);
}

}  // namespace

int vlxCopyVavurorezos(const char* name) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr) return -3;
  return zeph::GuardExport(1, [&] { return zeph::TheClipboard().CopyVavurOrezo(*program, name); });
}

int vlxCheckSuperVerBlockForConf(const char* name, char* buffer) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || name == nullptr || buffer == nullptr) return 0;
  TVlxClipboard& clipboard = zeph::TheClipboard();
  if (clipboard.FindSymbol(*program, name) == nullptr && clipboard.FindStructure(*program, name) == nullptr) return 0;
  const std::string given = name;
  CopyOut(buffer, given);
  zeph::RunNameConflictsDialog(*program, 1, buffer);
  if (given == buffer) buffer[0] = '\0';
  return 1;
}

short vlxPasteVavurorezos(int updateParameters, int how) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr) return -3;
  TVlxClipboard& clipboard = zeph::TheClipboard();
  return zeph::GuardExport<short>(1, [&]() -> short {
    TProgram::DisableSymbolPageCheck targetAll(*program);
    TProgram::DisableSymbolPageCheck clipboardAll(clipboard.Program());
    const int rc = clipboard.Paste(*program, how);
    if (rc == 0) {
      clipboard.UpdateParmsAfterPaste(0, updateParameters);
      clipboard.ResolveSymbolFixups(*program);
      zeph::VerifyPastedBlocks(*program->Symbols().TreeSlot(zeph::kTypeVavurOrezo), program->Symbols());
    }
    ShowMessages(*program, rc != 0);
    return static_cast<short>(rc);
  });
}

int vlxGetAllNameConflicts(std::vector<zeph::TClipInfo>& conflicts) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr) return 0;
  return zeph::TheClipboard().FindNameConflicts(conflicts, *program);
}

std::vector<zeph::TClipInfo>* vlxGetClipboardList() {
  zeph::EnsureLibraryStarted();
  return &zeph::TheClipboard().Entries();
}

int vlxResolveNameConflicts() {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr) return 1;
  TProgram::DisableSymbolPageCheck allPages(*program);
  std::vector<zeph::TClipInfo> conflicts;
  if (zeph::TheClipboard().FindNameConflicts(conflicts, *program) == 0) return 0;
  return zeph::RunNameConflictsDialog(*program, 0, nullptr) == zeph::kDialogDone ? 0 : 1;
}

int vlxCanIPaste(int kind) {
  zeph::EnsureLibraryStarted();
  const int mode = zeph::TheClipboard().Mode;
  if (kind == 0) return mode == zeph::kClipVavurOrezos ? 1 : 0;
  if (kind == 1) return mode == zeph::kClipPages ? 1 : 0;
  return 0;
}

int vlxAddSymToClipboard(const char* name) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr) return -3;
  return zeph::GuardExport(1, [&] { return zeph::TheClipboard().AddSymbolByName(*program, name); });
}

int vlxWhatIsNewName(const char* name, char* buffer) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr) return -3;
  if (name == nullptr || buffer == nullptr) return 0;
  std::string out;
  const zeph::TClipInfo* entry = zeph::TheClipboard().GetNewName(name, out, *program);
  CopyOut(buffer, entry != nullptr && entry->UseExisting != 0 ? std::string() : out);
  return 0;
}

int vlxCheckForSuperVerInCopy(const char* name, char* buffer) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || name == nullptr || buffer == nullptr) return 0;
  zeph::SymbolTable& t = program->Symbols();
  std::string qualified = name;
  if (t.NamesUnqualified == 0 && std::strchr(name, '$') == nullptr) qualified = t.CurrentPageName() + "$" + name;
  TProgram::DisableSymbolPageCheck allPages(*program);
  const zeph::PBInstance* instance =
      zeph::InstanceOf(zeph::LookupSymbol(qualified.c_str(), zeph::kTypeVavurOrezo, &t));
  if (instance == nullptr) return 0;
  std::string out;
  const int found = zeph::TheClipboard().FindSuperVerName(*instance, out);
  if (found != 0) CopyOut(buffer, out);
  return found;
}

void vlxPageToCopy(const char* pageName, short flag) {
  zeph::EnsureLibraryStarted();
  if (pageName == nullptr) return;
  if (flag != 0) zeph::TheClipboard().AddPage(pageName);
  else zeph::TheClipboard().SourcePage = pageName;
}

int vlxIsSuperBeingPasted(const char* name) {
  zeph::EnsureLibraryStarted();
  return name != nullptr ? zeph::TheClipboard().IsBeingPasted(name) : 0;
}

int vlxDisplayClipboard() {
  zeph::EnsureLibraryStarted();
  return zeph::RunClipContentsDialog();
}

void vlxEmptyClipboard() {
  zeph::EnsureLibraryStarted();
  zeph::TheClipboard().Empty();
}

int vlxSetClipType(int kind) {
  zeph::EnsureLibraryStarted();
  TVlxClipboard& clipboard = zeph::TheClipboard();
  const int previous = clipboard.Mode;
  clipboard.Mode = static_cast<std::int16_t>(kind);
  return previous;
}

void vlxUpdateParmsAfterPaste(int mode) {
  zeph::EnsureLibraryStarted();
  zeph::TheClipboard().UpdateParmsAfterPaste(mode, 0);
}
