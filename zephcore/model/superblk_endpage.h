#pragma once
// The label of an End Block VavurOrezo, as its property dialog edits it: the label is the
// name of the page's exit that the End Block stands for, so a new label renames that exit
// in the page's interface table. The dialog itself ("DIALOG_END_PAGE", an edit control
// 500 of at most 54 characters) is a window-layer class that drives this object.

#include <string>

#include "foundation/kvwintypes.h"
#include "model/pbentry_instance.h"

namespace zeph {

class SymbolTable;

inline constexpr const char* kEndPageDialogResource = "DIALOG_END_PAGE";
inline constexpr int kEndPageLabelControl = 500;
inline constexpr int kEndPageLabelLimit = 55;   // characters with the terminator

class SBEndPageLabel {
 public:
  // Remembers the End Block and its label: its label text, or its name when that is empty.
  explicit SBEndPageLabel(PBInstance& endBlock, SymbolTable* program = nullptr);

  // The text the edit control starts with.
  const std::string& Label() const { return label_; }

  // OK with the edit's text: an empty text takes the part of the VavurOrezo's name after
  // its "$". An unchanged label closes at once; else the exit is renamed in the page's
  // interface table and the End Block takes the new label. Returns 1 to close, 0 to stay
  // open after a message about the refused rename (owned by the window).
  int Commit(const char* text, Symbol* page, HWND window);

 private:
  PBInstance& endBlock_;
  SymbolTable* program_;
  std::string label_;
};

}  // namespace zeph
