#include "shell/references/respermitem.h"

#include <cstring>
#include <memory>

#include "foundation/kvassert.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "model/interface/vlx.h"
#include "model/symbol.h"

namespace {

// The symbol's data block: {list ID, use count}.
constexpr std::size_t kDataSize = 8;

zeph::ValueBlockData* DataOf(zeph::Symbol* symbol)
{
    return symbol != nullptr ? dynamic_cast<zeph::ValueBlockData*>(symbol->Data.get()) : nullptr;
}

std::int32_t Word(zeph::Symbol* symbol, int index)
{
    std::int32_t value = 0;
    if (zeph::ValueBlockData* data = DataOf(symbol); data != nullptr && data->Size() >= kDataSize)
        std::memcpy(&value, data->Bytes() + 4 * index, sizeof value);
    return value;
}

void SetWord(zeph::Symbol* symbol, int index, std::int32_t value)
{
    if (zeph::ValueBlockData* data = DataOf(symbol); data != nullptr && data->Size() >= kDataSize)
        std::memcpy(data->Bytes() + 4 * index, &value, sizeof value);
}

}  // namespace

KvResPermItem::KvResPermItem() : KvSoftRecDataLink(DEF_RESPERM_USE)
{
    Fill("", 0, 0);
}

KvResPermItem::KvResPermItem(zeph::Symbol* symbol) : KvResPermItem(nullptr, 0, symbol) {}

KvResPermItem::KvResPermItem(const char* name, std::int32_t listId, zeph::Symbol* symbol)
    : KvSoftRecDataLink(DEF_RESPERM_USE)
{
    if (symbol != nullptr) {
        // The fields are filled before the symbol is bound, so filling mirrors nothing back.
        Fill(symbol->Name, Word(symbol, 0), Word(symbol, 1));
        m_pItemSym = symbol;
    } else {
        Fill(name != nullptr ? name : "", listId, 0);
    }
}

void KvResPermItem::Fill(const char* name, std::int32_t listId, std::int32_t count)
{
    KvFieldValue(F_RPU_NAME, this) = CString(name);
    KvFieldValue(F_RPU_LIST_ID, this) = listId;
    KvFieldValue(F_RPU_COUNT, this) = count;
    KvFieldValue(F_RPU_CONNECTED, this) = CString("No");
    Commit();
}

std::int32_t KvResPermItem::Stored(WORD fieldId)
{
    const auto* value = static_cast<const std::int32_t*>(FieldStorage(fieldId));
    return value != nullptr ? *value : 0;
}

zeph::Symbol* KvResPermItem::FileSymbol(std::int32_t count)
{
    const CString name = *static_cast<CString*>(FieldStorage(F_RPU_NAME));
    const std::int32_t listId = Stored(F_RPU_LIST_ID);
    auto data = std::make_unique<zeph::ValueBlockData>(kDataSize);
    std::memcpy(data->Bytes(), &listId, sizeof listId);
    std::memcpy(data->Bytes() + 4, &count, sizeof count);
    zeph::Symbol* symbol = nullptr;
    // The model owns the data from here on, whether it files the symbol or not.
    vlxAddSymbol(symbol, static_cast<const char*>(name), kKvResPermSymbolType, 1, std::int16_t(listId), 1, 0,
                 data.release());
    if (symbol != nullptr)
        symbol->RefCnt = std::int16_t(count);
    return symbol;
}

int KvResPermItem::CommitAdd()
{
    if (!KV_ASSERT(m_pItemSym == nullptr))
        return 0;
    if (Stored(F_RPU_CONNECTED) != 0)
        return 1;
    m_pItemSym = FileSymbol(1);
    return 1;
}

int KvResPermItem::CommitRemove()
{
    KV_ASSERT(m_pItemSym != nullptr);
    if (m_pItemSym == nullptr || Stored(F_RPU_CONNECTED) != 0)
        return 1;
    // The model removes only a symbol nothing uses.
    m_pItemSym->RefCnt = 0;
    m_pItemSym->Data.reset();
    const CString name(m_pItemSym->Name);
    m_pItemSym = nullptr;
    vlxDeleteSymbol(static_cast<const char*>(name), kKvResPermSymbolType);
    return 1;
}

void KvResPermItem::SyncUseCount()
{
    if (KV_ASSERT(m_pItemSym != nullptr))
        m_pItemSym->RefCnt = std::int16_t(Stored(F_RPU_COUNT));
}

void KvResPermItem::StoreField(WORD fieldId)
{
    KvSoftRecDataLink::StoreField(fieldId);
    if (m_pItemSym == nullptr)
        return;
    switch (fieldId) {
    case F_RPU_LIST_ID:
        SetWord(m_pItemSym, 0, Stored(fieldId));
        m_pItemSym->Scope = std::int16_t(Stored(fieldId));
        break;
    case F_RPU_COUNT:
        SyncUseCount();
        SetWord(m_pItemSym, 1, Stored(fieldId));
        break;
    case F_RPU_NAME: {
        // The model keeps its symbols sorted by name: a renamed list is filed again under
        // its new name rather than renamed where it sits.
        const CString name = *static_cast<CString*>(FieldStorage(fieldId));
        if (std::strcmp(m_pItemSym->Name, static_cast<const char*>(name)) == 0)
            break;
        // The old symbol goes only once the new name was taken.
        zeph::Symbol* renamed = FileSymbol(Word(m_pItemSym, 1));
        if (renamed == nullptr)
            break;
        const CString old(m_pItemSym->Name);
        m_pItemSym->RefCnt = 0;
        vlxDeleteSymbol(static_cast<const char*>(old), kKvResPermSymbolType);
        m_pItemSym = renamed;
        break;
    }
    case F_RPU_CONNECTED:
        break;
    default:
        KV_ASSERT(!"a field of the used restriction/permission record");
        break;
    }
}
