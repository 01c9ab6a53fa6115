// KvObArray: a growable array of KvObject pointers; KvObQueue: a first-in first-out
// queue on it. Neither owns the objects it points to.
#pragma once

#include "foundation/kvgrowvec.h"
#include "foundation/kvobjroot.h"

class KvObArray : public KvObject {
public:
    KvObArray() = default;
    ~KvObArray() override;

    int GetSize() const { return m_pArray.Size(); }
    // Storage slots (11 at first, then growing by 2).
    int GetCapacity() const { return m_pArray.Capacity(); }

    KvObject* GetAt(int nIndex) const;
    KvObject* SetAt(int nIndex, KvObject* p);
    int Add(KvObject* p);
    // Inserts before nIndex; an index beyond the size leaves null pointers in the gap.
    int InsertAt(int nIndex, KvObject* p);
    void InsertAt(int nIndex, KvObject* p, int nCount);
    void RemoveAt(int nIndex, int nCount = 1);

private:
    KvGrowVector<KvObject*> m_pArray;
};

class KvObQueue : public KvObArray {
public:
    KvObQueue() = default;

    void Enqueue(KvObject* p);
    KvObject* Dequeue();
    int IsEmpty() const { return m_nTail < 0; }
    int GetTail() const { return m_nTail; }

private:
    int m_nTail = -1;  // index of the last element
};
