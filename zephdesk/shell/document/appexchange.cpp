#include "shell/document/appexchange.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <string>

#include "editor/canvas/appinfo.h"
#include "editor/canvas/program.h"
#include "foundation/kvassert.h"
#include "framework/definitions/defs_ids.h"
#include "kvlink.h"
#include "shell/document/kvuserapp.h"
#include "shell/document/locktime.h"
#include "shell/document/textcopy.h"
#include "shell/serverlists/kvlinkcalls.h"

namespace {

using Info = KvAppInfo;
using Header = ed::ApplicationInfo;

#define ROW(field, kind, key, infoMember, headerMember)                                            \
    {field, KvExchangeKind::kind, key, offsetof(Info, infoMember), sizeof(Info::infoMember),        \
     offsetof(Header, headerMember), sizeof(Header::headerMember)}

const std::vector<KvExchangeRow> kRows = {
    ROW(F_UA_CUSTOMER, Int, "custID", customerId, custID),
    ROW(F_UA_ID, Int, "appID", applicationId, appID),
    ROW(F_UA_VERSION, Int, "VersionNum", version, versionNum),
    ROW(F_UA_MEDIA_TYPE, Int, "mediaType", mediaType, mediaType),
    ROW(F_UA_DESCRIPTION, Text, "description", description, description),
    ROW(F_UA_NAME, Text, "name", name, name),
    ROW(F_UA_SPOKEN_NAME_RECORDED, Flag, "spokenAppNameRecorded", spokenNameRecorded, spokenAppNameRecorded),
    ROW(F_UA_SPOKEN_NAME, Text, "spokenAppName", spokenName, spokenAppName),
    ROW(F_UA_VERIFY_FAX, Text, "verfFaxNumber", verfFaxNumber, verfFaxNumber),
    ROW(F_UA_VERIFY_FAX_MODIFIABLE, Flag, "verificationFaxNumModifiable", faxNumberModifiable,
        verificationFaxNumModifiable),
    ROW(F_UA_VERIFY_CONTACT, Text, "verificationContactID", verfContactId, verificationContactID),
    ROW(F_UA_TELSET_PWD_ON, Flag, "telsetMaintPsswdNeeded", updatePasswordNeeded, telsetMaintPsswdNeeded),
    ROW(F_UA_MONITOR_THRU_DIAL, Flag, "monitorThruDial", maintenanceThroughDial, monitorThruDial),
    ROW(F_UA_EXPANSION_DIGITS, Text, "expansionDigits", localText, expansionDigits),
    ROW(F_UA_ENFORCE_DIAL, Flag, "enforceDial", localValue, enforceDial),
    ROW(F_UA_EXPORTED, Flag, "importable", importable, importable),
    ROW(F_UA_COMPLETE, Flag, "compiledOK", compiledOk, compiledOK),
    ROW(F_UA_FAX_CONFIRM_MODIFIABLE, Flag, "confirmationPromptModifiableByTelset", promptModifiable,
        confirmationPromptModifiableByTelset),
    ROW(F_UA_LOCKING_PC, Text, "lockingPC", lockingPc, lockingPC),
    ROW(F_UA_LOCKING_USER, Text, "lockingUserID", lockingUser, lockingUserID),
    ROW(F_UA_VOLUME, Int, "VolumeID", volumeId, volumeID),
    ROW(F_UA_PREVIOUS_VERSION, Int, "PreviousVersionNum", previousVersion, previousVersionNum),
    ROW(F_UA_RUN_PATH, Text, "RUNFilePath", runFilePath, runFilePath),
    ROW(F_UA_RLL_PATH, Text, "RLLFilePath", rllFilePath, rllFilePath),
    ROW(F_UA_MISA_PATH, Text, "MISAFilePath", misaFilePath, misaFilePath),
    ROW(F_UA_VISIBLE, Flag, "Visible", visible, visible),
    ROW(F_UA_MODIFICATION, Int, "modificationNum", modificationNumber, modificationNum),
    ROW(F_UA_ED_PATH, Text, "EDFilePath", newEdPath, edFilePath),
};

#undef ROW

static_assert(sizeof(Info) == 1016, "the info record the server link exchanges");

// The records are the server link's structures in this process's memory: 32-bit members
// are written and read in place, one member at a time.
void PutInt(unsigned char* at, std::int32_t value)
{
    std::memcpy(at, &value, sizeof value);
}

std::int32_t GetInt(const unsigned char* at)
{
    std::int32_t value = 0;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// Writes the document's value of a row into a record at (offset, width).
void Put(KvUserApp& app, const KvExchangeRow& row, unsigned char* base, std::size_t offset, std::size_t width)
{
    switch (row.kind) {
    case KvExchangeKind::Int:
        PutInt(base + offset, app.GetInt(row.fieldId));
        break;
    case KvExchangeKind::Flag:
        PutInt(base + offset, app.GetInt(row.fieldId) != 0 ? 1 : 0);
        break;
    case KvExchangeKind::Text:
        KvCopyToArray(reinterpret_cast<char*>(base + offset), width, app.GetText(row.fieldId));
        break;
    }
}

// Reads a row's value from a record into the document's edit buffer.
void Take(KvUserApp& app, const KvExchangeRow& row, const unsigned char* base, std::size_t offset, std::size_t width)
{
    switch (row.kind) {
    case KvExchangeKind::Int:
        app.SetInt(row.fieldId, GetInt(base + offset));
        break;
    case KvExchangeKind::Flag:
        app.SetInt(row.fieldId, GetInt(base + offset) != 0 ? 1 : 0);
        break;
    case KvExchangeKind::Text:
        app.SetText(row.fieldId, KvBoundedText(reinterpret_cast<const char*>(base + offset), width).c_str());
        break;
    }
}

std::string NowInLockTimeForm()
{
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (local == nullptr)
        return std::string();
    const std::int32_t words[9] = {local->tm_sec, local->tm_min, local->tm_hour,
                                   local->tm_mday, local->tm_mon, local->tm_year, local->tm_wday,
                                   local->tm_yday, local->tm_isdst};
    return KvFormatLockTime(words);
}

}  // namespace

const std::vector<KvExchangeRow>& KvExchangeRows()
{
    return kRows;
}

void KvUserApp::FillAppRecord(KvAppListEntry& record)
{
    std::memset(&record, 0, sizeof record);
    record.customerId = 1;
    record.applicationId = GetInt(F_UA_ID);
    KvCopyToArray(record.name, sizeof record.name, GetText(F_UA_NAME));
    record.volumeId = GetInt(F_UA_VOLUME);
}

void KvUserApp::FillInfoRecord(KvAppInfo& info)
{
    auto* base = reinterpret_cast<unsigned char*>(&info);
    for (const KvExchangeRow& row : kRows)
        Put(*this, row, base, row.infoOffset, row.infoWidth);
    PutInt(base + offsetof(Info, customerId), 1);

    // A typed password is encoded only when its confirmation agrees; anything else sends
    // the stored bytes, so a mismatch can never reach the server as a new password.
    std::memcpy(info.updatePassword, m_abPassword, sizeof info.updatePassword);
    const CString entry = GetText(F_UA_TELSET_PWD);
    if (GetInt(F_UA_TELSET_PWD_ON) != 0 && entry != kKvPasswordPlaceholder && entry == GetText(F_UA_PWD_CONFIRM) &&
        KvGetLinkCalls() != nullptr) {
        char encoded[8] = {};
        if (KvGetLinkCalls()->EncryptString(entry, encoded) == 0)
            std::memcpy(info.updatePassword, encoded, sizeof encoded);
    }
}

void KvUserApp::ApplyInfoRecord(const KvAppInfo* info)
{
    if (info == nullptr)
        return;
    const auto* base = reinterpret_cast<const unsigned char*>(info);
    for (const KvExchangeRow& row : kRows)
        Take(*this, row, base, row.infoOffset, row.infoWidth);
    SetInt(F_UA_CUSTOMER, 1);
    SetText(F_UA_LOCKING_TIME, NowInLockTimeForm().c_str());
    SetText(F_UA_TELSET_PWD, kKvPasswordPlaceholder);
    SetText(F_UA_PWD_CONFIRM, kKvPasswordPlaceholder);
    std::memcpy(m_abPassword, info->updatePassword, sizeof m_abPassword);
    Commit();
}

void KvUserApp::StoreHeader(ed::ApplicationInfo& header)
{
    auto* base = reinterpret_cast<unsigned char*>(&header);
    for (const KvExchangeRow& row : kRows)
        Put(*this, row, base, row.headerOffset, row.headerWidth);
    std::memcpy(header.telsetMaintPsswd, m_abPassword, sizeof header.telsetMaintPsswd);
}

void KvUserApp::LoadHeader(const ed::ApplicationInfo& header)
{
    const auto* base = reinterpret_cast<const unsigned char*>(&header);
    for (const KvExchangeRow& row : kRows)
        Take(*this, row, base, row.headerOffset, row.headerWidth);
    std::memcpy(m_abPassword, header.telsetMaintPsswd, sizeof m_abPassword);
    Commit();
}

void KvUserApp::StoreProgramHeader()
{
    KV_ASSERT(m_pProgram != nullptr);
    if (m_pProgram != nullptr)
        StoreHeader(m_pProgram->AppInfo());
}

void KvUserApp::LoadProgramHeader()
{
    KV_ASSERT(m_pProgram != nullptr);
    if (m_pProgram != nullptr)
        LoadHeader(m_pProgram->AppInfo());
}
