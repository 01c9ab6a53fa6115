#include "entry_classes.h"

#include <cstdarg>
#include <cstring>

#include "admin_client.h"
#include "directory_client.h"
#include "link_log.h"
#include "session.h"

namespace zlink {
namespace {

std::string Format(const char* format, ...) {
    char buffer[1024];
    std::va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

const std::string& Suffix() { return Directory().Suffix(); }

// True when the failed call reported server code `code` (the error list is collected).
bool Reported(HResult hr, std::int32_t code, const char* context) {
    if (!failed(hr)) return false;
    Directory().GetLastError(context);
    return Directory().FindCode(code);
}

// The mapped server code (62, 63, 64) of a failed call, else `fallback`.
int MappedOr(int fallback) {
    const int mapped = Directory().MappedServerCode();
    return mapped ? mapped : fallback;
}

std::string ReplyText(const char* attribute) {
    KvDirectoryError e{};
    return Directory().FindAttribute(attribute, &e) ? std::string(e.text1) : std::string();
}

int ReadAllEntries(std::vector<std::string>& entries) {
    for (;;) {
        std::optional<std::string> entry;
        if (failed(Directory().GetNext(entry))) return 60;
        if (!entry) return 0;
        entries.push_back(*entry);
    }
}

}  // namespace

std::string ApplicationDn(int customerId, int applicationId) {
    return Format("%s=%d+%s=%d,", "appid", applicationId, "customerid", customerId) + Suffix();
}

std::string ProfileDn(int customerId, int applicationId, int version) {
    return Format("%s=%d+%s=%d+%s=%d,", "appprofid", applicationId, "customerid", customerId, "appvernum", version) +
           Suffix();
}

std::string ServiceDn(int applicationId, int serviceId) {
    return Format("%s=%d+%s=%d,", "appid", applicationId, "sysserviceid", serviceId) + Suffix();
}

// ---- KvApplication -------------------------------------------------------------------

int KvApplication::New(KvAppProfile& profile, int customerId, int applicationId, const std::string& name, int volumeId,
                       std::string& currentEdPath, std::string& newEdPath, const std::string& lockingPc,
                       const std::string& lockingUser) {
    log_message(2, "KvApplication::New, AppID = %d, CustID = %d\n", applicationId, customerId);
    currentEdPath.clear();
    newEdPath.clear();
    AttrString a;
    a.Int("volumeid", volumeId);
    a.Text("lockingpc", lockingPc);
    a.Text("lockinguser", lockingUser);
    a.Text("appname", name, true);
    if (a.Refused()) return 60;
    const HResult hr = Directory().Add(ApplicationDn(customerId, applicationId), a.str(), 0);
    if (!Reported(hr, 60775, "KvApplication::New")) return 60;
    log_message(3, "KvApplication::New - Successfully added, AppID = %d, CustID = %d\n", applicationId, customerId);
    currentEdPath = ReplyText("currentedfilepath");
    newEdPath = ReplyText("newedfilepath");
    const int rc = KvAppProfileInterface::Search(&profile, customerId, applicationId, -1);
    if (rc != 0) {
        log_message(1, "KvApplication::New - Failed to get latest appprofile for appid = %d, rc = %d.\n", applicationId, rc);
        return rc;
    }
    return 0;
}

int KvApplication::Open(KvAppProfile& profile, int customerId, int applicationId, const std::string&, int volumeId,
                        std::string& currentEdPath, std::string& newEdPath, const std::string& lockingPc,
                        const std::string& lockingUser) {
    log_message(2, "KvApplication::Open, AppID = %d, CustID = %d\n", applicationId, customerId);
    AttrString a;
    a.Int("volumeid", volumeId);
    a.Text("lockingpc", lockingPc);
    a.Text("lockinguser", lockingUser, true);
    if (a.Refused()) return 60;
    std::string cursorNew, cursorOld;
    const HResult hr = Directory().Lock(customerId, applicationId, a.str(), cursorNew, cursorOld);
    int working = -1;
    if (Reported(hr, 60775, "KvApplication::Open")) {
        currentEdPath = ReplyText("currentedfilepath");
        newEdPath = ReplyText("newedfilepath");
        const std::string version = ReplyText("appvernum");
        if (!version.empty()) working = std::atoi(version.c_str());
    } else if (!failed(hr)) {
        // A component that answers the lock plainly gives the paths through its cursor.
        newEdPath = cursorNew;
        currentEdPath = cursorOld;
    } else {
        log_message(1, "KvApplication::Open - failed, AppID = %d, CustID = %d\n", applicationId, customerId);
        return 60;
    }
    log_message(3, "KvApplication::Open - Successfully opened, AppID = %d, CustID = %d\n", applicationId, customerId);
    KvAppProfile read = profile;
    int rc = KvAppProfileInterface::Search(&read, customerId, applicationId, working);
    if (rc == 0 && read.applicationId != applicationId) rc = 36;
    if (rc != 0) {
        log_message(1, "KvApplication::Open - Failed to get latest appprofile for working version:%d, rc = %d.\n",
                    working, rc);
        Close(nullptr, customerId, applicationId);
        return rc;
    }
    profile = read;
    return 0;
}

int KvApplication::Close(const KvAppProfile* profile, int customerId, int applicationId) {
    log_message(2, "KvApplication::Close, AppID = %d, CustID = %d\n", applicationId, customerId);
    AttrString a;
    a.Int("apppreviousvernum", profile ? profile->previousVersion : 65535, true);
    if (failed(Directory().Unlock(customerId, applicationId, a.str()))) {
        Directory().GetLastError("KvApplication::Close");
        return 60;
    }
    log_message(3, "KvApplication::Close - Successfully unlocked, AppID = %d, CustID = %d\n", applicationId, customerId);
    Admin().CleanUpDeleted();
    return 0;
}

int KvApplication::Delete(int customerId, int applicationId) {
    log_message(2, "KvApplication::Delete, AppID = %d, CustID = %d\n", applicationId, customerId);
    int rc = 0;
    if (failed(Directory().Delete(ApplicationDn(customerId, applicationId)))) {
        Directory().GetLastError("KvApplication::Delete");
        rc = 60;
    } else {
        log_message(3, "KvApplication::Delete - Successfully deleted, AppID = %d, ServiceId = %d\n", applicationId,
                    customerId);
    }
    Admin().CleanUpDeleted();
    return rc;
}

int KvApplication::Commit(KvAppProfile& profile, int customerId, int applicationId, const std::string&,
                          std::string& currentEdPath, std::string& newEdPath, const std::string& lockingPc,
                          const std::string& lockingUser) {
    log_message(2, "KvApplication::Commit, AppID = %d, CustID = %d\n", applicationId, customerId);
    currentEdPath.clear();
    newEdPath.clear();
    const int committed = profile.version;
    AttrString a;
    a.Text("lockinguser", lockingUser);
    a.Text("lockingpc", lockingPc, true);
    if (a.Refused()) return 60;
    const HResult hr = Directory().Modify(ApplicationDn(customerId, applicationId), a.str());
    if (!Reported(hr, 60775, "KvApplication::Commit")) return 60;
    log_message(3, "KvApplication::Commit - Successfully committed, AppID = %d, CustID = %d\n", applicationId, customerId);
    currentEdPath = ReplyText("currentedfilepath");
    newEdPath = ReplyText("newedfilepath");
    Filter filter("APPPROFILE");
    filter.Add(kEqual, "appprofid", applicationId);
    filter.Add(kEqual, "customerid", customerId);
    filter.Add(kEqual, "visible", 0);
    filter.Add(kEqual, "apppreviousvernum", committed);
    const int rc = KvAppProfileInterface::Search(&profile, filter);
    if (rc != 0) {
        log_message(1, "KvApplication::Commit - Failed to get latest appprofile for appid = %d, rc = %d.\n", applicationId, rc);
        return rc;
    }
    return 0;
}

// ---- KvAppProfileInterface -----------------------------------------------------------

int KvAppProfileInterface::SearchAppProfileState(int customerId, int applicationId, int version, KvAppState& state,
                                                 const std::string& userId) {
    Filter filter("APPPROFILE");
    filter.Add(kEqual, "appprofid", applicationId);
    filter.Add(kEqual, "customerid", customerId);
    filter.Add(kEqual, "appvernum", version);
    const AttrList attributes{"compiledok", "importable", "lockinguser", "lockingpc"};
    if (failed(Directory().Search(filter, attributes))) {
        Directory().GetLastError("KvAppProfileInterface::State");
        return 38;
    }
    std::vector<std::string> entries;
    if (ReadAllEntries(entries)) return 60;
    if (entries.empty()) return 0;
    log_message(3, "KvAppProfileInterface::State, \n\tAttribs:%s\n\tValues:%s\n", attributes.str().c_str(),
                entries.front().c_str());
    std::string rest = entries.front();
    std::int32_t complete = 0, exported = 0;
    std::string user, pc;
    TakeField(rest, complete);
    TakeField(rest, exported);
    TakeField(rest, user);
    TakeField(rest, pc);
    state.complete = complete;
    state.exported = exported;
    state.SetLock(LockOf(user, pc, userId));
    return 0;
}

int KvAppProfileInterface::Search(KvAppProfile* profile, int customerId, int applicationId, int version) {
    Filter filter("APPPROFILE");
    filter.Add(kEqual, "appprofid", applicationId);
    filter.Add(kEqual, "customerid", customerId);
    if (version != -1) filter.Add(kEqual, "appvernum", version);
    return Search(profile, filter);
}

int KvAppProfileInterface::Search(KvAppProfile* profile, const Filter& filter) {
    if (!profile) return 60;
    AttrList attributes;
    for (int i = 0; i < 27; ++i) attributes.Add(kProfileAttributes[i], i == 26);
    if (failed(Directory().Search(filter, attributes))) {
        Directory().GetLastError("KvAppProfileInterface::Search");
        return MappedOr(38);
    }
    std::optional<std::string> entry;
    if (failed(Directory().GetNext(entry))) {
        Directory().GetLastError("KvAppProfileInterface::Search");
        return MappedOr(60);
    }
    if (!entry) return 0;
    // Drain the rest so the next search starts clean.
    for (std::optional<std::string> more; !failed(Directory().GetNext(more)) && more;) {
    }
    KvAppProfile read;
    if (!ParseProfile(*entry, read)) return 60;
    *profile = read;
    log_message(3, "KvAppProfileInterface::Search OK, Filter=%s\n", filter.str().c_str());
    return 0;
}

int KvAppProfileInterface::Update(const KvAppProfile& oldProfile, KvAppProfile& p) {
    log_message(2, "KvAppProfileInterface::Update\n");
    const std::string dn = ProfileDn(oldProfile.customerId, oldProfile.applicationId, oldProfile.version);
    AttrString a;
    a.Int("appmediatype", p.mediaType);
    a.Text("appdescr", p.description);
    a.Text("appname", p.name);
    a.Text("appspokenname", p.spokenName);
    a.Int("spokennamerecorded", p.spokenNameRecorded);
    a.Text("verffaxnum", p.verfFaxNumber);
    a.Int("verffaxnummodifiable", p.faxNumberModifiable);
    a.Text("verfcontactid", p.verfContactId);
    a.Int("updatepsswdneeded", p.updatePasswordNeeded);
    a.Text("updatepsswd", HexEncode(p.updatePassword, sizeof p.updatePassword));
    a.Int("mntadnthrudial", p.maintenanceThroughDial);
    a.Int("importable", p.importable);
    a.Int("compiledok", p.compiledOk);
    a.Int("comfprmtmodifiable", p.promptModifiable);
    a.Int("volumeid", p.volumeId);
    a.Text("runfilepath", p.runFilePath);
    a.Text("rllfilepath", p.rllFilePath);
    a.Text("misafilepath", p.misaFilePath);
    a.Int("visible", p.visible);
    a.Text("lockingpc", p.lockingPc);
    a.Text("lockinguser", p.lockingUser);
    a.Time("lockingdatetime", p.lockingTime);
    a.Int("apppreviousvernum", p.previousVersion, true);
    if (a.Refused()) return 36;
    if (failed(Directory().Modify(dn, a.str()))) {
        Directory().GetLastError("KvAppProfileInterface::Update");
        return MappedOr(Directory().Errors().empty() ? 36 : 43);
    }
    log_message(3, "KvAppProfileInterface::Modify OK, \tDN:%s\n", dn.c_str());
    p.modificationNumber = oldProfile.modificationNumber + 1;
    return 0;
}

// ---- KvAppImpInterface, KvAppRPLInterface ----------------------------------------------

namespace {
// Deletes every entry that the filter finds; the DN of each is built from its values.
int DeleteFound(const Filter& filter, const AttrList& attributes, std::string (*dnOf)(std::string, int, int, int),
                int customerId, int applicationId, int version, const char* logFormat) {
    if (failed(Directory().Search(filter, attributes))) {
        Directory().GetLastError(logFormat);
        return 60;
    }
    std::vector<std::string> entries;
    if (ReadAllEntries(entries)) return 60;
    for (const std::string& entry : entries) {
        const std::string dn = dnOf(entry, customerId, applicationId, version);
        if (dn.empty()) return 60;
        log_message(3, logFormat, dn.c_str());
        if (failed(Directory().Delete(dn))) {
            Directory().GetLastError(nullptr);
            return 60;
        }
    }
    return 0;
}

std::string ImportDn(int customerId, int applicationId, int version, int importedApp, int importedCustomer) {
    return Format("%s=%d+%s=%d+%s=%d+%s=%d+%s=%d,", "appimpid", applicationId, "customerid", customerId, "appvernum",
                  version, "impedappid", importedApp, "impedcustid", importedCustomer) +
           Suffix();
}

std::string RplDn(int customerId, int applicationId, int version, int listId) {
    return Format("%s=%d+%s=%d+%s=%d+%s=%d,", "rplid", listId, "apprplid", applicationId, "customerid", customerId,
                  "appvernum", version) +
           Suffix();
}
}  // namespace

int KvAppImpInterface::Update(int customerId, int applicationId, int version, const std::vector<KvImportEntry>& list) {
    log_message(2, "KvAppImpInterface::Update, CustID=%d, AppID=%d, Version=%d\n", customerId, applicationId, version);
    Filter filter("APPIMP");
    filter.Add(kEqual, "customerid", customerId);
    filter.Add(kEqual, "appimpid", applicationId);
    filter.Add(kEqual, "appvernum", version);
    // Each found entry's name needs the imported customer as well as the imported id.
    int rc = DeleteFound(
        filter, AttrList{"impedappid", "impedcustid"},
        [](std::string entry, int c, int a, int v) {
            std::int32_t importedApp = 0, importedCustomer = 0;
            if (!TakeField(entry, importedApp) || !TakeField(entry, importedCustomer)) return std::string();
            return ImportDn(c, a, v, importedApp, importedCustomer);
        },
        customerId, applicationId, version, "KvAppImpInterface::Delete, DeleteDN:%s\n");
    if (rc == 0) {
        for (const KvImportEntry& e : list) {
            AttrString a;
            a.Int("appimpid", applicationId);
            a.Int("customerid", customerId);
            a.Int("appvernum", version);
            a.Int("impedappid", e.applicationId);
            a.Int("impedcustid", e.customerId, true);
            if (failed(Directory().Add(ImportDn(customerId, applicationId, version, e.applicationId, e.customerId),
                                       a.str(), 0))) {
                Directory().GetLastError("KvAppImpInterface::Add");
                rc = 60;
                break;
            }
        }
    }
    log_message(2, "KvAppImpInterface::Update, rc = %d\n", rc);
    return rc;
}

int KvAppRPLInterface::Update(int customerId, int applicationId, int version, const std::vector<KvResPermEntry>& list) {
    log_message(2, "KvAppRPLInterface::Update, CustID=%d, AppID=%d, Version=%d\n", customerId, applicationId, version);
    Filter filter("APPRPL");
    filter.Add(kEqual, "apprplid", applicationId);
    filter.Add(kEqual, "customerid", customerId);
    filter.Add(kEqual, "appvernum", version);
    int rc = DeleteFound(
        filter, AttrList{"rplid"},
        [](std::string entry, int c, int a, int v) {
            std::int32_t listId = 0;
            if (!TakeField(entry, listId)) return std::string();
            return RplDn(c, a, v, listId);
        },
        customerId, applicationId, version, "KvAppRPLInterface::Delete, DeleteDN:%s\n");
    if (rc == 0) {
        for (const KvResPermEntry& e : list) {
            AttrString a;
            a.Int("count", e.count, true);
            if (failed(Directory().Add(RplDn(customerId, applicationId, version, e.listId), a.str(), 0))) {
                Directory().GetLastError("KvAppRPLInterface::Add");
                rc = 60;
                break;
            }
        }
    }
    log_message(2, "KvAppRPLInterface::Update, rc = %d\n", rc);
    return rc;
}

// ---- KvAppService ------------------------------------------------------------------------

int KvAppServiceEntry::Search(int customerId, int applicationId, int serviceId, KvAppService& service) {
    Filter filter("APPSERVICE");
    filter.Add(kEqual, "appid", applicationId);
    filter.Add(kEqual, "sysserviceid", serviceId);
    filter.Add(kEqual, "customerid", customerId);
    const AttrList attributes{"appid", "sysserviceid", "customerid", "appname", "mediatype",
                              "appparam", "custombuiltapp", "appserviceidstr", "appdescr", "apphidden"};
    if (failed(Directory().Search(filter, attributes))) {
        Directory().GetLastError("KvAppService::Search");
        return MappedOr(44);
    }
    std::vector<std::string> entries;
    if (ReadAllEntries(entries)) return 60;
    if (entries.empty()) return 65;
    std::string rest = entries.front();
    KvAppService s;
    TakeField(rest, s.applicationId);
    TakeField(rest, s.serviceId);
    TakeField(rest, s.customerId);
    TakeField(rest, s.name);
    TakeField(rest, s.mediaType);
    TakeField(rest, s.parameter);
    TakeField(rest, s.customBuilt);
    TakeField(rest, s.serviceIdText);
    TakeField(rest, s.description);
    TakeField(rest, s.hidden);
    service = s;
    return 0;
}

namespace {
AttrString ServiceAttributes(const KvAppService& s) {
    AttrString a;
    a.Int("customerid", s.customerId);
    a.Text("appname", s.name);
    a.Int("mediatype", s.mediaType);
    a.Text("appparam", s.parameter);
    a.Int("apphidden", s.hidden);
    a.Int("custombuiltapp", s.customBuilt);
    a.Text("appserviceidstr", s.serviceIdText);
    a.Text("appdescr", s.description, true);
    return a;
}
}  // namespace

int KvAppServiceEntry::Add(const KvAppService& service) {
    const AttrString a = ServiceAttributes(service);
    if (a.Refused()) return 36;
    if (failed(Directory().Add(ServiceDn(service.applicationId, service.serviceId), a.str(), 0))) {
        Directory().GetLastError("KvAppService::Add");
        return 36;
    }
    return 0;
}

int KvAppServiceEntry::Delete(const KvAppService& service) {
    if (failed(Directory().Delete(ServiceDn(service.applicationId, service.serviceId)))) {
        Directory().GetLastError("KvAppService::Delete");
        return MappedOr(42);
    }
    return 0;
}

int KvAppServiceEntry::Update(KvAppService& service, const KvAppProfile& profile) {
    service.FillFrom(profile);
    const AttrString a = ServiceAttributes(service);
    if (a.Refused()) return 45;
    if (failed(Directory().Modify(ServiceDn(service.applicationId, service.serviceId), a.str()))) {
        Directory().GetLastError("KvAppService::Update");
        return MappedOr(45);
    }
    return 0;
}

// ---- Multimedia entries ---------------------------------------------------------------------

int KvAppMMFSFile::Modify(const std::string& sourceFile, int sourceApplicationId, int sourceVersion,
                          const std::string& targetFile, int targetApplicationId, int targetVersion) {
    log_message(2,
                "KvAppMMFSFile::Modify, SourceMISA: %s, SourceAppID: %d, SourceVersion: %d, TargetMISA: %s, TargetAppID: "
                "%d, TargetVersion:%d.\n",
                sourceFile.c_str(), sourceApplicationId, sourceVersion, targetFile.c_str(), targetApplicationId,
                targetVersion);
    const std::string dn = Format("%s=%s,%s=%d,%s=%d,", "mmfsfileid", sourceFile.c_str(), "appprofid",
                                  sourceApplicationId, "appvernum", sourceVersion) +
                           Suffix();
    AttrString a;
    a.Text("mmfsfileid", sourceFile);
    a.Int("appprofid", sourceApplicationId);
    a.Int("appvernum", sourceVersion);
    a.Text("destmmfsfileid", targetFile);
    a.Int("destappprofid", targetApplicationId);
    a.Int("destappvernum", targetVersion, true);
    if (a.Refused() || failed(Directory().Modify(dn, a.str()))) {
        Directory().GetLastError("KvAppMMFSFile::Modify");
        return 60;
    }
    log_message(3,
                "KvAppMMFSFile::Modify - Successful -> SourceMISA: %s, SourceAppID: %d, SourceVersion: %d, TargetMISA: "
                "%s, TargetAppID: %d, TargetVersion:%d\n",
                sourceFile.c_str(), sourceApplicationId, sourceVersion, targetFile.c_str(), targetApplicationId,
                targetVersion);
    return 0;
}

namespace {
std::string RecordDn(int recordId, int recordType, const std::string& file) {
    return Format("%s=%s+%s=%d+%s=%d,", "mmfsfileid", file.c_str(), "mmfsrecid", recordId, "mmfsrectype", recordType) +
           Suffix();
}
}  // namespace

int KvAppMMFSRecord::New(int recordId, int recordType, const std::string& file) {
    log_message(2, "KvAppMMFSRecord::New, ItemID = %d, MediaType = %d, MMFSFID: %s\n", recordId, recordType, file.c_str());
    AttrString a;
    a.Int("mmfsoperationtype", 0, true);
    if (HoldsSeparator(file) || failed(Directory().Add(RecordDn(recordId, recordType, file), a.str(), 0))) {
        Directory().GetLastError("KvAppMMFSRecord::New");
        return 60;
    }
    log_message(3, "KvAppMMFSRecord::New - Successfully added, ItemID = %d, MediaType = %d, MMFSFID: %s\n", recordId,
                recordType, file.c_str());
    return 0;
}

int KvAppMMFSRecord::Delete(int recordId, int recordType, const std::string& file) {
    log_message(2, "KvAppMMFSRecord::Delete, ItemID =%d, MediaType: %d, MMFS FID: %s\n", recordId, recordType, file.c_str());
    if (failed(Directory().Delete(RecordDn(recordId, recordType, file)))) {
        Directory().GetLastError("KvAppMMFSRecord::Delete");
        return 60;
    }
    log_message(3, "KvAppMMFSRecord::Delete - Successfully deleted, ItemID =%d, MediaType: %d, MMFS FID: %s\n", recordId,
                recordType, file.c_str());
    return 0;
}

int KvAppMMFSRecord::Modify(int operation, const std::string& sourceFile, const std::string& targetFile,
                            int sourceRecordId, int targetRecordId, int recordType) {
    log_message(2,
                "KvAppMMFSRecord::Modify, Operation: %d, SourceMISA: %s, SourceItemID: %d, TargetMISA: %s, TargetItemID: "
                "%d\n",
                operation, sourceFile.c_str(), sourceRecordId, targetFile.c_str(), targetRecordId);
    const std::string dn = RecordDn(sourceRecordId, recordType, sourceFile);
    AttrString a;
    a.Text("mmfsfileid", sourceFile);
    a.Int("mmfsrecid", sourceRecordId);
    a.Text("destmmfsfileid", targetFile);
    a.Int("destmmfsrecid", targetRecordId);
    a.Int("mmfsoperationtype", operation, true);
    if (a.Refused() || failed(Directory().Modify(dn, a.str()))) {
        Directory().GetLastError("KvAppMMFSRecord::Modify");
        return 60;
    }
    log_message(3,
                "KvAppMMFSRecord::Modify - Successful -> Operation: %d, SourceMISA: %s, SourceItemID: %d, TargetMISA: %s, "
                "TargetItemID: %d\n",
                operation, sourceFile.c_str(), sourceRecordId, targetFile.c_str(), targetRecordId);
    return 0;
}

int KvAppMMFSRecord::Manipulate(int operation, int recordId, int recordType, const std::string& file) {
    if (operation == 21) return New(recordId, recordType, file);
    if (operation == 23) return Delete(recordId, recordType, file);
    return 60;
}

}  // namespace zlink
