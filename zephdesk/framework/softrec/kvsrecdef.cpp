#include "framework/softrec/kvsrecdef.h"

#include <map>
#include <memory>

#include "framework/softrec/kvdefcheck.h"
#include "framework/softrec/kvdefrefused.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvtokens.h"
#include "framework/softrec/kvvalue.h"

namespace {

std::map<WORD, KvSoftRecDef*>& Cache()
{
    static std::map<WORD, KvSoftRecDef*> cache;
    return cache;
}

}  // namespace

KvSoftRecDef* KvSoftRecDef::Get(WORD defId)
{
    auto& cache = Cache();
    auto it = cache.find(defId);
    if (it == cache.end()) {
        auto def = std::make_unique<KvSoftRecDef>(defId);
        const int reportsBefore = KvAssertFailureCount();
        try {
            def->Load();
        } catch (const KvException&) {
            // A stream that was reported as malformed is not read (or reported) again.
            if (KvAssertFailureCount() != reportsBefore)
                KvMarkRefusedDefinition(defId);
            throw;
        }
        it = cache.emplace(defId, def.release()).first;
    }
    it->second->AddRef();
    return it->second;
}

void KvSoftRecDef::Put(KvSoftRecDef* def)
{
    if (def != nullptr && def->Release() == 0)
        delete def;
}

KvSoftRecDef* KvSoftRecDef::Loaded(WORD defId)
{
    const auto it = Cache().find(defId);
    return it != Cache().end() ? it->second : nullptr;
}

KvSoftRecDef::~KvSoftRecDef()
{
    KV_ASSERT(m_nRefCount == 0);
    DeleteSections(m_pReferencesSections);
    DeleteSections(m_pDataSections);
    DeleteSections(m_pVerificationSections);
    const auto it = Cache().find(GetDefId());
    if (it != Cache().end() && it->second == this)
        Cache().erase(it);
}

void KvSoftRecDef::AcceptSection(WORD sectionToken)
{
    switch (sectionToken) {
    case kKvSecReferences:
        KV_DEF_CHECK(m_bReferencesDone != 1);
        m_bReferencesDone = true;
        break;
    case kKvSecData:
        KV_DEF_CHECK(m_bReferencesDone == 1);
        m_bDataDone = true;
        break;
    case kKvSecVerification:
        KV_DEF_CHECK(m_bDataDone == 1);
        m_bVerificationDone = true;
        break;
    default:
        KV_DEF_CHECK(!"a record definition's section");
    }
}

void KvSoftRecDef::AddSection(KvSection* section, WORD sectionToken)
{
    KvObArray** sections = nullptr;
    switch (sectionToken) {
    case kKvSecReferences:
        sections = &m_pReferencesSections;
        break;
    case kKvSecData:
        sections = &m_pDataSections;
        break;
    case kKvSecVerification:
        sections = &m_pVerificationSections;
        break;
    default:
        delete section;
        KV_DEF_CHECK(!"a record definition's section");
    }
    if (*sections == nullptr)
        *sections = new KvObArray;
    (*sections)->Add(section);
}

void KvSoftRecDef::AfterLoad()
{
    KV_DEF_CHECK(m_bReferencesDone == 1);
    KV_DEF_CHECK(m_bDataDone == 1);
    // Every field id of the DATA section is distinct.
    const KvSection* data = GetDataSection();
    for (int i = 0; i < data->GetNbStatements(kKvKindBody); ++i) {
        const WORD id = data->GetStatement(kKvKindBody, i)->GetOperand(0);
        KV_DEF_CHECK(data->FindStatementByOperand(kKvKindBody, 0, id, 0) ==
                     data->GetStatement(kKvKindBody, i));
        const WORD valueType = data->GetStatement(kKvKindBody, i)->GetOperand(1);
        KV_DEF_CHECK(valueType >= kKvValueInt16 && valueType <= kKvValueRecordSet);
    }
}

KvObArray* KvSoftRecDef::GetSections(WORD sectionToken)
{
    switch (sectionToken) {
    case kKvSecReferences:
        return m_pReferencesSections;
    case kKvSecData:
        return m_pDataSections;
    case kKvSecVerification:
        return m_pVerificationSections;
    default:
        KV_ASSERT(!"a record definition's section");
        return nullptr;
    }
}

KvSection* KvSoftRecDef::GetDataSection() const
{
    if (!KV_ASSERT(m_pDataSections != nullptr))
        return nullptr;
    return static_cast<KvSection*>(m_pDataSections->GetAt(0));
}

KvStatement* KvSoftRecDef::FindReference(WORD token) const
{
    if (m_pReferencesSections == nullptr)
        return nullptr;
    const auto* refs = static_cast<const KvSection*>(m_pReferencesSections->GetAt(0));
    for (int i = 0; i < refs->GetNbStatements(kKvKindBody); ++i) {
        KvStatement* s = refs->GetStatement(kKvKindBody, i);
        if (s->GetType() == token)
            return s;
    }
    return nullptr;
}

WORD KvSoftRecDef::GetDlgID() const
{
    const KvStatement* s = FindReference(kKvStmSoftDlg);
    return s != nullptr ? s->GetOperand(0) : 0;
}

WORD KvSoftRecDef::GetDlgHelpID() const
{
    const KvStatement* s = FindReference(kKvStmSoftDlg);
    return s != nullptr ? s->GetOperand(1) : 0;
}

WORD KvSoftRecDef::GetPropSheetID() const
{
    const KvStatement* s = FindReference(kKvStmPropSheet);
    return s != nullptr ? s->GetOperand(0) : 0;
}

KvStatement* KvSoftRecDef::FindFieldStatement(WORD fieldId) const
{
    const KvSection* data = GetDataSection();
    if (data == nullptr)
        return nullptr;
    return data->FindStatementByOperand(kKvKindBody, 0, fieldId, 1);
}

bool KvSoftRecDef::HasField(WORD fieldId) const
{
    const KvSection* data = GetDataSection();
    return data != nullptr && data->FindStatementByOperand(kKvKindBody, 0, fieldId, 0) != nullptr;
}

WORD KvSoftRecDef::GetFieldValueType(WORD fieldId) const
{
    const KvStatement* s = FindFieldStatement(fieldId);
    return s != nullptr ? s->GetOperand(1) : 0;
}

WORD KvSoftRecDef::GetFieldStorageType(WORD fieldId) const
{
    const KvStatement* s = FindFieldStatement(fieldId);
    if (s == nullptr)
        return 0;
    if (s->HasStyle(0x8760))
        return static_cast<WORD>(s->GetFlags() & 0x8760);
    switch (s->GetOperand(1)) {
    case kKvValueInt16:
        return kKvStoreInt16;
    case kKvValueInt32:
        return kKvStoreInt32;
    case kKvValueText:
        return kKvStoreString;
    case kKvValueBool:
        return kKvStoreBool;
    case kKvValueRecordSet:
        return kKvStoreObArray;
    default:
        KV_ASSERT(!"a value type with a storage of its own");
        return 0;
    }
}
