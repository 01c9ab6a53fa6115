#pragma once
// The shape of a table-driven form's field table and the limits of its controls, checked
// before any control is made: edits first, then check boxes, combos and radio groups.

#include "model/pbfielddef.h"

namespace zeph {

enum class FormShape { Table, TablePlus, WholeTable, Gray };

struct FormCounts {
  int Edits = 0;
  int Checks = 0;
  int Combos = 0;
  int RadioGroups = 0;
  int Radios = 0;
  bool InOrder = true;   // the kinds come in the order above
};

inline constexpr int kMaxEdits = 40;
inline constexpr int kMaxChecks = 40;
inline constexpr int kMaxGrayChecks = 39;
inline constexpr int kMaxCombos = 30;
inline constexpr int kMaxLabels = 41;
inline constexpr int kMaxRadios = 128;
inline constexpr int kMaxGrayGroups = 20;

FormCounts CountFormEntries(const PBFieldDef* table);
// Whether a form of the shape can show the table; false is reported as an assertion.
bool FormFitsLimits(const FormCounts& counts, FormShape shape);
// The radio buttons of a group entry (its count, negated or not).
int RadioCount(const PBFieldDef& entry);

}  // namespace zeph
