#pragma once
// The prompt database dialog ("DIALOG_PRDBS"): one edit and one browse button for the
// folder of each of the eleven prompt databases, read from and written back into the
// program's database variables through the library's prompt path buffer. Windows only.

#include "forms/win32/genericform.h"

namespace zeph {

inline constexpr const char* kPromptDialogResource = "DIALOG_PRDBS";

class TPromptDialog : public TGenericForm {
 public:
  // The program whose database variables are read and written is the form's (SetProgram;
  // null: the current one).
  TPromptDialog(TWindow* parent, const char* resource);

  bool CanClose() override;

 protected:
  void SetupWindow() override;

 private:
  void EvBrowse(UINT id);

  DECLARE_RESPONSE_TABLE(TPromptDialog);
};

}  // namespace zeph
