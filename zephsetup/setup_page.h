#pragma once
// A page of the system wizard: marks itself visited and sets the wizard's buttons when it
// becomes active, paints the picture, answers F1 with its help context, and shows why it
// refuses its values (making itself the active page first, so the box and the focus land
// on what the user must change).
#include <cstdint>
#include <string>

#include "system_info_page.h"

class CWizardSheet;

class CSetupPage : public CPropertyPage, public CSystemInfoPage {
 public:
  CSetupPage(CWizardSheet& sheet, UINT templateId, std::int32_t helpContext, DWORD wizardButtons);

  BOOL OnSetActive() override;
  void OnPaint(HDC dc) override;
  void OnHelpKey() override;

 protected:
  CWizardSheet& Sheet() const { return sheet_; }
  // A message of the wizard's strings.
  static std::string Message(UINT id);
  // Shows the text (an OK box with the given icon) and puts the focus on the control
  // (none for 0).
  void Refuse(const std::string& text, UINT icon, int focusId);
  void EnableControl(int id, bool enable);
  bool IsChecked(int id) const;

 private:
  CWizardSheet& sheet_;
  std::int32_t helpContext_;
  DWORD wizardButtons_;
};
