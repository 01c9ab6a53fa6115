#pragma once
// The wizard's last page: when SSL is used and on which port.
#include <cstdint>
#include <string>

#include "mfc/controls.h"
#include "setup_page.h"

class CPage4 : public CSetupPage {
 public:
  explicit CPage4(CWizardSheet& sheet);

  void LoadFrom(const CSystemInfo& system) override;
  int StoreTo(CSystemInfo& system) override;

  BOOL OnInitDialog() override;

 private:
  void OnLevelClicked();
  // The level of the checked button (the loaded one when none is).
  std::int32_t CheckedLevel() const;
  bool Validate();

  std::int32_t level_ = 0;
  CEdit portEdit_;
  std::string port_;

  DECLARE_RESPONSE_TABLE(CPage4);
};
