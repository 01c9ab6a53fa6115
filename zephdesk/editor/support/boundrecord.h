#pragma once
// The soft record bound to one block's parameters, built the way the designer's
// EditorHost needs it: of the record type of the block's type, over the block, its model
// handle and its type code. It lives for one call.

#include "framework/softrec/kvsrecpbv.h"

namespace ed {

class VavurOrezo;

class BoundRecord {
 public:
  explicit BoundRecord(VavurOrezo& block);
  // Checks the fields, tells the model whether the block is finished; nonzero when it is.
  int UpdateIconFinished() { return record_.UpdateIconFinished(); }
  // Drops the block's references to voice and fax items and resource permissions.
  void ReleaseReferences();
  // Copies the voice and fax items and the resource-permission references of the
  // parameters into the item clipboard.
  void CopyItemsToClipboard() {
    record_.CopyItemsToClipboard();
    record_.CopyResPermRefs();
  }
  // A pasted block's references follow the items pasted under new IDs.
  void RenumberPastedItems() { record_.RenumberPastedItems(); }
  // Counts the block's item and permission references in its application.
  void AddReferences() {
    record_.AddItemRefs();
    record_.AddResPermRefs();
  }
  // Shows the property form; 1 when the user accepted changes.
  int EditProperties() { return record_.Edit(); }

 private:
  KvSoftRecPBV record_;
};

}  // namespace ed
