#include "shell/items/userappitems.h"

#include "framework/definitions/defs_ids.h"
#include "shell/document/doctexts.h"
#include "shell/document/kvuserapp.h"
#include "shell/items/itemdata.h"
#include "shell/items/itemids.h"
#include "shell/items/itemlink.h"
#include "shell/items/itemtexts.h"

namespace {

constexpr int kAddItem = 21;
constexpr int kRemoveItem = 23;
constexpr int kDeleteFaxContent = 25;

}  // namespace

std::int32_t KvUserAppItems::ApplicationId()
{
    return m_document.GetInt(F_UA_ID);
}

void KvUserAppItems::SetModified()
{
    m_document.SetModified();
}

bool KvUserAppItems::IsSpokenNameRecorded()
{
    return m_document.GetInt(F_UA_SPOKEN_NAME_RECORDED) != 0;
}

int KvUserAppItems::AddSpokenNameItem()
{
    const int result = Manipulate(kAddItem, kKvVoiceItemKind, "Spoken name", kKvSpokenNameItemId, "", 8028);
    if (result == 0) {
        m_document.SetInt(F_UA_SPOKEN_NAME_RECORDED, 1);
        m_document.Commit();
    }
    return result;
}

int KvUserAppItems::AddItemOnServer(int kind, const char* name, int id, const char* description)
{
    return Manipulate(kAddItem, kind, name, id, description, kind == kKvFaxItemKind ? 8030 : 8028);
}

int KvUserAppItems::RemoveItemOnServer(int kind, const char* name, int id, const char* description)
{
    return Manipulate(kRemoveItem, kind, name, id, description, kind == kKvFaxItemKind ? 8031 : 8029);
}

int KvUserAppItems::DeleteFaxContentOnServer(const char* name, int id, const char* description)
{
    return Manipulate(kDeleteFaxContent, kKvFaxItemKind, name, id, description, 8031);
}

KvSoftRec* KvUserAppItems::DocumentRecord()
{
    return &m_document;
}

int KvUserAppItems::Manipulate(int operation, int kind, const char* name, int id, const char* description,
                               UINT failure)
{
    KvItemLink* link = KvGetItemLink();
    KvItemTransfer item =
        KvMakeItemTransfer(id, kind == kKvFaxItemKind ? kKvMediaFax : kKvMediaVoice, name, description);
    const int result = link != nullptr ? link->ManipulateItem(1, ApplicationId(), operation, &item) : -1;
    if (result != 0)
        KvItemWarning(KvServerFaultMessage(result, failure));
    return result;
}
