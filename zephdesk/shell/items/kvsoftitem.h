// The shell's item records: a voice item (definition 22801) or a fax item (22802) bound to
// its model symbol of type 35. Adding a record to the application's list creates the
// symbol and the server item; removing it deletes both. Field stores keep the symbol in
// step with the record: name, number, description and, for fax items, the confirmation.
#pragma once

#include <cstdint>

#include "framework/softrec/kvsrecmem.h"

namespace zeph {
struct Symbol;
}

// The fields and messages of one item kind.
struct KvItemFields {
    WORD definition;
    int kind;  // 0 voice, 3 fax
    WORD name;
    WORD id;
    WORD description;
    WORD confirmation;  // 0 for voice items
    WORD inUse;
    WORD connected;
    WORD pasteMode;
    UINT addFailed;     // 8028 / 8030
    UINT removeFailed;  // 8029 / 8031
};

extern const KvItemFields kKvVoiceItemFields;
extern const KvItemFields kKvFaxItemFields;

class KvSoftItem : public KvSoftRecDataLink {
public:
    // A record of the symbol's item, or an empty unbound one for null.
    KvSoftItem(const KvItemFields& fields, zeph::Symbol* symbol);
    ~KvSoftItem() override;

    void CreateFieldStorage(WORD fieldId) override;
    void* FieldStorage(WORD fieldId) override;
    void StoreField(WORD fieldId) override;
    // Creates symbol and server item: 1 accepted, 0 refused (reported; nothing is left).
    int AddToServer() override;
    // Deletes server item and symbol: 1 accepted, 0 refused (both stay).
    int DeleteFromServer() override;

    // One use more or less (never below 0); "In use" follows.
    void ChangeUseCount(bool add);
    // Frees the block and deletes the symbol from the model.
    void DiscardSymbol();

    zeph::Symbol* GetSymbol() const { return m_pItemSym; }
    const KvItemFields& Fields() const { return m_fields; }

private:
    CString Text(WORD fieldId);
    std::int32_t Flag(WORD fieldId);

    const KvItemFields& m_fields;
    std::int32_t m_nInUse = 0;
    bool m_bStorageAsked = false;
    zeph::Symbol* m_pItemSym = nullptr;
};

class KvVoiceItem : public KvSoftItem {
public:
    explicit KvVoiceItem(zeph::Symbol* symbol) : KvSoftItem(kKvVoiceItemFields, symbol) {}
};

class KvFaxItem : public KvSoftItem {
public:
    explicit KvFaxItem(zeph::Symbol* symbol) : KvSoftItem(kKvFaxItemFields, symbol) {}
};
