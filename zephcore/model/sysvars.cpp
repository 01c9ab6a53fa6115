// The system variables of a program, created in a fixed order (the order shapes the
// symbol trees and so the order of the symbols in the file).

#include "model/sysvars.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "model/datatypes.h"
#include "model/name_compare.h"
#include "model/paramdefaults.h"
#include "model/symtable.h"

namespace zeph {
namespace {

enum class Record { None, Defaults, Folder };

struct SystemVariable {
  const char* name;
  int type;
  int size;
  int notInCode;
  bool markWhenTaken;  // an existing symbol of the name and type is marked NotInCode 1
  Record record;
  int folder;          // folder variables: index 0-10
};

const char* const kFolderNames[kFolderVariableCount] = {
    "_PR_SYSTEM", "_PR_USER", "_PR_DATABASE1", "_PR_DATABASE2", "_PR_DATABASE3", "_PR_DATABASE4",
    "_PR_DATABASE5", "_PR_DATABASE6", "_PR_DATABASE7", "_PR_DATABASE8", "_PR_DATABASE9"};

constexpr int kBeforeDefaultRecords = 16;  // "DefMail" is retired after the 16th variable

const SystemVariable kSystemVariables[kSystemVariableCount] = {
    {"Error", kTypeSmallInteger, 1, 1, false, Record::None, 0},
    {"Done", kTypeSmallInteger, 1, 1, false, Record::None, 0},
    {"LastConf", kTypeSmallInteger, 1, 1, true, Record::None, 0},
    {"VRIndex", kTypeSmallInteger, 1, 1, true, Record::None, 0},
    {"GotFile", kTypeSmallInteger, 1, 1, false, Record::None, 0},
    {"TermSilence", kTypeSmallInteger, 1, 1, false, Record::None, 0},
    {"RecLength", kTypeInteger, 1, 1, false, Record::None, 0},
    {"RecTime", kTypeInteger, 1, 1, false, Record::None, 0},
    {"SaveErr", kTypeSmallInteger, 1, 1, false, Record::None, 0},
    {"MsgsHeard", kTypeSmallInteger, 1, 1, false, Record::None, 0},
    {"Line", kTypeSmallInteger, 1, 1, false, Record::None, 0},
    {"Time", kTypeDateNumber, 1, 1, false, Record::None, 0},
    {"TermKey", kTypeString, 2, 1, false, Record::None, 0},
    {"VRDigString", kTypeString, 64, 1, true, Record::None, 0},
    {"VRSpellString", kTypeString, 64, 1, true, Record::None, 0},
    {"CallState", kTypeInteger, 1, 1, false, Record::None, 0},
    {"CurBody", kTypeBodyStruct, 1, 0, false, Record::Defaults, 0},
    {"CurMessage", kTypeMsgStruct, 1, 0, false, Record::Defaults, 0},
    {"CurMailbox", kTypeMbxStruct, 1, 0, false, Record::Defaults, 0},
    {"DefPlayParm", kTypePlayParms, 1, 0, false, Record::Defaults, 0},
    {"DefPlayKParm", kTypePlayKParms, 1, 0, false, Record::Defaults, 0},
    {"DefKEntryParm", kTypeEntryK, 1, 0, false, Record::Defaults, 0},
    {"DefSEntryParm", kTypeEntryS, 1, 0, false, Record::Defaults, 0},
    {"DefSMenuParm", kTypeMenuS, 1, 0, false, Record::Defaults, 0},
    {"DefPlaySParm", kTypePlaySParms, 1, 0, false, Record::Defaults, 0},
    {"CurAddress", kTypeAddrParms, 1, 0, false, Record::Defaults, 0},
    {"DefOEntryParm", kTypeEntryParm, 1, 0, false, Record::None, 0},
    {"DefOMenuParm", kTypeMenuParm, 1, 0, false, Record::None, 0},
    {"DefKMenuParm", kTypeMenuK, 1, 0, false, Record::None, 0},
    {"DefFaxSessInfo", kTypeFaxSessInfo, 1, 0, false, Record::Defaults, 0},
    {"DefSRResult", kTypeSRResult, 1, 0, false, Record::Defaults, 0},
    {"DefAddrFParm", kTypeAddrFParm, 1, 0, false, Record::Defaults, 0},
    {"DefToneParm", kTypeToneParms, 1, 0, false, Record::Defaults, 0},
    {"DefRecVoiceParm", kTypeRecordVoiceParms, 1, 0, false, Record::Defaults, 0},
    {"LangPlayed", kTypeSmallInteger, 1, 1, false, Record::None, 0},
    {"KeyPressed", kTypeBoolean, 1, 1, false, Record::None, 0},
    {"_PR_SYSTEM", kTypeString, 48, 0, false, Record::Folder, 0},
    {"_PR_USER", kTypeString, 48, 0, false, Record::Folder, 1},
    {"_PR_DATABASE1", kTypeString, 48, 0, false, Record::Folder, 2},
    {"_PR_DATABASE2", kTypeString, 48, 0, false, Record::Folder, 3},
    {"_PR_DATABASE3", kTypeString, 48, 0, false, Record::Folder, 4},
    {"_PR_DATABASE4", kTypeString, 48, 0, false, Record::Folder, 5},
    {"_PR_DATABASE5", kTypeString, 48, 0, false, Record::Folder, 6},
    {"_PR_DATABASE6", kTypeString, 48, 0, false, Record::Folder, 7},
    {"_PR_DATABASE7", kTypeString, 48, 0, false, Record::Folder, 8},
    {"_PR_DATABASE8", kTypeString, 48, 0, false, Record::Folder, 9},
    {"_PR_DATABASE9", kTypeString, 48, 0, false, Record::Folder, 10},
    {"TTSError", kTypeSmallInteger, 1, 1, false, Record::None, 0},
};

// The folder text of a folder variable: the root and the folder of its kind.
std::string FolderText(int folder, const std::string& root) {
  const char* tail = folder == 0 ? "\\VOICE\\" : folder == 1 ? "\\UVOICE\\" : "\\PRMT\\";
  return root + tail;
}

std::unique_ptr<SymbolData> MakeRecord(const SystemVariable& v, const std::string& root) {
  if (v.record == Record::None) return nullptr;
  if (v.record == Record::Folder) {
    auto block = std::make_unique<ValueBlockData>(kFolderTextSize);
    std::string text = FolderText(v.folder, root);
    std::strncpy(reinterpret_cast<char*>(block->Bytes()), text.c_str(), kFolderTextSize - 1);
    return block;
  }
  auto size = static_cast<std::size_t>(GetBuiltinTypeSize(v.type));
  auto block = std::make_unique<ValueBlockData>(size);
  ApplyParameterDefaults(v.type, block->Bytes(), size);
  return block;
}

// An older file's "DefMail" of the second mail type is no system variable any more.
void RetireDefMail(SymbolTable& table) {
  if (Symbol* s = LookupSymbol("DefMail", kTypeMailEx, &table)) {
    s->CanDelete = 1;
    RemoveSymbol("DefMail", kTypeMailEx, &table);
  }
}

int CreateOrMark(const SystemVariable& v, SymbolTable& table, const std::string& root) {
  if (CheckNewSymbolName(v.name, kSymbolNameLimit, '_', &table) != 0) {
    if (v.markWhenTaken) {
      if (Symbol* s = LookupSymbol(v.name, v.type, &table)) s->NotInCode = 1;
    }
    return 0;
  }
  SymbolBody body;
  InitSymbol(body, v.name, v.size, v.type, 0, v.record == Record::Folder ? 1 : 0, 0, 0, 0);
  body.NotInCode = v.notInCode;
  body.Data = MakeRecord(v, root);
  return InsertSymbol(body, v.type, true, &table) ? 0 : kErrOutOfMemory;
}

}  // namespace

bool IsSystemVariableName(const char* name) {
  if (name == nullptr) return false;
  for (const SystemVariable& v : kSystemVariables) {
    if (CompareNames(v.name, name) == 0) return true;
  }
  return false;
}

bool SystemVariableAt(int index, const char** name, int* type, int* size) {
  if (index < 0 || index >= kSystemVariableCount) return false;
  const SystemVariable& v = kSystemVariables[index];
  *name = v.name;
  *type = v.type;
  *size = v.size;
  return true;
}

const char* FolderVariableName(int index) {
  return (index >= 0 && index < kFolderVariableCount) ? kFolderNames[index] : nullptr;
}

std::string SystemFolderRoot() {
  const char* root = std::getenv("VLX");
  return root ? std::string(root) : std::string("\\VLX");
}

int SetupSystemVariables(SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr) return kRcNoProgram;
  const std::string root = SystemFolderRoot();
  try {
    for (int i = 0; i < kSystemVariableCount; ++i) {
      if (i == kBeforeDefaultRecords) RetireDefMail(*table);
      int rc = CreateOrMark(kSystemVariables[i], *table, root);
      if (rc != 0) return rc;
    }
  } catch (const std::bad_alloc&) {
    return kErrOutOfMemory;
  }
  return 0;
}

}  // namespace zeph
