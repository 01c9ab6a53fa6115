// Variable and symbol exports.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "model/constvalue.h"
#include "model/datatypes.h"
#include "model/interface/exports_common.h"
#include "model/interface/variable_place.h"
#include "model/interface/vlx.h"
#include "model/modelcodes.h"
#include "model/symnames.h"
#include "model/symtree.h"
#include "model/varref.h"
#include "model/vsentence.h"

using zeph::SymP;
using zeph::Symbol;
using zeph::TProgram;

namespace {

constexpr int kRcNameInUse = -5;
constexpr int kRcRefusedType = -6;
constexpr int kRcReservedWord = -7;
constexpr int kRcVariableInUse = -4;
constexpr int kRcNotDeletable = -8;
constexpr int kRcNotAVariable = -9;
constexpr int kCheckNameLimit = 140;
constexpr int kTextMatchLimit = 511;

int MapAddResult(int rc) {
  switch (rc) {
    case 0: return 0;
    case zeph::kErrStructureExists:
    case zeph::kErrNameInUse:
    case zeph::kErrCustomPBExists: return kRcNameInUse;
    case zeph::kErrReservedName: return kRcReservedWord;
    case zeph::kErrOutOfMemory: return zeph::kRcNoMemory;
    default: return kRcRefusedType;
  }
}

int DeleteReferenced(TProgram& program, const SymP& ref, int force) {
  Symbol* symbol = ref.S;
  if (symbol == nullptr) return kRcNotAVariable;
  // A member, a VavurOrezo or a system variable is not deleted through here.
  if (ref.StructMemNum != 0 || symbol->Type == zeph::kTypeVavurOrezo) return kRcNotDeletable;
  switch (program.DeleteNamedSymbol(symbol, force != 0, false)) {
    case 0: return 0;
    case zeph::kErrVariableInUse: return kRcVariableInUse;
    case zeph::kErrNotDeletable: return kRcNotDeletable;
    default: return kRcNotAVariable;
  }
}

bool ParseAny(const char* text, SymP& ref, TProgram& program) {
  zeph::ParseVariableReference(text, ref, zeph::AllTypesMask(), nullptr, &program.Symbols());
  return ref.S != nullptr;
}

struct InfoBuffers {
  VariableInfo Info;
  std::string Name;
};

InfoBuffers& Info() {
  static InfoBuffers buffers;
  return buffers;
}

VariableInfo* FillInfo(TProgram& program, SymP& ref, std::string text) {
  InfoBuffers& out = Info();
  out.Info = VariableInfo();
  if (ref.S == nullptr) {
    if (!ref.HasConst()) return nullptr;
    out.Name = ref.ConstText();
    out.Info.Name = out.Name.c_str();
    out.Info.Type = ref.ConstType;
    out.Info.Size = -1;
    out.Info.UseCount = -1;
    return &out.Info;
  }
  if (text.empty()) text = zeph::FormatVariableReference(ref, &program.Symbols());
  int size = 0;
  out.Info.Type = static_cast<std::int16_t>(zeph::GetReferenceType(ref, &size, &program.Symbols()));
  out.Info.Size = static_cast<std::int16_t>(size);
  out.Info.UseCount = ref.S->RefCnt;
  const zeph::VariablePlace place = zeph::LocateVariable(ref, text, &program.Symbols());
  zeph::ValueBlockData* storage = zeph::VariableStorage(*ref.S);
  if (place.Valid && storage != nullptr && static_cast<std::size_t>(place.Offset + place.Size) <= storage->Size()) {
    out.Info.Address = storage->Bytes() + place.Offset;
  }
  out.Name = text;
  out.Info.Name = out.Name.c_str();
  return &out.Info;
}

std::string Lower(const char* text, std::size_t limit) {
  std::string out(text, std::min(std::strlen(text), limit));
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

int vlxAddVariable(const char* name, int type, int size, int tag, int attribute1, int attribute2) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || name == nullptr) return zeph::kRcNoProgram;
  if (program->Symbols().TreeOfType(type) == nullptr) return kRcRefusedType;
  return zeph::GuardExport(zeph::kRcNoMemory, [&] {
    return MapAddResult(program->AddNamedSymbol(nullptr, name, type, size, attribute1, attribute2, false, 0, tag));
  });
}

int vlxDeleteVariable(vlxHandleType reference, int force) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || reference == nullptr) return zeph::kRcNoProgram;
  return DeleteReferenced(*program, *static_cast<SymP*>(reference), force);
}

int vlxDeleteVariable(const char* reference, int force) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || reference == nullptr) return zeph::kRcNoProgram;
  return zeph::GuardExport(zeph::kRcNoMemory, [&] {
    SymP ref;
    if (!ParseAny(reference, ref, *program)) return kRcNotAVariable;
    return DeleteReferenced(*program, ref, force);
  });
}

void vlxReferenceVariable(vlxHandleType reference, int add) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || reference == nullptr) return;
  const auto* ref = static_cast<const SymP*>(reference);
  if (ref->S != nullptr) zeph::UpdateReferenceCount(*ref, add, &program->Symbols());
}

void vlxReferenceVariable(const char* reference, int add) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || reference == nullptr) return;
  zeph::GuardExport(0, [&] {
    if (add == -1) {
      // Raise the named symbol's count itself, whatever its type.
      if (Symbol* symbol = zeph::LookupSymbolByMask(reference, zeph::AllTypesMask(), &program->Symbols())) {
        ++symbol->RefCnt;
      }
      return 0;
    }
    SymP ref;
    if (ParseAny(reference, ref, *program)) zeph::UpdateReferenceCount(ref, add, &program->Symbols());
    return 0;
  });
}

VariableInfo* vlxGetVariableInfo(vlxHandleType reference) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || reference == nullptr) return nullptr;
  return zeph::GuardExport<VariableInfo*>(nullptr, [&] {
    return FillInfo(*program, *static_cast<SymP*>(reference), std::string());
  });
}

VariableInfo* vlxGetVariableInfo(const char* reference, int shortName) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || reference == nullptr) return nullptr;
  return zeph::GuardExport<VariableInfo*>(nullptr, [&]() -> VariableInfo* {
    SymP ref;
    if (!ParseAny(reference, ref, *program)) return nullptr;
    VariableInfo* info = FillInfo(*program, ref, reference);
    if (info != nullptr && shortName != 0 && ref.S->Scope == 2) {
      // A page-local name is shown without its page.
      std::string& name = Info().Name;
      const std::size_t dollar = name.rfind('$');
      if (dollar != std::string::npos) name.erase(0, dollar + 1);
      info->Name = name.c_str();
    }
    return info;
  });
}

int vlxSetupVariable(const char* reference, const char* value) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || reference == nullptr) return 0;
  return zeph::GuardExport(0, [&] {
    SymP ref;
    if (!ParseAny(reference, ref, *program)) return 0;
    Symbol& variable = *ref.S;
    // Only a variable's own storage is written; pages and VavurOrezos hold other data.
    if (variable.Data != nullptr && zeph::VariableStorage(variable) == nullptr) return 0;
    const zeph::VariablePlace place = zeph::LocateVariable(ref, reference, &program->Symbols());
    if (!place.Valid) return 0;
    std::vector<unsigned char> parsed(static_cast<std::size_t>(place.Size), 0);
    if (value != nullptr && value[0] != '\0' &&
        zeph::ParseConstantValue(value, parsed.data(), place.Type, place.Size, 1) != 0) {
      return 0;
    }
    zeph::ValueBlockData& storage = zeph::MakeVariableStorage(variable, place.StorageSize);
    std::memcpy(storage.Bytes() + place.Offset, parsed.data(), parsed.size());
    return 1;
  });
}

bool vlxAddSymbol(Symbol*& out, const char* name, int type, int size, int tag, int attribute1, int attribute2,
                  zeph::SymbolData* data) {
  out = nullptr;
  std::unique_ptr<zeph::SymbolData> owned(data);
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || name == nullptr || name[0] == '\0') return false;
  // A longer name would be stored cut and then name something else.
  if (std::strlen(name) >= static_cast<std::size_t>(zeph::kSymbolNameSize)) return false;
  return zeph::GuardExport(false, [&] {
    zeph::SymbolBody body;
    zeph::InitSymbol(body, name, size, type, attribute1, attribute2, tag, 0, 0);
    body.Data = std::move(owned);
    out = zeph::InsertSymbol(body, type, true, &program->Symbols());
    return out != nullptr;
  });
}

bool vlxDeleteSymbol(const char* name, int type) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || name == nullptr) return false;
  zeph::RemoveSymbol(name, type, &program->Symbols());
  return true;
}

int vlxIsNameInUse(const char* name) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || name == nullptr) return zeph::kRcNoProgram;
  return zeph::CheckNewSymbolName(name, kCheckNameLimit, '_', &program->Symbols());
}

vlxHandleType vlxFindSymbol(const char* name) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || name == nullptr) return nullptr;
  return zeph::LookupSymbolByMask(name, zeph::AllTypesMask(), &program->Symbols());
}

int vlxGetATypeOfSymbols(vlxHandleType* symbols, short type) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || symbols == nullptr || type < 0 || type >= zeph::kBuiltinTypeCount) return 0;
  int n = 0;
  zeph::SymTreeWalkPostOrder(*program->Symbols().TreeSlot(type), [&](Symbol& s) {
    if (!s.Deleted) symbols[n++] = &s;
  });
  return n;
}

int vlxGetTreeSize(short type) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || type < 0 || type >= zeph::kBuiltinTypeCount) return 0;
  // Counts what vlxGetATypeOfSymbols writes, so that callers can size its array by it.
  int n = 0;
  zeph::SymTreeWalkPostOrder(*program->Symbols().TreeSlot(type), [&](Symbol& s) {
    if (!s.Deleted) ++n;
  });
  return n;
}

int vlxIsTextInVSentence(vlxHandleType sentence, const char* text) {
  if (zeph::ExportProgram() == nullptr || sentence == nullptr || text == nullptr) return 0;
  zeph::SentenceComponent** first = zeph::SentenceComponents(static_cast<Symbol*>(sentence));
  if (first == nullptr) return 0;
  const std::string wanted = Lower(text, kTextMatchLimit);
  for (const zeph::SentenceComponent* c = *first; c != nullptr; c = c->Next) {
    if (c->Text && Lower(c->Text->c_str(), c->Text->size()).find(wanted) != std::string::npos) return 1;
  }
  return 0;
}
