// Creating variables.
#include "editors/variables/makevar.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "editors/variables/scopes.h"
#include "model/datatypes.h"
#include "model/interface/variable_place.h"
#include "model/pbaccess_msgtext.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "model/symnames.h"
#include "model/symtable.h"

namespace zeph {
namespace {

struct RecordDefault {
  int Type;
  const char* Variable;   // null: zero-filled
};
constexpr RecordDefault kRecordDefaults[] = {
    {9, "DefKEntryParm"},   {10, "DefSEntryParm"},  {11, "DefEntryParm"},    {13, "DefMsgParm"},
    {14, "DefEntryParm"},   {15, "DefRecordParm"},  {16, "DefMulMailParm"},  {23, "DefKMenuParm"},
    {24, "DefSMenuParm"},   {25, "DefMenuOParm"},   {26, "DefFaxSessInfo"},  {27, "DefSRResult"},
    {28, "DefHeaderParm"},  {36, "DefFileParm"},    {37, "DefMailParm"},     {39, "DefPathParm"},
    {40, nullptr},          {42, "DefPlayParm"},    {47, "DefRecEditParm"},  {48, nullptr},
    {49, nullptr},          {50, "DefRecVoiceParm"}, {51, "DefVRecParm"},    {54, "DefToneParm"},
    {56, "DefAddrFParm"},   {57, "DefPlayKParm"},   {58, "DefPlaySParm"},    {59, "DefMsgBdyParm"},
    {60, "DefCurMsgFParm"}, {61, "DefMBoxParm"},    {62, "DefCallInfo"},     {63, "DefAlarmParm"},
};
constexpr int kTypeDbInfo = 7;
constexpr int kErrNoTypeSelected = -106;
constexpr int kErrSizeRange = -107;
constexpr int kInterfaceVariableLimit = 24;

const RecordDefault* FindDefault(int type) {
  for (const RecordDefault& d : kRecordDefaults) {
    if (d.Type == type) return &d;
  }
  return nullptr;
}

bool ReadWhole(const std::string& text, int& value) {
  const std::string t = text.substr(0, 6);
  char* end = nullptr;
  const long n = std::strtol(t.c_str(), &end, 10);
  if (t.empty() || end == t.c_str() || *end != '\0') return false;
  value = static_cast<int>(n);
  return true;
}

MakeVariableResult Refuse(const std::string& text) {
  MakeVariableResult r;
  r.Message = text;
  return r;
}

// Initial values of a structured variable: each element's record, or each record member
// of each element of a structure.
void InitStructuredValue(Symbol& symbol, TProgram& program) {
  SymbolTable* table = &program.Symbols();
  const int elements = symbol.ArraySize > 1 ? symbol.ArraySize : 1;
  if (symbol.Type >= kFirstStructureId || symbol.Type == kTypeDbInfo || symbol.Type == kTypeFileHandle) {
    const StructDef* def = FindStructureById(symbol.Type, table);
    if (def == nullptr) return;
    const int size = GetStructureSize(def, table);
    ValueBlockData& block = MakeVariableStorage(symbol, size * elements);
    for (int e = 0; e < elements; ++e) {
      int offset = 0;
      for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next) {
        const int memberSize = m->Type == kTypeString ? m->Size : GetTypeSize(m->Type, table);
        if (m->Type != kTypeSQLInfo && FindDefault(m->Type) != nullptr) {
          InitRecordValue(m->Type, block.Bytes() + e * size + offset, program);
        }
        offset += memberSize;
      }
    }
    return;
  }
  const int size = GetBuiltinTypeSize(symbol.Type);
  if (size <= 0 || FindDefault(symbol.Type) == nullptr) return;
  ValueBlockData& block = MakeVariableStorage(symbol, size * elements);
  if (symbol.Type == kTypeSQLInfo) return;
  for (int e = 0; e < elements; ++e) InitRecordValue(symbol.Type, block.Bytes() + e * size, program);
}

}  // namespace

const char* DefaultVariableFor(int type) {
  const RecordDefault* d = FindDefault(type);
  return d != nullptr ? d->Variable : nullptr;
}

void InitRecordValue(int type, unsigned char* into, TProgram& program) {
  const int size = GetBuiltinTypeSize(type);
  if (size <= 0) return;
  std::memset(into, 0, static_cast<std::size_t>(size));
  const char* name = DefaultVariableFor(type);
  if (name == nullptr) return;
  TProgram::DisableSymbolPageCheck allPages(program);
  Symbol* source = LookupSymbol(name, type, &program.Symbols());
  ValueBlockData* block = source != nullptr ? VariableStorage(*source) : nullptr;
  if (block == nullptr) return;
  std::memcpy(into, block->Bytes(), std::min(block->Size(), static_cast<std::size_t>(size)));
}

std::vector<std::string> MakeVariableTypeNames(const TypeMask& mask, SymbolTable& program, bool backTypes) {
  std::vector<std::string> names;
  for (const StructDef* def = program.Structures().First; def != nullptr; def = def->NextDef) {
    const int id = def->TypeNum;
    if (id < kFirstStructureId) continue;
    bool listed = false;
    if (mask.AddStructs == kStructsAll) {
      listed = true;
    } else if (mask.AddStructs == kStructsOne) {
      listed = id == mask.StructNum;
    } else if (mask.AddStructs == kStructsBitsOrSize) {
      const int bit = id - kFirstStructureId;
      const bool marked = bit < 32 ? (mask.Allowed1 >> bit & 1u) != 0
                                   : bit < 64 && (mask.Allowed2 >> (bit - 32) & 1u) != 0;
      listed = marked || GetStructureSize(def, &program) == mask.StructNum;
    }
    if (listed) names.emplace_back(def->Name);
  }
  if (mask.AddStructs == kStructsBitsOrSize) return names;
  for (int code = 0; code < 64; ++code) {
    if (!MaskHasBuiltin(mask, code)) continue;
    const char* name = GetListedTypeName(code);
    if (name == nullptr || name[0] == '\0') continue;
    if (IsRecordTypeCode(code) && name[0] == 'b' && !backTypes) continue;
    names.emplace_back(name);
  }
  return names;
}

MakeVariableScopes AvailableScopes(TProgram& program) {
  MakeVariableScopes scopes;
  const SymbolTable& table = program.Symbols();
  if (table.NamesUnqualified != 0 || program.GetPageKind(program.CurrentPageName().c_str()) == 0) return scopes;
  scopes.Local = true;
  const Symbol* page = program.CurrentPage();
  scopes.Parameter = page == nullptr || page->Type != kTypeVerificationBlock;
  return scopes;
}

MakeVariableResult MakeVariable(const MakeVariableInput& input, TProgram& program) {
  SymbolTable* table = &program.Symbols();
  const int type = input.TypeName.empty() ? -1 : GetTypeCodeByName(input.TypeName.substr(0, 127).c_str(), table);
  if (type == kTypeVSentenceVar) return Refuse("VSentenceVar variables are not yet supported!");
  if (type == kTypeVoiceSentence) {
    return Refuse("Voice sentences cannot be added from a VavurOrezo field.  Use the Define Voice Sentence dialog "
                  "instead.");
  }
  std::string name = input.Name.substr(0, kSymbolNameLimit);
  const bool pageLocal = input.Scope == kScopeLocal || input.Scope == kScopeParameter;
  if (pageLocal) name = program.CurrentPageName() + "$" + name;
  if (const int rc = CheckNewSymbolName(name.c_str(), kSymbolNameLimit, '_', table); rc != 0) {
    return Refuse(PBMessageText(rc));
  }
  if (type < 0) return Refuse(PBMessageText(kErrNoTypeSelected));
  int size = 1;
  if (type == kTypeString && (!ReadWhole(input.SizeText, size) || size < 2 || size > 1000)) {
    return Refuse(PBMessageText(kErrSizeRange));
  }
  const int elementSize = type >= kFirstStructureId ? GetStructureSize(FindStructureById(type, table), table)
                          : type == kTypeString      ? size
                                                     : GetBuiltinTypeSize(type);
  const int low = input.MinNumber >= 1 ? input.MinNumber : 1;
  const int high = elementSize < 1 ? 1 : 64000 / elementSize;
  int count = 0;
  if (!ReadWhole(input.CountText, count) || count < low || count > high) {
    return Refuse("The index is not within the acceptable range (" + std::to_string(low) + " - " +
                  std::to_string(high) + ").");
  }

  SymbolBody body;
  InitSymbol(body, name.c_str(), size, type, 1, 0, input.Scope, count > 1 ? count : 0, 0);
  SetSymbolStructFlag(body, type);
  Symbol* symbol = InsertSymbol(body, type, true, table);
  if (symbol == nullptr) return Refuse(PBMessageText(kErrOutOfMemory));
  if (symbol->IsStructType != 0 || IsRecordTypeCode(type)) InitStructuredValue(*symbol, program);

  if (input.Scope == kScopeParameter) {
    SBInterfaceTable entries(program.CurrentPage(), table);
    int rc = 0;
    if (entries.CountVariableEntries() >= kInterfaceVariableLimit) {
      rc = -1;
    } else {
      rc = entries.AddEntry(input.Name.substr(0, kSymbolNameLimit).c_str(), type, size, 0);
    }
    if (rc != 0) {
      program.DeleteNamedSymbol(symbol, true, false);
      return Refuse(rc == -1 ? "A maximum of 10 variables and voice sentences may be set on SuperBlock call"
                             : PBMessageText(rc));
    }
  }
  MakeVariableResult result;
  result.Created = symbol;
  return result;
}

}  // namespace zeph
