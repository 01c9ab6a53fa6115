// Writing a record array's changes into the object array it works over.
#include "foundation/kvassert.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvsrecmem.h"

void KvRecArray::SaveToSource()
{
    if (!KV_ASSERT(m_pParent != 0) || !KV_ASSERT(m_nAdded == 0) || !KV_ASSERT(m_nRemoved == 0) ||
        !KV_ASSERT(m_nEdited == 0))
        return;
    m_pParent->CommitToObArray();
}

void KvRecArray::CommitToObArray()
{
    KvObArray* source = m_pObArray;
    if (!KV_ASSERT(source != 0))
        return;
    for (const auto& [index, copy] : EditedEntries()) {
        if (index >= source->GetSize())
            continue;
        auto* stored = static_cast<KvSoftRec*>(source->GetAt(index));
        stored->CopyFrom(*copy);
        stored->Commit();
    }
    for (const auto& entry : AddedEntries()) {
        KvSoftRec* typed = KvSoftRec::Create(entry.second->GetID(), 1);
        auto* linked = dynamic_cast<KvSoftRecDataLink*>(typed);
        if (linked == nullptr) {
            delete typed;
            continue;
        }
        linked->CopyFrom(*entry.second);
        if (linked->AddToServer() == 1)
            source->Add(linked);
        else
            delete linked;
    }
    const std::vector<int> removed = RemovedIndexes();
    for (auto it = removed.rbegin(); it != removed.rend(); ++it) {
        if (*it >= source->GetSize())
            continue;
        auto* stored = dynamic_cast<KvSoftRecDataLink*>(static_cast<KvSoftRec*>(source->GetAt(*it)));
        if (stored != nullptr && stored->DeleteFromServer() == 1) {
            source->RemoveAt(*it, 1);
            delete stored;
        }
    }
    // The object array now holds what the server took; the array starts afresh over it.
    ClearChanges();
}
