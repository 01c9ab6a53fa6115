// The End Block's label dialog over the window-class layer.
#include "model/superblk_endpagedlg.h"

#include <algorithm>
#include <new>

#include "model/superblk.h"
#include "model/symtable.h"

namespace zeph {

TEndPageDialog::TEndPageDialog(TWindow* parent, PBInstance& endBlock, SymbolTable* program)
    : TBaseDialog(parent, kEndPageDialogResource),
      program_(program),
      label_(endBlock, program),
      edit_(new TEdit(this, kEndPageLabelControl, kEndPageLabelLimit)) {
  // Set-up and every later transfer in put the label into the edit control.
  const std::string& label = label_.Label();
  const std::size_t n = std::min(label.size(), transfer_.size() - 1);
  std::copy_n(label.data(), n, transfer_.data());
  SetTransferBuffer(transfer_.data());
}

TEndPageDialog::~TEndPageDialog() = default;

bool TEndPageDialog::CanClose() {
  if (!TBaseDialog::CanClose()) return false;
  std::array<char, kEndPageLabelLimit> text{};
  edit_->GetText(text.data(), static_cast<int>(text.size()));
  SymbolTable* table = ResolveProgram(program_);
  Symbol* page = table != nullptr ? FindPage(table->CurrentPageName().c_str(), table) : nullptr;
  return label_.Commit(text.data(), page, HWindow) == 1;
}

void* NewEndPageDialog(void* owner, PBInstance* endBlock, const PBType*) {
  if (endBlock == nullptr) return nullptr;
  return new (std::nothrow) TEndPageDialog(static_cast<TWindow*>(owner), *endBlock);
}

}  // namespace zeph
