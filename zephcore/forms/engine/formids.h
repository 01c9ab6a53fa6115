#pragma once
// Control ids of the table-driven and rule-driven forms' templates.

namespace zeph {

enum FormControlIds : int {
  kPickButtonBase = 401, kCheckBoxBase = 441, kLabelBase = 501, kEditBase = 601,
  kRadioBase = 701, kComboBase = 851, kGroupBoxBase = 900,
};

}  // namespace zeph
