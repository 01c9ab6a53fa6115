#include "system_wizard.h"

#include "owl/module.h"
#include "registry_key.h"
#include "setup_module.h"
#include "wizard_sheet.h"

namespace {
CObject* MakeWizard() { return new CSystemWizard; }
const CRuntimeClassRegistration wizardRegistration(CSystemWizard::classCSystemWizard);
constexpr const char* kInstallationKey = "SOFTWARE\\Tarvix\\Vantora\\Flowsmith";
}  // namespace

const CRuntimeClass CSystemWizard::classCSystemWizard = {"CSystemWizard", &MakeWizard};

CSystemWizard::CSystemWizard() = default;
CSystemWizard::~CSystemWizard() = default;

CObject* CSystemWizard::CreateObject() { return MakeWizard(); }

const CRuntimeClass* CSystemWizard::GetRuntimeClass() const { return &classCSystemWizard; }

void CSystemWizard::SetHelpPath() {
  std::string helpDir;
  CRegistryKey key;
  if (key.Open(HKEY_LOCAL_MACHINE, kInstallationKey, KEY_READ)) helpDir = key.QueryString("HelpDir").value_or("");
  helpPath_ = helpDir + "zephdesk.hlp";
}

int CSystemWizard::Edit(CSystemInfo& system, SystemValidator validator, void* context) {
  SetHelpPath();
  const bool isNew = system.IsEmpty() != 0;
  // The sheet is modal over the window the user came from.
  TWindow* owner = setup::SetupModule().GetParentObject(::GetActiveWindow());
  CWizardSheet sheet(isNew ? "[New system]" : system.Name, owner, system, validator, context, services_, helpPath_);
  if (isNew) sheet.SetWizardMode();
  const INT_PTR result = sheet.DoModal();
  if (result != IDOK && result != CPropertySheet::kFinishButton) return 0;
  system = sheet.Working();
  return 1;
}
