// The server link's calls that the document, the server lists and the reference lists
// make, behind one interface: the shell installs the one over the client library's exports
// on Windows; tests install a fake server.
#pragma once

struct KvAppListEntry;
struct KvAppInfo;
struct KvImportRequest;
struct KvResPermRequest;
struct KvResPermEntry;
struct KvResPermListEntry;
struct KvLanguageEntry;
struct KvVolumeEntry;

class KvLinkCalls {
public:
    virtual ~KvLinkCalls() = default;
    // Lists: 0 and the array of fixed entries (ended by a zero entry), which the caller
    // hands back with FreeAllocatedMemory; else a result code and nothing to free.
    virtual int FilesToDisplay(KvAppListEntry** list, int kind, int customerId, int applicationId) = 0;
    virtual int FilesToPump(KvAppListEntry** list) = 0;
    virtual int ResPermToDisplay(KvResPermListEntry** list) = 0;
    virtual int LanguagesToDisplay(KvLanguageEntry** list) = 0;
    virtual int VolumeToDisplay(KvVolumeEntry** list) = 0;
    virtual int FreeAllocatedMemory(void* list) = 0;
    // Imports and used resource permissions.
    virtual int FileImport(KvImportRequest* request) = 0;
    virtual int GetDataFromFS(KvImportRequest* request) = 0;
    virtual int ResPermUsed(int customerId, int applicationId, KvResPermRequest* request) = 0;
    virtual int GetResPermDataFromFS(int customerId, int applicationId, KvResPermEntry* entries) = 0;
    virtual int IsImported(int customerId, int applicationId, int* out) = 0;
    virtual int FileProperties(KvAppInfo* info) = 0;
    virtual int EncryptString(const char* text, char* out) = 0;
    // A free application ID.
    virtual int GetUnusedID(int* out) = 0;
};

// The installed calls; null until the shell or a test installs some (not owned).
KvLinkCalls* KvGetLinkCalls();
void KvSetLinkCalls(KvLinkCalls* calls);

#ifdef _WIN32
// The calls over the client library's exports.
KvLinkCalls& KvExportLinkCalls();
#endif
