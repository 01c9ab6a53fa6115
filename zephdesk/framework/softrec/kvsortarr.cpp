#include "foundation/kvassert.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvsoftrec.h"

KvSortRecArray::~KvSortRecArray()
{
    delete m_pSortedIndex;
}

int KvSortRecArray::VisibleIndex(int pos) const
{
    if (m_pSortedIndex == nullptr)
        return pos;
    if (!KV_ASSERT(pos >= 0 && pos < m_pSortedIndex->GetSize()))
        return -1;
    return m_pSortedIndex->GetAt(pos);
}

KvSoftRec* KvSortRecArray::GetAt(int pos)
{
    const int i = VisibleIndex(pos);
    return i >= 0 ? KvRecArray::GetAt(i) : nullptr;
}

void KvSortRecArray::RemoveAt(int pos)
{
    const int i = VisibleIndex(pos);
    if (i < 0)
        return;
    KvRecArray::RemoveAt(i);
    if (m_pSortedIndex == nullptr)
        return;
    // Keep the order of the others: drop the position and close the gap it leaves.
    m_pSortedIndex->RemoveAt(pos, 1);
    for (int k = 0; k < m_pSortedIndex->GetSize(); ++k) {
        const WORD v = m_pSortedIndex->GetAt(k);
        if (v > i)
            m_pSortedIndex->SetAt(k, static_cast<WORD>(v - 1));
    }
}

void KvSortRecArray::Sort(WORD fieldId, int bAscending)
{
    const int n = GetSize();
    if (m_pSortedIndex == nullptr) {
        m_pSortedIndex = new KvWordArray;
        for (int i = 0; i < n; ++i)
            m_pSortedIndex->Add(static_cast<WORD>(i));
    }
    for (int p = 0; p + 1 < n; ++p) {
        int best = p;
        for (int q = p + 1; q < n; ++q) {
            const KvFieldValue vq(fieldId, GetAt(q));
            const KvFieldValue vBest(fieldId, GetAt(best));
            const bool less = (vq < vBest) != 0;
            if (bAscending ? less : !less)
                best = q;
        }
        if (best != p) {
            if (!KV_ASSERT(m_pSortedIndex != 0))
                return;
            const WORD a = m_pSortedIndex->GetAt(p);
            m_pSortedIndex->SetAt(p, m_pSortedIndex->GetAt(best));
            m_pSortedIndex->SetAt(best, a);
        }
    }
}
