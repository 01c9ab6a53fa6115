#include "framework/softrec/kvsrecmem.h"

#include "foundation/kvassert.h"
#include "foundation/kvobarray.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvsrecdef.h"
#include "framework/softrec/kvtokens.h"
#include "framework/softrec/kvvalue.h"

namespace {

void DeleteRecords(KvObArray& records)
{
    for (int i = 0; i < records.GetSize(); ++i)
        delete records.GetAt(i);
    if (records.GetSize() > 0)
        records.RemoveAt(0, records.GetSize());
}

}  // namespace

KvSoftRecMem::~KvSoftRecMem()
{
    DiscardEdits();  // buffers may read the storage; drop them first
    for (const Storage& s : m_storage) {
        switch (s.type) {
        case kKvStoreInt16:
            delete static_cast<short*>(s.p);
            break;
        case kKvStoreInt32:
        case kKvStoreBool:
            delete static_cast<std::int32_t*>(s.p);
            break;
        case kKvStoreString:
            delete static_cast<CString*>(s.p);
            break;
        case kKvStoreObArray: {
            auto* records = static_cast<KvObArray*>(s.p);
            DeleteRecords(*records);
            delete records;
            break;
        }
        default:
            break;
        }
    }
}

void KvSoftRecMem::CreateFieldStorage(WORD)
{
    if (m_bStorageMade)
        return;
    m_bStorageMade = true;
    const KvSection* data = m_pSoftRecDef->GetDataSection();
    const int n = data != nullptr ? data->GetNbStatements(kKvKindBody) : 0;
    m_storage.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const WORD id = data->GetStatement(kKvKindBody, i)->GetOperand(0);
        const WORD type = GetFieldStorageType(id);
        void* p = nullptr;
        switch (type) {
        case kKvStoreBool:
        case kKvStoreInt32:
            p = new std::int32_t(0);
            break;
        case kKvStoreInt16:
            p = new short(0);
            break;
        case kKvStoreString:
            p = new CString;
            break;
        case kKvStoreObArray:
            p = new KvObArray;
            break;
        default:
            KV_ASSERT(!"a storage type that a memory record keeps");
            continue;
        }
        m_storage.push_back({id, type, p});
    }
}

void* KvSoftRecMem::FieldStorage(WORD fieldId)
{
    EnsureFieldStorage(fieldId);
    for (const Storage& s : m_storage) {
        if (s.fieldId == fieldId)
            return s.p;
    }
    KV_ASSERT(!"storage of the field");
    return nullptr;
}

KvSoftRec& KvSoftRecMem::CopyFrom(const KvSoftRec& other)
{
    if (!KV_ASSERT(GetID() == other.GetID()))
        return *this;
    auto& source = const_cast<KvSoftRec&>(other);
    const KvSection* data = m_pSoftRecDef->GetDataSection();
    for (int i = 0; data != nullptr && i < data->GetNbStatements(kKvKindBody); ++i) {
        const WORD id = data->GetStatement(kKvKindBody, i)->GetOperand(0);
        KvFieldValue(id, this) = KvFieldValue(id, &source);
    }
    return *this;
}

void KvSoftRecMem::StoreField(WORD fieldId)
{
    if (GetFieldStorageType(fieldId) != kKvStoreObArray) {
        KvSoftRec::StoreField(fieldId);
        return;
    }
    auto* stored = static_cast<KvObArray*>(FieldStorage(fieldId));
    if (stored == nullptr)
        return;
    KvRecArray& set = KvFieldValue(fieldId, this).AsRecArray();
    // Copies in place of the typed records would leave the server and the records apart.
    if (HoldsServerRecords(fieldId) && set.GetObArray() == stored) {
        set.CommitToObArray();
        return;
    }
    // Copy the set's records first: reading them may still go to the stored ones.
    KvObArray copies;
    for (int i = 0; i < set.GetSize(); ++i) {
        KvSoftRec* rec = set.GetAt(i);
        if (rec == nullptr)
            continue;
        auto* copy = new KvSoftRecMem(rec->GetID());
        copy->CopyFrom(*rec);
        copy->StoreEdits();
        copies.Add(copy);
    }
    DeleteRecords(*stored);
    for (int i = 0; i < copies.GetSize(); ++i)
        stored->Add(copies.GetAt(i));
}
