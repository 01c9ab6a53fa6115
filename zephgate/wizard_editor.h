#pragma once
// Add and Edit of the login dialog through the system wizard: the name check becomes the
// wizard's validator, and a refused name is explained while the wizard stays open.
#include "system_edit.h"
#include "system_wizard.h"

namespace gate {

class WizardSystemEditor final : public SystemEditor {
 public:
  explicit WizardSystemEditor(CSystemWizard& wizard) : wizard_(wizard) {}
  bool Edit(CSystemInfo& system, const SystemNameCheck& nameFree) override;

 private:
  CSystemWizard& wizard_;
};

}  // namespace gate
