// The exported server interface: the call frame (stand-alone short cut, catch-all with
// result 60, mapping of server errors) around the operations of the application manager.
#include <cstring>
#include <filesystem>

#include "admin_client.h"
#include "directory_client.h"
#include "entry_classes.h"
#include "flowsmith_app.h"
#include "foundation/kvvif.h"
#include "kvlink.h"
#include "link_log.h"
#include "session.h"

using namespace zlink;

namespace {

#define KV_TRY try {
#define KV_CATCH                                                                                    \
    }                                                                                               \
    catch (...) {                                                                                   \
        log_message(1, "Exception occurred @ File: %s, line %d\n", ".\\src\\zephlink", __LINE__);   \
        return 60;                                                                                  \
    }

bool StandAlone() { return TheSession().standAlone; }

// Server errors are mapped from what this export's own calls reported, never from an
// earlier export's list.
bool Fresh() {
    Directory().ClearErrors();
    return true;
}

// The first mapped server code of the error list after a failed operation, else rc.
int Mapped(int rc, bool withLimit = false) {
    if (rc == 0) return 0;
    const int mapped = Directory().MappedServerCode();
    if (mapped) return mapped;
    if (withLimit && Directory().FindCode(3)) return 72;
    return rc;
}

// Text of a record field written by the caller: never read past its width.
std::string Field(const char* text, std::size_t width) { return std::string(text, strnlen(text, width)); }

void LocalInfo(KvAppInfo* info, const KvAppRecord& app) {
    std::memset(info, 0, sizeof *info);
    info->applicationId = app.applicationId;
    CopyText(info->name, sizeof info->name, Field(app.name, sizeof app.name));
}

int StartSession(int customerId, int startFlag, const char* encodedPassword, const char* server, const char* userId,
                 const char* contextId, const char* locationId, int sslPort, int sslLevel) {
    log_message(2, "KvFlowsmithApp::initFlowsmith, CustID=%d, ServerIP=%s, UserID=%s, ContextID=%s.\n", customerId,
                server, userId ? userId : "", contextId ? contextId : "");
    Session& s = TheSession();
    s.customerId = customerId;
    s.userId = userId ? userId : "";
    s.encodedPassword = encodedPassword ? encodedPassword : "";
    s.server = server;
    s.location = locationId ? locationId : "";
    s.smtpAddress.clear();
    s.sslPort = sslPort;
    s.sslLevel = sslLevel;
    DirectoryClient& directory = Directory();
    const HResult hr = directory.Init(s.server, s.userId, s.encodedPassword, s.location, contextId ? contextId : "");
    if (failed(hr)) {
        log_message(1, "KvFlowsmithApp::initFlowsmith, Failed init of LDAP server, hr=%x.\n", static_cast<unsigned>(hr));
        return 73;
    }
    Filter filter("VANTORAUSER");
    filter.Add(kEqual, "usermailboxnum", s.userId);
    filter.Add(kEqual, "locationid", s.location);
    const HResult searched = directory.Search(filter, AttrList{"userid", "usersmtpmailadr"});
    if (failed(searched)) {
        log_message(1, "CAOS::Init - failed to query UUID for User: %s at location: %s, hr = %x.\n", s.userId.c_str(),
                    s.location.c_str(), static_cast<unsigned>(searched));
        return 73;
    }
    std::optional<std::string> entry;
    const HResult next = directory.GetNext(entry);
    if (failed(next) || !entry) {
        log_message(1, "CAOS::Init - failed to GetNext UUID for User: %s at location: %s, hr = %x.\n", s.userId.c_str(),
                    s.location.c_str(), static_cast<unsigned>(next));
        return 73;
    }
    std::string rest = *entry, uniqueId, smtp;
    TakeField(rest, uniqueId);
    TakeField(rest, smtp);
    if (smtp.empty()) smtp = s.userId;
    s.smtpAddress = smtp;
    log_message(3, "CAOS::Init Retrieved UserID: %s and SMTPAddr = %s.\n", uniqueId.c_str(), smtp.c_str());
    int rc = Admin().Init(s.server, directory.ContextId(), uniqueId);
    if (rc != 0) {
        log_message(1, "KvFlowsmithApp::initFlowsmith, Failed init of AOS server, rc=%d.\n", rc);
        return 73;
    }
    rc = Admin().StartVersionManager();
    if (rc != 0) {
        log_message(1, "KvFlowsmithApp::initFlowsmith, Failed to Start Version Manager, rc=%d.\n", rc);
        return 73;
    }
    return startFlag ? 35 : 0;
}

}  // namespace

namespace zlink {
void ResetLibraryState() {
    KvFlowsmithApp::openApplications().clear();
    DestroySingletons();
    TheLog().Close();
    TheSession() = Session();
}
}  // namespace zlink

int KvInitFlowsmith(const char*, int customerId, int startFlag, const char* encodedPassword, const char* serverAddress,
                    int, const char* userId, int logLevel, int logInterval, const char* contextId,
                    const char* locationId, int sslPort, int sslLevel) {
    KV_TRY
    if (!serverAddress) TheSession().standAlone = true;
    if (logLevel > 0) {
        std::string folder;
        ProgramFolder(kKvProductKey, folder);
        if (TheLog().Open(folder + "FlowsmithLog.txt", logLevel, logInterval))
            log_message(1, "Start Logging -> Log Level:%d LogInterval:%d\n", logLevel, logInterval);
    }
    if (StandAlone()) return 0;
    Fresh();
    LinkPlatform& platform = CurrentPlatform();
    if (failed(platform.InitializeCom())) return 60;
    log_message(3, "COM libraries initialized.\n");
    if (failed(platform.InitializeSecurity())) {
        platform.UninitializeCom();
        return 60;
    }
    log_message(3, "COM security initialized.\n");
    platform.StartSockets();
    log_message(3, "WinSock Initialized\n");
    log_message(2, "SSL Settings:  Port=%d, Level=%d.\n", sslPort, sslLevel);
    const int rc = StartSession(customerId, startFlag, encodedPassword, serverAddress, userId, contextId, locationId,
                                sslPort, sslLevel);
    if (rc != 0 && rc != 35) {
        // A failed start leaves nothing behind: the next start begins afresh.
        DestroySingletons();
        platform.StopSockets();
        platform.UninitializeCom();
    }
    return rc;
    KV_CATCH
}

int KvTermFlowsmith() {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    Admin().CleanUpDeleted();
    KvFlowsmithApp::openApplications().clear();
    DestroySingletons();
    CurrentPlatform().StopSockets();
    CurrentPlatform().UninitializeCom();
    log_message(3, "COM libraries uninitialized.\n");
    return 0;
    KV_CATCH
}

int KvGetServerVersion(int, int, char* out) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    Filter filter("SYSTEMSERVICEPROF");
    filter.Add(kEqual, "sysserviceid", 3);
    if (failed(Directory().Search(filter, AttrList{"vernum"}))) {
        Directory().GetLastError("KvGetServerVersion");
        return 73;
    }
    for (;;) {
        std::optional<std::string> entry;
        if (failed(Directory().GetNext(entry))) {
            Directory().GetLastError("KvGetServerVersion (2)");
            return 73;
        }
        if (!entry) break;
        // The designer's buffer holds 34 bytes.
        if (out) CopyText(out, 34, *entry);
    }
    return 0;
    KV_CATCH
}

int KvGetCustProf(int, short* out) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    if (failed(Directory().Search(Filter("SECURITYPROF"), AttrList{"minpsswdlen"}))) return 60;
    for (;;) {
        std::optional<std::string> entry;
        if (failed(Directory().GetNext(entry))) return 60;
        if (!entry) break;
        if (out) *out = static_cast<short>(std::atoi(entry->c_str()));
    }
    return 0;
    KV_CATCH
}

int KvGetUnusedID(int* out) {
    KV_TRY
    if (StandAlone()) {
        if (out) *out = 1000;
        return 0;
    }
    std::int32_t id = -1;
    if (KvFlowsmithApp::getUnusedId(&id) != 0) return 60;  // the caller's int stays untouched
    log_message(3, "Unused appID generates ID: %d.\n", id);
    if (out) *out = id;
    return 0;
    KV_CATCH
}

int KvFilesToDisplay(int* out, int mode, int customerId, int applicationId) {
    KV_TRY
    auto** list = reinterpret_cast<KvAppListEntry**>(out);
    if (StandAlone()) return StandAloneApplicationList(list);
    return Mapped(Directory().RetrieveApplicationList(list, mode, customerId, applicationId));
    KV_CATCH
}

int KvFilesToPump(int* out) { return KvFilesToDisplay(out, 1, 1, 0); }

namespace {
// A list export: the fixed or local list in stand-alone mode, else the directory's.
template <class Entry>
int ListExport(int* out, int (*standAlone)(Entry**), int (DirectoryClient::*retrieve)(Entry**)) {
    KV_TRY
    auto** list = reinterpret_cast<Entry**>(out);
    if (StandAlone()) return standAlone(list);
    Fresh();
    return Mapped((Directory().*retrieve)(list));
    KV_CATCH
}
}  // namespace

int KvLanguagesToDisplay(int* out) {
    return ListExport(out, StandAloneLanguageList, &DirectoryClient::RetrieveLanguageList);
}

int KvResPermToDisplay(int* out) {
    return ListExport(out, StandAloneResPermList, &DirectoryClient::RetrieveResPermList);
}

int KvVolumeToDisplay(int* out) { return ListExport(out, StandAloneVolumeList, &DirectoryClient::RetrieveVolumeList); }

int KvFreeAllocatedMemory(void* list) {
    KV_TRY
    return DirectoryClient::FreeList(list);
    KV_CATCH
}

int KvFileOpen(KvAppRecord* app, KvAppInfo* info) {
    KV_TRY
    if (!app || !info) return 60;
    if (StandAlone()) {
        LocalInfo(info, *app);
        return 0;
    }
    const int rc = KvFlowsmithApp::fileOpen(app->customerId, app->applicationId, Field(app->name, sizeof app->name),
                                            app->volumeId);
    if (rc != 0) return Mapped(rc);
    KvFlowsmithApp* open = KvFlowsmithApp::find(app->customerId, app->applicationId);
    if (!open) return 33;
    open->fillInfo(*info);
    return 0;
    KV_CATCH
}

int KvFileNew(KvAppRecord* app, KvAppInfo* info) {
    KV_TRY
    if (!app || !info) return 60;
    const std::string name = Field(app->name, sizeof app->name);
    if (StandAlone()) {
        LocalInfo(info, *app);
        std::string folder;
        if (!ProgramFolder(kKvProductKey, folder) || folder.empty()) return 33;
        std::error_code error;
        std::filesystem::copy_file(folder + "default\\default.ed", folder + name + ".ed",
                                   std::filesystem::copy_options::overwrite_existing, error);
        return error ? 33 : 0;
    }
    const int rc = KvFlowsmithApp::fileNew(app->customerId, app->applicationId, name, app->volumeId);
    if (rc != 0) return Mapped(rc, true);
    KvFlowsmithApp* open = KvFlowsmithApp::find(app->customerId, app->applicationId);
    if (!open) return 33;
    const int saved = open->runOwnAction(kSaveIncomplete);
    open->fillInfo(*info);
    return saved;
    KV_CATCH
}

int KvFileOpenOnRecovery(KvRecoveryRecord* record) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    if (!record) return 60;
    KvAppInfo server{}, working{};
    std::memcpy(&server, record->serverProfile, kKvProfileImageSize);
    std::memcpy(&working, record->workingProfile, kKvProfileImageSize);
    return KvFlowsmithApp::fileOpenOnRecovery(server.customerId, server.applicationId,
                                              Field(server.name, sizeof server.name), server, working,
                                              record->importsSaved, record->imports, record->resPermsSaved,
                                              record->resPerms);
    KV_CATCH
}

int KvFileClose(int customerId, int applicationId) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    KvFlowsmithApp* app = KvFlowsmithApp::find(customerId, applicationId);
    if (!app) return 48;
    return Mapped(KvFlowsmithApp::fileClose(app));
    KV_CATCH
}

int KvFileSave(int customerId, int applicationId, int complete, int kind, KvAppInfo* info) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    KvFlowsmithApp* app = KvFlowsmithApp::find(customerId, applicationId);
    if (!app) return 48;
    // The complete mark leads the state check; a save that fails leaves it as it was.
    const int wasComplete = app->state.complete;
    if (complete) app->state.complete = 1;
    int rc;
    if (kind == 11) {
        rc = app->runOwnAction(complete ? kSaveComplete : kSaveIncomplete);
    } else if (kind == 12) {
        if (!complete) {
            app->state.complete = wasComplete;
            return 32;
        }
        rc = app->runOwnAction(kExport);
    } else if (kind == 13) {
        const int exported = app->state.exported;
        app->state.exported = 0;
        rc = app->runOwnAction(complete ? kUndoExportComplete : kUndoExportIncomplete);
        if (rc != 0) app->state.exported = exported;
    } else {
        app->state.complete = wasComplete;
        return 30;
    }
    if (rc == 0) {
        if (info) app->fillInfo(*info);
    } else {
        if (complete) app->state.complete = wasComplete;
        const int mapped = Directory().MappedServerCode();
        if (mapped) return mapped;
    }
    Admin().CleanUpDeleted();
    return rc;
    KV_CATCH
}

int KvFileSaveAs(int customerId, int applicationId, int complete, int newCustomerId, int newApplicationId,
                 const char* newName, int volumeId, int flag, KvAppInfo* info) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    KvFlowsmithApp* app = KvFlowsmithApp::find(customerId, applicationId);
    if (!app) return 48;
    const std::string name = newName ? newName : "";
    const int rc = complete ? app->fileSaveAsComplete(newCustomerId, newApplicationId, name, volumeId, flag)
                            : app->fileSaveAsIncomplete(newCustomerId, newApplicationId, name, volumeId, flag);
    if (rc != 0) return Mapped(rc, true);
    if (info) app->fillInfo(*info);
    return 0;
    KV_CATCH
}

int KvFileImport(KvImportRequest* request) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    if (!request) return 60;
    KvFlowsmithApp* app = KvFlowsmithApp::find(request->customerId, request->applicationId);
    if (!app) return 48;
    app->imports = ImportsOf(request->imports, false);
    return Mapped(app->writeImports());
    KV_CATCH
}

int KvGetDataFromFS(KvImportRequest* request) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    if (!request) return 60;
    KvFlowsmithApp* app = KvFlowsmithApp::find(request->customerId, request->applicationId);
    if (!app) return 0;
    app->imports = ImportsOf(request->imports, false);
    const int rc = app->writeImports();
    if (rc == 0) app->importsSaved = app->imports;
    return rc;
    KV_CATCH
}

int KvGetResPermDataFromFS(int customerId, int applicationId, KvResPermEntry* entries) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    KvFlowsmithApp* app = KvFlowsmithApp::find(customerId, applicationId);
    if (!app) return 0;
    app->resPerms = ResPermsOf(entries, false);
    const int rc = app->writeResPerms();
    if (rc == 0) app->resPermsSaved = app->resPerms;
    return rc;
    KV_CATCH
}

int KvResPermUsed(int customerId, int applicationId, KvResPermRequest* request) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    KvFlowsmithApp* app = KvFlowsmithApp::find(customerId, applicationId);
    if (!app) return 48;
    if (!request) return 60;
    app->resPerms = ResPermsOf(request->resPerms, false);
    return Mapped(app->writeResPerms());
    KV_CATCH
}

int KvIsImported(int customerId, int applicationId, int* out) {
    KV_TRY
    KvFlowsmithApp* app = KvFlowsmithApp::find(customerId, applicationId);
    if (!app) return 48;
    if (Directory().RetrieveInUseState(customerId, applicationId, *app) != 0) return 38;
    if (out) *out = app->state.usage;
    return 0;
    KV_CATCH
}

int KvFileDelete(int customerId, int applicationId, const char* name, int flag) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    return Mapped(KvFlowsmithApp::fileDelete(customerId, applicationId, name ? name : "", flag));
    KV_CATCH
}

int KvFileProperties(KvAppInfo* info) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    if (!info) return 60;
    KvFlowsmithApp* app = KvFlowsmithApp::find(info->customerId, info->applicationId);
    if (!app) return 48;
    return Mapped(app->setProperties(*info));
    KV_CATCH
}

int KvManipulateItem(int customerId, int applicationId, int operation, KvItemRecord* item) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    KvFlowsmithApp* app = KvFlowsmithApp::find(customerId, applicationId);
    if (!app) return 48;
    if (!item) return 60;
    if (item->mediaType != 14 && item->mediaType != 15) return 30;
    return Mapped(app->manipulateItem(operation, static_cast<std::uint16_t>(item->itemId), item->mediaType));
    KV_CATCH
}

int KvRecordVoiceItem(int customerId, int applicationId, KvItemRecord* item) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    KvFlowsmithApp* app = KvFlowsmithApp::find(customerId, applicationId);
    if (!app) return 48;
    if (!item) return 60;
    return Mapped(app->recordVoice(static_cast<std::uint16_t>(item->itemId), item->mediaType));
    KV_CATCH
}

namespace {
int ImportItem(int customerId, int applicationId, KvItemRecord* item, const char* file, int kind) {
    if (StandAlone()) return 0;
    Fresh();
    KvFlowsmithApp* app = KvFlowsmithApp::find(customerId, applicationId);
    if (!app) return 48;
    if (!item || !file) return 60;
    return Mapped(app->importItem(kind, static_cast<std::uint16_t>(item->itemId), item->mediaType, file));
}
}  // namespace

int KvImportVoiceItem(int customerId, int applicationId, KvItemRecord* item, const char* wavFile) {
    KV_TRY
    return ImportItem(customerId, applicationId, item, wavFile, 22);
    KV_CATCH
}

int KvImportFaxItem(int customerId, int applicationId, KvItemRecord* item, const char* tiffFile) {
    KV_TRY
    return ImportItem(customerId, applicationId, item, tiffFile, 24);
    KV_CATCH
}

int KvCutCopyPasteItem(int operation, int customerId, int applicationId, KvItemRecord* item, int targetCustomerId,
                       int targetApplicationId, KvItemRecord* targetItem) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    if (!item || !targetItem) return 60;
    KvFlowsmithApp* app = KvFlowsmithApp::find(customerId, applicationId);
    KvFlowsmithApp temporary;
    if (!app) {
        // The source needs only its profile (its multimedia file) for the copy.
        if (KvAppProfileInterface::Search(&temporary.serverProfile, customerId, applicationId, -1) != 0 ||
            temporary.serverProfile.applicationId != applicationId)
            return 48;
        temporary.customerId = customerId;
        temporary.applicationId = applicationId;
        app = &temporary;
    }
    return Mapped(app->cutCopyPasteItem(operation, *item, targetCustomerId, targetApplicationId, *targetItem));
    KV_CATCH
}

int KvEncryptString(const char* in, char* out) {
    KV_TRY
    if (StandAlone()) return 0;
    Fresh();
    return Mapped(KvFlowsmithApp::encryptString(in, out));
    KV_CATCH
}

int KvAttachView(void*) { return 0; }
int KvDetachView(void*) { return 0; }
int KvAboutDlg() { return 0; }
