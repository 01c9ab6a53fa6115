#include "shell/items/itemcontent.h"

#include <string>

#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsoftrec.h"
#include "shell/document/doctexts.h"
#include "shell/items/itemids.h"
#include "shell/items/itemlink.h"
#include "shell/items/itemtexts.h"
#include "shell/items/itemtransfer.h"

namespace {

constexpr KvItemFileDialog kNoFile{nullptr, nullptr, nullptr, nullptr};
constexpr KvItemFileDialog kWavFile{"WAV File (*.WAV)", "*.wav", "Import voice item", "WAV"};
constexpr KvItemFileDialog kTifFile{"TIF File (*.TIF)", "*.tif", "Import fax item", "TIF"};

const KvContentMember kMembers[] = {
    {32000, KvContentCall::Record, F_VI_NAME, F_VI_ID, F_VI_DESCRIPTION, kKvMediaVoice, kNoFile, 8018, 8032, 0, false},
    {32001, KvContentCall::ImportVoice, F_VI_NAME, F_VI_ID, F_VI_DESCRIPTION, kKvMediaVoice, kWavFile, 8019, 8033,
     8110, false},
    {32002, KvContentCall::ImportFax, F_FI_NAME, F_FI_ID, F_FI_DESCRIPTION, kKvMediaFax, kTifFile, 8020, 8034, 8106,
     false},
    {32003, KvContentCall::Record, F_FI_NAME, F_FI_ID, F_FI_DESCRIPTION, kKvMediaFax, kNoFile, 8018, 8032, 0, true},
    {32004, KvContentCall::ImportVoice, F_FI_NAME, F_FI_ID, F_FI_DESCRIPTION, kKvMediaFax, kWavFile, 8019, 8033,
     8110, false},
    {32005, KvContentCall::Record, 0, 0, 0, kKvMediaVoice, kNoFile, 8018, 8032, 0, true},
    {32006, KvContentCall::ImportVoice, 0, 0, 0, kKvMediaVoice, kWavFile, 8019, 8033, 8110, false},
};

constexpr int kFormatNotSupported = 71;

bool IsSpokenName(const KvContentMember& member) { return member.idField == 0; }

KvItemTransfer TransferOf(const KvContentMember& member, KvSoftRec& record)
{
    if (IsSpokenName(member))
        return KvMakeItemTransfer(kKvSpokenNameItemId, member.media, "", "");
    const CString name = KvFieldValue(member.nameField, &record).AsText();
    const CString description = KvFieldValue(member.descriptionField, &record).AsText();
    return KvMakeItemTransfer(KvFieldValue(member.idField, &record).AsInt16(), member.media, static_cast<const char*>(name),
                              static_cast<const char*>(description));
}

int CallServer(const KvContentMember& member, std::int32_t applicationId, KvItemTransfer& item, const char* path)
{
    KvItemLink* link = KvGetItemLink();
    if (link == nullptr)
        return -1;
    switch (member.call) {
    case KvContentCall::Record:
        return link->RecordVoiceItem(1, applicationId, &item);
    case KvContentCall::ImportVoice:
        return link->ImportVoiceItem(1, applicationId, &item, path);
    case KvContentCall::ImportFax:
        return link->ImportFaxItem(1, applicationId, &item, path);
    }
    return -1;
}

}  // namespace

const KvContentMember* KvFindContentMember(WORD callOut)
{
    for (const KvContentMember& member : kMembers) {
        if (member.callOut == callOut)
            return &member;
    }
    return nullptr;
}

UINT KvContentFailureMessage(const KvContentMember& member, int result)
{
    if (member.shortResults)
        return member.failureMessage;
    if (result == kFormatNotSupported && member.formatMessage != 0)
        return member.formatMessage;
    return KvServerFaultMessage(result, member.failureMessage);
}

int KvRunContentMember(const KvContentMember& member, KvSoftRec& record, KvItemWorkspace& workspace)
{
    KvItemApplication* application = workspace.ActiveItemApplication();
    if (application == nullptr) {
        KvItemWarning(member.noWindowMessage);
        return -1;
    }
    char path[kKvImportPathRoom] = {};
    if (member.file.filter != nullptr && !workspace.ChooseImportFile(member.file, path))
        return -1;
    // The spoken name's server item is made on first use; its failure is the document's
    // to report, and the transfer is tried all the same.
    if (IsSpokenName(member) && !application->IsSpokenNameRecorded())
        application->AddSpokenNameItem();

    workspace.SetWaitCursor();
    KvItemTransfer item = TransferOf(member, record);
    const int result = CallServer(member, application->ApplicationId(), item, path);
    workspace.SetArrowCursor();
    if (result != 0) {
        KvItemWarning(KvContentFailureMessage(member, result));
        return 1;
    }
    application->SetModified();
    workspace.UpdateCommandStates();
    return 0;
}
