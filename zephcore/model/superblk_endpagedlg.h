#pragma once
// The property dialog of an End Block VavurOrezo: one edit control with the block's label.
// OK hands the new label to SBEndPageLabel, which renames the exit in the active page's
// interface table; a refused rename keeps the dialog open. Windows only: include it from
// *_win32 files.

#include <array>

#include "foundation/kvbasedlg.h"
#include "model/superblk_endpage.h"
#include "owl/edit.h"

namespace zeph {

struct PBType;
class SymbolTable;

class TEndPageDialog : public TBaseDialog {
 public:
  // The program is the one whose active page holds the End Block (null: the current one).
  TEndPageDialog(TWindow* parent, PBInstance& endBlock, SymbolTable* program = nullptr);
  ~TEndPageDialog() override;

  // OK: the edit's text becomes the label; false keeps the dialog open after a refusal.
  bool CanClose() override;

 private:
  SymbolTable* program_;
  SBEndPageLabel label_;
  TEdit* edit_;
  std::array<char, kEndPageLabelLimit> transfer_{};
};

// The End Block's form factory: a new dialog for the owner window (a TWindow, or null).
void* NewEndPageDialog(void* owner, PBInstance* endBlock, const PBType* slot);

}  // namespace zeph
