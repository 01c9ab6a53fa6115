// Where definition streams come from: the designer program's RT_RCDATA resources on
// Windows, the built-in table (compiled from the same definition source) natively, or a
// store that a test fills. A store answers with the 16-bit words of a definition id.
#pragma once

#include <map>
#include <vector>

#include "foundation/kvwintypes.h"

class KvDefinitionStore {
public:
    virtual ~KvDefinitionStore() = default;
    // The words of definition defId; false when the store has no such definition.
    virtual bool Find(WORD defId, const WORD*& words, int& count) = 0;
};

// The definitions compiled into the program from the definition source.
class KvBuiltinDefinitionStore : public KvDefinitionStore {
public:
    bool Find(WORD defId, const WORD*& words, int& count) override;
    // Every definition id of the table, in ascending order.
    static std::vector<WORD> Ids();
};

// Definitions given word by word (tests and fixtures).
class KvMemoryDefinitionStore : public KvDefinitionStore {
public:
    void Set(WORD defId, std::vector<WORD> words) { m_defs[defId] = std::move(words); }
    bool Find(WORD defId, const WORD*& words, int& count) override;

private:
    std::map<WORD, std::vector<WORD>> m_defs;
};

#ifdef _WIN32
// The RT_RCDATA resources of a module (an HMODULE; null for the program itself).
class KvModuleDefinitionStore : public KvDefinitionStore {
public:
    explicit KvModuleDefinitionStore(void* module) : m_module(module) {}
    bool Find(WORD defId, const WORD*& words, int& count) override;

private:
    void* m_module;
};
#endif

// The store the reader uses; the platform's own until one is set.
KvDefinitionStore& KvGetDefinitionStore();
// Makes store current (not owned); null restores the platform's own. Changing the store
// forgets which definitions were refused as malformed.
void KvSetDefinitionStore(KvDefinitionStore* store);
// The platform's own: the program's resources on Windows, the built-in table elsewhere.
KvDefinitionStore& KvPlatformDefinitionStore();
