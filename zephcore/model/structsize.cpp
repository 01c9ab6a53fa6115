// Sizes and offsets of structure members, and the listings of the structure editors.

#include <cstdio>
#include <cstring>
#include <string>

#include "model/structops.h"
#include "model/symtable.h"

namespace zeph {
namespace {

// Structures may name each other; a chain deeper than this is a cycle.
constexpr int kMaxStructureNesting = 16;

void SumStructureSizeAt(const StructDef* def, int& total, SymbolTable* program, int depth) {
  if (def == nullptr || depth > kMaxStructureNesting) return;
  for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next) {
    total += GetMemberSize(m);
    if (m->Type >= kStructListSlot) {
      SumStructureSizeAt(FindStructureById(m->Type, program), total, program, depth + 1);
    }
  }
}

int MemberValueSize(const StructMember* m, SymbolTable* program) {
  return m->Type == kTypeString ? m->Size : GetTypeSize(m->Type, program);
}

// Whether a member type is one the mask asks for.
bool IsTypeInMask(int type, const TypeMask& mask, SymbolTable* program) {
  if (type < kBuiltinTypeCount) return MaskHasBuiltin(mask, type);
  switch (mask.AddStructs) {
    case kStructsAll: return true;
    case kStructsOne: return type == mask.StructNum;
    case kStructsBitsOrSize: {
      if (IsStructureIdInMask(type, mask)) return true;
      int size = 0;
      SumStructureSize(FindStructureById(type, program), size, program);
      return size == mask.StructNum;
    }
    default: return false;
  }
}

}  // namespace

std::string MemberTypeName(int type, SymbolTable* program) {
  if (const char* name = GetListedTypeName(type)) return name;
  if (const StructDef* def = FindStructureById(type, program)) return def->Name;
  return "?";
}

int GetMemberSize(const StructMember* member) {
  if (member == nullptr) return 0;
  return member->Type == kTypeString ? member->Size : GetBuiltinTypeSize(member->Type);
}

void SumStructureSize(const StructDef* def, int& total, SymbolTable* program) {
  SumStructureSizeAt(def, total, program, 0);
}

int GetStructureSize(const StructDef* def, SymbolTable* program) {
  int total = 0;
  if (def == nullptr) return 0;
  for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next) total += MemberValueSize(m, program);
  return total;
}

int GetMemberOffset(const StructDef* def, const char* names, StructMember** member,
                    SymbolTable* program) {
  if (member != nullptr) *member = nullptr;
  if (def == nullptr || names == nullptr) return -1;
  std::string first(names);
  std::string second;
  if (std::size_t dot = first.find('.'); dot != std::string::npos) {
    second = first.substr(dot + 1);
    first.resize(dot);
  }
  int offset = 0;
  StructMember* found = nullptr;
  for (StructMember* m = def->FstMem; m != nullptr; m = m->Next) {
    if (first == m->Name) {
      found = m;
      break;
    }
    offset += MemberValueSize(m, program);
  }
  if (found == nullptr) return -1;
  if (!second.empty()) {
    if (!IsRecordTypeCode(found->Type)) return -1;
    int inner = GetMemberOffset(FindStructureById(found->Type, program), second.c_str(), &found, program);
    if (inner < 0) return -1;
    offset += inner;
  }
  if (member != nullptr) *member = found;
  return offset;
}

void ListStructureMembers(const StructDef* def, ListSink& list, SymbolTable* program) {
  if (def == nullptr) return;
  int number = 1;
  for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next, ++number) {
    std::string typeName = MemberTypeName(m->Type, program);
    char line[128];
    std::snprintf(line, sizeof line, "%03d: %s %s %d", number, m->Name, typeName.c_str(), m->Size);
    list.AddLine(line);
  }
}

void ListStructures(const StructDef* first, ListSink& list) {
  for (const StructDef* def = first; def != nullptr; def = def->NextDef) {
    if (def->CantDelete == 0) list.AddLine(def->Name);
  }
}

void ListMembersByTypeMask(const StructDef* def, ListSink& list, const TypeMask& mask,
                           SymbolTable* program) {
  if (def == nullptr) return;
  for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next) {
    if (!IsRecordTypeCode(m->Type)) {
      if (IsTypeInMask(m->Type, mask, program)) list.AddLine(m->Name);
      continue;
    }
    const StructDef* inner = FindStructureById(m->Type, program);
    if (inner == nullptr) {
      list.AddLine(m->Name);
      continue;
    }
    bool innerMatches = false;
    for (const StructMember* im = inner->FstMem; im != nullptr && !innerMatches; im = im->Next) {
      innerMatches = IsTypeInMask(im->Type, mask, program);
    }
    if (innerMatches) {
      list.AddLine(("@" + std::string(m->Name)).c_str());
      list.AddLine(m->Name);
    } else if (IsTypeInMask(m->Type, mask, program)) {
      list.AddLine(m->Name);
    }
  }
}

}  // namespace zeph
