// Verification of a soft record against the rules of its definition, and the messages
// of the rules that fail.
#include "foundation/kvassert.h"
#include "framework/softrec/kvcondst.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsoftmsg.h"
#include "framework/softrec/kvsoftrec.h"
#include "framework/softrec/kvsrecdef.h"
#include "framework/softrec/kvtokens.h"
#include "framework/softrec/kvvalue.h"

namespace {

constexpr WORD kStopAtFirst = 0x2201;
constexpr UINT kMsgGenerated = 8072;

CString Label(WORD fieldId)
{
    CString label;
    label.LoadString(fieldId);
    return label;
}

// The requirement that the failing condition C breaks, in words: the negation of C.
CString Requirement(const KvCondStatement& c, KvSoftRec& record)
{
    const WORD field = c.GetOperand(0);
    const bool negated = c.HasStyle(0x8001) != 0;
    const bool equal = c.HasStyle(0x8100) != 0;
    const bool greater = c.HasStyle(0x8200) != 0;
    CString text = "The value for \"" + Label(field) + "\" ";
    if (equal || greater) {
        if (negated)  // the condition failed as "not T": T is required
            text += greater ? (equal ? "should be greater than or equal to " : "should be greater than ")
                            : "should be equal to ";
        else          // "T" failed: "not T" is required
            text += greater ? (equal ? "should be less than " : "should be less than or equal to ")
                            : "should not be equal to ";
        if (c.HasStyle(0x8400)) {
            text += "the value for \"" + Label(c.GetOptional(0)) + "\"";
        } else if (record.GetFieldValueType(field) == kKvValueText) {
            CString bound;
            bound.LoadString(c.GetOptional(0));
            text += bound;
        } else {
            CString bound;
            bound.Format("%d", static_cast<int>(static_cast<short>(c.GetOptional(0))));
            text += bound;
        }
        return text;
    }
    if (c.HasStyle(0x8040))
        return text + (negated ? "should be blank " : "should not be blank ");
    if (c.HasStyle(0x8010) || c.HasStyle(0x8020)) {
        text += negated ? "should be " : "should not be ";
        if (c.HasStyle(0x8010))
            text += "in the range (inclusive)";
        if (c.HasStyle(0x8020))
            text += "in the range (exclusive)";
        CString bounds;
        switch (record.GetFieldValueType(field)) {
        case kKvValueInt16:
            bounds.Format(" [%d, %d]", static_cast<short>(c.GetOptional(0)), static_cast<short>(c.GetOptional(1)));
            break;
        case kKvValueInt32:
            bounds.Format(" [%d, %d]", static_cast<int>(c.GetOptional(0)), static_cast<int>(c.GetOptional(1)));
            break;
        case kKvValueText: {
            CString lo;
            CString hi;
            lo.LoadString(c.GetOptional(0));
            hi.LoadString(c.GetOptional(1));
            bounds = " [" + lo + ", " + hi + "]";
            break;
        }
        default:
            KV_ASSERT(0);
            return text;
        }
        return text + bounds;
    }
    KV_ASSERT(0);
    return text;
}

void ShowRuleMessage(const KvStatement& m, const KvCondStatement* c, KvSoftRec& record)
{
    if (m.HasStyle(0x8800))
        return;  // the rule names a field; there is no text to show
    const UINT id = m.GetOperand(1);
    if (m.HasStyle(0x8008)) {
        if (!KV_ASSERT(c != nullptr))
            return;
        KvSoftShowMessage(kMsgGenerated, Requirement(*c, record));
        return;
    }
    if (m.HasStyle(0x8400)) {
        KvSoftShowMessage(id);
        return;
    }
    const WORD field = m.HasStyle(0x8100) ? m.GetOptionalByKey(0x8100) : (c != nullptr ? c->GetOperand(0) : 0);
    switch (m.GetFlags() & 0x0007) {
    case 1:
        KvSoftShowMessage(id, Label(field));
        break;
    case 2:
        KvSoftShowMessage(id, KvFieldValue(field, &record).AsText());
        break;
    case 3:
        KvSoftShowMessage(id, Label(field), KvFieldValue(field, &record).AsText());
        break;
    default:
        KV_ASSERT(0);
    }
}

// The statement a walk position designates and the innermost condition guarding it.
const KvStatement* AtPosition(KvMultiLineStatement& list, KvStatementPos* pos, const KvCondStatement*& guard)
{
    guard = nullptr;
    const KvStatement* s = list.GetStatement(kKvKindBody, pos->GetIndex());
    for (KvCondStatementPos* sub = pos->GetCondStatementPos(); sub != nullptr; sub = sub->GetCondStatementPos()) {
        guard = static_cast<const KvCondStatement*>(s);
        const KvSection* branch = guard->FindBranch(sub->GetBranch());
        if (!KV_ASSERT(branch != nullptr))
            return nullptr;
        s = branch->GetStatement(kKvKindBody, sub->GetIndex());
    }
    return s;
}

}  // namespace

int KvSoftRec::Verify(int bSilent)
{
    if (!m_bEditing)
        return 1;
    KvObArray* sections = m_pSoftRecDef->GetSections(kKvSecVerification);
    if (sections == nullptr)
        return 1;
    for (int i = 0; i < sections->GetSize(); ++i) {
        auto* section = static_cast<KvSection*>(sections->GetAt(i));
        const KvStatement* styleStatement = section->FindStatementByType(kKvKindHeaders, kKvStmStyle);
        const WORD style = styleStatement != nullptr ? styleStatement->GetFlags() : 0;
        KvStatementPos* pos = nullptr;
        for (section->GetFirst(kKvKindBody, *this, pos, 1); pos != nullptr;
             section->GetNext(kKvKindBody, *this, pos)) {
            const KvCondStatement* guard = nullptr;
            const KvStatement* m = AtPosition(*section, pos, guard);
            if (m == nullptr || !KV_ASSERT(m->GetType() == 0x3103))
                continue;
            if (bSilent || style == kStopAtFirst) {
                if (!bSilent)
                    ShowRuleMessage(*m, guard, *this);
                delete pos;
                return 0;
            }
            ShowRuleMessage(*m, guard, *this);
        }
    }
    return 1;
}
