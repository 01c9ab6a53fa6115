// KvWordArray: a growable array of 16-bit words.
#pragma once

#include "foundation/kvgrowvec.h"
#include "foundation/kvobjroot.h"

class KvWordArray : public KvObject {
public:
    KvWordArray() = default;
    ~KvWordArray() override = default;

    int GetSize() const { return m_pArray.Size(); }
    int GetCapacity() const { return m_pArray.Capacity(); }

    WORD GetAt(int nIndex) const;
    WORD SetAt(int nIndex, WORD w);
    int Add(WORD w);
    // Inserts before nIndex; an index beyond the size leaves zero words in the gap.
    int InsertAt(int nIndex, WORD w);
    void InsertAt(int nIndex, WORD w, int nCount);
    void InsertAtCount(int nIndex, WORD w, int nCount) { InsertAt(nIndex, w, nCount); }
    void RemoveAt(int nIndex, int nCount = 1);

private:
    KvGrowVector<WORD> m_pArray;
};
