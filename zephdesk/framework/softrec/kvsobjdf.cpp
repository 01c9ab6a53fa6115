#include "framework/softrec/kvsobjdf.h"

#include <memory>

#include "framework/softrec/kvdefcheck.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvresnav.h"
#include "framework/softrec/kvtokens.h"

KvSoftObjDef::KvSoftObjDef(WORD defId, std::uint32_t context)
    : m_defId(defId), m_context(context)
{
}

void KvSoftObjDef::Load()
{
    KvResNav nav(m_defId);
    for (WORD token = nav.GetCurrentToken(); token != 0; token = nav.GetNextToken()) {
        AcceptSection(token);
        ReadSection(token, nav);
        KV_DEF_CHECK(nav.GetCurrentToken() == 0x0002);
    }
    AfterLoad();
}

void KvSoftObjDef::ReadSection(WORD sectionToken, KvResNav& nav)
{
    switch (sectionToken) {
    case kKvSecReferences:
    case kKvSecData:
    case kKvSecVerification:
    case kKvSecDlgDataLink:
    case kKvSecSoftControl:
    case kKvSecNotification:
        break;
    default:
        KV_DEF_CHECK(!"a section token");
    }
    auto* section = new KvSection(sectionToken);
    AddSection(section, sectionToken);  // filed before it is read: owned from now on
    section->Read(nav);
    section->AfterRead();
}

KvObArray* KvSoftObjDef::GetSections(WORD)
{
    KV_ASSERT(!"sections of this definition kind");
    return nullptr;
}

KvSection* KvSoftObjDef::FindSectionByHeader(WORD sectionToken, const KvStatement& header)
{
    KvObArray* sections = GetSections(sectionToken);
    if (sections == nullptr)
        return nullptr;
    for (int i = 0; i < sections->GetSize(); ++i) {
        auto* section = static_cast<KvSection*>(sections->GetAt(i));
        for (int h = 0; h < section->GetNbStatements(kKvKindHeaders); ++h) {
            if (section->GetStatement(kKvKindHeaders, h)->IsEqual(header))
                return section;
        }
    }
    return nullptr;
}

void KvSoftObjDef::DeleteSections(KvObArray*& sections)
{
    if (sections == nullptr)
        return;
    for (int i = 0; i < sections->GetSize(); ++i)
        delete sections->GetAt(i);
    delete sections;
    sections = nullptr;
}

// ---- property-sheet definitions ------------------------------------------------------

KvSoftPropSheetDef::~KvSoftPropSheetDef()
{
    KV_ASSERT(m_nRefCount == 0);
    DeleteSections(m_pReferencesSections);
}

KvSoftPropSheetDef* KvSoftPropSheetDef::Create(WORD defId)
{
    return MakeLoaded<KvSoftPropSheetDef>(defId);
}

void KvSoftPropSheetDef::AcceptSection(WORD sectionToken)
{
    KV_DEF_CHECK(sectionToken == kKvSecReferences);
    KV_DEF_CHECK(m_bReferencesDone != 1);
    m_bReferencesDone = true;
}

void KvSoftPropSheetDef::AddSection(KvSection* section, WORD)
{
    if (m_pReferencesSections == nullptr)
        m_pReferencesSections = new KvObArray;
    m_pReferencesSections->Add(section);
}

void KvSoftPropSheetDef::AfterLoad()
{
    KV_DEF_CHECK(m_bReferencesDone == 1);
}

int KvSoftPropSheetDef::GetPageCount() const
{
    return m_pReferencesSections != nullptr ? m_pReferencesSections->GetSize() : 0;
}

KvSection* KvSoftPropSheetDef::GetSection(int i) const
{
    if (!KV_ASSERT(m_pReferencesSections != nullptr))
        return nullptr;
    return static_cast<KvSection*>(m_pReferencesSections->GetAt(i));
}

int KvSoftPropSheetDef::GetPages(KvWordArray& pageIds) const
{
    const KvSection* section = GetSection(0);
    if (section == nullptr)
        return 0;
    int n = 0;
    for (int i = 0; i < section->GetNbStatements(kKvKindBody); ++i) {
        const KvStatement* s = section->GetStatement(kKvKindBody, i);
        if (s->GetType() == kKvStmSoftDlg)
            pageIds.InsertAt(n++, s->GetOperand(0));
    }
    return n;
}
