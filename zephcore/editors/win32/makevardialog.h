#pragma once
// The create-variable dialog ("DIALOG_MAKEVAR"): a type from the list the calling
// picker's request allows, a name, a string size, an element count and a scope. Done
// creates the variable through the create rules and stays open on a refusal; a picker as
// parent gets the new variable as its current symbol. Windows only.

#include "editors/variables/makevar.h"
#include "forms/picker/pickrequest.h"
#include "foundation/kvbasedlg.h"
#include "owl/edit.h"
#include "owl/listbox.h"
#include "owl/radiobutton.h"

namespace zeph {

inline constexpr const char* kMakeVarResource = "DIALOG_MAKEVAR";

enum MakeVarControls : int {
  kMakeVarTypes = 186, kMakeVarName = 187, kMakeVarSize = 188, kMakeVarCount = 189,
  kMakeVarGlobal = 190, kMakeVarParameter = 191, kMakeVarLocal = 192, kMakeVarSystem = 193,
};

class TVarMake : public TBaseDialog {
 public:
  TVarMake(TWindow* parent, const char* resource, PickRequest& request, TProgram& program);
  ~TVarMake() override;

  bool CanClose() override;
  Symbol* Created() const { return created_; }

 protected:
  void SetupWindow() override;

 private:
  void EvTypeChange();
  void EvCountScope();
  void EvParameterScope();
  std::string SelectedType() const;
  int CheckedScope() const;

  PickRequest& request_;
  TProgram& program_;
  Symbol* created_ = nullptr;
  bool sizeEnabled_ = false;
  TListBox* types_ = nullptr;
  TEdit* name_ = nullptr;
  TEdit* size_ = nullptr;
  TEdit* count_ = nullptr;
  TRadioButton* global_ = nullptr;
  TRadioButton* local_ = nullptr;
  TRadioButton* parameter_ = nullptr;
  TRadioButton* system_ = nullptr;

  DECLARE_RESPONSE_TABLE(TVarMake);
};

}  // namespace zeph
