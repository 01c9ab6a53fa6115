// The variable picker's list commands.
#include "editors/win32/varpickcommands.h"

#include "editors/variables/clipcommands.h"
#include "editors/variables/varcommands.h"
#include "editors/win32/makevardialog.h"
#include "editors/win32/namedialog.h"
#include "editors/win32/resizedialog.h"
#include "editors/win32/setupforms.h"
#include "editors/win32/structmemdialog.h"
#include "forms/engine/formcodes.h"
#include "forms/win32/genericform.h"
#include "editors/win32/stopbox.h"
#include "model/datatypes.h"
#include "model/program/program.h"
#include "model/program/setupdlg.h"
#include "programfile/clipboard/clipboard.h"

namespace zeph {
namespace {

VariableSetupOpener& Opener() {
  static VariableSetupOpener opener = &OpenVariableSetupForm;
  return opener;
}

VariableSelection SelectionOf(const TVarPick& picker) {
  VariableSelection selection;
  selection.Symbol = picker.SelectedSymbol(selection.MemberLine);
  return selection;
}

void Add(TVarPick& picker, TProgram& program) {
  const TypeMask mask = picker.Request().Mask();
  if (MaskHasBuiltin(mask, kTypeVavurOrezo)) {
    ShowStopBox(picker.HWindow, "To add a VavurOrezo, close windows and choose 'Add' from the VavurOrezo Menu");
    return;
  }
  if (MaskHasBuiltin(mask, kTypeVerificationBlock)) {
    ShowStopBox(picker.HWindow, "Use Define|Verification Blocks to create a new Verification Block");
    return;
  }
  TVarMake make(&picker, kMakeVarResource, picker.Request(), program);
  if (make.Execute() == IDOK) picker.Reshow(make.Created());
}

void Setup(TVarPick& picker, TProgram& program) {
  const VariableSelection selection = SelectionOf(picker);
  const SetupPlan plan = PlanVariableSetup(selection);
  if (selection.Symbol != nullptr && !selection.MemberLine) picker.SetCurrentSymbol(selection.Symbol);
  switch (plan.Action) {
    case SetupAction::Refused:
      if (!plan.Message.empty()) ShowStopBox(picker.HWindow, plan.Message);
      return;
    case SetupAction::Form: {
      ValueBlockData* block = PrepareSetupBlock(*selection.Symbol, *plan.Form);
      if (block == nullptr) {
        ShowFormMessage(picker.HWindow, kErrOutOfMemory);
        return;
      }
      Opener()(&picker, plan, *selection.Symbol, block);
      return;
    }
    case SetupAction::FaxEditor:
      Opener()(&picker, plan, *selection.Symbol, nullptr);
      picker.CloseWindow(IDOK);
      return;
    case SetupAction::Boolean: {
      TSetupBoolean dialog(&picker, selection.Symbol, nullptr, nullptr, &program.Symbols());
      dialog.Execute();
      return;
    }
    case SetupAction::Value: {
      TSetup dialog(&picker, selection.Symbol, nullptr, nullptr, &program.Symbols());
      dialog.Execute();
      return;
    }
    case SetupAction::Nothing:
      return;
  }
}

void Rename(TVarPick& picker, TProgram& program) {
  const VariableSelection selection = SelectionOf(picker);
  VariableCommands commands(program);
  const std::string oldName = selection.Symbol != nullptr ? selection.Symbol->Name : "";
  auto ask = [&](const std::string& caption, std::string& newName) {
    TSymName dialog(&picker, kStructNameResource, newName, caption, oldName, program);
    return dialog.Execute() == IDOK;
  };
  if (commands.Rename(selection, ask)) picker.Reshow(selection.Symbol);
}

void Resize(TVarPick& picker, TProgram& program) {
  const VariableSelection selection = SelectionOf(picker);
  VariableCommands commands(program);
  if (!commands.MayResize(selection)) return;
  TResizeDialog dialog(&picker, kResizeResource, selection.Symbol, &program);
  if (dialog.Execute() == IDOK) picker.Reshow(selection.Symbol);
}

}  // namespace

void SetVariableSetupOpener(VariableSetupOpener opener) {
  Opener() = opener ? std::move(opener) : VariableSetupOpener(&OpenVariableSetupForm);
}

void RunVariableCommand(TVarPick& picker, int command) {
  TProgram* program = TProgram::Current();
  if (program == nullptr) return;
  switch (command) {
    case kPickAdd: Add(picker, *program); return;
    case kPickSetup: Setup(picker, *program); return;
    case kPickRename: Rename(picker, *program); return;
    case kPickResize: Resize(picker, *program); return;
    case kPickDelete:
      if (VariableCommands(*program).Delete(SelectionOf(picker))) picker.Reshow(nullptr);
      return;
    case kPickCopy: {
      const VariableSelection selection = SelectionOf(picker);
      if (VariableCommands(*program).MayCopy(selection)) CopyVariable(TheClipboard(), *selection.Symbol, *program);
      return;
    }
    case kPickPaste:
      if (PasteVariables(TheClipboard(), *program, StandardConflictsDialog())) picker.Reshow(nullptr);
      return;
    default:
      return;
  }
}

void InstallVariableCommands() {
  TVarPick::SetCommandHandler(&RunVariableCommand);
  TVarPick::SetMemberChooser(&ChooseStructureMember);
}

}  // namespace zeph
