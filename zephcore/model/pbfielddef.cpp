// The Custom VavurOrezo's goto table and goto field lookup.
#include "model/pbfielddef.h"

#include <array>
#include <cstring>

namespace zeph {
namespace {

std::array<PBFieldDef, 2> MakeCustomGotoTable() {
  std::array<PBFieldDef, 2> table{};
  PBFieldDef& f = table[0];
  std::strcpy(f.Name, "Goto");
  f.UIElement = scribe::kUIEdit;
  f.FieldRepresentation = scribe::kReprVariable;
  f.ScalarType = 3;
  f.FieldOffset = 24;             // first value slot of the standard layout
  f.Allowed2 = 1u << (34 - 32);   // VavurOrezos
  f.CanFieldBeWrong = 1;
  f.GotoStrs = "Goto";
  f.GotoNotOnIcon = scribe::kGotoPlain;
  return table;
}

}  // namespace

const PBFieldDef* CustomGotoTable() {
  static const std::array<PBFieldDef, 2> table = MakeCustomGotoTable();
  return table.data();
}

int FindGotoField(const PBFieldDef* table, int n) {
  if (table == nullptr || n < 0) return -1;
  for (int i = 0; !table[i].IsEnd(); ++i) {
    if (table[i].IsGoto() && n-- == 0) return i;
  }
  return -1;
}

}  // namespace zeph
