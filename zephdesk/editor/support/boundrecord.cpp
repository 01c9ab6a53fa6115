#include "editor/support/boundrecord.h"

#include "editor/canvas/vavurorezo.h"

namespace ed {

BoundRecord::BoundRecord(VavurOrezo& block)
    : record_(static_cast<WORD>(GetVavurOrezoRecordType(block.TypeCode())), &block, block.Handle(), block.TypeCode()) {}

void BoundRecord::ReleaseReferences() {
  record_.ReleaseItemRefs();
  record_.ReleaseResPermRefs();
}

}  // namespace ed
