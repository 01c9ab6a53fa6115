// The client library's exported server interface and the records it exchanges with the
// designer and the model library. All integers are 32-bit; records that hold pointers use
// the native pointer width (both sides are built together).
#pragma once
#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && defined(ZEPHLINK_BUILD)
#define ZEPHLINK_API extern "C" __declspec(dllexport)
#elif defined(_WIN32) && !defined(ZEPHLINK_STATIC)
#define ZEPHLINK_API extern "C" __declspec(dllimport)
#else
#define ZEPHLINK_API extern "C"
#endif

// One application of the application list, and the application record of open and new.
struct KvAppListEntry {
    std::int32_t customerId;
    std::int32_t applicationId;
    char name[61];
    char description[256];
    char lockingPc[31];
    char lockingUser[40];
    std::int32_t lockingTime[9];  // sec, min, hour, mday, mon, year-1900, wday, yday, isdst
    std::int32_t volumeId;
    std::int32_t reserved;
};
static_assert(sizeof(KvAppListEntry) == 440);
using KvAppRecord = KvAppListEntry;

// The application information record: the profile of the open application and the
// server path of the next save's .ED file.
struct KvAppInfo {
    std::int32_t customerId;           //   0
    std::int32_t applicationId;        //   4
    std::int32_t mediaType;            //   8
    char description[256];             //  12
    std::int32_t reserved1;            // 268
    char name[61];                     // 272
    std::int32_t spokenNameRecorded;   // 336
    char spokenName[31];               // 340
    char verfFaxNumber[21];            // 371
    std::int32_t faxNumberModifiable;  // 392
    char verfContactId[31];            // 396
    std::int32_t updatePasswordNeeded; // 428
    unsigned char updatePassword[8];   // 432
    std::int32_t maintenanceThroughDial; // 440
    char localText[17];                // 444
    std::int32_t localValue;           // 464
    std::int32_t importable;           // 468
    std::int32_t compiledOk;           // 472
    std::int32_t promptModifiable;     // 476
    char lockingPc[31];                // 480
    char lockingUser[40];              // 511
    std::int32_t lockingTime[9];       // 552
    std::int32_t volumeId;             // 588
    std::int32_t version;              // 592
    char runFilePath[100];             // 596
    char rllFilePath[100];             // 696
    char misaFilePath[100];            // 796
    std::int32_t visible;              // 896
    std::int32_t previousVersion;      // 900
    std::int32_t modificationNumber;   // 904
    char newEdPath[108];               // 908
};
static_assert(sizeof(KvAppInfo) == 1016);
static_assert(offsetof(KvAppInfo, name) == 272 && offsetof(KvAppInfo, newEdPath) == 908);
static_assert(offsetof(KvAppInfo, lockingTime) == 552 && offsetof(KvAppInfo, visible) == 896);

// Size of a profile image in the recovery record: the info record without its last word.
inline constexpr int kKvProfileImageSize = 1012;

struct KvLanguageEntry {
    std::int32_t promptLanguageId;
    std::int32_t localLanguageId;
    std::int32_t customerId;
    char name[30];
    std::int32_t reserved;   // 44
    std::int32_t modNumber;  // 48
};
static_assert(sizeof(KvLanguageEntry) == 52);

struct KvResPermListEntry {
    std::int32_t listId;
    char name[28];
};
static_assert(sizeof(KvResPermListEntry) == 32);

struct KvVolumeEntry {
    std::int32_t number;
    char text[8];
};
static_assert(sizeof(KvVolumeEntry) == 12);

// One record of the directory's error list.
struct KvDirectoryError {
    std::int32_t code;
    std::int32_t level;
    char attribute[64];
    char text1[256];
    char text2[256];
};
static_assert(sizeof(KvDirectoryError) == 584);

// An application that another one imports, and a restriction/permission list it uses.
struct KvImportEntry {
    std::int32_t customerId;
    std::int32_t applicationId;
    std::int32_t version;
};
static_assert(sizeof(KvImportEntry) == 12);
struct KvResPermEntry {
    std::int32_t customerId;
    std::int32_t applicationId;
    std::int32_t version;
    std::int32_t count;
    std::int32_t listId;
};
static_assert(sizeof(KvResPermEntry) == 20);

// The import request of KvFileImport and KvGetDataFromFS; arrays end at the first entry
// whose customer id or application id is 0.
struct KvImportRequest {
    std::int32_t customerId;
    std::int32_t applicationId;
    KvImportEntry* imports;
};
// The list request of KvResPermUsed.
struct KvResPermRequest {
    std::int32_t customerId;
    std::int32_t applicationId;
    KvImportEntry* imports;
    KvResPermEntry* resPerms;
};

// A voice or fax item: 16-bit id and media type (14 voice, 15 fax), then its texts.
struct KvItemRecord {
    std::int16_t itemId;
    std::int16_t mediaType;
    char name[31];
    char text[2049];
};
static_assert(sizeof(KvItemRecord) == 2084);

// What the designer keeps of an application open when the session broke off.
struct KvRecoveryRecord {
    unsigned char serverProfile[kKvProfileImageSize];
    unsigned char workingProfile[kKvProfileImageSize];
    std::int32_t zero;
    KvImportEntry* importsSaved;
    KvImportEntry* imports;
    KvResPermEntry* resPermsSaved;
    KvResPermEntry* resPerms;
};
static_assert(offsetof(KvRecoveryRecord, zero) == 2024);

// Session
ZEPHLINK_API int KvInitFlowsmith(const char* commandLine, int customerId, int startFlag, const char* encodedPassword,
                                 const char* serverAddress, int launchNumber, const char* userId, int logLevel,
                                 int logInterval, const char* contextId, const char* locationId, int sslPort,
                                 int sslLevel);
ZEPHLINK_API int KvTermFlowsmith();
ZEPHLINK_API int KvGetServerVersion(int, int, char* out);
ZEPHLINK_API int KvGetCustProf(int, short* out);
ZEPHLINK_API int KvGetUnusedID(int* out);
// Lists
ZEPHLINK_API int KvFilesToDisplay(int* out, int mode, int customerId, int applicationId);
ZEPHLINK_API int KvFilesToPump(int* out);
ZEPHLINK_API int KvLanguagesToDisplay(int* out);
ZEPHLINK_API int KvResPermToDisplay(int* out);
ZEPHLINK_API int KvVolumeToDisplay(int* out);
ZEPHLINK_API int KvFreeAllocatedMemory(void* list);
// Applications
ZEPHLINK_API int KvFileOpen(KvAppRecord* app, KvAppInfo* info);
ZEPHLINK_API int KvFileNew(KvAppRecord* app, KvAppInfo* info);
ZEPHLINK_API int KvFileOpenOnRecovery(KvRecoveryRecord* record);
ZEPHLINK_API int KvFileClose(int customerId, int applicationId);
ZEPHLINK_API int KvFileSave(int customerId, int applicationId, int complete, int kind, KvAppInfo* info);
ZEPHLINK_API int KvFileSaveAs(int customerId, int applicationId, int complete, int newCustomerId, int newApplicationId,
                              const char* newName, int volumeId, int flag, KvAppInfo* info);
ZEPHLINK_API int KvFileImport(KvImportRequest* request);
ZEPHLINK_API int KvGetDataFromFS(KvImportRequest* request);
ZEPHLINK_API int KvGetResPermDataFromFS(int customerId, int applicationId, KvResPermEntry* entries);
ZEPHLINK_API int KvResPermUsed(int customerId, int applicationId, KvResPermRequest* request);
ZEPHLINK_API int KvIsImported(int customerId, int applicationId, int* out);
ZEPHLINK_API int KvFileDelete(int customerId, int applicationId, const char* name, int flag);
ZEPHLINK_API int KvFileProperties(KvAppInfo* info);
// Items
ZEPHLINK_API int KvManipulateItem(int customerId, int applicationId, int operation, KvItemRecord* item);
ZEPHLINK_API int KvRecordVoiceItem(int customerId, int applicationId, KvItemRecord* item);
ZEPHLINK_API int KvImportVoiceItem(int customerId, int applicationId, KvItemRecord* item, const char* wavFile);
ZEPHLINK_API int KvImportFaxItem(int customerId, int applicationId, KvItemRecord* item, const char* tiffFile);
ZEPHLINK_API int KvCutCopyPasteItem(int operation, int customerId, int applicationId, KvItemRecord* item,
                                    int targetCustomerId, int targetApplicationId, KvItemRecord* targetItem);
// Others
ZEPHLINK_API int KvEncryptString(const char* in, char* out);
ZEPHLINK_API int KvAttachView(void* window);
ZEPHLINK_API int KvDetachView(void* window);
ZEPHLINK_API int KvAboutDlg();
