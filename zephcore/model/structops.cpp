// Structure definitions: lookup, creation and deletion, member lists and member-type masks.

#include "model/structops.h"

#include <cstring>
#include <new>

#include "foundation/kvassert.h"
#include "model/recordlist.h"
#include "model/symtable.h"
#include "model/symtree.h"
#include "model/varref.h"

namespace zeph {
namespace {

template <std::size_t N>
void CopyBounded(char (&dst)[N], const char* src) {
  std::memset(dst, 0, N);
  if (src != nullptr) std::strncpy(dst, src, N - 1);
}

}  // namespace

StructDef* FindStructureById(int id, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr) return nullptr;
  for (StructDef* def = table->Structures().First; def != nullptr; def = def->NextDef) {
    if (def->TypeNum == id) return def;
  }
  return nullptr;
}

StructDef* FindStructureByName(const char* name, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr || name == nullptr) return nullptr;
  for (StructDef* def = table->Structures().First; def != nullptr; def = def->NextDef) {
    if (std::strcmp(def->Name, name) == 0) return def;
  }
  return nullptr;
}

StructDef* FindStructureInMask(const TypeMask& mask, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr) return nullptr;
  for (StructDef* def = table->Structures().First; def != nullptr; def = def->NextDef) {
    if (IsStructureIdInMask(def->TypeNum, mask)) return def;
  }
  return nullptr;
}

StructDef* GetStructureOfReference(const char* text, SymbolTable* program) {
  if (text == nullptr || text[0] == 0) return nullptr;
  Symbol* s = LookupSymbolByMask(text + 1, AllTypesMask(), program);
  return s ? FindStructureById(s->Type, program) : nullptr;
}

StructMember* FindMemberByName(const StructDef* def, const char* name) {
  if (def == nullptr || name == nullptr) return nullptr;
  for (StructMember* m = def->FstMem; m != nullptr; m = m->Next) {
    if (std::strcmp(m->Name, name) == 0) return m;
  }
  return nullptr;
}

StructMember* FindMemberById(int structId, int memberId, SymbolTable* program) {
  StructDef* def = FindStructureById(structId, program);
  if (def == nullptr) return nullptr;
  for (StructMember* m = def->FstMem; m != nullptr; m = m->Next) {
    if (m->ElemNum == memberId) return m;
  }
  return nullptr;
}

int GetMemberIdByName(int structId, const char* name, SymbolTable* program) {
  StructDef* def = FindStructureById(structId, program);
  if (def == nullptr) return -1;
  StructMember* m = FindMemberByName(def, name);
  return m ? m->ElemNum : 0;
}

StructMember* GetMemberAt(int n, const StructDef* def) {
  if (def == nullptr || n < 0) return nullptr;
  StructMember* m = def->FstMem;
  for (int i = 0; m != nullptr && i < n; ++i) m = m->Next;
  return m;
}

StructDef* NewStructureDef(const char* name, int cantDelete, int membersInvisible,
                           SymbolTable* program, int fromHeader) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr) return nullptr;
  StructDef* def = new (std::nothrow) StructDef();
  if (def == nullptr) return nullptr;
  StructList& list = table->Structures();
  CopyBounded(def->Name, name);
  def->TypeNum = list.NextId++;
  def->CantDelete = static_cast<std::int16_t>(cantDelete);
  def->MembersAreInvisible = static_cast<std::int16_t>(membersInvisible);
  def->NextStructMemNum = 1;
  def->FromHeader = static_cast<std::int16_t>(fromHeader);
  def->NextDef = list.First;
  list.First = def;
  return def;
}

void FreeStructureDef(StructDef* def) {
  if (def == nullptr) return;
  FreeMemberList(def->FstMem);
  SymTreeFreeAll(&def->Tree, nullptr);
  delete def;
}

int DeleteStructureDef(const char* name, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr || name == nullptr) return kRcRefused;
  StructDef** link = &table->Structures().First;
  while (*link != nullptr && std::strcmp((*link)->Name, name) != 0) link = &(*link)->NextDef;
  StructDef* def = *link;
  if (def == nullptr) return kRcRefused;
  if (def->RefCnt != 0) return kErrStructureInUse;
  *link = def->NextDef;
  FreeStructureDef(def);
  return 0;
}

int RenameStructure(const char* oldName, const char* newName, SymbolTable* program) {
  StructDef* def = FindStructureByName(oldName, program);
  if (def == nullptr) return 1;
  CopyBounded(def->Name, newName);
  return 0;
}

StructMember* NewStructureMember(const char* name, int type, int size, StructDef* def) {
  StructMember* m = new (std::nothrow) StructMember();
  if (m == nullptr) return nullptr;
  CopyBounded(m->Name, name);
  if (def != nullptr) m->ElemNum = def->NextStructMemNum++;
  m->Type = static_cast<std::int16_t>(type);
  m->Size = static_cast<std::int16_t>(size);
  return m;
}

int InsertMemberAfter(int n, StructMember** head, StructMember* member) {
  return InsertRecordAt(n, head, member);
}

int InsertMemberAt(int n, StructMember** head, StructMember* member) {
  return InsertRecordAfter(n, head, member);
}

int RemoveMemberAt(int n, StructMember** head) {
  if (head == nullptr || n < 0) return -1;
  StructMember** link = head;
  for (int i = 0; i < n && *link != nullptr; ++i) link = &(*link)->Next;
  StructMember* m = *link;
  if (m == nullptr) return -1;
  *link = m->Next;
  delete m;
  return 0;
}

void FreeMemberList(StructMember* first) {
  while (first != nullptr) {
    StructMember* next = first->Next;
    delete first;
    first = next;
  }
}

int AddTypeToMask(std::uint32_t& allowed1, std::uint32_t& allowed2, int type, SymbolTable* program) {
  if (type < 0) return -1;
  TypeMask mask;
  mask.Allowed1 = allowed1;
  mask.Allowed2 = allowed2;
  MaskSetBuiltin(mask, type);
  if (IsRecordTypeCode(type)) {
    if (const StructDef* def = FindStructureById(type, program)) {
      for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next) MaskSetBuiltin(mask, m->Type);
    }
  }
  allowed1 = mask.Allowed1;
  allowed2 = mask.Allowed2;
  return 0;
}

int RemoveTypeFromMask(std::uint32_t& allowed1, std::uint32_t& allowed2, int type,
                       const StructMember* members) {
  if (type < 0) return -1;
  for (const StructMember* m = members; m != nullptr; m = m->Next) {
    if (m->Type == type) return 0;
  }
  TypeMask mask;
  mask.Allowed1 = allowed1;
  mask.Allowed2 = allowed2;
  MaskClearBuiltin(mask, type);
  allowed1 = mask.Allowed1;
  allowed2 = mask.Allowed2;
  return 0;
}

}  // namespace zeph
