// Renaming the exit of an End Block through its label.
#include "model/superblk_endpage.h"

#include "foundation/kvmsgbox.h"
#include "model/pbaccess_msgtext.h"
#include "model/superblk.h"

namespace zeph {

SBEndPageLabel::SBEndPageLabel(PBInstance& endBlock, SymbolTable* program)
    : endBlock_(endBlock),
      program_(program),
      label_(endBlock.Companion.empty() ? endBlock.Name : endBlock.Companion) {}

int SBEndPageLabel::Commit(const char* text, Symbol* page, HWND window) {
  std::string label(text != nullptr ? text : "");
  if (label.size() > static_cast<std::size_t>(kEndPageLabelLimit - 1)) label.resize(kEndPageLabelLimit - 1);
  if (label.empty()) {
    const std::size_t dollar = endBlock_.Name.find('$');
    label = dollar == std::string::npos ? endBlock_.Name : endBlock_.Name.substr(dollar + 1);
  }
  if (label == label_) {
    endBlock_.Companion = label;
    return 1;
  }
  SBInterfaceTable table(page, program_);
  const int rc = table.RenameEntry(label_.c_str(), label.c_str());
  if (rc != 0) {
    // The End Block keeps its label, so that it still names its exit.
    KvMessageBoxRequest request;
    request.text = PBMessageText(rc);
    request.caption = "";
    request.style = kKvMbOk | kKvMbIconHand;
    request.owner = window != nullptr ? KvBoxOwner::Window : KvBoxOwner::ActiveWindow;
    request.window = window;
    KvMessageBox(request);
    return 0;
  }
  endBlock_.Companion = label;
  label_ = label;
  return 1;
}

}  // namespace zeph
