#include "shell/serverlists/kvserverrec.h"

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "kvlink.h"
#include "shell/document/doctexts.h"
#include "shell/document/kvuserapp.h"
#include "shell/document/textcopy.h"
#include "shell/serverlists/kvlinkcalls.h"

const char* const KvServerRec::kSystemPrompts[17] = {
    "<beep>",
    "<beep> Selection not recognized",
    "<beep> Please make another choice",
    "Please try again",
    "For help, press star",
    "For more information, press star",
    "Transferring to an attendant",
    "<beep> No operator is available",
    "Please contact your administrator",
    "<beep> That number is busy, try later",
    "<beep> Number cannot be reached",
    "<beep> Your call cannot be completed",
    "<beep> Invalid password",
    "<beep> Invalid password, try again",
    "<beep> Invalid password, transferring",
    "Maximum fax selections reached",
    "Goodbye",
};

namespace {

// Application list kinds of 2300 and above need no volumes.
constexpr int kKindsWithoutVolumes = 2300;

KvSoftRecMem* NewRecord(WORD defId)
{
    return new KvSoftRecMem(defId);
}

void Set(KvSoftRec* record, WORD fieldId, std::int32_t value)
{
    KvFieldValue(fieldId, record) = value;
}

void Set(KvSoftRec* record, WORD fieldId, const char* array, std::size_t width)
{
    KvFieldValue(fieldId, record) = CString(KvBoundedText(array, width).c_str());
}

template <class Entry>
void Free(KvLinkCalls& link, Entry* list)
{
    if (list != nullptr)
        link.FreeAllocatedMemory(list);
}

}  // namespace

KvServerRec::KvServerRec(int kind) : KvSoftRecDataLink(DEF_SERVER), m_kind(kind)
{
    KvObArray& prompts = List(F_SRV_DIRECTORIES);
    for (const char* name : kSystemPrompts) {
        KvSoftRecMem* record = NewRecord(DEF_DIRECTORY);
        KvFieldValue(F_DIR_NAME, record) = CString(name);
        record->Commit();
        prompts.Add(record);
    }
    LoadResPerms();
    LoadLanguages();
    LoadVolumes();
}

KvObArray& KvServerRec::List(WORD fieldId)
{
    return *static_cast<KvObArray*>(GetFieldStorage(fieldId));
}

void KvServerRec::LoadResPerms()
{
    KvLinkCalls* link = KvGetLinkCalls();
    KvResPermListEntry* list = nullptr;
    if (link == nullptr || link->ResPermToDisplay(&list) != 0) {
        if (m_kind == kKvNoAppList)
            KvDocWarning(8070, nullptr, __FILE__, __LINE__);
        return;
    }
    m_bResPerms = true;
    KvObArray& target = List(F_SRV_RESPERM);
    for (const KvResPermListEntry* e = list; e != nullptr && e->listId != 0; ++e) {
        KvSoftRecMem* record = NewRecord(DEF_RESPERM_LIST);
        Set(record, F_RPL_LIST_ID, e->listId);
        Set(record, F_RPL_NAME, e->name, sizeof e->name);
        record->Commit();
        target.Add(record);
    }
    Free(*link, list);
}

void KvServerRec::LoadLanguages()
{
    KvLinkCalls* link = KvGetLinkCalls();
    KvLanguageEntry* list = nullptr;
    if (link == nullptr || link->LanguagesToDisplay(&list) != 0) {
        if (m_kind == kKvNoAppList)
            KvDocWarning(8069, nullptr, __FILE__, __LINE__);
        return;
    }
    m_bLanguages = true;
    KvObArray& target = List(F_SRV_LANGUAGES);
    for (const KvLanguageEntry* e = list; e != nullptr && e->customerId != 0; ++e) {
        KvSoftRecMem* record = NewRecord(DEF_LANGUAGE);
        Set(record, F_LANG_GLOBAL_ID, e->promptLanguageId);
        Set(record, F_LANG_LOCAL_ID, e->localLanguageId);
        Set(record, F_LANG_CUSTOMER, e->customerId);
        Set(record, F_LANG_NAME, e->name, sizeof e->name);
        Set(record, F_LANG_MODIFICATION, e->modNumber);
        record->Commit();
        target.Add(record);
    }
    Free(*link, list);
}

void KvServerRec::LoadVolumes()
{
    KvLinkCalls* link = KvGetLinkCalls();
    KvVolumeEntry* list = nullptr;
    if (link == nullptr || link->VolumeToDisplay(&list) != 0) {
        if (m_kind != kKvNoAppList && m_kind < kKindsWithoutVolumes)
            KvDocWarning(8068, nullptr, __FILE__, __LINE__);
        return;
    }
    KvObArray& target = List(F_SRV_VOLUMES);
    for (const KvVolumeEntry* e = list; e != nullptr && e->number != 0; ++e) {
        KvSoftRecMem* record = NewRecord(DEF_VOLUME);
        Set(record, F_VOL_ID, e->number);
        Set(record, F_VOL_NAME, e->text, sizeof e->text);
        record->Commit();
        target.Add(record);
    }
    Free(*link, list);
}

void KvServerRec::LoadFileList(int activeAppId)
{
    KvLinkCalls* link = KvGetLinkCalls();
    KvAppListEntry* list = nullptr;
    if (link == nullptr || link->FilesToDisplay(&list, m_kind, 1, activeAppId) != 0) {
        KvDocWarning(8067, nullptr, __FILE__, __LINE__);
        return;
    }
    KvObArray& target = List(F_SRV_APPS);
    int at = 0;
    for (const KvAppListEntry* e = list; e != nullptr && e->customerId != 0 && e->applicationId != 0; ++e)
        target.InsertAt(at++, new KvUserApp(*e));
    Free(*link, list);
    DiscardEdits();
}

void KvServerRec::LoadPumpList(int position)
{
    KvLinkCalls* link = KvGetLinkCalls();
    KvAppListEntry* list = nullptr;
    if (link == nullptr || link->FilesToPump(&list) != 0) {
        KvDocWarning(8067, nullptr, __FILE__, __LINE__);
        return;
    }
    KvObArray& target = List(F_SRV_APPS);
    int at = position < 0 ? 0 : (position > target.GetSize() ? target.GetSize() : position);
    for (const KvAppListEntry* e = list; e != nullptr && e->customerId != 0 && e->applicationId != 0; ++e)
        target.InsertAt(at++, new KvUserApp(*e));
    Free(*link, list);
    DiscardEdits();
}

int KvServerRec::FindIndex(WORD listField, WORD keyField, std::int32_t value)
{
    KvObArray& list = List(listField);
    for (int i = 0; i < list.GetSize(); ++i) {
        auto* record = static_cast<KvSoftRec*>(list.GetAt(i));
        if (KvFieldValue(keyField, record).AsInt32() == value)
            return i;
    }
    return -1;
}

int KvServerRec::FindResPermIndex(std::int32_t listId)
{
    return FindIndex(F_SRV_RESPERM, F_RPL_LIST_ID, listId);
}

int KvServerRec::FindLanguageIndex(std::int32_t localLanguageId)
{
    return FindIndex(F_SRV_LANGUAGES, F_LANG_LOCAL_ID, localLanguageId);
}
