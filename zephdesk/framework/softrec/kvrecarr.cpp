#include "framework/softrec/kvrecarr.h"

#include <algorithm>

#include "foundation/kvassert.h"
#include "framework/softrec/kvsoftrec.h"
#include "framework/softrec/kvsrecmem.h"

KvRecArray::~KvRecArray()
{
    ClearChanges();
    delete m_pMap;
    delete m_pRemoved;
}

void KvRecArray::ClearChanges()
{
    if (m_pMap != nullptr) {
        POSITION pos = m_pMap->GetStartPosition();
        while (pos != 0) {
            WORD key;
            KvObject* rec;
            m_pMap->GetNextAssoc(pos, key, rec);
            delete rec;
        }
        m_pMap->RemoveAll();
    }
    if (m_pRemoved != nullptr && m_pRemoved->GetSize() > 0)
        m_pRemoved->RemoveAt(0, m_pRemoved->GetSize());
    m_nRemoved = m_nAdded = m_nEdited = 0;
}

int KvRecArray::BaseCount() const
{
    if (m_pParent != nullptr)
        return m_pParent->GetSize();
    if (m_pObArray != nullptr)
        return m_pObArray->GetSize();
    return 0;
}

int KvRecArray::GetSize() const
{
    return BaseCount() - m_nRemoved + m_nAdded;
}

bool KvRecArray::InMap(int adjI, KvSoftRec*& rec) const
{
    KvObject* found = nullptr;
    if (m_pMap == nullptr || !m_pMap->Lookup(static_cast<WORD>(adjI), found))
        return false;
    rec = static_cast<KvSoftRec*>(found);
    return true;
}

int KvRecArray::UnderlyingIndex(int i) const
{
    int j = i;
    for (int k = 0; m_pRemoved != nullptr && k < m_pRemoved->GetSize(); ++k) {
        if (m_pRemoved->GetAt(k) <= j)
            ++j;
        else
            break;
    }
    return j;
}

KvSoftRec* KvRecArray::SourceRecord(int adjI) const
{
    if (m_pParent != nullptr)
        return m_pParent->GetAt(adjI);
    if (m_pObArray != nullptr && adjI < m_pObArray->GetSize())
        return static_cast<KvSoftRec*>(m_pObArray->GetAt(adjI));
    return nullptr;
}

KvSoftRec* KvRecArray::GetAt(int i)
{
    if (!KV_ASSERT(i >= 0 && i < GetSize()))
        return nullptr;
    const int adjI = UnderlyingIndex(i);
    KvSoftRec* rec = nullptr;
    if (InMap(adjI, rec))
        return rec;
    KvSoftRec* pParentSRec = SourceRecord(adjI);
    if (!KV_ASSERT(pParentSRec != 0))
        return nullptr;
    KvSoftRec* pSRec = KvSoftRec::Create(pParentSRec->GetID(), 0);
    if (!KV_ASSERT(pSRec != 0))
        return nullptr;
    pSRec->CopyFrom(*pParentSRec);
    if (m_pMap == nullptr)
        m_pMap = new KvMapWordToOb;
    m_pMap->SetAt(static_cast<WORD>(adjI), pSRec);
    ++m_nEdited;
    return pSRec;
}

int KvRecArray::Add(KvSoftRec* rec)
{
    const int adjI = BaseCount() + m_nAdded;
    if (m_pMap == nullptr)
        m_pMap = new KvMapWordToOb;
    m_pMap->SetAt(static_cast<WORD>(adjI), rec);
    ++m_nAdded;
    return adjI - m_nRemoved;
}

void KvRecArray::RemoveAt(int i)
{
    if (!KV_ASSERT(i >= 0 && i < GetSize()))
        return;
    const int adjI = UnderlyingIndex(i);
    KvSoftRec* rec = nullptr;
    const bool mapped = InMap(adjI, rec);
    if (mapped && adjI >= BaseCount()) {
        // An added record: drop it and close the gap among the added ones.
        m_pMap->RemoveKey(static_cast<WORD>(adjI));
        delete rec;
        --m_nAdded;
        const int end = BaseCount() + m_nAdded;
        for (int k = adjI; k < end; ++k) {
            KvObject* next = nullptr;
            m_pMap->Lookup(static_cast<WORD>(k + 1), next);
            m_pMap->RemoveKey(static_cast<WORD>(k + 1));
            m_pMap->SetAt(static_cast<WORD>(k), next);
        }
        return;
    }
    if (m_pRemoved == nullptr)
        m_pRemoved = new KvWordArray;
    int k = 0;
    while (k < m_pRemoved->GetSize() && m_pRemoved->GetAt(k) < adjI)
        ++k;
    m_pRemoved->InsertAt(k, static_cast<WORD>(adjI));
    ++m_nRemoved;
    if (mapped) {
        // An edited copy: the source record keeps its index, the copy goes.
        m_pMap->RemoveKey(static_cast<WORD>(adjI));
        delete rec;
        --m_nEdited;
    }
}

std::vector<std::pair<int, KvSoftRec*>> KvRecArray::Entries(bool added) const
{
    std::vector<std::pair<int, KvSoftRec*>> entries;
    POSITION pos = m_pMap != nullptr ? m_pMap->GetStartPosition() : 0;
    while (pos != 0) {
        WORD key;
        KvObject* rec;
        m_pMap->GetNextAssoc(pos, key, rec);
        if ((key >= BaseCount()) == added)
            entries.emplace_back(key, static_cast<KvSoftRec*>(rec));
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::vector<int> KvRecArray::RemovedIndexes() const
{
    std::vector<int> indexes;
    for (int k = 0; m_pRemoved != nullptr && k < m_pRemoved->GetSize(); ++k)
        indexes.push_back(m_pRemoved->GetAt(k));
    return indexes;
}

KvRecArray& KvRecArray::operator=(KvRecArray& other)
{
    if (&other == this)
        return *this;
    if (other.m_pParent == this) {
        // Apply the edit layer: its indexes are this array's visible indexes.
        for (const auto& [index, copy] : other.EditedEntries()) {
            if (KvSoftRec* target = GetAt(index))
                target->CopyFrom(*copy);
        }
        for (const auto& entry : other.AddedEntries()) {
            KvSoftRec* rec = KvSoftRec::Create(entry.second->GetID(), 0);
            rec->CopyFrom(*entry.second);
            Add(rec);
        }
        const std::vector<int> removed = other.RemovedIndexes();
        for (auto it = removed.rbegin(); it != removed.rend(); ++it)
            RemoveAt(*it);
        return *this;
    }
    // Two unchanged arrays over one object array already show the same records.
    if (m_pObArray != nullptr && m_pObArray == other.m_pObArray && !IsModified() && !other.IsModified())
        return *this;
    // Otherwise this array takes copies of the other's visible records, so that it never
    // reads records another array or record owns (and may delete). The copies are made
    // before anything here changes: the other array may read through this one.
    std::vector<KvSoftRec*> copies;
    for (int i = 0; i < other.GetSize(); ++i) {
        KvSoftRec* rec = other.Peek(i);
        if (!KV_ASSERT(rec != 0))
            continue;
        KvSoftRec* copy = KvSoftRec::Create(rec->GetID(), 0);
        copy->CopyFrom(*rec);
        copies.push_back(copy);
    }
    ClearChanges();
    while (GetSize() > 0)
        RemoveAt(GetSize() - 1);
    for (KvSoftRec* copy : copies)
        Add(copy);
    return *this;
}

KvSoftRec* KvRecArray::Peek(int i) const
{
    const int adjI = UnderlyingIndex(i);
    KvSoftRec* rec = nullptr;
    if (InMap(adjI, rec))
        return rec;
    if (m_pParent != nullptr)
        return m_pParent->Peek(adjI);
    return SourceRecord(adjI);
}
