// The assignment, compare, add and subtract forms.
#include "forms/win32/assignforms.h"

#include "forms/engine/fieldengine.h"
#include "foundation/kvassert.h"
#include "model/datatypes.h"
#include "model/pbaccess_fields.h"
#include "model/varref.h"

namespace zeph {

TOperandForm::TOperandForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table,
                           int edits, int checks, int operands)
    : TGenForm(parent, resource, instance, table, edits, checks) {
  if (!usable_) return;
  if (!KV_ASSERT(edits_ >= operands)) {
    Refuse();
    return;
  }
  masks_ = std::make_unique<OperandMasks>(Table, operands);
}

std::string TOperandForm::TextOf(int field) const {
  TGenEdit* edit = editControls_[static_cast<std::size_t>(field)];
  if (edit == nullptr || edit->HWindow == nullptr) return std::string();
  return WindowControl(edit).Text(kFieldTextLimit);
}

int TOperandForm::TypeOf(int field) const { return ResolveFieldType(TextOf(field), Program()); }

int TOperandForm::StoredType(int field) const {
  const SymP* slot = Instance->Area.FindSlot(table_.Entries()[field].FieldOffset);
  if (slot == nullptr || slot->S == nullptr) return kUnknownType;
  return GetReferenceType(*slot, nullptr, Program());
}

bool TOperandForm::HasStoredValue(int field) const {
  return !Instance->Area.IsSlotEmpty(table_.Entries()[field].FieldOffset);
}

void TOperandForm::Pick(int field) {
  if (field < 0 || field >= edits_) return;
  PickField(field, editControls_[static_cast<std::size_t>(field)], kPickKindVariable);
}

DEFINE_RESPONSE_TABLE(TAssign, TOperandForm)
  EV_EN_KILLFOCUS(kEditBase, UpdateSecondField),
  EV_EN_KILLFOCUS(kEditBase + 1, UpdateFirstField),
  EV_BN_CLICKED(kPickButtonBase, PickTarget),
  EV_BN_CLICKED(kPickButtonBase + 1, PickSource),
END_RESPONSE_TABLE;

TAssign::TAssign(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits,
                 int checks)
    : TOperandForm(parent, resource, instance, table, edits, checks, 2) {}

void TAssign::UpdateSecondField() {
  if (!masks_) return;
  const int t = TypeOf(0);
  if (t != kUnknownType) booleanTarget_ = false;
  if (AssignUpdateSource(*masks_, t)) booleanTarget_ = true;
}

void TAssign::UpdateFirstField() {
  if (!masks_) return;
  const std::string text = TextOf(1);
  AssignUpdateTarget(*masks_, !text.empty() && text[0] == '\'' ? kUnknownType : ResolveFieldType(text, Program()));
}

void TAssign::SetupWindow() {
  SourceTypeFromStoredTarget();
  TOperandForm::SetupWindow();
  UpdateSecondField();
  UpdateFirstField();
}

void TOperandForm::SourceTypeFromTarget() {
  SymP target;
  int type = kUnknownType;
  ParseVariableReference(TextOf(0).c_str(), target, FieldTypeMask(table_[0]), &type, Program());
  if (target.S != nullptr && type >= 0) table_[1].ScalarType = static_cast<std::int16_t>(type);
}

void TOperandForm::SourceTypeFromStoredTarget() {
  if (!usable_ || !HasStoredValue(1)) return;
  const int t = StoredType(0);
  if (t != kUnknownType) table_[1].ScalarType = static_cast<std::int16_t>(t);
}

bool TAssign::ValidateAndStore() {
  SourceTypeFromTarget();
  // A Boolean target takes a variable only.
  if (booleanTarget_) table_[1].FieldRepresentation = scribe::kReprVariable;
  const bool ok = TOperandForm::ValidateAndStore();
  table_[1].FieldRepresentation = scribe::kReprEither;
  return ok;
}

DEFINE_RESPONSE_TABLE(TCompare, TOperandForm)
  EV_EN_KILLFOCUS(kEditBase, UpdateSecondField),
  EV_EN_KILLFOCUS(kEditBase + 1, UpdateFirstField),
  EV_BN_CLICKED(kPickButtonBase, PickFirst),
  EV_BN_CLICKED(kPickButtonBase + 1, PickSecond),
END_RESPONSE_TABLE;

TCompare::TCompare(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits,
                   int checks)
    : TOperandForm(parent, resource, instance, table, edits, checks, 2) {}

void TCompare::UpdateSecondField() {
  if (masks_) CompareUpdateSecond(*masks_, TypeOf(0));
}

void TCompare::UpdateFirstField() {
  if (masks_) CompareUpdateFirst(*masks_, TypeOf(1));
}

void TCompare::SetupWindow() {
  SourceTypeFromStoredTarget();
  TOperandForm::SetupWindow();
  UpdateSecondField();
  UpdateFirstField();
}

bool TCompare::ValidateAndStore() {
  SourceTypeFromTarget();
  return TOperandForm::ValidateAndStore();
}

DEFINE_RESPONSE_TABLE(TArithmeticForm, TOperandForm)
  EV_CHILD_NOTIFY_RANGE(kEditBase, kEditBase + 2, EN_KILLFOCUS, UpdateOperandMasksById),
  EV_COMMAND_RANGE(kPickButtonBase, kPickButtonBase + 2, PickOperand),
END_RESPONSE_TABLE;

TArithmeticForm::TArithmeticForm(TWindow* parent, const char* resource, PBInstance* instance,
                                 const PBFieldDef* table, int edits, int checks, bool subtract)
    : TOperandForm(parent, resource, instance, table, edits, checks, 3), subtract_(subtract) {}

void TArithmeticForm::UpdateOperandMasks() {
  if (!masks_) return;
  const int a = TypeOf(0), b = TypeOf(1), r = TypeOf(2);
  if (subtract_) {
    SubtractUpdateOperands(*masks_, a, b, r);
  } else {
    AddUpdateOperands(*masks_, a, b, r);
  }
}

void TArithmeticForm::SetupWindow() {
  TOperandForm::SetupWindow();
  UpdateOperandMasks();
}

bool TArithmeticForm::ValidateAndStore() {
  int types[3];
  for (int i = 0; i < 3; ++i) types[i] = OperandStoreType(TextOf(i), table_[i], Program());
  if (subtract_) {
    SubtractStoreTypes(types[0], types[1], types[2]);
  } else {
    AddStoreTypes(types[0], types[1], types[2]);
  }
  for (int i = 0; i < 3; ++i) {
    if (types[i] != 0) table_[i].ScalarType = static_cast<std::int16_t>(types[i]);
  }
  return TOperandForm::ValidateAndStore();
}

}  // namespace zeph
