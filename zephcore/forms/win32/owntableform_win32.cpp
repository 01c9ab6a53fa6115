// The own forms with a fixed field table.
#include "forms/win32/owntableform.h"

#include <new>

#include "forms/engine/fieldengine.h"
#include "forms/win32/sentencepick.h"
#include "foundation/kvassert.h"
#include "owl/checkbox.h"

namespace zeph {

TOwnTableForm::TOwnTableForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table,
                             const OwnFormControl* controls, int count)
    : TGenericForm(parent, resource), places_(controls, controls + count) {
  Instance = instance;
  if (!KV_ASSERT(instance != nullptr && table != nullptr && CountFields(table) == count)) {
    usable_ = false;
    return;
  }
  table_.Assign(table);
  Table = table_.Entries();
  edits_.assign(static_cast<std::size_t>(count), nullptr);
  for (int i = 0; i < count; ++i) {
    const int id = places_[static_cast<std::size_t>(i)].Control;
    if (table_[i].UIElement == scribe::kUICheckBox) {
      TCheckBox* box = new (std::nothrow) TCheckBox(this, id, nullptr);
      if (!Bind(i, box, std::unique_ptr<FieldControl>(new (std::nothrow) WindowControl(box)))) return;
      continue;
    }
    TEdit* edit = new (std::nothrow) TEdit(this, id, 0);
    if (!Bind(i, edit, std::unique_ptr<FieldControl>(new (std::nothrow) WindowControl(edit)))) return;
    edits_[static_cast<std::size_t>(i)] = edit;
  }
}

bool TOwnTableForm::Bind(int entry, TWindow* control, std::unique_ptr<FieldControl> binding) {
  if (!bindings_.Bind(table_[entry], control, std::move(binding))) usable_ = false;
  return usable_;
}

std::unique_ptr<FieldRecord> TOwnTableForm::MakeRecord() {
  return std::make_unique<InstanceRecord>(Instance->Area);
}

void TOwnTableForm::SetupWindow() {
  TGenericForm::SetupWindow();
  InstanceRecord record(Instance->Area);
  PBFormLoadFields(Table, record, Program());
}

std::string TOwnTableForm::EditText(int i) const {
  TEdit* edit = i >= 0 && i < static_cast<int>(edits_.size()) ? edits_[static_cast<std::size_t>(i)] : nullptr;
  if (edit == nullptr || edit->HWindow == nullptr) return std::string();
  char text[128] = {};
  edit->GetText(text, sizeof text);
  return text;
}

void TOwnTableForm::PickButton(UINT id) {
  for (std::size_t i = 0; i < places_.size(); ++i) {
    const OwnFormControl& place = places_[i];
    if (place.PickButton == 0 || place.PickButton != static_cast<int>(id)) continue;
    if (place.Sentence) {
      PickSentenceField(*this, table_[static_cast<int>(i)], edits_[i]);
    } else {
      PickField(static_cast<int>(i), edits_[i], kPickKindVariable);
    }
    return;
  }
}

bool TOwnTableForm::CanClose() {
  if (!TGenericForm::CanClose()) return false;
  int unfinished = 0;
  int complete = 1;
  if (!PBFormValidate(Table, &unfinished, &complete, HWindow, Program())) return false;
  Instance->Complete = static_cast<std::int16_t>(complete);
  CheckBeforeStore(unfinished);
  std::unique_ptr<FieldRecord> record = MakeRecord();
  const int rc = PBFormStoreFields(Table, *record, Program());
  if (rc != 0) {
    // The message says what was not kept; the form closes with the complete flag set and
    // the filled flag as it was.
    ShowFormMessage(HWindow, rc);
    return true;
  }
  Instance->Filled = static_cast<std::int16_t>(unfinished == 0 ? 1 : 0);
  return true;
}

}  // namespace zeph
