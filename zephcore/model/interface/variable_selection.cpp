// The designer's variable pick: selections from kind flags, the preset holder and the
// library's reference node.
#include "model/interface/variable_selection.h"

#include <iterator>

#include "model/datatypes.h"

namespace zeph {
namespace {

constexpr std::uint32_t Bit(int code) { return std::uint32_t{1} << (code % 32); }

// The types each kind flag adds: to the first mask (codes 0-31) and the second (32-63).
struct KindTypes {
  int flag;
  std::uint32_t mask1;
  std::uint32_t mask2;
};
constexpr KindTypes kKindTypes[] = {
    {kSelectKindText, Bit(kTypeString) | Bit(kTypeDateString), 0},
    {kSelectKindNumber,
     Bit(kTypeCharacter) | Bit(kTypeSmallInteger) | Bit(kTypeInteger) | Bit(kTypeSmallNumber) | Bit(kTypeNumber), 0},
    {kSelectKindVavurOrezo, 0, Bit(kTypeVavurOrezo)},
    {kSelectKindDate, Bit(kTypeDateNumber) | Bit(kTypeDateString), 0},
};

// Every code but the structure code 0.
constexpr std::uint32_t kAllButStruct = ~Bit(kTypeStruct);
// Codes 32-63 but labels, VavurOrezos, voice sentences, pages and verify pages.
constexpr std::uint32_t kUnrestrictedTypes2 =
    ~(Bit(kTypeLabel) | Bit(kTypeVavurOrezo) | Bit(kTypeVoiceSentence) | Bit(kTypeSuperBlock) |
      Bit(kTypeVerificationBlock));
// The same without SQL information either.
constexpr std::uint32_t kFieldTypes2 = kUnrestrictedTypes2 & ~Bit(kTypeSQLInfo);

}  // namespace

TypeSelection SelectionForKind(int kind, std::uint32_t mask1, std::uint32_t mask2) {
  TypeSelection selection;
  if (kind == kSelectKindGivenMasks) {
    selection.Allowed1 = mask1;
    selection.Allowed2 = mask2;
    return selection;
  }
  if (kind == kSelectKindAnyVariable) {
    selection.Allowed1 = kAllButStruct;
    selection.Allowed2 = kFieldTypes2;
    selection.AddStructs = kStructsAll;
    selection.StructNum = 0;
    selection.WholeArray = 2;
    selection.MinNumber = -1;
    return selection;
  }
  for (const KindTypes& k : kKindTypes) {
    if ((kind & k.flag) == 0) continue;
    selection.Allowed1 |= k.mask1;
    selection.Allowed2 |= k.mask2;
  }
  return selection;
}

TypeSelection UnrestrictedSelection() {
  TypeSelection selection;
  selection.Allowed1 = kAllButStruct;
  selection.Allowed2 = kUnrestrictedTypes2;
  selection.AddStructs = kStructsAll;
  return selection;
}

void PrepareVariableHolder(PickRequest& holder, const TypeSelection* selection, const char* text,
                           SymbolTable* program) {
  const TypeSelection chosen = selection != nullptr ? *selection : UnrestrictedSelection();
  holder.Allowed1 = chosen.Allowed1;
  holder.Allowed2 = chosen.Allowed2;
  holder.AddStructs = chosen.AddStructs;
  holder.StructNum = chosen.StructNum;
  holder.WholeArray = chosen.WholeArray;
  holder.MinNumber = chosen.MinNumber;
  holder.NoSelectionNeeded = selection != nullptr ? 0 : 1;
  holder.ClearChoice();
  if (text == nullptr || *text == '\0') return;
  // A scratch node: a pick that is cancelled must leave the library's node as it was.
  SymP scratch;
  int type = -1;
  ParseVariableReference(text, scratch, holder.Mask(), &type, program);
  if (scratch.S == nullptr) return;
  holder.Chosen = scratch.S;
  holder.MemberNumber = scratch.StructMemNum;
  holder.Member2 = scratch.Struct2MemNum;
  holder.Index = std::move(scratch.ArrayIndex);
}

SymP& LibraryReferenceNode() {
  static SymP node;
  return node;
}

SymP* CommitVariableChoice(const PickRequest& holder) {
  SymP& node = LibraryReferenceNode();
  node = holder.ChosenReference();
  return &node;
}

}  // namespace zeph
