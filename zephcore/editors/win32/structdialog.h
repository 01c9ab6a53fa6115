#pragma once
// The fields editor of one structure ("DIALOG_STRUCT"): adds members after or before the
// selected one, deletes and resizes them, with the warning about variables' set-up asked
// once, and at Done rebuilds the storage of the structure's variables or deals with an
// empty structure. keep tells the structure list whether the structure stays. Windows only.

#include <string>

#include "foundation/kvbasedlg.h"
#include "model/structdef.h"
#include "owl/edit.h"
#include "owl/listbox.h"

namespace zeph {

class TProgram;

inline constexpr const char* kStructResource = "DIALOG_STRUCT";

enum StructControls : int {
  kStructFieldName = 351, kStructTypes = 352, kStructSize = 353, kStructFields = 354,
  kStructAddAfter = 134, kStructAddBefore = 133, kStructDelete = 138, kStructResize = 143,
};

inline constexpr const char* kStructWarningText =
    "Warning: editing this structure will erase any setup information for variables of this type; Choose YES "
    "to cancel the operation";

class TStruct : public TBaseDialog {
 public:
  TStruct(TWindow* parent, const char* resource, StructDef& def, TProgram& program, bool& keep);
  ~TStruct() override;

  bool CanClose() override;

 protected:
  void SetupWindow() override;

 private:
  void Refill(int select);
  bool Confirmed();
  int SelectedMember() const;
  void EvTypeChange();
  void Add(bool after);
  void EvAddAfter() { Add(true); }
  void EvAddBefore() { Add(false); }
  void EvDelete();
  void EvResize();

  StructDef& def_;
  TProgram& program_;
  bool& keep_;
  bool confirmed_ = false;
  bool sizeEnabled_ = false;
  TEdit* name_ = nullptr;
  TListBox* types_ = nullptr;
  TEdit* size_ = nullptr;
  TListBox* fields_ = nullptr;

  DECLARE_RESPONSE_TABLE(TStruct);
};

}  // namespace zeph
