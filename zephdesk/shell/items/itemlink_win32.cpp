#include "kvlink.h"
#include "shell/items/itemlink.h"

namespace {

class ExportItemLink : public KvItemLink {
public:
    int ManipulateItem(int customerId, int applicationId, int operation, KvItemTransfer* item) override
    {
        return KvManipulateItem(customerId, applicationId, operation, item);
    }
    int RecordVoiceItem(int customerId, int applicationId, KvItemTransfer* item) override
    {
        return KvRecordVoiceItem(customerId, applicationId, item);
    }
    int ImportVoiceItem(int customerId, int applicationId, KvItemTransfer* item, const char* wavFile) override
    {
        return KvImportVoiceItem(customerId, applicationId, item, wavFile);
    }
    int ImportFaxItem(int customerId, int applicationId, KvItemTransfer* item, const char* tiffFile) override
    {
        return KvImportFaxItem(customerId, applicationId, item, tiffFile);
    }
    int CutCopyPasteItem(int operation, int customerId, int applicationId, KvItemTransfer* item,
                         int targetCustomerId, int targetApplicationId, KvItemTransfer* targetItem) override
    {
        return KvCutCopyPasteItem(operation, customerId, applicationId, item, targetCustomerId,
                                  targetApplicationId, targetItem);
    }
};

}  // namespace

KvItemLink& KvExportItemLink()
{
    static ExportItemLink link;
    return link;
}
