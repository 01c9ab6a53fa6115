#pragma once
// The rule evaluator of the rule-driven forms: each entry's rule list, when its condition
// on the entry's control holds, switches other entries' controls and changes their field
// definitions in the form's own table copy (never the catalogue's).

#include "forms/engine/fieldcontrol.h"
#include "forms/engine/formtable.h"

namespace zeph {

class SymbolTable;

// The controls of a rule-driven form beyond the entries' own.
class GrayFormControls {
 public:
  virtual ~GrayFormControls() = default;
  // The label of an edit or combo entry, the pick button of an edit entry, button b (from
  // 0) of a radio-group entry; null when there is none.
  virtual FieldControl* Label(int entry) = 0;
  virtual FieldControl* PickButton(int entry) = 0;
  virtual FieldControl* RadioButton(int entry, int button) = 0;
  // The first child window of the dialog whose text equals the text (a group's name).
  virtual FieldControl* ChildWithText(const char* text) = 0;
};

inline constexpr int kEditRuleTextLimit = 128;
inline constexpr int kComboRuleTextLimit = 512;

class GrayRuleEngine {
 public:
  // The table's entries: edits, check boxes, combos, then radio groups (button counts
  // negated); counts as the form was made with.
  GrayRuleEngine(FormTable& table, GrayFormControls& controls, int edits, int checks, int combos,
                 SymbolTable* program = nullptr);

  // Sets each entry's ControlIndex: its place among its kind, a radio group's first button.
  void NumberControls();

  // n counts from 1 within its kind.
  void EvalEditRules(int n);
  void EvalCheckBoxRules(int n);
  void EvalTextRules(int n);
  // Group g (from 0) with the clicked button's number among all radio buttons (id - 701);
  // nothing for a button outside the group.
  void EvalRadioRules(int g, int radio);
  // Every rule group once, as set-up does: edits, check boxes, combos, checked radios.
  void EvalAll();

  // Applies an action list; source is the rule's control number (from 1).
  void ApplyRuleActions(int source, const scribe::GrayAction* actions);

  bool TableChanged() const { return tableChanged_; }
  bool GotoChanged() const { return gotoChanged_; }
  int RadioGroupCount() const;
  // The entry index of radio group g.
  int RadioEntry(int g) const { return edits_ + checks_ + combos_ + g; }

 private:
  void ApplyAction(int source, const scribe::GrayAction& action);
  void ApplyDefinitionChanges(int source, PBFieldDef& target, const scribe::GrayAction& action, int targetIndex);
  std::string SourceEditText(int source) const;
  const PBFieldDef* SourceEntry(int source) const;
  bool ApplyIfEnabled(FieldControl* control, const scribe::GrayRule& rule, int source);

  FormTable& table_;
  GrayFormControls& controls_;
  int edits_;
  int checks_;
  int combos_;
  SymbolTable* program_;
  bool tableChanged_ = false;
  bool gotoChanged_ = false;
};

// Whether a rule text counts as empty: it has no character below code 128.
bool IsRuleTextEmpty(const std::string& text);

}  // namespace zeph
