#include "kvlink.h"
#include "shell/serverlists/kvlinkcalls.h"

namespace {

class ExportCalls : public KvLinkCalls {
public:
    int FilesToDisplay(KvAppListEntry** list, int kind, int customerId, int applicationId) override
    {
        return KvFilesToDisplay(reinterpret_cast<int*>(list), kind, customerId, applicationId);
    }
    int FilesToPump(KvAppListEntry** list) override { return KvFilesToPump(reinterpret_cast<int*>(list)); }
    int ResPermToDisplay(KvResPermListEntry** list) override
    {
        return KvResPermToDisplay(reinterpret_cast<int*>(list));
    }
    int LanguagesToDisplay(KvLanguageEntry** list) override
    {
        return KvLanguagesToDisplay(reinterpret_cast<int*>(list));
    }
    int VolumeToDisplay(KvVolumeEntry** list) override { return KvVolumeToDisplay(reinterpret_cast<int*>(list)); }
    int FreeAllocatedMemory(void* list) override { return KvFreeAllocatedMemory(list); }
    int FileImport(KvImportRequest* request) override { return KvFileImport(request); }
    int GetDataFromFS(KvImportRequest* request) override { return KvGetDataFromFS(request); }
    int ResPermUsed(int customerId, int applicationId, KvResPermRequest* request) override
    {
        return KvResPermUsed(customerId, applicationId, request);
    }
    int GetResPermDataFromFS(int customerId, int applicationId, KvResPermEntry* entries) override
    {
        return KvGetResPermDataFromFS(customerId, applicationId, entries);
    }
    int IsImported(int customerId, int applicationId, int* out) override
    {
        return KvIsImported(customerId, applicationId, out);
    }
    int FileProperties(KvAppInfo* info) override { return KvFileProperties(info); }
    int EncryptString(const char* text, char* out) override { return KvEncryptString(text, out); }
    int GetUnusedID(int* out) override { return KvGetUnusedID(out); }
};

}  // namespace

KvLinkCalls& KvExportLinkCalls()
{
    static ExportCalls calls;
    return calls;
}
