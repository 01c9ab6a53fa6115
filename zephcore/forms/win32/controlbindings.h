#pragma once
// The bindings of a form's controls to the entries of its table: each entry's ControlPtr
// points at a binding the form keeps for its lifetime. Windows only.

#include <memory>
#include <vector>

#include "forms/engine/fieldcontrol.h"
#include "model/pbfielddef.h"
#include "owl/window.h"

namespace zeph {

class ControlBindings {
 public:
  // Attaches the binding to the entry. A control or binding that could not be made is
  // shown as "Out of memory" and answers false.
  bool Bind(PBFieldDef& entry, TWindow* control, std::unique_ptr<FieldControl> binding);

 private:
  std::vector<std::unique_ptr<FieldControl>> bindings_;
};

}  // namespace zeph
