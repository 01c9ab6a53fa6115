#include "shell/items/kvsoftitem.h"

#include <cstring>
#include <new>

#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "model/interface/vlx.h"
#include "shell/items/itemdata.h"
#include "shell/items/itemtexts.h"
#include "shell/items/itemworkers.h"

const KvItemFields kKvVoiceItemFields = {DEF_VOICE_ITEM, kKvVoiceItemKind, F_VI_NAME, F_VI_ID, F_VI_DESCRIPTION, 0,
                                         F_VI_IN_USE, F_VI_CONNECTED, F_VI_PASTE_MODE, 8028, 8029};
const KvItemFields kKvFaxItemFields = {DEF_FAX_ITEM, kKvFaxItemKind, F_FI_NAME, F_FI_ID, F_FI_DESCRIPTION,
                                       F_FI_CONFIRM_DESCRIPTION, F_FI_IN_USE, F_FI_CONNECTED, F_FI_PASTE_MODE,
                                       8030, 8031};

KvSoftItem::KvSoftItem(const KvItemFields& fields, zeph::Symbol* symbol)
    : KvSoftRecDataLink(fields.definition), m_fields(fields), m_pItemSym(symbol)
{
    if (symbol != nullptr) {
        KvFieldValue(fields.name, this) = CString(symbol->Name);
        KvFieldValue(fields.id, this) = static_cast<short>(symbol->Scope);
        KvFieldValue(fields.description, this) = CString(KvBlockText(KvItemBlock(symbol)));
        if (fields.confirmation != 0)
            KvFieldValue(fields.confirmation, this) = CString(KvBlockText(KvItemConfirmation(symbol)));
    } else {
        KvFieldValue(fields.name, this) = CString("");
        KvFieldValue(fields.id, this) = static_cast<short>(0);
        KvFieldValue(fields.description, this) = CString("");
        if (fields.confirmation != 0)
            KvFieldValue(fields.confirmation, this) = CString("");
    }
    KvFieldValue(fields.connected, this) = static_cast<std::int32_t>(0);
    KvFieldValue(fields.pasteMode, this) = static_cast<std::int32_t>(0);
    // Stored as they are: an unbound record's ID 0 is for the dialog to correct.
    StoreEdits();
}

KvSoftItem::~KvSoftItem()
{
    DiscardEdits();
}

CString KvSoftItem::Text(WORD fieldId)
{
    return KvFieldValue(fieldId, this).AsText();
}

std::int32_t KvSoftItem::Flag(WORD fieldId)
{
    return KvFieldValue(fieldId, this).AsInt32();
}

void KvSoftItem::CreateFieldStorage(WORD fieldId)
{
    // The storage is made on the first call, whichever field asks.
    if (fieldId == m_fields.inUse || !m_bStorageAsked)
        m_nInUse = m_pItemSym != nullptr && m_pItemSym->RefCnt > 0 ? 1 : 0;
    m_bStorageAsked = true;
    KvSoftRecDataLink::CreateFieldStorage(fieldId);
}

void* KvSoftItem::FieldStorage(WORD fieldId)
{
    if (fieldId == m_fields.inUse)
        return &m_nInUse;
    return KvSoftRecDataLink::FieldStorage(fieldId);
}

void KvSoftItem::StoreField(WORD fieldId)
{
    KvSoftRecDataLink::StoreField(fieldId);
    if (m_pItemSym == nullptr)
        return;
    auto stored = [&](WORD id) { return static_cast<CString*>(KvSoftRecDataLink::FieldStorage(id)); };
    if (fieldId == m_fields.name) {
        CString* name = stored(fieldId);
        if (std::strcmp(*name, m_pItemSym->Name) == 0)
            return;
        char buffer[32] = {};
        std::strncpy(buffer, *name, sizeof buffer - 1);
        // The model has shown its refusal; the record keeps the name the symbol has.
        if (vlxRenameVoiceFaxItem(m_pItemSym, buffer) != 0)
            *name = CString(m_pItemSym->Name);
    } else if (fieldId == m_fields.id) {
        m_pItemSym->Scope = *static_cast<short*>(KvSoftRecDataLink::FieldStorage(fieldId));
    } else if (fieldId == m_fields.description) {
        KvSetBlockText(KvItemBlock(m_pItemSym), *stored(fieldId));
    } else if (m_fields.confirmation != 0 && fieldId == m_fields.confirmation) {
        KvSetBlockText(KvItemConfirmation(m_pItemSym), *stored(fieldId));
    }
}

int KvSoftItem::AddToServer()
{
    if (m_pItemSym != nullptr) {
        KvItemWarning(m_fields.addFailed);
        return 0;
    }
    if (Flag(m_fields.connected) != 0)
        return 1;
    const CString name = Text(m_fields.name);
    const int id = KvFieldValue(m_fields.id, this).AsInt16();
    const CString description = Text(m_fields.description);
    bool nameFree = false;
    bool idFree = false;
    if (!KvCheckNewItem(m_fields.kind, name, id, nameFree, idFree)) {
        KvItemWarning(m_fields.addFailed);
        return 0;
    }
    std::unique_ptr<zeph::SentenceData> data;
    try {
        const CString confirmation = m_fields.confirmation != 0 ? Text(m_fields.confirmation) : CString("");
        data = KvNewItemData(m_fields.kind, description, confirmation);
    } catch (const std::bad_alloc&) {
        KvItemWarning(8003);
        return 0;
    }
    // The model owns the block from here on, and frees it when it refuses the symbol.
    if (!vlxAddSymbol(m_pItemSym, name, kKvItemSymbolType, 1, id, 1, 0, data.release())) {
        m_pItemSym = nullptr;
        KvItemWarning(m_fields.addFailed);
        return 0;
    }
    if (Flag(m_fields.pasteMode) == 0 && KvAddItem(m_fields.kind, name, id, description) != 0) {
        DiscardSymbol();
        return 0;
    }
    return 1;
}

int KvSoftItem::DeleteFromServer()
{
    if (m_pItemSym == nullptr) {
        KvItemWarning(m_fields.removeFailed);
        return 0;
    }
    if (Flag(m_fields.connected) != 0)
        return 1;
    // A block still refers to the item: the model would keep the symbol whose data went.
    if (m_pItemSym->RefCnt > 0)
        return 0;
    if (KvRemoveItem(m_fields.kind, Text(m_fields.name), KvFieldValue(m_fields.id, this).AsInt16(),
                     Text(m_fields.description)) != 0)
        return 0;
    DiscardSymbol();
    return 1;
}

void KvSoftItem::ChangeUseCount(bool add)
{
    if (m_pItemSym == nullptr)
        return;
    if (add)
        ++m_pItemSym->RefCnt;
    else if (m_pItemSym->RefCnt > 0)
        --m_pItemSym->RefCnt;
    KvFieldValue(m_fields.inUse, this) = CString(m_pItemSym->RefCnt > 0 ? "Yes" : "No");
    StoreEdits();
}

void KvSoftItem::DiscardSymbol()
{
    if (m_pItemSym == nullptr)
        return;
    m_pItemSym->Data.reset();
    const std::string name = m_pItemSym->Name;
    m_pItemSym = nullptr;
    vlxDeleteSymbol(name.c_str(), kKvItemSymbolType);
}
