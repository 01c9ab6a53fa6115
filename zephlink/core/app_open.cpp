// Opening applications: new, open with the lock prompts, recovery open, the common tail,
// close; the open list and the small operations the exports hand over.
#include <cstring>

#include "admin_client.h"
#include "directory_client.h"
#include "entry_classes.h"
#include "flowsmith_app.h"
#include "foundation/kvvif.h"
#include "link_log.h"
#include "mesh/zephmesh.h"
#include "prompts.h"
#include "session.h"

namespace zlink {

std::vector<std::unique_ptr<KvFlowsmithApp>>& KvFlowsmithApp::openApplications() {
    static std::vector<std::unique_ptr<KvFlowsmithApp>> list;
    return list;
}

KvFlowsmithApp* KvFlowsmithApp::find(int customerId, int applicationId) {
    for (const auto& app : openApplications()) {
        if (app->customerId == customerId && app->applicationId == applicationId) return app.get();
    }
    return nullptr;
}

std::vector<KvImportEntry> ImportsOf(const KvImportEntry* entries, bool saved) {
    std::vector<KvImportEntry> out;
    for (; entries && entries->customerId != 0 && entries->applicationId != 0 && (!saved || entries->version != 0);
         ++entries)
        out.push_back(*entries);
    return out;
}

std::vector<KvResPermEntry> ResPermsOf(const KvResPermEntry* entries, bool saved) {
    std::vector<KvResPermEntry> out;
    for (; entries && entries->customerId != 0 && entries->applicationId != 0 && (!saved || entries->version != 0);
         ++entries)
        out.push_back(*entries);
    return out;
}

bool SameImports(const std::vector<KvImportEntry>& saved, const std::vector<KvImportEntry>& edited) {
    if (saved.size() != edited.size()) return false;
    for (const KvImportEntry& s : saved) {
        bool found = false;
        for (const KvImportEntry& e : edited)
            found = found || (s.customerId == e.customerId && s.applicationId == e.applicationId && s.version == e.version);
        if (!found) return false;
    }
    return true;
}

bool SameResPerms(const std::vector<KvResPermEntry>& saved, const std::vector<KvResPermEntry>& edited) {
    if (saved.size() != edited.size()) return false;
    for (const KvResPermEntry& s : saved) {
        bool found = false;
        for (const KvResPermEntry& e : edited)
            found = found || std::memcmp(&s, &e, sizeof s) == 0;
        if (!found) return false;
    }
    return true;
}

int KvFlowsmithApp::fileNew(int customerId, int applicationId, const std::string& name, int volumeId) {
    log_message(2, "KvFlowsmithApp::fileNew, custID=%d, appID=%d, appName=%s, VolumeID=%d.\n", customerId, applicationId,
                name.c_str(), volumeId);
    if (find(customerId, applicationId)) return 28;
    int version = 0;
    const int exists = Directory().QueryApplicationExists(customerId, applicationId, &version, name);
    if (exists != 100) return exists;
    const Session& session = TheSession();
    auto app = std::make_unique<KvFlowsmithApp>();
    app->customerId = customerId;
    app->applicationId = applicationId;
    app->name = name;
    app->serverProfile = KvAppProfile::Fresh();
    app->serverProfile.customerId = customerId;
    app->serverProfile.applicationId = applicationId;
    app->serverProfile.name = name;
    app->serverProfile.lockingPc = kLockingPc;
    app->serverProfile.lockingUser = session.userId;
    app->serverProfile.volumeId = volumeId;
    int rc = KvApplication::New(app->serverProfile, customerId, applicationId, name, volumeId, app->currentEdPath,
                                app->newEdPath, kLockingPc, session.userId);
    if (rc != 0) return rc;
    app->workingProfile = app->serverProfile;
    rc = postFileOpen(std::move(app), applicationId, name, 1);
    if (rc != 0) {
        // Nothing of the new application stays behind: unlock and delete its entry.
        KvApplication::Close(nullptr, customerId, applicationId);
        KvApplication::Delete(customerId, applicationId);
    }
    return rc;
}

int KvFlowsmithApp::fileOpen(int customerId, int applicationId, const std::string& name, int volumeId) {
    log_message(2, "KvFlowsmithApp::fileOpen, custID=%d, appID=%d, appName=%s, VolumeID=%d.\n", customerId,
                applicationId, name.c_str(), volumeId);
    if (find(customerId, applicationId)) return 28;
    const Session& session = TheSession();
    int version = 0;
    Directory().QueryApplicationExists(customerId, applicationId, &version, name);
    KvAppState probe;
    if (KvAppProfileInterface::SearchAppProfileState(customerId, applicationId, version, probe, session.userId) == 0) {
        if (probe.IsLockedByOther()) {
            KvAppProfile latest;
            KvAppProfileInterface::Search(&latest, customerId, applicationId, -1);
            if (latest.lockingUser != "sysadmin") return 27;
            if (!AskYesNo("This application has been locked by the previous version of Flowsmith. If opened, it can no "
                          "longer be recovered from another copy. Do you want to open this application?"))
                return 27;
            KvApplication::Close(nullptr, customerId, applicationId);
        } else if (probe.IsLockedByMe()) {
            if (!AskYesNo("Application is locked. If opened, it can no longer be recovered from another copy. Do you "
                          "want to open this application?"))
                return 29;
            KvApplication::Close(nullptr, customerId, applicationId);
        }
    }
    auto app = std::make_unique<KvFlowsmithApp>();
    app->serverProfile.volumeId = volumeId;
    int rc = KvApplication::Open(app->serverProfile, customerId, applicationId, name, volumeId, app->currentEdPath,
                                 app->newEdPath, kLockingPc, session.userId);
    if (rc != 0) return rc;
    app->workingProfile = app->serverProfile;
    app->customerId = customerId;
    app->applicationId = applicationId;
    app->name = name;
    if (app->serverProfile.previousVersion < 50100) {
        KvAppProfile previous;
        if (KvAppProfileInterface::Search(&previous, customerId, applicationId, app->serverProfile.previousVersion) == 0 &&
            previous.applicationId == applicationId) {
            KvAppProfile changed = previous;
            changed.lockingPc = kLockingPc;
            changed.lockingUser = session.userId;
            KvAppProfileInterface::Update(previous, changed);
        }
    }
    const KvAppProfile unlockWith = app->serverProfile;
    rc = postFileOpen(std::move(app), applicationId, name, 0);
    if (rc != 0) KvApplication::Close(&unlockWith, customerId, applicationId);
    return rc;
}

int KvFlowsmithApp::postFileOpen(std::unique_ptr<KvFlowsmithApp> app, int applicationId, const std::string& name,
                                 int flag) {
    log_message(2, "KvFlowsmithApp::postFileOpen, appID=%d, appName=%s, flag=%d.\n", applicationId, name.c_str(), flag);
    app->state.complete = app->serverProfile.compiledOk;
    app->state.exported = app->serverProfile.importable;
    app->state.lock = 0;
    if (app->state.complete) {
        const int rc = KvAppServiceEntry::Search(TheSession().customerId, applicationId, 3, app->service);
        if (rc != 0) return rc;
    }
    const int rc = Admin().SendFileToClient(kKvProductKey, name.c_str(), app->currentEdPath.c_str(), ".ED");
    if (rc != 0) return rc;
    openApplications().push_back(std::move(app));
    return 0;
}

int KvFlowsmithApp::fileOpenOnRecovery(int customerId, int applicationId, const std::string& name,
                                       const KvAppInfo& serverRecord, const KvAppInfo& workingRecord,
                                       const KvImportEntry* importsSaved, const KvImportEntry* imports,
                                       const KvResPermEntry* resPermsSaved, const KvResPermEntry* resPerms) {
    if (find(customerId, applicationId)) return 28;
    auto app = std::make_unique<KvFlowsmithApp>();
    app->customerId = customerId;
    app->applicationId = applicationId;
    app->name = name;
    app->serverProfile.FromInfo(serverRecord);
    app->workingProfile.FromInfo(workingRecord);
    app->importsSaved = ImportsOf(importsSaved, true);
    app->imports = ImportsOf(imports, false);
    app->resPermsSaved = ResPermsOf(resPermsSaved, true);
    app->resPerms = ResPermsOf(resPerms, false);
    app->currentEdPath.clear();
    app->newEdPath = std::string(workingRecord.newEdPath, strnlen(workingRecord.newEdPath, kKvProfileImageSize - 908));
    if (app->serverProfile.compiledOk) app->service.FillFrom(app->serverProfile);
    app->state.lock = 0;
    app->state.complete = app->serverProfile.compiledOk;
    app->state.exported = app->serverProfile.importable;
    openApplications().push_back(std::move(app));
    return 0;
}

int KvFlowsmithApp::revertLists() {
    int rc = 0;
    if (!SameImports(importsSaved, imports)) {
        rc = KvAppImpInterface::Update(customerId, applicationId, serverProfile.version, importsSaved);
        if (rc == 0) imports = importsSaved;
    }
    if (!SameResPerms(resPermsSaved, resPerms)) {
        const int listRc = KvAppRPLInterface::Update(customerId, applicationId, serverProfile.version, resPermsSaved);
        if (listRc == 0) resPerms = resPermsSaved;
        if (listRc != 0) rc = listRc;
    }
    return rc;
}

int KvFlowsmithApp::fileClose(KvFlowsmithApp* app) {
    if (!app) return 48;
    if (!SameImports(app->importsSaved, app->imports)) {
        const int rc = KvAppImpInterface::Update(app->customerId, app->applicationId, app->serverProfile.version,
                                                 app->importsSaved);
        if (rc != 0) return rc;
        app->imports = app->importsSaved;
    }
    if (!SameResPerms(app->resPermsSaved, app->resPerms)) {
        const int rc = KvAppRPLInterface::Update(app->customerId, app->applicationId, app->serverProfile.version,
                                                 app->resPermsSaved);
        if (rc != 0) return rc;
        app->resPerms = app->resPermsSaved;
    }
    const int rc = KvApplication::Close(&app->serverProfile, app->customerId, app->applicationId);
    if (rc != 0) return rc;
    // Forgotten only once unlocked: a failed close leaves it open and closable again.
    auto& list = openApplications();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->get() == app) {
            list.erase(it);
            break;
        }
    }
    return 0;
}

int KvFlowsmithApp::writeImports() {
    return KvAppImpInterface::Update(customerId, applicationId, serverProfile.version, imports);
}

int KvFlowsmithApp::writeResPerms() {
    return KvAppRPLInterface::Update(customerId, applicationId, serverProfile.version, resPerms);
}

int KvFlowsmithApp::setProperties(const KvAppInfo& record) {
    workingProfile.FromInfo(record);
    workingProfile.lockingTime = Now();
    return 0;
}

int KvFlowsmithApp::getUnusedId(std::int32_t* out) { return Admin().GetUnusedAppID(1, out); }

int KvFlowsmithApp::encryptString(const char* input, char* output) {
    std::int16_t status = 0;
    Zephmesh_PwdEncrypt(input, output, &status);
    return status != 0 ? 58 : 0;
}

void KvFlowsmithApp::fillInfo(KvAppInfo& info) const {
    std::memset(&info, 0, sizeof info);
    serverProfile.ToInfo(info);
    CopyText(info.newEdPath, sizeof info.newEdPath, newEdPath);
}

}  // namespace zlink
