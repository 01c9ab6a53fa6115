// The string table that CString::LoadString and the fault messages read: the designer
// program's string resources on Windows, a table of registered texts elsewhere and in
// tests.
#pragma once

#include <map>
#include <string>

#include "foundation/kvwintypes.h"

class KvStringTable {
public:
    virtual ~KvStringTable() = default;

    // Copies text nID into buf: at most nMaxBuf - 1 characters and a terminator.
    // Returns the number of characters copied; 0 when the text is missing or empty.
    virtual int Load(UINT nID, char* buf, int nMaxBuf) const = 0;
};

// Texts registered by id.
class KvMemoryStringTable : public KvStringTable {
public:
    void Set(UINT nID, std::string text) { m_texts[nID] = std::move(text); }
    void Remove(UINT nID) { m_texts.erase(nID); }
    void Clear() { m_texts.clear(); }

    int Load(UINT nID, char* buf, int nMaxBuf) const override;

private:
    std::map<UINT, std::string> m_texts;
};

// The current table; the platform's own until one is set.
KvStringTable& KvGetStringTable();
// Makes table current (not owned); null restores the platform's own.
void KvSetStringTable(KvStringTable* table);
// The platform's own table: the running executable's string resources on Windows, an
// empty KvMemoryStringTable elsewhere.
KvStringTable& KvPlatformStringTable();
