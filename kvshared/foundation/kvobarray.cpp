#include "foundation/kvobarray.h"

#include "foundation/kvassert.h"

KvObArray::~KvObArray()
{
    // The elements belong to others; only the storage goes.
    m_pArray.Clear();
}

KvObject* KvObArray::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSize()) {
        KV_ASSERT(0);
        return nullptr;
    }
    return m_pArray[nIndex];
}

KvObject* KvObArray::SetAt(int nIndex, KvObject* p)
{
    if (!KV_ASSERT(nIndex >= 0) || !KV_ASSERT(nIndex < GetSize()))
        return p;
    m_pArray[nIndex] = p;
    return p;
}

int KvObArray::Add(KvObject* p)
{
    m_pArray.InsertAt(GetSize(), p);
    return 1;
}

int KvObArray::InsertAt(int nIndex, KvObject* p)
{
    if (!KV_ASSERT(nIndex >= 0))
        return 0;
    m_pArray.InsertAt(nIndex, p);
    return 1;
}

void KvObArray::InsertAt(int nIndex, KvObject* p, int nCount)
{
    if (!KV_ASSERT(nIndex >= 0) || !KV_ASSERT(nCount > 0))
        return;
    for (int i = 0; i < nCount; ++i)
        m_pArray.InsertAt(nIndex, p);
}

void KvObArray::RemoveAt(int nIndex, int nCount)
{
    if (!KV_ASSERT(nIndex >= 0) || !KV_ASSERT(nIndex < GetSize()))
        return;
    if (nCount <= 0)
        return;
    if (!KV_ASSERT(nIndex + nCount - 1 < GetSize()))
        return;
    for (int i = 0; i < nCount; ++i)
        m_pArray.RemoveAt(nIndex);
}

void KvObQueue::Enqueue(KvObject* p)
{
    InsertAt(m_nTail + 1, p);
    ++m_nTail;
}

KvObject* KvObQueue::Dequeue()
{
    if (!KV_ASSERT(!IsEmpty()))
        return nullptr;
    KvObject* p = GetAt(0);
    RemoveAt(0, 1);
    --m_nTail;
    return p;
}
