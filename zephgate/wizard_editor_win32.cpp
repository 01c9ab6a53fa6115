#include "wizard_editor.h"

#include "mfc/message_box.h"

namespace gate {
namespace {

int CheckName(void* context, const CSystemInfo* system) {
  const auto& nameFree = *static_cast<const SystemNameCheck*>(context);
  if (nameFree(*system)) return 1;
  // The wizard already refuses empty names and the forbidden characters; what is left is a
  // name another system holds, or one that cannot name a folder.
  const std::string text = IsUsableSystemName(system->Name)
                               ? "A system named '" + system->Name + "' already exists."
                               : "The system name '" + system->Name + "' cannot be used.";
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
  return 0;
}

}  // namespace

bool WizardSystemEditor::Edit(CSystemInfo& system, const SystemNameCheck& nameFree) {
  return wizard_.Edit(system, &CheckName, const_cast<SystemNameCheck*>(&nameFree)) != 0;
}

}  // namespace gate
