// The built-in type table and the static type rules: names, sizes and record flags.

#include "model/datatypes.h"

#include <cstring>

#include "model/symtable.h"

namespace zeph {
namespace {

// One row per built-in code: the table name and size, the listed name, the storage size
// and the record flag that symbols receive.
struct TypeRow {
  int code;
  const char* tableName;
  const char* listedName;
  int tableSize;
  int tableRecord;
  int storageSize;
  int symbolRecord;
};

constexpr TypeRow kTypeRows[kBuiltinTypeCount] = {
    {0, "struct", "struct", 0, 1, 0, 1},
    {1, "character", "character", 1, 0, 1, 0},
    {2, "smallinteger", "smallinteger", 2, 0, 2, 0},
    {3, "integer", "integer", 4, 0, 4, 0},
    {4, "smallnumber", "smallnumber", 4, 0, 4, 0},
    {5, "*NUMBER", "*NUMBER", 8, 0, 8, 0},
    {6, "*STRING", "*STRING", 0, 0, 0, 0},
    {7, "bDBInfo", "bDBInfo", 260, 1, 260, 1},
    {8, "bMail", "bMail", 164, 1, 164, 1},
    {9, "EntryKStruct", "EntryKParm", 38, 1, 38, 1},
    {10, "EntrySStruct", "EntrySParm", 16, 1, 16, 1},
    {11, "EntryParm", "EntryParm", 4, 0, 4, 0},
    {12, "bMenuParms", "bMenuParms", 24, 1, 24, 1},
    {13, "bMessageParms", "bMessageParms", 12, 1, 12, 1},
    {14, "bEntryParms", "bEntryParms", 139, 1, 139, 1},
    {15, "RecordParms", "RecordParms", 36, 1, 36, 1},
    {16, "bMultiMailParms", "bMultiMailParms", 50, 1, 50, 1},
    {17, "bProgramRecord", "bProgramRecord", 408, 1, 408, 1},
    {18, "bApStats", "bApStats", 26, 1, 26, 1},
    {19, "datenumber", "datenumber", 4, 0, 4, 0},
    {20, "datestring", "datestring", 15, 0, 15, 0},
    {21, "bResPerm", "bMailBox", 4, 0, 4, 1},
    {22, "bFileHandle", "bFileHandle", 12, 1, 0, 1},
    {23, "MenuKParm", "MenuKParm", 4, 0, 2, 0},
    {24, "MenuSStruct", "MenuSParm", 18, 1, 18, 1},
    {25, "MenuParm", "MenuParm", 4, 0, 4, 0},
    {26, "FaxSessInfoParm", "FaxSessInfoParm", 41, 1, 41, 1},
    {27, "SRResultParm", "SRResultParm", 228, 1, 228, 1},
    {28, "HeaderStruct", "HeaderStruct", 549, 1, 549, 1},
    {29, "bDistList", "bDistList", 36, 1, 36, 1},
    {30, nullptr, "bFaxDocument", 0, 0, 0, 0},
    {31, nullptr, "bOLEInfo", 0, 0, 0, 1},
    {32, "bNameBuff", "bNameBuff", 640, 1, 640, 1},
    {33, "label", "label", -1, 0, 0, 0},
    {34, "VavurOrezo", "VavurOrezo", -1, 0, 0, 0},
    {35, "VoiceSentence", "VoiceSentence", -1, 0, 0, 0},
    {36, "bFileParms", "bFileParms", 28, 1, 28, 1},
    {37, "bMailParms", "bMailParms", 28, 1, 28, 1},
    {38, "bLogFile", "bLogFile", -1, 1, 0, 1},
    {39, "PathStruct", "PathStruct", 816, 1, 816, 1},
    {40, "bSQLInfo", "bSQLInfo", 356, 1, 356, 1},
    {41, "SuperBlock", "SuperBlock", 6, 0, 6, 0},
    {42, "PlayParms", "PlayParms", 18, 1, 18, 1},
    {43, "Verification Block", "Verification Block", 6, 0, 6, 0},
    {44, "bMail", "bMail", 231, 1, 231, 1},
    {45, "bMailBox", "bMailBox", 451, 1, 451, 1},
    {46, "VSentenceVar", "VSentenceVar", 0, 1, 0, 1},
    {47, "bRecordEditParms", "bRecordEditParms", 146, 1, 146, 1},
    {48, "DelayStructure", "DelayParms", 450, 1, 450, 1},
    {49, "ErrDelayStruct", "ErrDelayParms", 426, 1, 426, 1},
    {50, "RecordVoiceParms", "RecordVoiceParms", 40, 1, 40, 1},
    {51, "bVREntryParms", "bVREntryParms", 14, 1, 14, 1},
    {52, "bFaxRequest", "bFaxRequest", 761, 1, 761, 1},
    {53, "Boolean", "boolean", 2, 1, 2, 0},
    {54, "ToneParms", "ToneParms", 18, 1, 18, 1},
    {55, "AddrParms", "AddrParm", 1519, 1, 1519, 1},
    {56, "AddrFParm", "AddrFParm", 30, 1, 30, 1},
    {57, "PlayKParms", "PlayKParm", 58, 1, 58, 1},
    {58, "PlaySParms", "PlaySParm", 24, 1, 24, 1},
    {59, "BodyStruct", "BodyStruct", 22, 1, 22, 1},
    {60, "MsgStruct", "MsgStruct", 699, 1, 699, 1},
    {61, "MbxStruct", "MbxStruct", 293, 1, 293, 1},
    {62, "CallInfoStruct", "CallInfoStruct", 400, 1, 400, 1},
    {63, "AlarmStruct", "AlarmStruct", 448, 1, 448, 1},
};

BuiltinTypeEntry g_typeTable[kBuiltinTypeCount];
bool g_typeTableFilled = false;

bool IsBuiltin(int code) { return code >= 0 && code < kBuiltinTypeCount; }

}  // namespace

void InitDataTypeTable() {
  for (const TypeRow& row : kTypeRows) {
    BuiltinTypeEntry& e = g_typeTable[row.code];
    e = BuiltinTypeEntry{};
    if (row.tableName == nullptr) continue;  // codes without a table entry stay empty
    e.Code = static_cast<std::int16_t>(row.code);
    e.Name = row.tableName;
    e.Size = static_cast<std::int16_t>(row.tableSize);
    e.IsRecord = static_cast<std::int16_t>(row.tableRecord);
    e.Spare = 0;
  }
  g_typeTableFilled = true;
}

const BuiltinTypeEntry* GetBuiltinTypeEntry(int code) {
  if (!IsBuiltin(code)) return nullptr;
  if (!g_typeTableFilled) InitDataTypeTable();
  return &g_typeTable[code];
}

const char* GetTypeTableName(int code) {
  const BuiltinTypeEntry* e = GetBuiltinTypeEntry(code);
  return e ? e->Name : nullptr;
}

const char* GetListedTypeName(int code) {
  return IsBuiltin(code) ? kTypeRows[code].listedName : nullptr;
}

int GetBuiltinTypeSize(int code) {
  return IsBuiltin(code) ? kTypeRows[code].storageSize : 0;
}

int GetMemberTypeSize(int code) {
  switch (code) {
    case kTypeCharacter: return 1;
    case kTypeSmallInteger:
    case kTypeBoolean: return 2;
    case kTypeInteger:
    case kTypeSmallNumber:
    case kTypeDateNumber:
    case kTypeResPerm: return 4;
    case kTypeNumber: return 8;
    case kTypeDateString: return 15;
    case kTypeVoiceSentence: return 5;
    default: return 0;
  }
}

bool IsRecordTypeCode(int code) {
  if (code >= kFirstStructureId) return true;
  return IsBuiltin(code) && kTypeRows[code].symbolRecord != 0;
}

int GetTypeCodeByName(const char* name, const SymbolTable* program) {
  if (name == nullptr) return -1;
  for (const TypeRow& row : kTypeRows) {
    if (std::strcmp(row.listedName, name) == 0) return row.code;
  }
  if (const StructDef* def = FindStructureByName(name, const_cast<SymbolTable*>(program))) {
    return def->TypeNum;
  }
  return -1;
}

int GetTypeSize(int code, const SymbolTable* program) {
  if (!IsRecordTypeCode(code)) return GetMemberTypeSize(code);
  const StructDef* def = FindStructureById(code, const_cast<SymbolTable*>(program));
  if (def == nullptr) return GetBuiltinTypeSize(code);
  int total = 0;
  for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next) {
    total += (m->Type == kTypeString) ? m->Size : GetMemberTypeSize(m->Type);
  }
  return total;
}

void ClearValueOfType(void* buffer, int code, const SymbolTable* program) {
  if (buffer == nullptr) return;
  if (code == kTypeCharacter || code == kTypeString || code == kTypeDateString) {
    *static_cast<char*>(buffer) = 0;
  }
  int size = GetTypeSize(code, program);
  if (size > 0) std::memset(buffer, 0, static_cast<std::size_t>(size));
}

TypeMask MaskOfTypes(std::initializer_list<int> codes) {
  TypeMask mask;
  for (int code : codes) MaskSetBuiltin(mask, code);
  return mask;
}

TypeMask AllTypesMask() {
  TypeMask mask;
  mask.Allowed1 = 0xFFFFFFFFu;
  mask.Allowed2 = 0xFFFFFFFFu;
  mask.AddStructs = kStructsAll;
  return mask;
}

bool MaskHasBuiltin(const TypeMask& mask, int code) {
  if (code >= 0 && code < 32) return (mask.Allowed1 >> code) & 1u;
  if (code >= 32 && code < 64) return (mask.Allowed2 >> (code - 32)) & 1u;
  return false;
}

void MaskSetBuiltin(TypeMask& mask, int code) {
  if (code >= 0 && code < 32) mask.Allowed1 |= 1u << code;
  else if (code >= 32 && code < 64) mask.Allowed2 |= 1u << (code - 32);
}

void MaskClearBuiltin(TypeMask& mask, int code) {
  if (code >= 0 && code < 32) mask.Allowed1 &= ~(1u << code);
  else if (code >= 32 && code < 64) mask.Allowed2 &= ~(1u << (code - 32));
}

bool IsStructureIdInMask(int id, const TypeMask& mask) {
  if (id >= 100 && id < 132) return (mask.Allowed1 >> (id - 100)) & 1u;
  if (id >= 132 && id < 164) return (mask.Allowed2 >> (id - 132)) & 1u;
  return false;
}

void MarkStructuresOfSize(TypeMask& mask, int size, const SymbolTable* program) {
  SymbolTable* table = ResolveProgram(const_cast<SymbolTable*>(program));
  if (table == nullptr) return;
  for (StructDef* def = table->Structures().First; def != nullptr; def = def->NextDef) {
    if (def->TypeNum < kFirstStructureId) continue;
    int total = 0;
    SumStructureSize(def, total, table);
    if (total != size) continue;
    if (def->TypeNum < 132) mask.Allowed1 |= 1u << (def->TypeNum - 100);
    else if (def->TypeNum < 164) mask.Allowed2 |= 1u << (def->TypeNum - 132);
  }
}

}  // namespace zeph
