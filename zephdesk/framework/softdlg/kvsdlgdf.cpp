#include "framework/softdlg/kvsdlgdf.h"

#include "framework/softrec/kvdefcheck.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvtokens.h"

KvSoftDlgDef::~KvSoftDlgDef()
{
    KV_ASSERT(m_nRefCount == 0);
    DeleteSections(m_pReferencesSections);
    DeleteSections(m_pDDLSections);
    DeleteSections(m_pNotifSections);
    DeleteSections(m_pSoftControlSections);
}

KvSoftDlgDef* KvSoftDlgDef::Create(WORD defId)
{
    return MakeLoaded<KvSoftDlgDef>(defId);
}

KvObArray*& KvSoftDlgDef::ArrayOf(WORD sectionToken)
{
    switch (sectionToken) {
    case kKvSecReferences:
        return m_pReferencesSections;
    case kKvSecDlgDataLink:
        return m_pDDLSections;
    case kKvSecSoftControl:
        return m_pSoftControlSections;
    case kKvSecNotification:
        return m_pNotifSections;
    default:
        KV_ASSERT(0);
        m_pNoSections = nullptr;
        return m_pNoSections;
    }
}

void KvSoftDlgDef::AcceptSection(WORD sectionToken)
{
    switch (sectionToken) {
    case kKvSecReferences:
        KV_DEF_CHECK(m_bReferencesDone != 1);
        m_bReferencesDone = true;
        break;
    case kKvSecSoftControl:
        KV_DEF_CHECK(m_bReferencesDone == 1);
        m_bSoftControlDone = true;
        break;
    case kKvSecDlgDataLink:
    case kKvSecNotification:
        KV_DEF_CHECK(m_bReferencesDone == 1);
        KV_DEF_CHECK(m_bSoftControlDone == 1);
        (sectionToken == kKvSecDlgDataLink ? m_bDataLinkDone : m_bNotificationsDone) = true;
        break;
    default:
        // Fields and rules belong to record definitions, never to a dialog.
        KV_DEF_CHECK(0);
    }
}

void KvSoftDlgDef::AddSection(KvSection* section, WORD sectionToken)
{
    KvObArray*& sections = ArrayOf(sectionToken);
    if (&sections == &m_pNoSections) {
        delete section;
        return;
    }
    if (sections == nullptr)
        sections = new KvObArray;
    sections->Add(section);
}

void KvSoftDlgDef::AfterLoad()
{
    KV_DEF_CHECK(m_bReferencesDone == 1);
    KV_DEF_CHECK(m_bSoftControlDone == 1);
}

KvObArray* KvSoftDlgDef::GetSections(WORD sectionToken)
{
    return ArrayOf(sectionToken);
}

KvSection* KvSoftDlgDef::First(const KvObArray* sections)
{
    return sections != nullptr && sections->GetSize() > 0 ? static_cast<KvSection*>(sections->GetAt(0)) : nullptr;
}

int KvSoftDlgDef::Count(const KvObArray* sections)
{
    return sections != nullptr ? sections->GetSize() : 0;
}

const KvStatement* KvSoftDlgDef::FirstReference(WORD type) const
{
    const KvSection* references = GetReferencesSection();
    for (int i = 0; references != nullptr && i < references->GetNbStatements(kKvKindBody); ++i) {
        const KvStatement* s = references->GetStatement(kKvKindBody, i);
        if (s->GetType() == type)
            return s;
    }
    return nullptr;
}

WORD KvSoftDlgDef::GetDlgResID() const
{
    const KvStatement* s = FirstReference(kKvStmDlgRes);
    return s != nullptr ? s->GetOperand(0) : 0;
}

WORD KvSoftDlgDef::GetDlgHelpID() const
{
    const KvStatement* s = FirstReference(kKvStmDlgHelp);
    return s != nullptr ? s->GetOperand(0) : 0;
}

const KvStatement* KvSoftDlgDef::GetSoftCtrlStatement(WORD ctrlId) const
{
    const KvSection* controls = GetSoftControlSection();
    if (!KV_ASSERT(controls != nullptr))
        return nullptr;
    for (int i = 0; i < controls->GetNbStatements(kKvKindBody); ++i) {
        const KvStatement* s = controls->GetStatement(kKvKindBody, i);
        KV_ASSERT(s->GetType() == kKvStmGroupCtrl || s->GetType() == kKvStmPlainCtrl);
        if (s->GetOperand(0) == ctrlId)
            return s;
    }
    return nullptr;
}

WORD KvSoftDlgDef::GetGroupCtrlID(WORD ctrlId) const
{
    const KvSection* controls = GetSoftControlSection();
    for (int i = 0; controls != nullptr && i < controls->GetNbStatements(kKvKindBody); ++i) {
        const KvStatement* s = controls->GetStatement(kKvKindBody, i);
        if (s->GetType() != kKvStmGroupCtrl)
            continue;
        const auto* group = static_cast<const KvMultiLineStatement*>(s);
        for (int k = 0; k < group->GetNbStatements(kKvKindBody); ++k) {
            const KvStatement* sub = group->GetStatement(kKvKindBody, k);
            KV_ASSERT(sub->GetType() == kKvStmSubCtrl);
            if (sub->GetOperand(0) == ctrlId)
                return s->GetOperand(0);
        }
    }
    return 0;
}
