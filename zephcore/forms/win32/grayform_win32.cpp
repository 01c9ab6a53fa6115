// The rule-driven property form.
#include "forms/win32/grayform.h"

#include <cstring>
#include <new>

#include "model/modelcodes.h"
#include "model/pbaccess_notify.h"

namespace zeph {

void TGrayGroupBox::SelectionChanged(int controlId) {
  if (auto* form = dynamic_cast<TGrayForm*>(Parent)) form->RadioGroupClicked(group_, controlId - kRadioBase);
}

DEFINE_RESPONSE_TABLE(TGrayForm, TGenFormPlus)
  EV_CHILD_NOTIFY_RANGE(kEditBase, kEditBase + kMaxEdits - 1, EN_UPDATE, EvEditUpdate),
  EV_CHILD_NOTIFY_RANGE(kCheckBoxBase, kCheckBoxBase + kMaxGrayChecks - 1, BN_CLICKED, EvCheckBox),
  EV_CHILD_NOTIFY_RANGE(kComboBase, kComboBase + kMaxCombos - 1, CBN_SELCHANGE, EvCombo),
END_RESPONSE_TABLE;

TGrayForm::TGrayForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table,
                     int edits, int checks, int combos)
    : TGenFormPlus(parent, resource, instance, table, edits, checks, combos, FormShape::Gray) {
  if (!usable_) return;
  rules_ = std::make_unique<GrayRuleEngine>(table_, static_cast<GrayFormControls&>(*this), edits_, checks_, combos_);
  rules_->NumberControls();
  for (int i = 0; i < edits_; ++i) {
    TButton* pick = new (std::nothrow) TButton(this, kPickButtonBase + i);
    if (pick == nullptr) {
      ShowFormMessage(nullptr, kErrOutOfMemory);
      Refuse();
      return;
    }
    pickButtons_.push_back(pick);
  }
}

TGrayForm::~TGrayForm() = default;

void TGrayForm::CreateRadioGroups() {
  MakeRadioButtons([this](int g) -> TGroupBox* { return new (std::nothrow) TGrayGroupBox(this, kGroupBoxBase + g, g); });
}

void TGrayForm::SetupWindow() {
  TGenFormPlus::SetupWindow();
  if (rules_) rules_->EvalAll();
}

void TGrayForm::EvEditUpdate(UINT id) { EditChanged(static_cast<int>(id) - kEditBase + 1); }
void TGrayForm::EvCheckBox(UINT id) { CheckBoxClicked(static_cast<int>(id) - kCheckBoxBase + 1); }
void TGrayForm::EvCombo(UINT id) { ComboChanged(static_cast<int>(id) - kComboBase + 1); }

void TGrayForm::EditChanged(int n) {
  if (rules_ && HWindow != nullptr) rules_->EvalEditRules(n);
}
void TGrayForm::CheckBoxClicked(int n) {
  if (rules_) rules_->EvalCheckBoxRules(n);
}
void TGrayForm::ComboChanged(int n) {
  if (rules_) rules_->EvalTextRules(n);
}
void TGrayForm::RadioGroupClicked(int group, int radio) {
  if (rules_) rules_->EvalRadioRules(group, radio);
}

FieldControl* TGrayForm::Label(int entry) {
  int index = -1;
  if (entry >= 0 && entry < edits_) index = entry;
  if (entry >= edits_ + checks_ && entry < edits_ + checks_ + combos_) index = edits_ + entry - edits_ - checks_;
  if (index < 0 || index >= static_cast<int>(labels_.size())) return nullptr;
  WindowControl& c = windows_[entry];
  c.Attach(labels_[static_cast<std::size_t>(index)]);
  return &c;
}

FieldControl* TGrayForm::PickButton(int entry) {
  if (entry < 0 || entry >= static_cast<int>(pickButtons_.size())) return nullptr;
  WindowControl& c = windows_[-1 - entry];
  c.Attach(pickButtons_[static_cast<std::size_t>(table_[entry].ControlIndex)]);
  return &c;
}

FieldControl* TGrayForm::RadioButton(int entry, int button) {
  if (entry < 0 || entry >= table_.Count() || button < 0 || button >= RadioCount(table_[entry])) return nullptr;
  const int r = table_[entry].ControlIndex + button;
  if (r < 0 || r >= static_cast<int>(radios_.size())) return nullptr;
  WindowControl& c = radioWindows_[r];
  c.Attach(radios_[static_cast<std::size_t>(r)]);
  return &c;
}

FieldControl* TGrayForm::ChildWithText(const char* text) {
  if (HWindow == nullptr || text == nullptr) return nullptr;
  char buffer[256];
  for (HWND child = ::GetWindow(HWindow, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    buffer[0] = '\0';
    ::GetWindowTextA(child, buffer, sizeof buffer);
    if (std::strcmp(buffer, text) == 0) {
      named_ = std::make_unique<HwndControl>(child);
      return named_.get();
    }
  }
  return nullptr;
}

bool TGrayForm::ValidateAndStore() {
  if (!TGenFormPlus::ValidateAndStore()) return false;
  if (Instance->OwnTable) {
    table_.CopyOver(*Instance->OwnTable, rules_->GotoChanged());
  } else {
    Instance->OwnTable = table_.MakeOwnTable();
  }
  if (rules_->GotoChanged()) CurrentPBNotifier().VavurOrezoChanged(*Instance);
  return true;
}

}  // namespace zeph
