#pragma once
// What the field engine and the rule evaluator need of a form's controls. The dialogs wrap
// their window controls in it; the native tests give fakes. A field-table entry's
// ControlPtr points at its FieldControl while a form is open.

#include <string>

#include "model/pbfielddef.h"

namespace zeph {

class FieldControl {
 public:
  virtual ~FieldControl() = default;
  // Edits, labels and combos: the text, at most limit - 1 characters.
  virtual std::string Text(int limit) const = 0;
  virtual void SetText(const std::string& text) = 0;
  // Check boxes: 1 checked, 0 not.
  virtual int Checked() const { return 0; }
  virtual void SetChecked(int) {}
  // Radio groups: the index of the first checked button (-1 none), the button count, and
  // checking one button (an index outside the group checks none).
  virtual int CheckedButton() const { return -1; }
  virtual int ButtonCount() const { return 0; }
  virtual void CheckButton(int) {}
  // Combos: selects the entry equal to the text; an empty text selects none.
  virtual void SelectString(const std::string&) {}
  virtual void Focus() {}
  virtual bool Enabled() const { return true; }
  // Window state of a rule action: 0 enable, 1 disable, 2 hide, 3 show; others nothing.
  virtual void SetWindowState(int) {}
};

enum WindowStateAction : int { kStateEnable = 0, kStateDisable = 1, kStateHide = 2, kStateShow = 3 };

// The control of an entry, or null when the form gave it none.
inline FieldControl* ControlOf(const PBFieldDef& entry) {
  return static_cast<FieldControl*>(entry.ControlPtr);
}

}  // namespace zeph
