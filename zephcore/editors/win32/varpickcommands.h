#pragma once
// The variable picker's list commands in editor mode: Add through the create dialog,
// Setup through the set-up plan, Delete, Rename through the name entry, Copy and Paste
// through the model clipboard, and Resize through the resize dialog; the list follows
// each change. Windows only.

#include <functional>

#include "editors/variables/setupplan.h"
#include "forms/win32/varpick.h"

namespace zeph {

class TProgram;

// Opens what a set-up plan names that lives outside the editors: the property form of a
// record type (SetupAction::Form, with the prepared value block or null) and the fax
// document editor (SetupAction::FaxEditor). The designer installs it; answers the
// dialog's result. Without one those set-ups open nothing.
using VariableSetupOpener =
    std::function<int(TWindow* parent, const SetupPlan& plan, Symbol& variable, ValueBlockData* block)>;
void SetVariableSetupOpener(VariableSetupOpener opener);

// Runs the command (a control id of the picker's command buttons) on the picker's
// selected line of the current program.
void RunVariableCommand(TVarPick& picker, int command);

// Makes RunVariableCommand the picker's command handler.
void InstallVariableCommands();

}  // namespace zeph
