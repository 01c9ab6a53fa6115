#include "kvlink.h"
#include "shell/operations/filecalls.h"

namespace {

class ExportFileCalls : public KvFileCalls {
public:
    int FileOpen(KvAppListEntry* app, KvAppInfo* info) override { return KvFileOpen(app, info); }
    int FileNew(KvAppListEntry* app, KvAppInfo* info) override { return KvFileNew(app, info); }
    int FileOpenOnRecovery(KvRecoveryRecord* record) override { return KvFileOpenOnRecovery(record); }
    int FileClose(int customerId, int applicationId) override { return KvFileClose(customerId, applicationId); }
    int FileSave(int customerId, int applicationId, int complete, int kind, KvAppInfo* info) override
    {
        return KvFileSave(customerId, applicationId, complete, kind, info);
    }
    int FileSaveAs(int customerId, int applicationId, int complete, int newCustomerId, int newApplicationId,
                   const char* newName, int volumeId, int modification, KvAppInfo* info) override
    {
        return KvFileSaveAs(customerId, applicationId, complete, newCustomerId, newApplicationId, newName, volumeId,
                            modification, info);
    }
    int FileDelete(int customerId, int applicationId, const char* name, int modification) override
    {
        return KvFileDelete(customerId, applicationId, name, modification);
    }
};

}  // namespace

KvFileCalls& KvExportFileCalls()
{
    static ExportFileCalls calls;
    return calls;
}
