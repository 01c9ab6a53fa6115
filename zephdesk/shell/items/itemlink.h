// The server link's item calls, behind one interface: the shell installs the one over the
// client library's exports on Windows; tests install a recording fake or the stand-in.
#pragma once

#include "shell/items/itemtransfer.h"

class KvItemLink {
public:
    virtual ~KvItemLink() = default;
    // Operation 21 add, 23 remove, 25 delete a fax item's content.
    virtual int ManipulateItem(int customerId, int applicationId, int operation, KvItemTransfer* item) = 0;
    virtual int RecordVoiceItem(int customerId, int applicationId, KvItemTransfer* item) = 0;
    virtual int ImportVoiceItem(int customerId, int applicationId, KvItemTransfer* item, const char* wavFile) = 0;
    virtual int ImportFaxItem(int customerId, int applicationId, KvItemTransfer* item, const char* tiffFile) = 0;
    virtual int CutCopyPasteItem(int operation, int customerId, int applicationId, KvItemTransfer* item,
                                 int targetCustomerId, int targetApplicationId, KvItemTransfer* targetItem) = 0;
};

// The installed calls; null until the shell or a test installs some (not owned).
KvItemLink* KvGetItemLink();
void KvSetItemLink(KvItemLink* link);

#ifdef _WIN32
// The calls over the client library's exports.
KvItemLink& KvExportItemLink();
#endif
