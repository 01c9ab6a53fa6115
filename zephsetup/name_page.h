#pragma once
// The wizard's third page: the system's name (the address typed on the second page when
// left empty) and comments. The name is checked when the sheet is confirmed.
#include <string>

#include "mfc/controls.h"
#include "setup_page.h"

class CPage3 : public CSetupPage {
 public:
  explicit CPage3(CWizardSheet& sheet);

  void LoadFrom(const CSystemInfo& system) override;
  int StoreTo(CSystemInfo& system) override;

  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;

 private:
  std::string name_;
  std::string comments_;
  CEdit nameEdit_;
  CEdit commentsEdit_;
};
