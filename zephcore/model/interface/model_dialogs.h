#pragma once
// The model's own dialogs behind the designer's Define commands and pickers: which dialog
// each runs, on which template, with which holder and parent, and what it hands back.
// Windows only.

#include <memory>

#include "model/interface/variable_selection.h"
#include "owl/window.h"

namespace zeph {

class TProgram;
struct Symbol;

// A window handed over by the designer (or a program's owner window) as the parent of the
// layer's dialogs: an alias made for the handle, which keeps its own window procedure, and
// deleted with this object. Get is null for a null handle.
class WindowAlias {
 public:
  explicit WindowAlias(HWND window) {
    if (window != nullptr) alias_ = std::make_unique<TWindow>(window);
  }
  TWindow* Get() const { return alias_.get(); }

 private:
  std::unique_ptr<TWindow> alias_;
};

// Picks a variable. With a parent window the variable picker runs over a holder preset
// from the selection (none: unrestricted) and the current text; OK answers the library's
// reference node, now holding the choice, and Cancel null with the node unchanged.
// Without a parent window the fax item list runs over the holder instead; null.
SymP* SelectVariable(TProgram& program, const TypeSelection* selection, const char* text, TWindow* parent);

// The voice sentence picker with the sentence of that name preset (an empty name presets
// none); answers the sentence the holder names afterwards. Without a parent window the
// program's owner window owns it.
Symbol* PickVoiceSentence(TProgram& program, TWindow* parent, const char* name);

// The Define commands, each owned by the program's owner window: the fax item list, the
// structure list, and the voice file list (0).
void DefineVariableCommand(TProgram& program);
void DefineStructureCommand(TProgram& program);
int DefineVoiceSentenceCommand(TProgram& program);

}  // namespace zeph
