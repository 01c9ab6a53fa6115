// KvAppProfile: one APPPROFILE entry (one version of an application) with every property;
// it mirrors the application information record field for field. KvAppService: the
// application's service entry.
#pragma once
#include <cstdint>
#include <string>

#include "kvlink.h"

namespace zlink {

struct KvAppProfile {
    std::int32_t customerId = 0;
    std::int32_t applicationId = 0;
    std::int32_t mediaType = 0;
    std::string description;
    std::string name;
    std::int32_t spokenNameRecorded = 0;
    std::string spokenName;
    std::string verfFaxNumber;
    std::int32_t faxNumberModifiable = 0;
    std::string verfContactId;
    std::int32_t updatePasswordNeeded = 0;
    unsigned char updatePassword[8] = {};
    std::int32_t maintenanceThroughDial = 0;
    std::string localText;
    std::int32_t localValue = 0;
    std::int32_t importable = 0;
    std::int32_t compiledOk = 0;
    std::int32_t promptModifiable = 0;
    std::string lockingPc;
    std::string lockingUser;
    std::int64_t lockingTime = 0;  // seconds since 1970
    std::int32_t volumeId = 0;
    std::int32_t version = 65535;
    std::string runFilePath;
    std::string rllFilePath;
    std::string misaFilePath;
    std::int32_t visible = 0;
    std::int32_t previousVersion = 65535;
    std::int32_t modificationNumber = 0;

    // A new record: the locking time is now.
    static KvAppProfile Fresh();
    bool operator==(const KvAppProfile& other) const;
    bool operator!=(const KvAppProfile& other) const { return !(*this == other); }

    // Into the information record (texts cut at their widths); newEdPath is not touched.
    void ToInfo(KvAppInfo& info) const;
    // From the first `size` bytes of an information record image (the recovery record
    // holds 1012 of them).
    void FromInfo(const KvAppInfo& info);
};

// The 27 directory attributes of a profile in the order the search requests them.
extern const char* const kProfileAttributes[27];
// Parses an entry string of those attributes; false when a value is missing.
bool ParseProfile(std::string entry, KvAppProfile& profile);

struct KvAppService {
    std::int32_t applicationId = 0;
    std::int32_t serviceId = 3;
    std::int32_t customerId = 0;
    std::string name;
    std::int32_t mediaType = 0;
    std::string parameter;
    std::int32_t hidden = 0;
    std::int32_t customBuilt = 0;
    std::string serviceIdText;
    std::string description;

    void FillFrom(const KvAppProfile& profile);
};

}  // namespace zlink
