#include "editor/clipboard/recordworkspace.h"

#include "editor/canvas/vavurorezo.h"
#include "editor/support/boundrecord.h"
#include "foundation/kvflthnd.h"

namespace ed {

void RecordClipboardWorkspace::CopyItemsOf(VavurOrezo& block) { BoundRecord(block).CopyItemsToClipboard(); }

void RecordClipboardWorkspace::AddItemRefsOf(VavurOrezo& block) {
  BoundRecord record(block);
  record.RenumberPastedItems();
  record.AddReferences();
}

void RecordClipboardWorkspace::AddClipboardImport(const std::string& superBlockName) {
  if (keepImport_) keepImport_(superBlockName);
}

void RecordClipboardWorkspace::Report(int messageId, const std::string& argument) {
  KvFaultHandlerObj* handler = KvGetFaultHandler();
  if (handler == nullptr) return;
  KvFaultMessage message(static_cast<UINT>(messageId), argument.c_str());
  handler->Report(0, kKvSeverityWarning, kKvButtonsOk, kKvFaultOk, &message, nullptr, 0, __FILE__, __LINE__);
}

}  // namespace ed
