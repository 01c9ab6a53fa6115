#pragma once
// The two dialogs that give a variable, or a member of a structured variable, its initial
// value: TSetup through an edit control, TSetupBoolean through two radio buttons (701 on,
// 702 off). Windows only: include it from *_win32 files.

#include "foundation/kvbasedlg.h"
#include "model/program/variable_setup.h"
#include "owl/edit.h"

namespace zeph {

inline constexpr const char* kSetupDialog = "DIALOG_SETUP";
inline constexpr const char* kSetupBooleanDialog = "DIALOG_SETUP_BOOLEAN";

class TSetup : public TBaseDialog {
 public:
  // module: the dialog resource library (null: the program's dialog library).
  TSetup(TWindow* parent, Symbol* variable, const char* memberPath, TModule* module = nullptr,
         SymbolTable* program = nullptr);
  void SetupWindow() override;
  // A text that does not parse is refused with its message; the dialog stays open.
  bool CanClose() override;

 private:
  VariableSetup setup_;
  TEdit* edit_;
};

class TSetupBoolean : public TBaseDialog {
 public:
  TSetupBoolean(TWindow* parent, Symbol* variable, const char* memberPath, TModule* module = nullptr,
                SymbolTable* program = nullptr);
  void SetupWindow() override;
  bool CanClose() override;

 private:
  VariableSetup setup_;
};

}  // namespace zeph
