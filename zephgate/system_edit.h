#pragma once
// Add and Edit of the login dialog: the system editor (the system wizard) changes a copy,
// and the store takes it. A rename must never replace another system, and a rename that
// only changes letter case must not delete what was just stored.
#include <functional>
#include <string>

#include "login_app.h"
#include "systems_repository.h"

namespace gate {

// Whether a name may be taken by the edited system.
using SystemNameCheck = std::function<bool(const CSystemInfo& system)>;

class SystemEditor {
 public:
  virtual ~SystemEditor() = default;
  // Edits `system`; true when confirmed. The editor refuses names `nameFree` rejects.
  virtual bool Edit(CSystemInfo& system, const SystemNameCheck& nameFree) = 0;
};

struct SystemEditOutcome {
  std::string selectName;  // the name to select once the list is refilled ("" none)
  std::string errorText;   // a store failure to show (caption "Error")
};

// `selected` is the selected system's name, empty for "<new system>".
SystemEditOutcome AddOrEditSystem(CLoginApp& app, SystemEditor& editor, const std::string& selected);

}  // namespace gate
