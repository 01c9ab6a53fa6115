#pragma once
// The base of the own forms that keep a fixed field table and place its controls by their
// own ids (the message and voice menu forms): each entry has its control (an edit, or a
// check box for a check-box entry) and its pick button, which opens the voice sentence
// list for a sentence entry and the variable picker for any other. Done validates, sets the
// VavurOrezo's complete flag, stores and sets its filled flag. Windows only.

#include <memory>
#include <vector>

#include "forms/engine/fieldrecord.h"
#include "forms/engine/formtable.h"
#include "forms/win32/controlbindings.h"
#include "forms/win32/controls.h"
#include "forms/win32/genericform.h"

namespace zeph {

// Where an entry's control and pick button are in the template.
struct OwnFormControl {
  int Control;     // the edit, or the check box of a check-box entry
  int PickButton;  // 0: none
  bool Sentence;   // the pick button opens the voice sentence list
};

class TOwnTableForm : public TGenericForm {
 public:
  // The table is copied; controls[i] places entry i (count entries). A table of another
  // length, or a control that cannot be made, is reported ("Out of memory" for the latter)
  // and the form answers Cancel without running.
  TOwnTableForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table,
                const OwnFormControl* controls, int count);

  int Execute() override { return usable_ ? TGenericForm::Execute() : IDCANCEL; }
  bool CanClose() override;
  FormTable& OwnTable() { return table_; }
  bool Usable() const { return usable_; }

 protected:
  void SetupWindow() override;
  // The pick button with this id (any other id is ignored).
  void PickButton(UINT id);
  // The text of entry i's edit (empty for a check box).
  std::string EditText(int i) const;
  // Between validation and the store: may raise the unfinished result.
  virtual void CheckBeforeStore(int& unfinished) { (void)unfinished; }
  // Where Done stores the values: the VavurOrezo's parameter area.
  virtual std::unique_ptr<FieldRecord> MakeRecord();

 private:
  bool Bind(int entry, TWindow* control, std::unique_ptr<FieldControl> binding);

  FormTable table_;
  std::vector<OwnFormControl> places_;
  std::vector<TEdit*> edits_;   // null for a check box
  ControlBindings bindings_;
  bool usable_ = true;
};

}  // namespace zeph
