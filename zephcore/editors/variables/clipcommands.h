#pragma once
// Copy and Paste of the variable list and of the structure list through the model
// clipboard: the clipboard's mode says what was copied (a variable, 4; a structure
// definition, 5), and a paste of the other kind is refused. A paste whose names clash in
// the program runs the name conflicts dialog first and goes on only when it ends with Done.

#include <functional>

#include "model/structdef.h"
#include "model/symbol.h"

namespace zeph {

class TProgram;
class TVlxClipboard;

// The name conflicts dialog over the program: true when it ended with Done.
using ConflictsDialog = std::function<bool(TProgram& target)>;
// The dialog of the dialog library.
ConflictsDialog StandardConflictsDialog();

// Copies the variable (and what it depends on) into an emptied clipboard.
bool CopyVariable(TVlxClipboard& clipboard, Symbol& variable, TProgram& program);
// Copies the structure definition (nested structures first) into an emptied clipboard.
bool CopyStructure(TVlxClipboard& clipboard, const StructDef& definition, TProgram& program);

// Copies a voice sentence into an emptied clipboard (mode 3).
bool CopySentence(TVlxClipboard& clipboard, Symbol& sentence, TProgram& program);

// Pastes; refusals are shown (caption "Error"). True when something was pasted.
bool PasteVariables(TVlxClipboard& clipboard, TProgram& program, const ConflictsDialog& conflicts);
bool PasteStructures(TVlxClipboard& clipboard, TProgram& program, const ConflictsDialog& conflicts);
bool PasteSentences(TVlxClipboard& clipboard, TProgram& program, const ConflictsDialog& conflicts);

}  // namespace zeph
