// The directory entries of an application: APPLICATION (lock and file paths of the
// working version), APPPROFILE (one per version), APPIMP (imports), APPRPL (lists used),
// APPSERVICE (the service entry), and the multimedia file and record entries.
#pragma once
#include <string>
#include <vector>

#include "app_profile.h"
#include "app_state.h"
#include "dir_text.h"
#include "kvlink.h"

namespace zlink {

class KvApplication {
public:
    static int New(KvAppProfile& profile, int customerId, int applicationId, const std::string& name, int volumeId,
                   std::string& currentEdPath, std::string& newEdPath, const std::string& lockingPc,
                   const std::string& lockingUser);
    static int Open(KvAppProfile& profile, int customerId, int applicationId, const std::string& name, int volumeId,
                    std::string& currentEdPath, std::string& newEdPath, const std::string& lockingPc,
                    const std::string& lockingUser);
    static int Close(const KvAppProfile* profile, int customerId, int applicationId);
    static int Delete(int customerId, int applicationId);
    static int Commit(KvAppProfile& profile, int customerId, int applicationId, const std::string& name,
                      std::string& currentEdPath, std::string& newEdPath, const std::string& lockingPc,
                      const std::string& lockingUser);
};

class KvAppProfileInterface {
public:
    static int SearchAppProfileState(int customerId, int applicationId, int version, KvAppState& state,
                                     const std::string& userId);
    // version -1: any version (the first entry the directory returns).
    static int Search(KvAppProfile* profile, int customerId, int applicationId, int version);
    static int Search(KvAppProfile* profile, const Filter& filter);
    static int Update(const KvAppProfile& oldProfile, KvAppProfile& newProfile);
};

class KvAppImpInterface {
public:
    static int Update(int customerId, int applicationId, int version, const std::vector<KvImportEntry>& list);
};

class KvAppRPLInterface {
public:
    static int Update(int customerId, int applicationId, int version, const std::vector<KvResPermEntry>& list);
};

class KvAppServiceEntry {
public:
    static int Search(int customerId, int applicationId, int serviceId, KvAppService& service);
    static int Add(const KvAppService& service);
    static int Delete(const KvAppService& service);
    static int Update(KvAppService& service, const KvAppProfile& profile);
};

class KvAppMMFSFile {
public:
    static int Modify(const std::string& sourceFile, int sourceApplicationId, int sourceVersion,
                      const std::string& targetFile, int targetApplicationId, int targetVersion);
};

class KvAppMMFSRecord {
public:
    static int New(int recordId, int recordType, const std::string& file);
    static int Delete(int recordId, int recordType, const std::string& file);
    // recordType names the source record's entry (14 voice, 15 fax).
    static int Modify(int operation, const std::string& sourceFile, const std::string& targetFile, int sourceRecordId,
                      int targetRecordId, int recordType = 14);
    static int Manipulate(int operation, int recordId, int recordType, const std::string& file);
};

// Entry names; the suffix is the directory client's.
std::string ApplicationDn(int customerId, int applicationId);
std::string ProfileDn(int customerId, int applicationId, int version);
std::string ServiceDn(int applicationId, int serviceId);

}  // namespace zlink
