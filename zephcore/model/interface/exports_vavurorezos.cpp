// VavurOrezo exports.
#include <new>
#include <string>

#include "foundation/kvassert.h"
#include "model/datatypes.h"
#include "foundation/kvmsgbox.h"
#include "model/interface/exports_common.h"
#include "model/pbaccess.h"
#include "model/symnames.h"
#include "model/interface/vlx.h"
#include "model/modelcodes.h"
#include "model/pbcat.h"
#include "model/pbentry.h"
#include "model/program/program.h"
#include "model/symtree.h"

using zeph::PBInstance;
using zeph::Symbol;
using zeph::TProgram;

namespace {

constexpr int kTypeSuperBlockCall = -101;

TProgram* CurrentProgram() { return zeph::ExportProgram(); }

// Answers every box with its default button: checks that report nothing.
class SilentPresenter : public KvMessagePresenter {
 public:
  int Show(const KvMessageBoxRequest& request) override { return KvDefaultButtonOf(request.style); }
};

}  // namespace

vlxHandleType vlxCreateVavurOrezo(int type, const char* name, int& refused, const char* text) {
  refused = 0;
  TProgram* program = CurrentProgram();
  if (program == nullptr || name == nullptr) return nullptr;
  try {
    return program->AddVavurOrezo(type, name, text, &refused);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

int vlxDeleteVavurOrezo(vlxHandleType handle, int clipboard) {
  TProgram* program = zeph::ExportProgram(clipboard);
  if (program == nullptr) return zeph::kRcNoProgram;
  if (!KV_ASSERT(handle != nullptr)) return zeph::kRcNoProgram;
  return program->DeleteVavurOrezo(static_cast<PBInstance*>(handle));
}

int vlxRenameVavurOrezo(vlxHandleType handle, const char* newName, int& refused) {
  refused = 0;
  TProgram* program = CurrentProgram();
  if (program == nullptr || handle == nullptr || newName == nullptr) return zeph::kRcNoProgram;
  const int rc = program->RenameVavurOrezo(static_cast<PBInstance*>(handle), newName);
  if (rc == 0) return 0;
  if (rc == zeph::kErrOutOfMemory) return zeph::kRcNoMemory;
  refused = 1;
  return zeph::kRcRefused;
}

vlxHandleType vlxFindVavurOrezo(const char* name, int wholeProgram, int clipboard) {
  TProgram* program = zeph::ExportProgram(clipboard);
  if (program == nullptr || name == nullptr) return nullptr;
  zeph::SymbolTable& symbols = program->Symbols();
  const int previous = symbols.SymbolPageCheck;
  symbols.SymbolPageCheck = clipboard != 0 || wholeProgram != 0 ? 0 : 1;
  Symbol* symbol = zeph::LookupSymbol(name, zeph::kTypeVavurOrezo, &symbols);
  symbols.SymbolPageCheck = previous;
  return symbol != nullptr && !symbol->Deleted ? zeph::InstanceOf(symbol) : nullptr;
}

int vlxIsVavurOrezoFinished(vlxHandleType handle) {
  if (CurrentProgram() == nullptr || handle == nullptr) return 0;
  return static_cast<PBInstance*>(handle)->Filled;
}

int vlxIsPBComplete(vlxHandleType handle) {
  if (CurrentProgram() == nullptr || handle == nullptr) return 0;
  const PBInstance* instance = zeph::InstanceOf(static_cast<Symbol*>(handle));
  return instance != nullptr ? instance->Filled : 0;
}

int vlxUsesDefaultVavurOrezoInfo(vlxHandleType handle) {
  if (CurrentProgram() == nullptr || handle == nullptr) return 0;
  return static_cast<PBInstance*>(handle)->OwnTable ? 0 : 1;
}

int vlxUpdatePBInfo(vlxHandleType handle) {
  if (CurrentProgram() == nullptr) return zeph::kRcNoProgram;
  if (handle == nullptr) return zeph::kRcNoProgram;
  auto* instance = static_cast<PBInstance*>(handle);
  instance->Filled = static_cast<std::int16_t>(zeph::PBEntryIsUnfinished(*instance) ? 0 : 1);
  return 0;
}

int vlxGetNumPBs() {
  TProgram* program = CurrentProgram();
  return program != nullptr ? program->VavurOrezoCount : zeph::kRcNoProgram;
}

const char* vlxGetSymbolName(vlxHandleType handle) {
  if (CurrentProgram() == nullptr) return nullptr;
  return handle != nullptr ? static_cast<Symbol*>(handle)->Name : nullptr;
}

const char* vlxGetSBName(vlxHandleType handle) {
  if (CurrentProgram() == nullptr) return nullptr;
  const PBInstance* instance = handle != nullptr ? zeph::InstanceOf(static_cast<Symbol*>(handle)) : nullptr;
  return instance != nullptr && instance->Type == kTypeSuperBlockCall ? instance->Companion.c_str() : nullptr;
}

int vlxGetPBType(vlxHandleType handle) {
  if (CurrentProgram() == nullptr) return 0;
  const PBInstance* instance = handle != nullptr ? zeph::InstanceOf(static_cast<Symbol*>(handle)) : nullptr;
  return instance != nullptr ? instance->Type : 0;
}

int vlxGetAllPBSymbols(vlxHandleType* symbols) {
  TProgram* program = CurrentProgram();
  if (program == nullptr || symbols == nullptr) return 0;
  int n = 0;
  zeph::SymTreeWalkPostOrder(*program->Symbols().TreeSlot(zeph::kTypeVavurOrezo), [&](Symbol& s) {
    if (!s.Deleted && zeph::InstanceOf(&s) != nullptr) symbols[n++] = &s;
  });
  return n;
}

const char* vlxGetVavurOrezoName(int type) {
  if (CurrentProgram() == nullptr) return nullptr;
  return zeph::TheCatalogue().DisplayName(type);
}

void vlxModifyVavurOrezo(vlxHandleType handle) {
  TProgram* program = CurrentProgram();
  if (program == nullptr || handle == nullptr) return;
  zeph::GuardExport(0, [&] { return program->EditVavurOrezo(static_cast<PBInstance*>(handle)); });
}

void vlxVerifyPBEntries(vlxHandleType handle) {
  TProgram* program = CurrentProgram();
  auto* instance = static_cast<PBInstance*>(handle);
  if (program == nullptr || instance == nullptr || instance->Filled == 0) return;
  zeph::GuardExport(0, [&] {
    TProgram::DisableSymbolPageCheck allPages(*program);
    SilentPresenter silent;
    KvScopedMessagePresenter quiet(silent);
    zeph::PBFieldAccessor access(instance, 0, nullptr, 0, &program->Symbols());
    for (int i = 0; i < access.Count(); ++i) {
      std::string text;
      access.GetEntryText(i, text);
      if (access.VerifyEntry(i, text.c_str(), nullptr) == 0) break;
    }
    return 0;
  });
}

int vlxItsAReservedPB(const char* name) {
  if (CurrentProgram() == nullptr || name == nullptr) return 0;
  return zeph::IsReservedWord(name) ? 1 : 0;
}

// Kept for the designer; they change nothing.
void vlxSetSQLPBFinished(vlxHandleType, int) {}
void vlxTurnObsoletePBPink(vlxHandleType) {}
int vlxIsNameUsed(const char*, int) { return 0; }
