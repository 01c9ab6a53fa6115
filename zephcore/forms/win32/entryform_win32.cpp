// The Entry VavurOrezo's form.
#include "forms/win32/entryform.h"

#include <new>

#include "forms/engine/fieldengine.h"
#include "forms/engine/fieldrecord.h"
#include "foundation/kvassert.h"
#include "model/modelcodes.h"
#include "model/pbfield_lookup.h"
#include "owl/radiobutton.h"

namespace zeph {

const int kEntryEditIds[18] = {402, 0,   408, 410, 412, 414, 416, 418, 419,
                               421, 423, 425, 428, 430, 432, 434, 436, 438};

namespace {

constexpr int kEntryType = 2;
constexpr int kEntries = 18;
constexpr int kVerification = 1;
constexpr int kRangeMin = 2;
constexpr int kRangeMax = 3;
constexpr int kVerifyDatabase = 16;
constexpr int kVerifyUser = 17;
constexpr int kFirstSentence = 7;
constexpr int kLastSentence = 11;
constexpr int kVerifyChoices = 4;

}  // namespace

DEFINE_RESPONSE_TABLE(TEntryForm, TGenericForm)
  EV_COMMAND_RANGE(kEntryPickBase, kEntryPickBase + kEntries - 1, PickButton),
END_RESPONSE_TABLE;

TEntryForm::TEntryForm(TWindow* parent, const char* resource, PBInstance* instance)
    : TGenericForm(parent, resource) {
  Instance = instance;
  const PBFieldDef* table = instance != nullptr ? GetFieldTable(kEntryType, instance) : nullptr;
  if (!KV_ASSERT(table != nullptr && CountFields(table) == kEntries)) {
    usable_ = false;
    return;
  }
  table_.Assign(table);
  Table = table_.Entries();
  edits_.assign(kEntries, nullptr);
  for (int i = 0; i < kEntries; ++i) {
    if (i == kVerification) {
      auto group = std::unique_ptr<RadioGroupControl>(new (std::nothrow) RadioGroupControl());
      TWindow* first = nullptr;
      for (int b = 0; group && b < kVerifyChoices; ++b) {
        TRadioButton* radio = new (std::nothrow) TRadioButton(this, kEntryVerifyRadios + b, nullptr);
        if (radio == nullptr) break;
        group->Buttons.push_back(radio);
        if (b + 1 == kVerifyChoices) first = group->Buttons.front();
      }
      if (!Bind(i, first, std::move(group))) return;
      continue;
    }
    TEdit* edit = new (std::nothrow) TEdit(this, kEntryEditIds[i], 0);
    if (!Bind(i, edit, std::unique_ptr<FieldControl>(new (std::nothrow) WindowControl(edit)))) return;
    edits_[static_cast<std::size_t>(i)] = edit;
  }
}

bool TEntryForm::Bind(int entry, TWindow* control, std::unique_ptr<FieldControl> binding) {
  if (!bindings_.Bind(table_[entry], control, std::move(binding))) usable_ = false;
  return usable_;
}

void TEntryForm::SetupWindow() {
  TGenericForm::SetupWindow();
  InstanceRecord record(Instance->Area);
  PBFormLoadFields(Table, record, Program());
}

void TEntryForm::PickButton(UINT id) {
  const int field = static_cast<int>(id) - kEntryPickBase;
  if (field < 0 || field >= kEntries || field == kVerification) return;
  const bool sentence = field >= kFirstSentence && field <= kLastSentence;
  PickField(field, edits_[static_cast<std::size_t>(field)], sentence ? kPickKindVoiceSentence : kPickKindVariable);
}

bool TEntryForm::CanClose() { return TGenericForm::CanClose() && ValidateAndStore(); }

bool TEntryForm::ValidateAndStore() {
  // The verification choice decides which of its fields are required; the others are
  // emptied so that nothing is stored for them.
  const int choice = ControlOf(table_[kVerification])->CheckedButton();
  struct Dependent {
    int entry;
    int choice;
  };
  for (const Dependent d : {Dependent{kRangeMin, 1}, Dependent{kRangeMax, 1}, Dependent{kVerifyDatabase, 2},
                            Dependent{kVerifyUser, 3}}) {
    const bool required = choice == d.choice;
    table_[d.entry].CanFieldBeBlank = required ? 0 : 1;
    if (!required) ControlOf(table_[d.entry])->SetText("");
  }
  int unfinished = 0;
  int complete = 1;
  if (!PBFormValidate(Table, &unfinished, &complete, HWindow, Program())) return false;
  InstanceRecord record(Instance->Area);
  const int rc = PBFormStoreFields(Table, record, Program());
  if (rc != 0) {
    ShowFormMessage(HWindow, rc);
    return false;
  }
  Instance->Complete = static_cast<std::int16_t>(complete);
  Instance->Filled = static_cast<std::int16_t>(unfinished == 0 ? 1 : 0);
  return true;
}

}  // namespace zeph
