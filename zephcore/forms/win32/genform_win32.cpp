// The table-driven property forms.
#include "forms/win32/genform.h"

#include <new>

#include "forms/engine/fieldengine.h"
#include "foundation/kvassert.h"
#include "model/modelcodes.h"
#include "model/pbaccess.h"
#include "model/pbcat.h"
#include "owl/groupbox.h"

namespace zeph {

DEFINE_RESPONSE_TABLE(TGenEdit, TEdit)
  EV_WM_KEYDOWN,
END_RESPONSE_TABLE;

void TGenEdit::EvKeyDown(UINT key, UINT repeatCount, UINT flags) {
  if (key == 'I' && (::GetKeyState(VK_CONTROL) & 0x8000) != 0) {
    char text[256] = {};
    GetText(text, sizeof text);
    TWindow* owner = Parent != nullptr ? Parent->Parent : nullptr;
    if (owner != nullptr && owner->HWindow != nullptr) {
      ::SendMessageA(owner->HWindow, kMsgEditInfo, 0, reinterpret_cast<LPARAM>(text));
    }
  }
  TEdit::EvKeyDown(key, repeatCount, flags);
}

DEFINE_RESPONSE_TABLE(TGenForm, TGenericForm)
  EV_COMMAND_RANGE(kPickButtonBase, kPickButtonBase + kMaxEdits - 1, PickButton),
END_RESPONSE_TABLE;

namespace {

// Whether every entry's value lies inside the parameter area.
bool EntriesInsideArea(const PBFieldDef* table) {
  for (const PBFieldDef* e = table; !e->IsEnd(); ++e) {
    if (e->SkipMe) continue;
    const int width = e->UsesValueSlot() ? scribe::kValueSlotSize : 2;
    if (e->FieldOffset < 0 || e->FieldOffset + width > kParameterAreaSize) return false;
  }
  return true;
}

template <class T, class... Args>
T* MakeControl(Args&&... args) {
  return new (std::nothrow) T(std::forward<Args>(args)...);
}

}  // namespace

TGenForm::TGenForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table,
                   int edits, int checks, int gotoPosition, FormShape shape)
    : TGenericForm(parent, resource), edits_(edits), checks_(checks), gotoPosition_(gotoPosition) {
  Instance = instance;
  if (!KV_ASSERT(instance != nullptr && table != nullptr)) {
    Refuse();
    return;
  }
  table_.Assign(instance->OwnTable ? instance->OwnTable->Entries() : table);
  Table = table_.Entries();
  const FormCounts counts = CountFormEntries(Table);
  if (!FormFitsLimits(counts, shape) || !KV_ASSERT(counts.Edits == edits && counts.Checks == checks) ||
      !KV_ASSERT(EntriesInsideArea(Table))) {
    Refuse();
    return;
  }
  int count = 0;
  for (int j = 0; j < edits_; ++j) {
    // The first goto jumps to the goto position, unless the count has passed it.
    if (table_[j].IsGoto() && gotoPosition_ >= count) {
      firstGoto_ = j;
      count = gotoPosition_;
    }
    ids_.push_back(count);
    TGenEdit* edit = MakeControl<TGenEdit>(this, kEditBase + count);
    if (!Bind(j, edit, std::unique_ptr<FieldControl>(new (std::nothrow) WindowControl(edit)))) return;
    editControls_.push_back(edit);
    ++count;
  }
  for (int k = 0; k < checks_; ++k) {
    TCheckBox* box = MakeControl<TCheckBox>(this, kCheckBoxBase + k, nullptr);
    if (!Bind(edits_ + k, box, std::unique_ptr<FieldControl>(new (std::nothrow) WindowControl(box)))) return;
    checkControls_.push_back(box);
  }
  for (int j = 0; j < edits_; ++j) {
    labels_.push_back(MakeControl<TStatic>(this, kLabelBase + ids_[static_cast<std::size_t>(j)],
                                           static_cast<UINT>(kLabelTextLimit)));
  }
}

TGenForm::~TGenForm() = default;

bool TGenForm::Bind(int entry, TWindow* control, std::unique_ptr<FieldControl> binding) {
  if (control == nullptr || !binding) {
    ShowFormMessage(nullptr, kErrOutOfMemory);
    Refuse();
    return false;
  }
  table_[entry].ControlPtr = binding.get();
  bindings_.push_back(std::move(binding));
  return true;
}

int TGenForm::Execute() { return usable_ ? TGenericForm::Execute() : IDCANCEL; }

int TGenForm::PickFieldOf(int button) const {
  return button < gotoPosition_ ? button : button - gotoPosition_ + firstGoto_;
}

void TGenForm::PickButton(UINT id) {
  const int field = PickFieldOf(static_cast<int>(id) - kPickButtonBase);
  if (field < 0 || field >= edits_) return;
  PickField(field, editControls_[static_cast<std::size_t>(field)],
            table_[field].NumRadioInArray == 0 ? kPickKindVariable : kPickKindVoiceSentence);
}

void TGenForm::SetupWindow() {
  TGenericForm::SetupWindow();
  for (int j = 0; j < edits_; ++j) {
    const PBFieldDef& e = table_[j];
    if (e.Name[0] == '\0') continue;
    TStatic* label = labels_[static_cast<std::size_t>(j)];
    if (label != nullptr && label->HWindow != nullptr) label->SetText(e.Name);
    if (editControls_[static_cast<std::size_t>(j)]->HWindow != nullptr) editControls_[static_cast<std::size_t>(j)]->EnableWindow(true);
    if (HWND pick = ::GetDlgItem(HWindow, kPickButtonBase + ids_[static_cast<std::size_t>(j)])) ::EnableWindow(pick, TRUE);
  }
  for (int k = 0; k < checks_; ++k) {
    TCheckBox* box = checkControls_[static_cast<std::size_t>(k)];
    if (box->HWindow != nullptr) box->SetCaption(table_[edits_ + k].Name);
  }
  InstanceRecord record = Record();
  PBFormLoadFields(Table, record, Program());
}

bool TGenForm::CanClose() { return TGenericForm::CanClose() && ValidateAndStore(); }

bool TGenForm::ValidateAndStore() {
  int unfinished = 0;
  int complete = 1;
  if (!PBFormValidate(Table, &unfinished, &complete, HWindow, Program())) return false;
  InstanceRecord record = Record();
  const int rc = PBFormStoreFields(Table, record, Program());
  if (rc != 0) {
    // A closed form always means saved: a failed store keeps it open.
    ShowFormMessage(HWindow, rc);
    return false;
  }
  Instance->Complete = static_cast<std::int16_t>(complete);
  return true;
}

TGenFormPlus::TGenFormPlus(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table,
                           int edits, int checks, int combos, FormShape shape)
    : TGenForm(parent, resource, instance, table, edits, checks, 0, shape), combos_(combos) {
  if (!usable_) return;
  if (!KV_ASSERT(CountFormEntries(Table).Combos == combos)) {
    Refuse();
    return;
  }
  for (int c = 0; c < combos_; ++c) {
    TComboBox* combo = MakeControl<TComboBox>(this, kComboBase + c, 0u);
    if (!Bind(edits_ + checks_ + c, combo, std::unique_ptr<FieldControl>(new (std::nothrow) ComboControl(combo)))) {
      return;
    }
    comboControls_.push_back(combo);
    labels_.push_back(MakeControl<TStatic>(this, kLabelBase + edits_ + c, static_cast<UINT>(kLabelTextLimit)));
  }
}

void TGenFormPlus::MakeRadioButtons(const std::function<TGroupBox*(int group)>& groupBox) {
  int r = 0;
  for (int g = 0; g < RadioGroupCount(); ++g) {
    PBFieldDef& e = table_[RadioEntry(g)];
    auto group = std::unique_ptr<RadioGroupControl>(new (std::nothrow) RadioGroupControl());
    if (!group) return;
    TGroupBox* box = groupBox ? groupBox(g) : nullptr;
    for (int b = 0; b < RadioCount(e); ++b, ++r) {
      TRadioButton* button = MakeControl<TRadioButton>(this, kRadioBase + r, box);
      radios_.push_back(button);
      group->Buttons.push_back(button);
    }
    e.ControlPtr = group.get();
    groups_.push_back(group.get());
    bindings_.push_back(std::move(group));
  }
}

void TGenFormPlus::CreateRadioGroups() { MakeRadioButtons(nullptr); }

void TGenFormPlus::ApplyLabels() {
  for (int j = 0; j < edits_; ++j) {
    const PBFieldDef& e = table_[j];
    TStatic* label = labels_[static_cast<std::size_t>(j)];
    if (e.Name[0] != '\0' && e.Name[0] != '^' && label != nullptr && label->HWindow != nullptr) label->SetText(e.Name);
  }
  for (int k = 0; k < checks_; ++k) {
    const PBFieldDef& e = table_[edits_ + k];
    TCheckBox* box = checkControls_[static_cast<std::size_t>(k)];
    if (e.Name[0] != '^' && box->HWindow != nullptr) box->SetCaption(e.Name);
  }
  for (int c = 0; c < combos_; ++c) {
    const PBFieldDef& e = table_[edits_ + checks_ + c];
    TStatic* label = labels_[static_cast<std::size_t>(edits_ + c)];
    if (e.Name[0] != '^' && label != nullptr && label->HWindow != nullptr) label->SetText(e.Name);
  }
}

void TGenFormPlus::SetupWindow() {
  if (groups_.empty()) CreateRadioGroups();
  TGenericForm::SetupWindow();
  ApplyLabels();
  for (int c = 0; c < combos_; ++c) {
    TComboBox* combo = comboControls_[static_cast<std::size_t>(c)];
    if (combo->HWindow != nullptr) FillCombo(*combo, table_[edits_ + checks_ + c]);
  }
  LoadValues();
}

void TGenFormPlus::FillCombo(TComboBox& combo, const PBFieldDef& entry) {
  const PBChoiceList* list = TheCatalogue().ChoiceList(entry.NumRadioInArray);
  if (list == nullptr || list->Texts == nullptr || list->Texts[0] == nullptr) return;
  for (const char* const* s = list->Texts; *s != nullptr; ++s) combo.AddString(*s);
  combo.SetSelIndex(0);
}

void TGenFormPlus::LoadValues() {
  InstanceRecord record = Record();
  PBFormLoadFields(Table, record, Program());
  SetRadioGroups();
}

void TGenFormPlus::SetRadioGroups() {
  PBFieldAccessor accessor(Instance, 0, Table, 0, Program());
  for (int g = 0; g < RadioGroupCount(); ++g) {
    const int entry = RadioEntry(g);
    if (table_[entry].NumRadioInArray > 0) continue;
    std::int32_t number = 0;
    accessor.GetEntry(entry, &number);
    groups_[static_cast<std::size_t>(g)]->CheckButton(number - 1);
  }
}

bool TGenFormPlus::ValidateAndStore() {
  if (!TGenForm::ValidateAndStore()) return false;
  PBFieldAccessor accessor(Instance, 0, Table, 0, Program());
  for (int g = 0; g < RadioGroupCount(); ++g) {
    const int checked = groups_[static_cast<std::size_t>(g)]->CheckedButton();
    if (checked < 0) continue;
    const std::int32_t number = checked + 1;
    accessor.SetEntry(RadioEntry(g), &number);
  }
  return true;
}

TWholeTab::TWholeTab(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table,
                     int edits, int checks)
    : TGenForm(parent, resource, instance, table, edits, checks, 0, FormShape::WholeTable) {}

void TWholeTab::SetupWindow() {
  if (groups_.empty() && usable_) {
    int r = 0;
    for (int i = 0; i < table_.Count(); ++i) {
      PBFieldDef& e = table_[i];
      if (e.UIElement != scribe::kUIRadioGroup) continue;
      auto group = std::unique_ptr<RadioGroupControl>(new (std::nothrow) RadioGroupControl());
      if (!group) break;
      for (int b = 0; b < RadioCount(e); ++b, ++r) group->Buttons.push_back(MakeControl<TRadioButton>(this, kRadioBase + r, nullptr));
      e.ControlPtr = group.get();
      groups_.emplace_back(i, group.get());
      bindings_.push_back(std::move(group));
    }
  }
  TGenForm::SetupWindow();
  PBFieldAccessor accessor(Instance, 0, Table, 0, Program());
  for (const auto& [entry, group] : groups_) {
    std::int32_t number = 0;
    accessor.GetEntry(entry, &number);
    group->CheckButton(number - 1);   // a selection outside the group checks none
  }
}

bool TWholeTab::ValidateAndStore() {
  if (!TGenForm::ValidateAndStore()) return false;
  PBFieldAccessor accessor(Instance, 0, Table, 0, Program());
  for (const auto& [entry, group] : groups_) {
    const int checked = group->CheckedButton();
    if (checked < 0) continue;   // no checked button keeps the old selection
    const std::int32_t number = checked + 1;
    accessor.SetEntry(entry, &number);
  }
  return true;
}

}  // namespace zeph
