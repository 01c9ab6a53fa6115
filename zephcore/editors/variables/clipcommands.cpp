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

// Pastes symbols of the mode, then fixes their references and refreshes pasted blocks.
bool PasteSymbols(TVlxClipboard& clipboard, TProgram& program, int mode, const char* wrongKind,
                  const ConflictsDialog& conflicts) {
  if (!ReadyToPaste(clipboard, program, mode, wrongKind, conflicts)) return false;
  if (clipboard.Paste(program, -1) != 0) return false;
  clipboard.UpdateParmsAfterPaste(0, 0);
  clipboard.ResolveSymbolFixups(program);
  if (Symbol** tree = program.Symbols().TreeSlot(kTypeVavurOrezo)) VerifyPastedBlocks(*tree, program.Symbols());
  return true;
}

// Copies one symbol (and what it depends on) into an emptied clipboard of the mode.
bool CopySymbol(TVlxClipboard& clipboard, Symbol& symbol, TProgram& program, std::int16_t mode) {
  clipboard.Empty();
  clipboard.SourceSerial = static_cast<std::int32_t>(program.SerialNumber());
  clipboard.Mode = mode;
  TProgram::DisableSymbolPageCheck allPages(program);
  return clipboard.AddSymbol(&symbol, symbol.Name, program) == 0;
}

}  // namespace

ConflictsDialog StandardConflictsDialog() {
  return [](TProgram& target) { return RunNameConflictsDialog(target, 0, nullptr) == kDialogDone; };
}

bool CopyVariable(TVlxClipboard& clipboard, Symbol& variable, TProgram& program) {
  return CopySymbol(clipboard, variable, program, kClipSymbol);
}

bool CopyStructure(TVlxClipboard& clipboard, const StructDef& definition, TProgram& program) {
  clipboard.Empty();
  clipboard.SourceSerial = static_cast<std::int32_t>(program.SerialNumber());
  clipboard.Mode = kClipStructure;
  return clipboard.AddStructDefn(&definition, program) == 0;
}

bool PasteVariables(TVlxClipboard& clipboard, TProgram& program, const ConflictsDialog& conflicts) {
  return PasteSymbols(clipboard, program, kClipSymbol, "The Last Cut/Copy Operation Was Not A Variable!", conflicts);
}

bool CopySentence(TVlxClipboard& clipboard, Symbol& sentence, TProgram& program) {
  return CopySymbol(clipboard, sentence, program, kClipSentence);
}

bool PasteSentences(TVlxClipboard& clipboard, TProgram& program, const ConflictsDialog& conflicts) {
  return PasteSymbols(clipboard, program, kClipSentence, "The Last Cut/Copy Operation Was Not A Voice Sentence!",
                      conflicts);
}

bool PasteStructures(TVlxClipboard& clipboard, TProgram& program, const ConflictsDialog& conflicts) {
  if (!ReadyToPaste(clipboard, program, kClipStructure, "The Last Cut/Copy Operation Was Not A Structure Defn!",
                    conflicts)) {
    return false;
  }
  return clipboard.PasteStructDefns(program) == 1;
}

}  // namespace zeph
