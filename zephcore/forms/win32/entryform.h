#pragma once
// The Entry VavurOrezo's own form: its template places the entries' controls by its own
// ids, and the verification choice decides which of the range, database and user
// VavurOrezo fields are required and which are emptied. Windows only.

#include <memory>
#include <vector>

#include "forms/engine/formtable.h"
#include "forms/win32/controlbindings.h"
#include "forms/win32/controls.h"
#include "forms/win32/genericform.h"

namespace zeph {

inline constexpr const char kEntryFormResource[] = "DIALOG_ENTRY";
inline constexpr int kEntryVerifyRadios = 403;   // "None", "Range", "Database", "User Function"
inline constexpr int kEntryPickBase = 451;       // pick button of entry i: 451 + i

// The edit of each entry (0 for the radio group).
extern const int kEntryEditIds[18];

class TEntryForm : public TGenericForm {
 public:
  TEntryForm(TWindow* parent, const char* resource, PBInstance* instance);
  int Execute() override { return usable_ ? TGenericForm::Execute() : IDCANCEL; }
  bool CanClose() override;
  virtual bool ValidateAndStore();

 protected:
  void SetupWindow() override;

 private:
  void PickButton(UINT id);
  bool Bind(int entry, TWindow* control, std::unique_ptr<FieldControl> binding);

  FormTable table_;
  std::vector<TEdit*> edits_;
  ControlBindings bindings_;
  bool usable_ = true;

  DECLARE_RESPONSE_TABLE(TEntryForm);
};

}  // namespace zeph
