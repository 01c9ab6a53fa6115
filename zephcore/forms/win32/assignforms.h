#pragma once
// The assignment, compare, add and subtract forms: table-driven forms whose operands'
// types decide which types the other operands may hold. Windows only.

#include <memory>

#include "forms/assign/operandtypes.h"
#include "forms/win32/genform.h"

namespace zeph {

class TOperandForm : public TGenForm {
 public:
  TOperandForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits,
               int checks, int operands);

 protected:
  // The type the operand's edit names (the whole text).
  int TypeOf(int field) const;
  std::string TextOf(int field) const;
  // The type of what the stored value of a field names, kUnknownType when none.
  int StoredType(int field) const;
  bool HasStoredValue(int field) const;
  void Pick(int field);
  // The source (field 1) is read as the type of the variable the target names: from the
  // target's edit, or at set-up from its stored value.
  void SourceTypeFromTarget();
  void SourceTypeFromStoredTarget();

  std::unique_ptr<OperandMasks> masks_;
};

class TAssign : public TOperandForm {
 public:
  TAssign(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits, int checks);
  bool ValidateAndStore() override;
  void UpdateSecondField();
  void UpdateFirstField();
  bool BooleanTarget() const { return booleanTarget_; }

 protected:
  void SetupWindow() override;

 private:
  void PickTarget() { Pick(0); UpdateSecondField(); }
  void PickSource() { Pick(1); UpdateFirstField(); }
  bool booleanTarget_ = false;

  DECLARE_RESPONSE_TABLE(TAssign);
};

class TCompare : public TOperandForm {
 public:
  TCompare(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits, int checks);
  bool ValidateAndStore() override;
  void UpdateSecondField();
  void UpdateFirstField();

 protected:
  void SetupWindow() override;

 private:
  void PickFirst() { Pick(0); UpdateSecondField(); }
  void PickSecond() { Pick(1); UpdateFirstField(); }

  DECLARE_RESPONSE_TABLE(TCompare);
};

// Add (subtract = false) and subtract.
class TArithmeticForm : public TOperandForm {
 public:
  TArithmeticForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits,
                  int checks, bool subtract);
  bool ValidateAndStore() override;
  void UpdateOperandMasks();

 protected:
  void SetupWindow() override;

 private:
  void PickOperand(UINT id) { Pick(static_cast<int>(id) - kPickButtonBase); UpdateOperandMasks(); }
  void UpdateOperandMasksById(UINT) { UpdateOperandMasks(); }
  bool subtract_;

  DECLARE_RESPONSE_TABLE(TArithmeticForm);
};

class TAdd : public TArithmeticForm {
 public:
  TAdd(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits, int checks)
      : TArithmeticForm(parent, resource, instance, table, edits, checks, false) {}
};

class TSubtract : public TArithmeticForm {
 public:
  TSubtract(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits,
            int checks)
      : TArithmeticForm(parent, resource, instance, table, edits, checks, true) {}
};

}  // namespace zeph
