#include "foundation/kvwordarr.h"

#include "foundation/kvassert.h"

WORD KvWordArray::GetAt(int nIndex) const
{
    if (!KV_ASSERT(nIndex >= 0) || !KV_ASSERT(nIndex < GetSize()))
        return 0;
    return m_pArray[nIndex];
}

WORD KvWordArray::SetAt(int nIndex, WORD w)
{
    if (!KV_ASSERT(nIndex >= 0) || !KV_ASSERT(nIndex < GetSize()))
        return w;
    m_pArray[nIndex] = w;
    return w;
}

int KvWordArray::Add(WORD w)
{
    m_pArray.InsertAt(GetSize(), w);
    return 1;
}

int KvWordArray::InsertAt(int nIndex, WORD w)
{
    if (!KV_ASSERT(nIndex >= 0))
        return 0;
    m_pArray.InsertAt(nIndex, w);
    return 1;
}

void KvWordArray::InsertAt(int nIndex, WORD w, int nCount)
{
    if (!KV_ASSERT(nIndex >= 0) || !KV_ASSERT(nCount > 0))
        return;
    for (int i = 0; i < nCount; ++i)
        m_pArray.InsertAt(nIndex, w);
}

void KvWordArray::RemoveAt(int nIndex, int nCount)
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
