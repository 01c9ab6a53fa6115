// One restriction/permission list that an application uses, kept in the document's list
// of used lists and mirrored by a symbol of the model (type 21), so that the program file
// carries the list and blocks can name it. The symbol's 8-byte data holds the list ID and
// the use count; its use count and its 16-bit number mirror the record too.
#pragma once

#include <cstdint>

#include "framework/softrec/kvsrecmem.h"

namespace zeph {
struct Symbol;
}

inline constexpr int kKvResPermSymbolType = 21;

class KvResPermItem : public KvSoftRecDataLink {
public:
    // Not in the model: no name, ID 0, count 0.
    KvResPermItem();
    // Bound to a symbol of the model: name, list ID and use count from it and its data.
    explicit KvResPermItem(zeph::Symbol* symbol);
    // With a symbol as above; without one, the name and ID given and a count of 0.
    KvResPermItem(const char* name, std::int32_t listId, zeph::Symbol* symbol);
    KvResPermItem(const KvResPermItem&) = delete;
    KvResPermItem& operator=(const KvResPermItem&) = delete;

    // A record added to the list files its symbol; one removed takes it out of the model.
    int AddToServer() override { return CommitAdd(); }
    int DeleteFromServer() override { return CommitRemove(); }
    // 1 done or skipped (the connected flag is set); 0 when a symbol is bound already.
    int CommitAdd();
    // 1; nothing happens without a bound symbol or with the connected flag set.
    int CommitRemove();
    // The symbol's use count := the record's count.
    void SyncUseCount();
    void StoreField(WORD fieldId) override;

    zeph::Symbol* GetSymbol() const { return m_pItemSym; }

private:
    void Fill(const char* name, std::int32_t listId, std::int32_t count);
    std::int32_t Stored(WORD fieldId);
    // Files the symbol under the record's name with its ID and count; null when the model
    // refused it (no program, a name too long or in use).
    zeph::Symbol* FileSymbol(std::int32_t count);

    zeph::Symbol* m_pItemSym = nullptr;
};
