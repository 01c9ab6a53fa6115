// Saving applications: save incomplete and complete (with export and undo export through
// the state table), save as onto a new or an existing application, and delete.
#include <cstdio>
#include <cstring>

#include "admin_client.h"
#include "directory_client.h"
#include "entry_classes.h"
#include "flowsmith_app.h"
#include "foundation/kvvif.h"
#include "link_log.h"
#include "prompts.h"
#include "session.h"

namespace zlink {
namespace {

int SendFile(const std::string& name, const std::string& serverPath, const char* extension) {
    return Admin().SendFileToServer(kKvProductKey, name.c_str(), serverPath.c_str(), extension);
}

// Hides the previous version of an application made by an older designer.
void HidePrevious(int customerId, int applicationId, int previousVersion) {
    if (previousVersion > 50099) return;
    KvAppProfile previous;
    if (KvAppProfileInterface::Search(&previous, customerId, applicationId, previousVersion) != 0 ||
        previous.applicationId != applicationId)
        return;
    KvAppProfile hidden = previous;
    hidden.visible = 0;
    KvAppProfileInterface::Update(previous, hidden);
}

}  // namespace

int KvFlowsmithApp::realFileSaveIncomplete(int mode) {
    log_message(2, "KvFlowsmithApp::realFileSaveIncomplete.\n");
    KvAppProfile current;
    if (KvAppProfileInterface::Search(&current, customerId, applicationId, serverProfile.version) != 0 ||
        current.applicationId != applicationId) {
        log_message(1,
                    "KvFlowsmithApp::realFileSaveIncomplete - Cannot save; cannot find current version %i or previous "
                    "version %i in AppProfile.\n",
                    serverProfile.version, serverProfile.previousVersion);
        return 36;
    }
    int rc = 0;
    if (mode == 1 && service.applicationId != 0) rc = KvAppServiceEntry::Delete(service);
    if (rc == 0) rc = SendFile(name, newEdPath, ".ED");
    if (rc == 0) {
        HidePrevious(customerId, applicationId, serverProfile.previousVersion);
        workingProfile.visible = 1;
        if (mode == 1) {
            workingProfile.compiledOk = 0;
            workingProfile.importable = 0;
        }
        if (workingProfile != serverProfile) rc = KvAppProfileInterface::Update(serverProfile, workingProfile);
    }
    rc = commitSave(rc);
    if (rc == 0 && mode == 1) service = KvAppService();
    return rc;
}

int KvFlowsmithApp::realFileSaveComplete(int mode) {
    log_message(2, "KvFlowsmithApp::realFileSaveComplete.\n");
    KvAppProfile current, previous;
    if (KvAppProfileInterface::Search(&current, customerId, applicationId, serverProfile.version) != 0 ||
        current.applicationId != applicationId ||
        KvAppProfileInterface::Search(&previous, customerId, applicationId, serverProfile.previousVersion) != 0 ||
        previous.applicationId != applicationId) {
        log_message(1,
                    "KvFlowsmithApp::realFileSaveComplete - Cannot save; cannot find current version %i or previous "
                    "version %i in AppProfile.\n",
                    serverProfile.version, serverProfile.previousVersion);
        return 36;
    }
    int rc = SendFile(name, newEdPath, ".ED");
    if (rc == 0) rc = SendFile(name, serverProfile.runFilePath, ".RUN");
    if (rc == 0 && state.exported) rc = SendFile(name, serverProfile.rllFilePath, ".RLL");
    if (rc == 0) {
        HidePrevious(customerId, applicationId, serverProfile.previousVersion);
        workingProfile.visible = 1;
        workingProfile.compiledOk = 1;
        if (mode == 2 || mode == 3) workingProfile.importable = 1;
        if (mode == 4) workingProfile.importable = 0;
        const bool changed = workingProfile != serverProfile;
        if (changed) rc = KvAppProfileInterface::Update(serverProfile, workingProfile);
        if (rc == 0) {
            KvAppService found;
            const int search = KvAppServiceEntry::Search(customerId, applicationId, 3, found);
            if (search == 65) {
                service = KvAppService();
                service.FillFrom(workingProfile);
                rc = KvAppServiceEntry::Add(service);
            } else if (search == 0) {
                service = found;
                if (changed) rc = KvAppServiceEntry::Update(service, workingProfile);
            } else {
                rc = search;
            }
        }
    }
    return commitSave(rc);
}

int KvFlowsmithApp::commitSave(int rc) {
    if (rc == 0) {
        // The paths change only with a commit that worked, so a retry sends to the same place.
        KvAppProfile next = workingProfile;
        std::string current, following;
        if (KvApplication::Commit(next, customerId, applicationId, name, current, following, kLockingPc,
                                  TheSession().userId) != 0) {
            rc = 31;
        } else {
            workingProfile = next;
            currentEdPath = current;
            newEdPath = following;
        }
    }
    if (rc != 0) {
        // Nothing was committed: the unsaved list edits are undone in the directory.
        const bool listsEdited = !SameResPerms(resPermsSaved, resPerms);
        const int listRc = revertLists();
        return listRc != 0 && listsEdited ? listRc : rc;
    }
    serverProfile = workingProfile;
    importsSaved = imports;
    resPermsSaved = resPerms;
    KvAppImpInterface::Update(customerId, applicationId, serverProfile.version, importsSaved);
    KvAppRPLInterface::Update(customerId, applicationId, serverProfile.version, resPermsSaved);
    return 0;
}

int KvFlowsmithApp::runOwnAction(StateActionKind action) {
    const int rc = Directory().RetrieveInUseState(customerId, applicationId, *this);
    if (rc != 0) return rc;
    KvStateBehaviour& table = KvStateBehaviour::Instance();
    if (!table.Lookup(state)) return 30;
    StateAction arguments;
    arguments.app = this;
    return table.Dispatch(action, arguments);
}

int KvFlowsmithApp::fileSaveAsIncomplete(int cust, int app, const std::string& newName, int volumeId, int flag) {
    log_message(2, "KvFlowsmithApp::fileSaveAsIncomplete, NewCustID=%d, NewAppID=%d, NewAppName=%s, NewVolumeID=%d.\n",
                cust, app, newName.c_str(), volumeId);
    return saveAs(false, cust, app, newName, volumeId, flag);
}

int KvFlowsmithApp::fileSaveAsComplete(int cust, int app, const std::string& newName, int volumeId, int flag) {
    log_message(2, "KvFlowsmithApp::fileSaveAsComplete, NewCustID=%d, NewAppID=%d, appName=%s, VolumeID=%d.\n", cust,
                app, newName.c_str(), volumeId);
    return saveAs(true, cust, app, newName, volumeId, flag);
}

int KvFlowsmithApp::saveAs(bool complete, int cust, int app, const std::string& newName, int volumeId, int flag) {
    if (KvFlowsmithApp* open = find(cust, app)) {
        if (open != this) return 31;
        return runOwnAction(complete ? kSaveComplete : kSaveIncomplete);
    }
    int version = 0;
    const int exists = Directory().QueryApplicationExists(cust, app, &version, newName);
    if (exists == 102 || exists == 103) return exists;
    if (exists == 100) return copy(true, cust, app, 0, newName, volumeId, complete ? 1 : 0, flag);
    if (exists != 101) return exists;
    char question[512];
    std::snprintf(question, sizeof question, "The application '%s' already exists. \nDo you wish to replace it?",
                  newName.c_str());
    if (!AskYesNo(question)) return 59;
    KvAppState target;
    int rc = KvAppProfileInterface::SearchAppProfileState(cust, app, version, target, TheSession().userId);
    if (rc != 0) return rc;
    int usage = 0;
    rc = Directory().RetrieveInUseState(cust, app, usage);
    if (rc != 0) return rc;
    target.usage = usage;
    KvStateBehaviour& table = KvStateBehaviour::Instance();
    if (!table.Lookup(target)) return 30;
    if (complete && target.IsImported() && !state.exported) return 67;
    StateAction arguments;
    arguments.app = this;
    arguments.targetCustomerId = cust;
    arguments.targetApplicationId = app;
    arguments.targetName = newName;
    arguments.targetVolumeId = volumeId;
    arguments.flag = flag;
    arguments.targetUsage = usage;
    return table.Dispatch(complete ? kSaveAsComplete : kSaveAsIncomplete, arguments);
}

int KvFlowsmithApp::copy(bool targetIsNew, int cust, int app, int version, const std::string& newName, int volumeId,
                         int complete, int flag) {
    log_message(2,
                "KvFlowsmithApp::copy, newCustID=%d, newAppID=%d, newVersion=%d, newAppName=%s, NewVolumeID=%d, flag=%d, "
                "newFlag=%d.\n",
                cust, app, version, newName.c_str(), volumeId, complete, flag);
    const Session& session = TheSession();
    KvAppProfile target = workingProfile;
    target.customerId = cust;
    target.applicationId = app;
    target.name = newName;
    target.volumeId = volumeId;
    std::string targetCurrent, targetNew;
    int rc = targetIsNew ? KvApplication::New(target, customerId, app, newName, volumeId, targetCurrent, targetNew,
                                              kLockingPc, session.userId)
                         : KvApplication::Open(target, customerId, app, newName, volumeId, targetCurrent, targetNew,
                                               kLockingPc, session.userId);
    if (rc != 0) return rc;
    const KvAppProfile before = target;
    KvAppService targetService;
    // The target gets the lists as edited; this application's own entries go back to the saved ones.
    const std::vector<KvImportEntry> editedImports = imports;
    const std::vector<KvResPermEntry> editedResPerms = resPerms;
    rc = [&]() -> int {
        target.compiledOk = complete ? 1 : 0;
        target.importable = complete ? workingProfile.importable : 0;
        // The designer wrote and built the files under the target's name.
        int r = SendFile(newName, targetNew, ".ED");
        if (r == 0 && complete) r = SendFile(newName, target.runFilePath, ".RUN");
        if (r == 0 && complete && target.importable) r = SendFile(newName, target.rllFilePath, ".RLL");
        if (r != 0) return r;
        if ((r = revertLists()) != 0) return r;
        if ((r = KvAppImpInterface::Update(cust, app, target.version, editedImports)) != 0) return r;
        if ((r = KvAppRPLInterface::Update(cust, app, target.version, editedResPerms)) != 0) return r;
        const int search = KvAppServiceEntry::Search(cust, app, 3, targetService);
        if (search == 65 && complete) {
            targetService = KvAppService();
            targetService.FillFrom(target);
            r = KvAppServiceEntry::Add(targetService);
        } else if (search == 0 && complete) {
            if (workingProfile != serverProfile) r = KvAppServiceEntry::Update(targetService, target);
        } else if (search == 0) {
            r = KvAppServiceEntry::Delete(targetService);
            targetService = KvAppService();
            service = KvAppService();
        } else if (search != 65) {
            r = search;
        }
        if (r != 0) return r;
        if ((r = KvAppMMFSFile::Modify(serverProfile.misaFilePath, applicationId, serverProfile.version,
                                       target.misaFilePath, app, target.version)) != 0)
            return r;
        target.visible = 1;
        target.mediaType = workingProfile.mediaType;
        target.spokenNameRecorded = workingProfile.spokenNameRecorded;
        target.description = workingProfile.description;
        target.verfFaxNumber = workingProfile.verfFaxNumber;
        target.faxNumberModifiable = workingProfile.faxNumberModifiable;
        target.verfContactId = workingProfile.verfContactId;
        std::memcpy(target.updatePassword, workingProfile.updatePassword, sizeof target.updatePassword);
        target.updatePasswordNeeded = workingProfile.updatePasswordNeeded;
        target.maintenanceThroughDial = workingProfile.maintenanceThroughDial;
        target.importable = workingProfile.importable;
        target.promptModifiable = workingProfile.promptModifiable;
        target.spokenName = target.spokenNameRecorded ? "\\_9999" : "";
        if (!complete) target.importable = 0;
        if ((r = KvAppProfileInterface::Update(before, target)) != 0) return r;
        KvAppProfile next = target;
        std::string current, following;
        if (KvApplication::Commit(next, cust, app, newName, current, following, kLockingPc, session.userId) != 0)
            return 31;
        target = next;
        targetCurrent = current;
        targetNew = following;
        return 0;
    }();
    if (rc != 0) {
        KvApplication::Close(&target, cust, app);
        revertLists();
        return rc;
    }
    KvApplication::Close(&serverProfile, customerId, applicationId);
    customerId = cust;
    applicationId = app;
    name = newName;
    currentEdPath = targetCurrent;
    newEdPath = targetNew;
    workingProfile = target;
    serverProfile = workingProfile;
    imports = importsSaved = editedImports;
    resPerms = resPermsSaved = editedResPerms;
    KvAppImpInterface::Update(cust, app, serverProfile.version, importsSaved);
    KvAppRPLInterface::Update(cust, app, serverProfile.version, resPermsSaved);
    service = targetService;
    state.complete = complete;
    return 0;
}

int KvFlowsmithApp::fileDelete(int cust, int app, const std::string& appName, int) {
    log_message(2, "KvFlowsmithApp::fileDelete, custID=%d, appID=%d, appName=%s.\n", cust, app, appName.c_str());
    if (find(cust, app)) return 26;
    int version = 0;
    const int exists = Directory().QueryApplicationExists(cust, app, &version, appName);
    if (exists == 100) return 16;
    if (exists != 101 && exists != 102 && exists != 103) return exists;
    KvAppState state;
    int rc = KvAppProfileInterface::SearchAppProfileState(cust, app, version, state, TheSession().userId);
    if (rc != 0) return rc;
    int usage = 0;
    if ((rc = Directory().RetrieveInUseState(cust, app, usage)) != 0) return rc;
    state.usage = usage;
    if (!KvStateBehaviour::Instance().Lookup(state)) return 30;
    if (state.IsAssigned()) return 70;
    if (state.IsImported()) return 69;
    if (state.IsLockedByOther() || state.IsLockedByMe()) return 25;
    return realFileDelete(cust, app, appName);
}

int KvFlowsmithApp::realFileDelete(int cust, int app, const std::string& appName) {
    int rc = KvApplication::Delete(cust, app);
    if (rc != 0) {
        log_message(1, "KvFlowsmithApp::realFileDelete, Error deleting: custID=%d, appID=%d, appName=%s.\n", cust, app,
                    appName.c_str());
        return rc;
    }
    KvAppService found;
    if (KvAppServiceEntry::Search(cust, app, 3, found) != 0) {
        log_message(3, "KvFlowsmithApp::realFileDelete, no service entry for appID=%d.\n", app);
        return 0;
    }
    return KvAppServiceEntry::Delete(found);
}

}  // namespace zlink
