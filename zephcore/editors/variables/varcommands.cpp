// Rename and Delete of the variable list, and the checks before Copy and Resize.
#include "editors/variables/varcommands.h"

#include <cstring>

#include "foundation/kvmsgbox.h"
#include "editors/variables/scopes.h"
#include "model/datatypes.h"
#include "model/modelcodes.h"
#include "model/pbaccess_msgtext.h"
#include "model/program/program.h"
#include "model/superblk.h"
#include "model/symtable.h"

namespace zeph {
namespace {


std::string ShortName(const std::string& name) {
  const std::size_t dollar = name.rfind('$');
  return dollar != std::string::npos ? name.substr(dollar + 1) : name;
}

}  // namespace

void VariableCommands::Show(const std::string& text) {
  KvMessageBoxRequest box;
  box.text = text.c_str();
  box.caption = "";
  box.style = kKvMbOk | kKvMbIconHand;
  KvMessageBox(box);
}

void VariableCommands::ShowCode(int code) {
  Show(PBMessageText(code));
}

bool VariableCommands::CommonChecks(const VariableSelection& selection, bool deleting) {
  if (selection.Symbol == nullptr) {
    Show(kMustSelectVariableText);
    return false;
  }
  if (selection.MemberLine) {
    Show(deleting ? "Structure members may not be deleted"
                  : "You can not select a structure member reference (@Variable); Double-click on it to see the "
                    "structure members");
    return false;
  }
  return true;
}

bool VariableCommands::Rename(const VariableSelection& selection, const NameAsker& askName) {
  if (!CommonChecks(selection, false)) return false;
  Symbol& symbol = *selection.Symbol;
  if (symbol.IsConst) {
    Show("Cannot rename constants.");
    return false;
  }
  if (!symbol.CanDelete) {
    Show("System variables can not be renamed!");
    return false;
  }
  const std::string oldName = symbol.Name;
  std::string newName;
  if (!askName("Renaming " + oldName + ".", newName)) return false;
  // A page-local name stays on its page.
  if (oldName.find('$') != std::string::npos && newName.find('$') == std::string::npos) {
    newName = program_.CurrentPageName() + "$" + newName;
  }
  const int rc = RenameSymbol(&symbol, newName.c_str(), &program_.Symbols());
  if (rc != 0) {
    ShowCode(rc);
    return false;
  }
  if (symbol.Scope == kScopeParameter) {
    SBInterfaceTable entries(program_.CurrentPage(), &program_.Symbols());
    const int entryRc = entries.RenameEntry(ShortName(oldName).c_str(), ShortName(newName).c_str());
    if (entryRc != 0) {
      ShowCode(entryRc);
      // A variable whose interface entry kept the old name would no longer match it.
      RenameSymbol(&symbol, oldName.c_str(), &program_.Symbols());
      return false;
    }
  }
  return true;
}

bool VariableCommands::Delete(const VariableSelection& selection) {
  if (!CommonChecks(selection, true)) return false;
  Symbol& symbol = *selection.Symbol;
  if (symbol.IsConst) {
    Show("Cannot delete constants.");
    return false;
  }
  if (symbol.Type == kTypeVerificationBlock) {
    Show("Use Define|Verification Blocks to delete a Verification Block");
    return false;
  }
  if (symbol.RefCnt > 0) {
    // Every use of a variable is counted where it is held (VavurOrezo fields, sentence
    // parts, fax documents, interface entries, default folders): deleting one still
    // counted would leave those holders pointing at nothing.
    ShowCode(kErrVariableInUse);
    return false;
  }
  if (!symbol.CanDelete) {
    Show("This variable can not be deleted because it is a system variable, structure member or VavurOrezo");
    return false;
  }
  const std::string name = symbol.Name;
  const bool parameter = symbol.Scope == kScopeParameter;
  KvMessageBoxRequest ask;
  const std::string question = "Delete " + name + " ?";
  ask.text = question.c_str();
  ask.caption = "";
  ask.style = kKvMbOkCancel | kKvMbIconQuestion;
  if (KvMessageBox(ask) != kKvIdOk) return false;
  const int rc = program_.DeleteNamedSymbol(&symbol, false, false);
  if (rc != 0 && rc != kRcRefused) {
    ShowCode(rc);
    return false;
  }
  if (rc != 0) return false;
  if (parameter) {
    SBInterfaceTable entries(program_.CurrentPage(), &program_.Symbols());
    const int entryRc = entries.RemoveEntry(ShortName(name).c_str());
    if (entryRc != 0) ShowCode(entryRc);
  }
  return true;
}

bool VariableCommands::MayCopy(const VariableSelection& selection) {
  if (!CommonChecks(selection, false)) return false;
  const int type = selection.Symbol->Type;
  if (type == kTypeVavurOrezo || type == kTypeSuperBlock || type == kTypeVerificationBlock) {
    Show("To copy a vavurorezo, select it with the mouse and choose copy from the main menu.");
    return false;
  }
  return true;
}

bool VariableCommands::MayResize(const VariableSelection& selection) {
  if (!CommonChecks(selection, false)) return false;
  const Symbol& symbol = *selection.Symbol;
  if (symbol.Type != kTypeString && symbol.ArraySize <= 1) return false;   // nothing to resize: no message
  if (symbol.IsConst) {
    Show("Cannot resize constants.");
    return false;
  }
  return true;
}

}  // namespace zeph
