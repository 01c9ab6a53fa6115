// Structure definitions through the clipboard.

#include <cstring>

#include "model/program/program.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "programfile/clipboard/clipboard.h"

namespace zeph {

// The target's structure for a type of `from`: the one it has under the new name, or a
// copy made now (with an entry when the target is the clipboard program). Predefined
// structures are the same in every program. Null when the source has no such structure
// or the copy failed.
StructDef* TVlxClipboard::EnsureStructure(int type, TProgram& from, TProgram& to, bool addEntry, int dependent) {
  const StructDef* source = FindStructureById(type, &from.Symbols());
  if (source == nullptr) {
    messages_.push_back("A structure that a copied symbol uses is missing.");
    return nullptr;
  }
  if (type < kFirstStructureId) return FindStructureById(type, &to.Symbols());
  const std::string name = NewNameIn(source->Name, to);
  if (StructDef* there = FindStructure(to, name); there != nullptr) return there;
  if (CopyStructure(*source, name, from, to) != 0) return nullptr;
  if (addEntry) AddClipInfo(name.c_str(), kClipStructure, dependent);
  return FindStructure(to, name);
}

int TVlxClipboard::CopyStructure(const StructDef& source, const std::string& name, TProgram& from, TProgram& to) {
  if (name.empty() || name.size() > static_cast<std::size_t>(kStructNameMax)) {
    messages_.push_back("Structure name \"" + name + "\" is too long.");
    return 1;
  }
  // Structures its members are typed by go first, so that the members can name them.
  std::vector<int> memberTypes;
  for (const StructMember* m = source.FstMem; m != nullptr; m = m->Next) {
    int type = m->Type;
    if (type >= kFirstStructureId) {
      const StructDef* nested = EnsureStructure(type, from, to, IsClipboardProgram(to), 1);
      if (nested == nullptr) return 1;
      type = nested->TypeNum;
    }
    memberTypes.push_back(type);
  }
  StructDef* def = NewStructureDef(name.c_str(), source.CantDelete, source.MembersAreInvisible, &to.Symbols(),
                                   source.FromHeader);
  if (def == nullptr) return 1;
  def->PutInCurListBox = source.PutInCurListBox;
  def->Allowed1 = source.Allowed1;
  def->Allowed2 = source.Allowed2;
  def->AddStructs = source.AddStructs;
  def->StructNum = source.StructNum;
  def->WholeArray = source.WholeArray;
  def->MinNumber = source.MinNumber;
  def->CheckDefForMem = source.CheckDefForMem;
  StructMember** tail = &def->FstMem;
  std::size_t i = 0;
  for (const StructMember* m = source.FstMem; m != nullptr; m = m->Next, ++i) {
    StructMember* copy = NewStructureMember(m->Name, memberTypes[i], m->Size, nullptr);
    if (copy == nullptr) return 1;   // the definition stays with the members made so far
    copy->ElemNum = m->ElemNum;      // slots name members by these numbers
    copy->Comment = m->Comment;
    *tail = copy;
    tail = &copy->Next;
  }
  def->NextStructMemNum = source.NextStructMemNum;
  return 0;
}

int TVlxClipboard::AddStructDefn(const StructDef* definition, TProgram& from, TProgram* target, int dependent) {
  if (definition == nullptr) return 1;
  TProgram& to = target != nullptr ? *target : *program_;
  if (FindStructure(to, definition->Name) != nullptr) return 1;
  if (CopyStructure(*definition, definition->Name, from, to) != 0) return 1;
  if (IsClipboardProgram(to)) AddClipInfo(definition->Name, kClipStructure, dependent);
  return 0;
}

int TVlxClipboard::PasteStructDefns(TProgram& target) {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const TClipInfo entry = entries_[i];
    if (entry.Kind != kClipStructure || entry.DontCopy != 0) continue;
    const StructDef* mine = FindStructure(*program_, entry.Name);
    if (mine == nullptr) continue;
    const std::string name = NewNameIn(entry.Name, target);
    if (FindSymbol(target, name) != nullptr || FindStructure(target, name) != nullptr) continue;
    if (CopyStructure(*mine, name, *program_, target) == 0) return 1;
  }
  return 0;
}

}  // namespace zeph
