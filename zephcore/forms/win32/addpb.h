#pragma once
// The "Custom VavurOrezos" dialog: adds and deletes the current program's Custom
// VavurOrezos and chooses one whose code to edit (Setup closes the dialog with 1).
// Windows only.

#include "foundation/kvbasedlg.h"
#include "owl/edit.h"
#include "owl/listbox.h"

namespace zeph {

class TProgram;
struct CustomPBEntry;

inline constexpr const char kAddPBResource[] = "DIALOG_ADDPB";

class TAddPB : public TBaseDialog {
 public:
  // The program whose list is edited (null: the current one).
  TAddPB(TWindow* parent, const char* resource, TProgram* program = nullptr);

  // The entry chosen with Setup, or null.
  CustomPBEntry* Chosen() const { return chosen_; }

 protected:
  void SetupWindow() override;

 private:
  void CmAdd();
  void CmDelete();
  void CmSetup();
  // The selected line's text, or empty when nothing is selected.
  std::string SelectedName() const;

  TProgram* program_;
  TEdit* name_;
  TListBox* list_;
  CustomPBEntry* chosen_ = nullptr;

  DECLARE_RESPONSE_TABLE(TAddPB);
};

// The Custom VavurOrezo command: refused while a code editor is open; otherwise the dialog,
// and the code editor on the entry that Setup chose.
void CustomVavurOrezoCommand(TWindow* parent, TProgram* program = nullptr);

}  // namespace zeph
