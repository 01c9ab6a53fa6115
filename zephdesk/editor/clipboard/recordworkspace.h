#pragma once
// The clipboard program's workspace in the designer: item copies and references through
// the soft record bound to each block, the fault handler's messages, and the imports of
// copied imported-application blocks handed to whoever keeps the item clipboard.

#include <functional>
#include <string>

#include "editor/clipboard/clipboardmodel.h"

namespace ed {

class RecordClipboardWorkspace : public ClipboardWorkspace {
 public:
  using ImportKeeper = std::function<void(const std::string&)>;
  explicit RecordClipboardWorkspace(ImportKeeper keepImport) : keepImport_(std::move(keepImport)) {}

  void CopyItemsOf(VavurOrezo& block) override;
  void AddItemRefsOf(VavurOrezo& block) override;
  void AddClipboardImport(const std::string& superBlockName) override;
  void Report(int messageId, const std::string& argument) override;

 private:
  ImportKeeper keepImport_;
};

}  // namespace ed
