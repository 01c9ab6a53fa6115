// Evaluating the rule lists of the rule-driven forms and applying their actions.
#include "forms/engine/grayrules.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "foundation/kvassert.h"
#include "model/constvalue.h"
#include "model/datatypes.h"
#include "model/pbaccess_fields.h"
#include "model/symtable.h"
#include "model/varref.h"

namespace zeph {
namespace {

using scribe::GrayAction;
using scribe::GrayRule;

constexpr int kRuleKindMask = 0xFF;
constexpr int kRuleSpecial = 2;
constexpr int kRuleEnd = -1;

int RuleKind(const GrayRule& rule) { return rule.Kind & kRuleKindMask; }
int RuleType(const GrayRule& rule) { return (static_cast<std::uint16_t>(rule.Kind) >> 8) & 0xFF; }
bool IsEndRule(const GrayRule& rule) { return rule.Kind == kRuleEnd; }
int NumberOf(const char* text) { return text != nullptr ? static_cast<int>(std::strtol(text, nullptr, 10)) : 0; }
bool Leaves(const char* text) { return text == nullptr || text[0] == '^'; }

void SetState(FieldControl* control, int state) {
  if (control != nullptr) control->SetWindowState(state);
}

// Masks that a retyped field takes from the type of the variable it names.
void MasksOfType(int type, PBFieldDef& e) {
  if (type < 0) return;
  std::uint32_t a1 = 0;
  std::uint32_t a2 = 0;
  if (type >= kTypeCharacter && type <= kTypeNumber) {
    a1 = 0x3E;
  } else if (type == kTypeString || type == kTypeDateString) {
    a1 = 0x100040;
  } else if (type == kTypeDateNumber) {
    a1 = 0x8003E;
  } else if (type == kTypeResPerm) {
    a1 = 0x3E;
  } else if (type == kTypeBoolean) {
    a2 = 0x200000;
  } else if (type < 32) {
    a1 = 1u << type;
  } else if (type < 64) {
    a2 = 1u << (type - 32);
  } else {
    return;   // structure types keep the masks they had
  }
  e.Allowed1 = a1;
  e.Allowed2 = a2;
}

}  // namespace

bool IsRuleTextEmpty(const std::string& text) {
  for (unsigned char c : text) {
    if (c < 128) return false;
  }
  return true;
}

GrayRuleEngine::GrayRuleEngine(FormTable& table, GrayFormControls& controls, int edits, int checks, int combos,
                               SymbolTable* program)
    : table_(table), controls_(controls), edits_(edits), checks_(checks), combos_(combos), program_(program) {}

int GrayRuleEngine::RadioGroupCount() const {
  const int n = table_.Count() - edits_ - checks_ - combos_;
  return n > 0 ? n : 0;
}

void GrayRuleEngine::NumberControls() {
  for (int i = 0; i < edits_; ++i) table_[i].ControlIndex = static_cast<std::int16_t>(i);
  for (int k = 0; k < checks_; ++k) table_[edits_ + k].ControlIndex = static_cast<std::int16_t>(k);
  for (int c = 0; c < combos_; ++c) table_[edits_ + checks_ + c].ControlIndex = static_cast<std::int16_t>(c);
  int radios = 0;
  for (int g = 0; g < RadioGroupCount(); ++g) {
    PBFieldDef& e = table_[RadioEntry(g)];
    e.ControlIndex = static_cast<std::int16_t>(radios);
    radios += RadioButtonCount(e);
  }
}

bool GrayRuleEngine::ApplyIfEnabled(FieldControl* control, const GrayRule& rule, int source) {
  if (control == nullptr || !control->Enabled()) return false;
  ApplyRuleActions(source, rule.Actions);
  return true;
}

void GrayRuleEngine::EvalEditRules(int n) {
  if (n < 1 || n > edits_) return;
  const PBFieldDef& e = table_[n - 1];
  FieldControl* control = ControlOf(e);
  if (e.GrayTab == nullptr || control == nullptr) return;
  const std::string text = control->Text(kEditRuleTextLimit);
  const bool empty = IsRuleTextEmpty(text);
  for (const GrayRule* rule = e.GrayTab; !IsEndRule(*rule); ++rule) {
    if (RuleKind(*rule) == kRuleSpecial) {
      // A type rule: the text names a variable of the rule's type, else the first rule.
      if (!empty && LookupSymbol(text.c_str(), RuleType(*rule), program_) != nullptr) {
        ApplyRuleActions(n, rule->Actions);
        return;
      }
      ApplyRuleActions(n, e.GrayTab[0].Actions);
      continue;
    }
    int value = NumberOf(rule->Value);
    if (RuleKind(*rule) == 0) value = value == 0;
    if ((empty && value != 0) || (!empty && value == 0)) {
      ApplyIfEnabled(control, *rule, n);
      return;
    }
  }
}

void GrayRuleEngine::EvalCheckBoxRules(int n) {
  if (n < 1 || n > checks_) return;
  const PBFieldDef& e = table_[edits_ + n - 1];
  FieldControl* control = ControlOf(e);
  if (e.GrayTab == nullptr || control == nullptr) return;
  const int state = control->Checked() ? 1 : 0;
  for (const GrayRule* rule = e.GrayTab; !IsEndRule(*rule); ++rule) {
    int value = NumberOf(rule->Value);
    if (RuleKind(*rule) == 0) value = value == 0;
    if ((state == 1 && value != 0) || (state == 0 && value == 0)) {
      ApplyIfEnabled(control, *rule, n);
      return;
    }
  }
}

void GrayRuleEngine::EvalTextRules(int n) {
  if (n < 1 || n > combos_) return;
  const PBFieldDef& e = table_[edits_ + checks_ + n - 1];
  FieldControl* control = ControlOf(e);
  if (e.GrayTab == nullptr || control == nullptr) return;
  const std::string text = control->Text(kComboRuleTextLimit);
  for (const GrayRule* rule = e.GrayTab; !IsEndRule(*rule); ++rule) {
    const int kind = RuleKind(*rule);
    if (kind == kRuleSpecial) {
      ApplyIfEnabled(control, *rule, n);   // the default when no rule before it held
      return;
    }
    const bool equal = text == (rule->Value != nullptr ? rule->Value : "");
    if ((kind == 1 && equal) || (kind == 0 && !equal)) {
      ApplyIfEnabled(control, *rule, n);
      return;
    }
  }
}

void GrayRuleEngine::EvalRadioRules(int g, int radio) {
  if (g < 0 || g >= RadioGroupCount()) return;
  const int entry = RadioEntry(g);
  const PBFieldDef& e = table_[entry];
  const int button = radio - e.ControlIndex;
  if (button < 0 || button >= RadioButtonCount(e) || e.GrayTab == nullptr) return;
  const int position = button + 1;
  for (const GrayRule* rule = e.GrayTab; !IsEndRule(*rule); ++rule) {
    const bool same = position == NumberOf(rule->Value);
    if ((RuleKind(*rule) == 1 && same) || (RuleKind(*rule) == 0 && !same)) {
      ApplyIfEnabled(controls_.RadioButton(entry, button), *rule, g + 1);
      return;
    }
  }
}

void GrayRuleEngine::EvalAll() {
  for (int n = 1; n <= edits_; ++n) EvalEditRules(n);
  for (int n = 1; n <= checks_; ++n) EvalCheckBoxRules(n);
  for (int n = 1; n <= combos_; ++n) EvalTextRules(n);
  for (int g = 0; g < RadioGroupCount(); ++g) {
    const PBFieldDef& e = table_[RadioEntry(g)];
    for (int b = 0; b < RadioButtonCount(e); ++b) {
      FieldControl* button = controls_.RadioButton(RadioEntry(g), b);
      if (button != nullptr && button->Checked()) EvalRadioRules(g, e.ControlIndex + b);
    }
  }
}

void GrayRuleEngine::ApplyRuleActions(int source, const GrayAction* actions) {
  if (actions == nullptr) return;
  for (const GrayAction* a = actions; a->Target != -1; ++a) ApplyAction(source, *a);
}

void GrayRuleEngine::ApplyAction(int source, const GrayAction& a) {
  if (!KV_ASSERT(a.Target >= 0 && a.Target < table_.Count())) return;
  PBFieldDef& target = table_[a.Target];
  FieldControl* control = ControlOf(target);
  switch (a.TargetKind) {
    case scribe::kUICheckBox:
      if (control != nullptr) {
        if (!Leaves(a.ValueText)) control->SetChecked(NumberOf(a.ValueText) != 0 ? 1 : 0);
        if (!Leaves(a.CaptionText)) control->SetText(a.CaptionText);
      }
      SetState(control, a.ControlState);
      break;
    case scribe::kUIRadioGroup:
      if (control != nullptr && !Leaves(a.ValueText)) control->CheckButton(NumberOf(a.ValueText));
      if (a.SecondState == -1) {
        for (int b = 0; b < RadioButtonCount(target); ++b) SetState(controls_.RadioButton(a.Target, b), a.ControlState);
      } else {
        SetState(controls_.RadioButton(a.Target, a.SecondState), a.ControlState);
      }
      SetState(controls_.ChildWithText(target.Name), a.LabelState);
      break;
    case scribe::kUIEdit:
      if (control != nullptr && !Leaves(a.ValueText)) control->SetText(a.ValueText);
      if (FieldControl* label = controls_.Label(a.Target); label != nullptr && !Leaves(a.CaptionText)) {
        label->SetText(a.CaptionText);
      }
      SetState(control, a.ControlState);
      SetState(controls_.PickButton(a.Target), a.SecondState);
      SetState(controls_.Label(a.Target), a.LabelState);
      break;
    case scribe::kUIChoice:
      if (control != nullptr && !Leaves(a.ValueText)) control->SetText(a.ValueText);
      SetState(control, a.ControlState);
      SetState(controls_.Label(a.Target), a.LabelState);
      break;
    default:
      break;
  }
  if (a.BlankFlag == 0 || a.BlankFlag == 1) {
    target.CanFieldBeBlank = static_cast<std::uint8_t>(a.BlankFlag);
    tableChanged_ = true;
  }
  ApplyDefinitionChanges(source, target, a, a.Target);
}

const PBFieldDef* GrayRuleEngine::SourceEntry(int source) const {
  const int edit = source - 1;
  return edit >= 0 && edit < edits_ ? &table_.Entries()[edit] : nullptr;
}

std::string GrayRuleEngine::SourceEditText(int source) const {
  const PBFieldDef* e = SourceEntry(source);
  FieldControl* control = e != nullptr ? ControlOf(*e) : nullptr;
  return control != nullptr ? control->Text(scribe::kGotoLabelBufferSize) : std::string();
}

void GrayRuleEngine::ApplyDefinitionChanges(int source, PBFieldDef& t, const GrayAction& a, int targetIndex) {
  const std::uint16_t mask = a.ChangeMask;
  if (mask & 1) {
    t.Allowed1 = a.Allowed1;
    t.Allowed2 = a.Allowed2;
    t.AddStructs = a.AddStructs;
    t.StructNum = a.StructNum;
    t.WholeArray = a.WholeArray;
    t.MinNumber = a.MinNumber;
  }
  if (mask & 2) {
    t.MinValRange = a.MinValRange;
    t.MaxValRange = a.MaxValRange;
    t.NeedItBeInRange = 1;
  }
  if (mask & 4) t.StrSize = a.StrSize;
  if (mask & 8) {
    t.ScalarType = a.ScalarType;
    t.NumRadioInArray = static_cast<std::int8_t>(a.ScalarType == kTypeVoiceSentence ? 1 : 0);
  }
  if (mask & 16) t.SpecialRange = a.SpecialRange;
  if (mask & 32) {
    if (t.GotoNotOnIcon != a.GotoNotOnIcon) gotoChanged_ = true;
    t.GotoNotOnIcon = a.GotoNotOnIcon;
  }
  if (mask & 64) t.FieldRepresentation = a.FieldRepresentation;
  if (mask & 128) {
    const std::string text = SourceEditText(source);
    char* label = table_.LabelBuffer(targetIndex);
    if (label != nullptr) {
      const bool blank = IsBlankText(text.c_str());
      if (blank && label[0] != '\0') {
        label[0] = '\0';
        gotoChanged_ = true;
      } else if (!blank && text != label) {
        std::strncpy(label, text.c_str(), scribe::kGotoLabelBufferSize - 1);
        label[scribe::kGotoLabelBufferSize - 1] = '\0';
        gotoChanged_ = true;
      }
    }
  }
  if (mask & 256) {
    const std::string text = SourceEditText(source);
    const PBFieldDef* from = SourceEntry(source);
    int type = -1;
    if (!IsRuleTextEmpty(text) && from != nullptr) {
      SymP ref;
      ParseVariableReference(text.c_str(), ref, FieldTypeMask(*from), &type, program_);
      if (ref.S == nullptr) type = -1;
    }
    if (type >= 0) {
      t.ScalarType = static_cast<std::int16_t>(type);
      MasksOfType(type, t);
    } else {
      t.Allowed1 = 0x18007E;
      t.Allowed2 = 0x200000;
    }
  }
  if (mask != 0) tableChanged_ = true;
}

}  // namespace zeph
