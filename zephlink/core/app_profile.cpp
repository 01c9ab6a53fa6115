#include "app_profile.h"

#include <cstring>

#include "dir_text.h"
#include "session.h"

namespace zlink {

const char* const kProfileAttributes[27] = {
    "customerid", "appprofid", "appmediatype", "appdescr", "appname", "spokennamerecorded", "appspokenname",
    "verffaxnum", "verffaxnummodifiable", "verfcontactid", "updatepsswdneeded", "updatepsswd", "mntadnthrudial",
    "importable", "compiledok", "comfprmtmodifiable", "lockingpc", "lockinguser", "lockingdatetime", "volumeid",
    "appvernum", "runfilepath", "rllfilepath", "misafilepath", "visible", "apppreviousvernum", "modnum"};

KvAppProfile KvAppProfile::Fresh() {
    KvAppProfile p;
    p.lockingTime = Now();
    return p;
}

bool KvAppProfile::operator==(const KvAppProfile& o) const {
    return customerId == o.customerId && applicationId == o.applicationId && mediaType == o.mediaType &&
           description == o.description && name == o.name && spokenNameRecorded == o.spokenNameRecorded &&
           spokenName == o.spokenName && verfFaxNumber == o.verfFaxNumber &&
           faxNumberModifiable == o.faxNumberModifiable && verfContactId == o.verfContactId &&
           updatePasswordNeeded == o.updatePasswordNeeded &&
           std::memcmp(updatePassword, o.updatePassword, sizeof updatePassword) == 0 &&
           maintenanceThroughDial == o.maintenanceThroughDial && localText == o.localText &&
           localValue == o.localValue && importable == o.importable && compiledOk == o.compiledOk &&
           promptModifiable == o.promptModifiable && lockingPc == o.lockingPc && lockingUser == o.lockingUser &&
           lockingTime == o.lockingTime && volumeId == o.volumeId && version == o.version &&
           runFilePath == o.runFilePath && rllFilePath == o.rllFilePath && misaFilePath == o.misaFilePath &&
           visible == o.visible && previousVersion == o.previousVersion && modificationNumber == o.modificationNumber;
}

void KvAppProfile::ToInfo(KvAppInfo& info) const {
    info.customerId = customerId;
    info.applicationId = applicationId;
    info.mediaType = mediaType;
    CopyText(info.description, 256, description);
    CopyText(info.name, 61, name);
    info.spokenNameRecorded = spokenNameRecorded;
    CopyText(info.spokenName, 31, spokenName);
    CopyText(info.verfFaxNumber, 21, verfFaxNumber);
    info.faxNumberModifiable = faxNumberModifiable;
    CopyText(info.verfContactId, 31, verfContactId);
    info.updatePasswordNeeded = updatePasswordNeeded;
    std::memcpy(info.updatePassword, updatePassword, 8);
    info.maintenanceThroughDial = maintenanceThroughDial;
    CopyText(info.localText, 17, localText);
    info.localValue = localValue;
    info.importable = importable;
    info.compiledOk = compiledOk;
    info.promptModifiable = promptModifiable;
    CopyText(info.lockingPc, 31, lockingPc);
    CopyText(info.lockingUser, 40, lockingUser);
    LocalTimeFields(lockingTime, info.lockingTime);
    info.volumeId = volumeId;
    info.version = version;
    CopyText(info.runFilePath, 100, runFilePath);
    CopyText(info.rllFilePath, 100, rllFilePath);
    CopyText(info.misaFilePath, 100, misaFilePath);
    info.visible = visible;
    info.previousVersion = previousVersion;
    info.modificationNumber = modificationNumber;
}

namespace {
// A text field of a record the caller filled: never read past its width.
std::string Bounded(const char* text, std::size_t width) { return std::string(text, strnlen(text, width)); }
}  // namespace

void KvAppProfile::FromInfo(const KvAppInfo& info) {
    customerId = info.customerId;
    applicationId = info.applicationId;
    mediaType = info.mediaType;
    description = Bounded(info.description, 255);
    name = Bounded(info.name, 60);
    spokenNameRecorded = info.spokenNameRecorded;
    spokenName = Bounded(info.spokenName, 30);
    verfFaxNumber = Bounded(info.verfFaxNumber, 20);
    faxNumberModifiable = info.faxNumberModifiable;
    verfContactId = Bounded(info.verfContactId, 30);
    updatePasswordNeeded = info.updatePasswordNeeded;
    std::memcpy(updatePassword, info.updatePassword, 8);
    maintenanceThroughDial = info.maintenanceThroughDial;
    localText = Bounded(info.localText, 16);
    localValue = info.localValue;
    importable = info.importable;
    compiledOk = info.compiledOk;
    promptModifiable = info.promptModifiable;
    lockingPc = Bounded(info.lockingPc, 30);
    lockingUser = Bounded(info.lockingUser, 39);
    lockingTime = SecondsOfTimeFields(info.lockingTime);
    volumeId = info.volumeId;
    version = info.version;
    runFilePath = Bounded(info.runFilePath, 99);
    rllFilePath = Bounded(info.rllFilePath, 99);
    misaFilePath = Bounded(info.misaFilePath, 99);
    visible = info.visible;
    previousVersion = info.previousVersion;
    modificationNumber = info.modificationNumber;
}

bool ParseProfile(std::string rest, KvAppProfile& p) {
    std::string password;
    std::int64_t seconds = 0;
    std::int32_t version = 0, previous = 0;
    std::string versionText, previousText;
    const bool ok = TakeField(rest, p.customerId) && TakeField(rest, p.applicationId) && TakeField(rest, p.mediaType) &&
                    TakeField(rest, p.description) && TakeField(rest, p.name) &&
                    TakeField(rest, p.spokenNameRecorded) && TakeField(rest, p.spokenName) &&
                    TakeField(rest, p.verfFaxNumber) && TakeField(rest, p.faxNumberModifiable) &&
                    TakeField(rest, p.verfContactId) && TakeField(rest, p.updatePasswordNeeded) &&
                    TakeField(rest, password) && TakeField(rest, p.maintenanceThroughDial) &&
                    TakeField(rest, p.importable) && TakeField(rest, p.compiledOk) &&
                    TakeField(rest, p.promptModifiable) && TakeField(rest, p.lockingPc) &&
                    TakeField(rest, p.lockingUser) && TakeField(rest, seconds) && TakeField(rest, p.volumeId) &&
                    TakeField(rest, versionText) && TakeField(rest, p.runFilePath) && TakeField(rest, p.rllFilePath) &&
                    TakeField(rest, p.misaFilePath) && TakeField(rest, p.visible) && TakeField(rest, previousText);
    if (!ok) return false;
    TakeField(rest, p.modificationNumber);
    version = versionText.empty() ? 65535 : std::atoi(versionText.c_str());
    previous = previousText.empty() ? 65535 : std::atoi(previousText.c_str());
    p.version = version;
    p.previousVersion = previous;
    p.lockingTime = seconds < 0 ? 0 : seconds;
    std::memset(p.updatePassword, 0, sizeof p.updatePassword);
    HexDecode(password, p.updatePassword, sizeof p.updatePassword);
    return true;
}

void KvAppService::FillFrom(const KvAppProfile& profile) {
    applicationId = profile.applicationId;
    customerId = profile.customerId;
    name = profile.name;
    description = profile.description;
    mediaType = profile.mediaType + 1;
    parameter = profile.runFilePath;
}

}  // namespace zlink
