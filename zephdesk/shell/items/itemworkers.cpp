#include "shell/items/itemworkers.h"

#include <vector>

#include "foundation/kvflthnd.h"
#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsoftrec.h"
#include "model/interface/vlx.h"
#include "shell/items/itemdata.h"
#include "shell/items/itemids.h"
#include "shell/items/itemtexts.h"
#include "shell/items/itemworkspace.h"
#include "shell/items/kvsoftitem.h"

namespace {

// What differs between the voice and the fax workers.
struct KindTexts {
    int kind;
    WORD definition;
    WORD list;
    WORD idField;
    UINT addNoWindow;
    UINT removeNoWindow;
    UINT defineNoWindow;
    WORD listDialog;
    WORD listHelp;
};

const KindTexts kKinds[] = {
    {kKvVoiceItemKind, DEF_VOICE_ITEM, F_UA_VOICE_ITEMS, F_VI_ID, 8014, 8015, 8021, DLG_VOICE_ITEMS, 11030},
    {kKvFaxItemKind, DEF_FAX_ITEM, F_UA_FAX_ITEMS, F_FI_ID, 8016, 8017, 8022, DLG_FAX_ITEMS, 11040},
};

const KindTexts& Kind(int kind)
{
    return kind == kKvFaxItemKind ? kKinds[1] : kKinds[0];
}

KvItemApplication* Active()
{
    KvItemWorkspace* workspace = KvGetItemWorkspace();
    return workspace != nullptr ? workspace->ActiveItemApplication() : nullptr;
}

KvObArray* ItemList(KvItemApplication& application, int kind)
{
    KvSoftRec* document = application.DocumentRecord();
    return document != nullptr ? static_cast<KvObArray*>(document->GetFieldStorage(Kind(kind).list)) : nullptr;
}

std::vector<int> ItemIds(int kind)
{
    std::vector<int> ids;
    KvItemApplication* application = Active();
    KvObArray* list = application != nullptr ? ItemList(*application, kind) : nullptr;
    for (int i = 0; list != nullptr && i < list->GetSize(); ++i) {
        auto* record = dynamic_cast<KvSoftRec*>(list->GetAt(i));
        if (record != nullptr)
            ids.push_back(KvFieldValue(Kind(kind).idField, record).AsInt16());
    }
    return ids;
}

using ServerCall = int (KvItemApplication::*)(int, const char*, int, const char*);

int RunServerWorker(int kind, UINT noWindow, ServerCall call, const char* name, int id, const char* description)
{
    KvItemWorkspace* workspace = KvGetItemWorkspace();
    KvItemApplication* application = Active();
    if (application == nullptr) {
        KvItemWarning(noWindow);
        return -1;
    }
    workspace->SetWaitCursor();
    const int result = (application->*call)(kind, name, id, description);
    workspace->SetArrowCursor();
    workspace->UpdateCommandStates();
    return result == 0 ? 0 : -1;
}

}  // namespace

int KvNextItemId(int kind)
{
    return KvNextFreeItemId(ItemIds(kind));
}

bool KvItemIdExists(int kind, int id)
{
    for (int used : ItemIds(kind)) {
        if (used == id)
            return true;
    }
    return false;
}

bool KvCheckNewItem(int kind, const char* name, int id, bool& nameFree, bool& idFree)
{
    nameFree = vlxIsNameInUse(name != nullptr ? name : "") == 0;
    idFree = !KvItemIdExists(kind, id);
    return nameFree && idFree;
}

KvSoftRec* KvNewItemRecord(int kind)
{
    if (Active() == nullptr)
        return nullptr;
    KvSoftRec* record = KvSoftRec::Create(Kind(kind).definition, 0);
    if (record != nullptr) {
        KvFieldValue(Kind(kind).idField, record) = static_cast<short>(KvNextItemId(kind));
        record->Commit();
    }
    return record;
}

int KvAddItem(int kind, const char* name, int id, const char* description)
{
    return RunServerWorker(kind, Kind(kind).addNoWindow, &KvItemApplication::AddItemOnServer, name, id,
                           description);
}

int KvRemoveItem(int kind, const char* name, int id, const char* description)
{
    return RunServerWorker(kind, Kind(kind).removeNoWindow, &KvItemApplication::RemoveItemOnServer, name, id,
                           description);
}

KvSoftItem* KvFindItem(int kind, int id)
{
    KvItemApplication* application = Active();
    KvObArray* list = application != nullptr ? ItemList(*application, kind) : nullptr;
    for (int i = 0; list != nullptr && i < list->GetSize(); ++i) {
        auto* item = dynamic_cast<KvSoftItem*>(list->GetAt(i));
        if (item != nullptr && KvFieldValue(Kind(kind).idField, item).AsInt16() == id)
            return item;
    }
    return nullptr;
}

int KvItemIdNamed(int kind, const char* name)
{
    KvItemApplication* application = Active();
    KvObArray* list = application != nullptr && name != nullptr ? ItemList(*application, kind) : nullptr;
    const WORD nameField = kind == kKvFaxItemKind ? F_FI_NAME : F_VI_NAME;
    for (int i = 0; list != nullptr && i < list->GetSize(); ++i) {
        auto* record = dynamic_cast<KvSoftRec*>(list->GetAt(i));
        if (record != nullptr && KvFieldValue(nameField, record).AsText() == name)
            return KvFieldValue(Kind(kind).idField, record).AsInt16();
    }
    return -1;
}

void KvChangeItemUse(int kind, int id, bool add)
{
    if (KvSoftItem* item = KvFindItem(kind, id))
        item->ChangeUseCount(add);
}

int KvDeleteFaxItem(KvSoftRec& record)
{
    KvItemWorkspace* workspace = KvGetItemWorkspace();
    KvItemApplication* application = Active();
    if (application == nullptr) {
        KvItemWarning(8017);
        return -1;
    }
    if (workspace->ConfirmsDeletes()) {
        const KvFaultMessage question = KvFaultMessage::FromText(8113, KvItemText(8113));
        const int answer = KvGetFaultHandler()->Report(0x20000, kKvSeverityQuestion, kKvButtonsYesNo, 4,
                                                       &question, nullptr, 0, __FILE__, __LINE__);
        if (answer != kKvFaultYes)
            return 1;
    }
    workspace->SetWaitCursor();
    const int result = application->DeleteFaxContentOnServer(KvFieldValue(F_FI_NAME, &record).AsText(),
                                                             KvFieldValue(F_FI_ID, &record).AsInt16(),
                                                             KvFieldValue(F_FI_DESCRIPTION, &record).AsText());
    workspace->SetArrowCursor();
    workspace->UpdateCommandStates();
    return result == 0 ? 0 : -1;
}

int KvDefineItems(int kind)
{
    KvItemWorkspace* workspace = KvGetItemWorkspace();
    KvItemApplication* application = Active();
    KvSoftRec* document = application != nullptr ? application->DocumentRecord() : nullptr;
    if (document == nullptr) {
        KvItemWarning(Kind(kind).defineNoWindow);
        return -1;
    }
    document->EditInDialog(Kind(kind).listDialog, Kind(kind).listHelp);
    workspace->UpdateCommandStates();
    return 0;
}
