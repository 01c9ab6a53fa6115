// Copy and Paste of variables and structure definitions.
#include "editors/variables/clipcommands.h"

#include <string>
#include <vector>

#include "foundation/kvmsgbox.h"
#include "model/datatypes.h"
#include "model/program/program.h"
#include "programfile/clipboard/clipboard.h"
#include "programfile/clipboard/clipdialogs.h"
#include "programfile/clipboard/clipinfo.h"

namespace zeph {
namespace {

void ShowError(const char* text) {
  KvMessageBoxRequest box;
  box.text = text;
  box.caption = "Error";
  box.style = kKvMbOk | kKvMbIconHand;
  KvMessageBox(box);
}

// The checks and the conflicts dialog before a paste of the kind.
bool ReadyToPaste(TVlxClipboard& clipboard, TProgram& program, int mode, const char* wrongKind,
                  const ConflictsDialog& conflicts) {
  if (clipboard.GetCount() == 0 || clipboard.Mode == kClipEmpty) {
    ShowError("The Clipboard Is Empty!");
    return false;
  }
  if (clipboard.Mode != mode) {
    ShowError(wrongKind);
    return false;
  }
  std::vector<TClipInfo> clashes;
  if (clipboard.FindNameConflicts(clashes, program) == 0) return true;
  return conflicts && conflicts(program);
}

}  // namespace

ConflictsDialog StandardConflictsDialog() {
  return [](TProgram& target) { return RunNameConflictsDialog(target, 0, nullptr) == kDialogDone; };
}

bool CopyVariable(TVlxClipboard& clipboard, Symbol& variable, TProgram& program) {
  clipboard.Empty();
  clipboard.SourceSerial = static_cast<std::int32_t>(program.SerialNumber());
  clipboard.Mode = kClipSymbol;
  TProgram::DisableSymbolPageCheck allPages(program);
  return clipboard.AddSymbol(&variable, variable.Name, program) == 0;
}

bool CopyStructure(TVlxClipboard& clipboard, const StructDef& definition, TProgram& program) {
  clipboard.Empty();
  clipboard.SourceSerial = static_cast<std::int32_t>(program.SerialNumber());
  clipboard.Mode = kClipStructure;
  return clipboard.AddStructDefn(&definition, program) == 0;
}

bool PasteVariables(TVlxClipboard& clipboard, TProgram& program, const ConflictsDialog& conflicts) {
  if (!ReadyToPaste(clipboard, program, kClipSymbol, "The Last Cut/Copy Operation Was Not A Variable!", conflicts)) {
    return false;
  }
  if (clipboard.Paste(program, -1) != 0) return false;
  clipboard.UpdateParmsAfterPaste(0, 0);
  clipboard.ResolveSymbolFixups(program);
  if (Symbol** tree = program.Symbols().TreeSlot(kTypeVavurOrezo)) VerifyPastedBlocks(*tree, program.Symbols());
  return true;
}

bool PasteStructures(TVlxClipboard& clipboard, TProgram& program, const ConflictsDialog& conflicts) {
  if (!ReadyToPaste(clipboard, program, kClipStructure, "The Last Cut/Copy Operation Was Not A Structure Defn!",
                    conflicts)) {
    return false;
  }
  return clipboard.PasteStructDefns(program) == 1;
}

}  // namespace zeph
