// Binding a form's controls to its table.
#include "forms/win32/controlbindings.h"

#include "forms/win32/genericform.h"
#include "model/modelcodes.h"

namespace zeph {

bool ControlBindings::Bind(PBFieldDef& entry, TWindow* control, std::unique_ptr<FieldControl> binding) {
  if (control == nullptr || !binding) {
    ShowFormMessage(nullptr, kErrOutOfMemory);
    return false;
  }
  entry.ControlPtr = binding.get();
  bindings_.push_back(std::move(binding));
  return true;
}

}  // namespace zeph
