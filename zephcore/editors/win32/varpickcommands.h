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

// Opens what a set-up plan names beyond the editors' own dialogs: the property form of a
// record type (SetupAction::Form, with the prepared value block) and the fax document
// editor (SetupAction::FaxEditor); answers the dialog's result. The standard opener,
// OpenVariableSetupForm, runs the record forms and leaves fax documents alone; the
// designer installs one that also opens its fax editor (and calls OpenVariableSetupForm
// for the rest). Null restores the standard opener.
using VariableSetupOpener =
    std::function<int(TWindow* parent, const SetupPlan& plan, Symbol& variable, ValueBlockData* block)>;
void SetVariableSetupOpener(VariableSetupOpener opener);

// Runs the command (a control id of the picker's command buttons) on the picker's
// selected line of the current program.
void RunVariableCommand(TVarPick& picker, int command);

// Makes RunVariableCommand the picker's command handler and the structure member chooser
// the picker's chooser of "@" lines.
void InstallVariableCommands();

}  // namespace zeph
