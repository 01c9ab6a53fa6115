// The parameter-block set-up forms' base.
#include "forms/win32/blockform.h"

#include "forms/engine/fieldengine.h"
#include "foundation/kvassert.h"
#include "model/modelcodes.h"

namespace zeph {

TBlockForm::TBlockForm(TWindow* parent, const char* resource, unsigned char* block, int blockSize,
                       int recordSize, bool readOnly, const std::vector<PBFieldDef>& entries)
    : TGenericForm(parent, resource), block_(block), recordSize_(recordSize), readOnly_(readOnly) {
  if (!KV_ASSERT(block != nullptr && blockSize >= recordSize)) Refuse();
  std::vector<PBFieldDef> copy = entries;
  copy.push_back(PBFieldDef());
  table_.Assign(copy.data());
  Table = table_.Entries();
}

TBlockForm::~TBlockForm() = default;

void TBlockForm::OutOfMemory() {
  if (!reported_) ShowFormMessage(nullptr, kErrOutOfMemory);
  reported_ = true;
  Refuse();
}

TCheckBox* TBlockForm::MakeCheck(int id) { return Own(new (std::nothrow) TCheckBox(this, id, nullptr)); }
TRadioButton* TBlockForm::MakeRadio(int id) { return Own(new (std::nothrow) TRadioButton(this, id, nullptr)); }
TEdit* TBlockForm::MakeEdit(int id) { return Own(new (std::nothrow) TEdit(this, id, 0)); }

bool TBlockForm::BindEdit(int entry, int id) { return Bind(entry, MakeEdit(id)); }
bool TBlockForm::BindCheck(int entry, int id) { return Bind(entry, MakeCheck(id)); }

bool TBlockForm::Bind(int entry, TWindow* control) {
  if (control == nullptr) return false;
  std::unique_ptr<FieldControl> binding(new (std::nothrow) WindowControl(control));
  if (!binding) {
    OutOfMemory();
    return false;
  }
  table_[entry].ControlPtr = binding.get();
  bindings_.push_back(std::move(binding));
  return true;
}

int TBlockForm::Execute() { return usable_ ? TGenericForm::Execute() : IDCANCEL; }

void TBlockForm::SetupWindow() {
  TGenericForm::SetupWindow();
  if (readOnly_) EnableControl(IDOK, false);
}

void TBlockForm::LoadFields() {
  BlockRecord record(block_, recordSize_);
  PBFormLoadFields(Table, record, Program());
}

bool TBlockForm::ValidateFields() {
  int unfinished = 0;
  int complete = 1;
  return PBFormValidate(Table, &unfinished, &complete, HWindow, Program()) != 0;
}

bool TBlockForm::StoreFields(unsigned char* record) {
  BlockRecord target(record, recordSize_);
  const int rc = PBFormStoreFields(Table, target, Program());
  if (rc != 0) ShowFormMessage(HWindow, rc);
  return rc == 0;
}

bool TBlockForm::CanClose() {
  if (!TGenericForm::CanClose()) return false;
  std::vector<unsigned char> record(block_, block_ + recordSize_);
  if (!Commit(record.data())) return false;
  std::memcpy(block_, record.data(), record.size());
  return true;
}

bool TBlockForm::Checked(int id) const {
  return ::IsDlgButtonChecked(HWindow, id) == BST_CHECKED;
}

void TBlockForm::SetChecked(int id, bool on) { ::CheckDlgButton(HWindow, id, on ? BST_CHECKED : BST_UNCHECKED); }

void TBlockForm::EnableControl(int id, bool on) {
  if (HWND control = ::GetDlgItem(HWindow, id)) ::EnableWindow(control, on ? TRUE : FALSE);
}

}  // namespace zeph
