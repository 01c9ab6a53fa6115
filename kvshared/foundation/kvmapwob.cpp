#include "foundation/kvmapwob.h"

#include "foundation/kvassert.h"

KvMapWordToOb::~KvMapWordToOb()
{
    RemoveAll();
}

KvMapWordToOb::ImplPair* KvMapWordToOb::PairAt(int nIndex) const
{
    return static_cast<ImplPair*>(GetAt(nIndex));
}

int KvMapWordToOb::IndexOf(WORD key) const
{
    for (int i = 0; i < GetSize(); ++i) {
        const ImplPair* pIP = PairAt(i);
        if (!KV_ASSERT(pIP != 0))
            continue;
        if (pIP->m_key == key)
            return i;
    }
    return -1;
}

int KvMapWordToOb::Lookup(WORD key, KvObject*& rValue) const
{
    const int i = IndexOf(key);
    if (i < 0)
        return 0;
    rValue = PairAt(i)->m_value;
    return 1;
}

void KvMapWordToOb::SetAt(WORD key, KvObject* newValue)
{
    const int i = IndexOf(key);
    if (i >= 0)
        PairAt(i)->m_value = newValue;
    else
        Add(new ImplPair(key, newValue));
}

int KvMapWordToOb::RemoveKey(WORD key)
{
    const int i = IndexOf(key);
    if (i >= 0) {
        ImplPair* pIP = PairAt(i);
        KvObArray::RemoveAt(i, 1);
        delete pIP;
    }
    return GetSize();
}

void KvMapWordToOb::RemoveAll()
{
    for (int i = GetSize() - 1; i >= 0; --i) {
        ImplPair* pIP = PairAt(i);
        KvObArray::RemoveAt(i, 1);
        delete pIP;
    }
}

void KvMapWordToOb::GetNextAssoc(POSITION& rNextPosition, WORD& rKey, KvObject*& rValue) const
{
    if (!KV_ASSERT(rNextPosition != 0))
        return;
    const int nIndex = static_cast<int>(rNextPosition) - 1;
    const ImplPair* pIP = nIndex < GetSize() ? PairAt(nIndex) : nullptr;
    if (!KV_ASSERT(pIP != 0)) {
        rNextPosition = 0;
        return;
    }
    rKey = pIP->m_key;
    rValue = pIP->m_value;
    ++rNextPosition;
    if (static_cast<int>(rNextPosition) > GetSize())
        rNextPosition = 0;
}
