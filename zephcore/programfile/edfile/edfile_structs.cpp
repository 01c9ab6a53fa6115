#include "programfile/edfile/edfile_structs.h"

#include <cstring>
#include <new>

#include "foundation/kvtexttag.h"
#include "model/datatypes.h"
#include "model/structdef.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "programfile/edfile/edfile_context.h"
#include "programfile/edfile/edfile_fields.h"
#include "programfile/edfile/edfile_sections.h"

namespace zeph {
namespace {

const std::vector<EdField> kNextIdFields = {{"NextStructId", EdKind::Short}};

const std::vector<EdField> kDefFields = {
    {"Name", EdKind::Text, kStructNameSize}, {"TypeNum", EdKind::Short},
    {"CantDelete", EdKind::Short},           {"MembersAreInvisible", EdKind::Short},
    {"NextStructMemNum", EdKind::Short},     {"RefCnt", EdKind::Short},
    {"PutInCurListBox", EdKind::Short},      {"Allowed1", EdKind::Long},
    {"Allowed2", EdKind::Long},              {"AddStructs", EdKind::Short},
    {"StructNum", EdKind::Short},            {"WholeArray", EdKind::Short},
    {"MinNumber", EdKind::Short},            {"CheckDefForMem", EdKind::Short},
    {"FromHeader", EdKind::Short},
};

const std::vector<EdField> kMemberFields = {
    {"Name", EdKind::Text, kMemberNameSize}, {"ElemNum", EdKind::Short}, {"Type", EdKind::Short},
    {"Size", EdKind::Short},                 {"RefCnt", EdKind::Short},  {"Comment", EdKind::Text, 128},
};

bool IsUser(const StructDef* def) { return def->TypeNum >= kFirstStructureId; }

int WriteFailed() { return EdPrompt("Invalid block field encountered.\nContinue Saving?", kSecStructures); }

int WriteMembers(const StructDef& def) {
  if (WriteSectionTag(kSecMembers, false) != 1) return WriteFailed();
  for (const StructMember* m = def.FstMem; m != nullptr; m = m->Next) {
    EdValues v(kMemberFields.size());
    v.Text(0, m->Name).Num(1, m->ElemNum).Num(2, m->Type).Num(3, m->Size).Num(4, m->RefCnt).Text(5, m->Comment);
    if (EdWriteLine(kSecMembers, kMemberFields, v) != 1) {
      if (const int rc = WriteFailed(); rc != 0) return rc;
    }
  }
  if (WriteSectionTag(kSecMembers, true) != 1) return WriteFailed();
  return 0;
}

// Reads the member lines up to "{LastMember}" into a list in their order.
int ReadMembers(EdContext& ctx, StructDef& def) {
  std::string line;
  if (!ctx.in->Next(line)) return -158;
  if (line != GetSectionTag(kSecMembers, false)) {
    if (const int rc = EdPrompt("Invalid block field encountered.\nContinue Loading?", kSecMembers); rc != 0) return rc;
  }
  StructMember** tail = &def.FstMem;
  for (;;) {
    if (!ctx.in->Next(line)) return -158;
    if (line == GetSectionTag(kSecMembers, true)) return 0;
    EdValues v(kMemberFields.size());
    if (EdParseLine(line, kSecMembers, kMemberFields, v) != 1 || v.Text(0).empty() ||
        v.Text(0).size() > static_cast<std::size_t>(kMemberNameMax)) {
      if (const int rc = EdPrompt("Invalid block field encountered.\nContinue Loading?", kSecMembers); rc != 0) {
        return rc;
      }
      continue;
    }
    auto* m = new (std::nothrow) StructMember();
    if (m == nullptr) return -102;
    std::memcpy(m->Name, v.Text(0).c_str(), v.Text(0).size() + 1);
    m->ElemNum = v.Short(1);
    m->Type = v.Short(2);
    m->Size = v.Short(3);
    m->RefCnt = v.Short(4);
    m->Comment = v.Text(5);
    *tail = m;
    tail = &m->Next;
  }
}

// Where the next read structure is linked: after the last user structure.
StructDef** UserListEnd(StructList& list) {
  StructDef** at = &list.First;
  while (*at != nullptr && IsUser(*at)) at = &(*at)->NextDef;
  return at;
}

}  // namespace

int WriteStructures(SymbolTable& table) {
  StructList& list = table.Structures();
  if (list.First == nullptr || !IsUser(list.First)) return 0;
  if (WriteSectionTag(kSecStructures, false) != 1) return WriteFailed();
  EdValues next(1);
  next.Num(0, list.NextId);
  if (EdWriteLine(kSecStructures, kNextIdFields, next) != 1) {
    if (const int rc = WriteFailed(); rc != 0) return rc;
  }
  for (const StructDef* def = list.First; def != nullptr && IsUser(def); def = def->NextDef) {
    EdValues v(kDefFields.size());
    v.Text(0, def->Name).Num(1, def->TypeNum).Num(2, def->CantDelete).Num(3, def->MembersAreInvisible);
    v.Num(4, def->NextStructMemNum).Num(5, def->RefCnt).Num(6, def->PutInCurListBox);
    v.Num(7, static_cast<std::int32_t>(def->Allowed1)).Num(8, static_cast<std::int32_t>(def->Allowed2));
    v.Num(9, def->AddStructs).Num(10, def->StructNum).Num(11, def->WholeArray).Num(12, def->MinNumber);
    v.Num(13, def->CheckDefForMem).Num(14, def->FromHeader);
    if (EdWriteLine(kSecStructures, kDefFields, v) != 1) {
      if (const int rc = WriteFailed(); rc != 0) return rc;
      continue;
    }
    if (const int rc = WriteMembers(*def); rc != 0) return rc;
  }
  if (WriteSectionTag(kSecStructures, true) != 1) return WriteFailed();
  return 0;
}

int ReadStructures(EdContext& ctx) {
  StructList& list = ctx.table.Structures();
  std::string line;
  if (!ctx.in->Next(line)) return -158;
  EdValues next(1);
  if (EdParseLine(line, kSecStructures, kNextIdFields, next) == 1) {
    list.NextId = next.Short(0);
  } else if (const int rc = EdPrompt("Invalid block field encountered.\nContinue Loading?", kSecStructures); rc != 0) {
    return rc;
  }
  const std::string end = GetSectionTag(kSecStructures, true);
  for (;;) {
    if (!ctx.in->Next(line)) return -158;
    if (line == end) return 0;
    EdValues v(kDefFields.size());
    const bool ok = EdParseLine(line, kSecStructures, kDefFields, v) == 1 && !v.Text(0).empty() &&
                    v.Text(0).size() <= static_cast<std::size_t>(kStructNameMax) &&
                    v.Short(1) >= kFirstStructureId && FindStructureById(v.Short(1), &ctx.table) == nullptr;
    auto* def = new (std::nothrow) StructDef();
    if (def == nullptr) return -102;
    if (ok) {
      std::memcpy(def->Name, v.Text(0).c_str(), v.Text(0).size() + 1);
      def->TypeNum = v.Short(1);
      def->CantDelete = v.Short(2);
      def->MembersAreInvisible = v.Short(3);
      def->NextStructMemNum = v.Short(4);
      def->RefCnt = v.Short(5);
      def->PutInCurListBox = v.Short(6);
      def->Allowed1 = static_cast<std::uint32_t>(v.Num(7));
      def->Allowed2 = static_cast<std::uint32_t>(v.Num(8));
      def->AddStructs = v.Short(9);
      def->StructNum = v.Short(10);
      def->WholeArray = v.Short(11);
      def->MinNumber = v.Short(12);
      def->CheckDefForMem = v.Short(13);
      def->FromHeader = v.Short(14);
    }
    // The members are read even for a refused definition, so the next one is found.
    const int rc = ReadMembers(ctx, *def);
    if (!ok || rc != 0) {
      FreeStructureDef(def);
      if (rc != 0) return rc;
      if (const int stop = EdPrompt("Invalid block field encountered.\nContinue Loading?", kSecStructures); stop != 0) {
        return stop;
      }
      continue;
    }
    // An old name of the address structure: the program knows it by its current name.
    if (std::strcmp(def->Name, "DefAddrParm") == 0 && FindStructureByName("CurAddress", &ctx.table) == nullptr) {
      std::strcpy(def->Name, "CurAddress");
    }
    StructDef** end_ = UserListEnd(list);
    def->NextDef = *end_;
    *end_ = def;
  }
}

}  // namespace zeph
