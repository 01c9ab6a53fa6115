#pragma once
// The own form of the voice menu in its older parameter layout: a "Log Menu Selection"
// box, the menu parameters, five voice sentences, a goto for each of the twelve keys and
// the no-answer and wrong-answer gotos, on the table that older application files' menus
// are read with. A menu without any key goto is stored all the same, after a warning, and
// marked as not filled. Windows only.

#include "forms/win32/owntableform.h"

namespace zeph {

inline constexpr const char kMenuFormResource[] = "DIALOG_MENUFORM";
inline constexpr int kMenuFormEntries = 21;
inline constexpr int kMenuFirstKeyGoto = 7;
inline constexpr int kMenuKeyGotos = 12;

// The control and pick button of each entry.
const OwnFormControl* MenuFormControls();

class TMenuForm : public TOwnTableForm {
 public:
  TMenuForm(TWindow* parent, const char* resource, PBInstance* instance);

 protected:
  void CheckBeforeStore(int& unfinished) override;

 private:
  DECLARE_RESPONSE_TABLE(TMenuForm);
};

}  // namespace zeph
