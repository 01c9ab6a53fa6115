// The cursor over one definition stream: the word under the cursor, the next word, and a
// look at the next word without moving. Past the last word the cursor answers 0.
#pragma once

#include "foundation/kvobject.h"

class KvResNav : public KvObject {
public:
    // Opens definition defId in the current definition store; a missing definition (or
    // one refused earlier as malformed) throws KvException 1553 "Cannot load resource".
    explicit KvResNav(WORD defId);

    WORD GetDefId() const { return m_defId; }
    WORD GetCurrentToken() const;
    WORD GetNextToken();
    WORD PeekNextToken() const;
    int GetWordCount() const { return m_count; }

private:
    WORD m_defId;
    const WORD* m_pFirst = nullptr;
    int m_count = 0;
    int m_pos = 0;
};
