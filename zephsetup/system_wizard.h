#pragma once
// The system wizard: a new configured system is entered in four wizard pages
// (connection, address, name, security); an existing one is shown in the same pages as a
// tabbed sheet. The record changes only when the sheet is confirmed.
#include <string>

#include "mfc/object.h"
#include "setup_export.h"
#include "system_info.h"
#include "wizard_services.h"

// Asked with the edited record when the sheet is confirmed; 0 keeps the sheet open.
using SystemValidator = int (*)(void* context, const CSystemInfo* system);

class ZEPHSETUP_API CSystemWizard : public CObject {
 public:
  CSystemWizard();
  ~CSystemWizard() override;

  static CObject* CreateObject();
  static const CRuntimeClass classCSystemWizard;
  const CRuntimeClass* GetRuntimeClass() const override;

  // 1 when the sheet was confirmed (the record holds the edit), 0 when cancelled.
  int Edit(CSystemInfo& system, SystemValidator validator, void* context);
  void GetHelpPath(std::string& path) const { path = helpPath_; }

  // The look-ups, dial-up networking and help the pages use (tests set their own).
  void SetServices(const setup::WizardServices& services) { services_ = services; }

 protected:
  // HelpDir of the installation (empty when missing) and "zephdesk.hlp".
  void SetHelpPath();

 private:
  std::string helpPath_;
  setup::WizardServices services_;
};
