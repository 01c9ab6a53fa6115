// The server link's calls on whole applications (open, new, recovery, close, save, save
// as, delete), behind one interface: the designer installs the one over the client
// library's exports; tests install a scripted server.
#pragma once

#include <cstdint>

struct KvAppListEntry;
struct KvAppInfo;
struct KvRecoveryRecord;

class KvFileCalls {
public:
    virtual ~KvFileCalls() = default;
    virtual int FileOpen(KvAppListEntry* app, KvAppInfo* info) = 0;
    virtual int FileNew(KvAppListEntry* app, KvAppInfo* info) = 0;
    virtual int FileOpenOnRecovery(KvRecoveryRecord* record) = 0;
    virtual int FileClose(int customerId, int applicationId) = 0;
    virtual int FileSave(int customerId, int applicationId, int complete, int kind, KvAppInfo* info) = 0;
    virtual int FileSaveAs(int customerId, int applicationId, int complete, int newCustomerId, int newApplicationId,
                           const char* newName, int volumeId, int modification, KvAppInfo* info) = 0;
    virtual int FileDelete(int customerId, int applicationId, const char* name, int modification) = 0;
};

// The installed calls; null until the designer or a test installs some (not owned).
KvFileCalls* KvGetFileCalls();
void KvSetFileCalls(KvFileCalls* calls);

#ifdef _WIN32
// The calls over the client library's exports.
KvFileCalls& KvExportFileCalls();
#endif
