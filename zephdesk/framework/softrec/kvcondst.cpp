#include "framework/softrec/kvcondst.h"

#include "foundation/kvassert.h"
#include "framework/shellservices.h"
#include "framework/softrec/kvdefcheck.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvlstrcmp.h"
#include "framework/softrec/kvresnav.h"
#include "framework/softrec/kvsoftobj.h"
#include "framework/softrec/kvsoftrec.h"
#include "framework/softrec/kvtokens.h"
#include "framework/softrec/kvvalue.h"

KvCondStatement::~KvCondStatement()
{
    delete m_pThen;
    delete m_pElse;
}

KvSection* KvCondStatement::GetBranch(int branch)
{
    KvSection*& section = branch == 1 ? m_pThen : m_pElse;
    if (section == nullptr) {
        section = new KvSection(0);
        section->SetSection(m_pSection);
    }
    return section;
}

void KvCondStatement::Read(KvResNav& nav)
{
    KvStatement::Read(nav);
    WORD t = nav.GetNextToken();
    if (t == kKvTokOpen) {
        int decision = 0;  // none yet: statements before a marker belong to then
        for (t = nav.GetNextToken(); t != 0 && t != kKvTokClose; t = nav.GetNextToken()) {
            if (t == kKvTokThen) {
                decision = 1;
                continue;
            }
            if (t == kKvTokElse) {
                decision = 2;
                continue;
            }
            if (decision == 0)
                decision = 1;
            KvSection* branch = GetBranch(decision == 1 ? 1 : 0);
            branch->CheckStatementToken(t);
            branch->AddStatement(t, kKvKindBranch, nav);
        }
        KV_DEF_CHECK(nav.GetCurrentToken() == 0x0002);
        return;
    }
    // Without a block the condition governs exactly the next statement, which must exist.
    KV_DEF_CHECK(t != 0 && t != kKvTokClose);
    KvSection* branch = GetBranch(1);
    branch->CheckStatementToken(t);
    branch->AddStatement(t, kKvKindBranch, nav);
}

int KvCondStatement::Evaluate(KvSoftRec& record)
{
    KV_ASSERT(HasStyle(0x8300) || HasStyle(0x8030) || HasStyle(0x8040) || HasStyle(0x8080));
    const WORD field = GetOperand(0);
    const WORD type = record.GetFieldValueType(field);
    const KvFieldValue v(field, &record);
    const bool byField = HasStyle(0x8400) != 0;

    auto int16Of = [&](int k) -> int {
        return byField ? KvFieldValue(GetOptional(k), &record).AsInt16() : static_cast<short>(GetOptional(k));
    };
    auto int32Of = [&](int k) -> std::int32_t {
        return byField ? KvFieldValue(GetOptional(k), &record).AsInt32() : static_cast<std::int32_t>(GetOptional(k));
    };
    auto textOf = [&](int k) -> CString {
        if (byField)
            return KvFieldValue(GetOptional(k), &record).AsText();
        CString text;
        text.LoadString(GetOptional(k));
        return text;
    };

    int profile = 0;
    if (HasStyle(0x8800)) {
        ShellServices* app = KvSoftObj::GetApplication();
        if (app != nullptr && !app->IsStartedWithoutCommandLine())
            profile = app->GetCustomerProfile();
    }

    int r = 0;
    if (HasStyle(0x8100) || HasStyle(0x8200)) {
        if (HasStyle(0x8100)) {
            switch (type) {
            case kKvValueInt16:
                r = v.AsInt16() == int16Of(0);
                break;
            case kKvValueInt32:
            case kKvValueBool:
                r = v.AsInt32() == int32Of(0);
                break;
            case kKvValueText:
                r = HasStyle(0x8800) ? (profile == 0 || v.AsText().GetLength() == profile)
                                     : KvLstrcmp(v.AsText(), textOf(0)) == 0;
                break;
            default:
                KV_ASSERT(0);
            }
        }
        if (r != 1 && HasStyle(0x8200)) {
            switch (type) {
            case kKvValueInt16:
                r = v.AsInt16() > int16Of(0);
                break;
            case kKvValueInt32:
                r = v.AsInt32() > int32Of(0);
                break;
            case kKvValueText:
                r = HasStyle(0x8800) ? (profile == 0 || v.AsText().GetLength() > profile)
                                     : KvLstrcmp(v.AsText(), textOf(0)) > 0;
                break;
            default:
                KV_ASSERT(0);
                r = 0;
            }
        }
    } else if (HasStyle(0x8010) || HasStyle(0x8020)) {
        const bool inclusive = HasStyle(0x8010) != 0;
        switch (type) {
        case kKvValueInt16: {
            const int lo = int16Of(0), hi = int16Of(1), x = v.AsInt16();
            KV_ASSERT(lo < hi);
            r = (lo < x && x < hi) || (inclusive && (x == lo || x == hi));
            break;
        }
        case kKvValueInt32: {
            const std::int32_t lo = int32Of(0), hi = int32Of(1), x = v.AsInt32();
            KV_ASSERT(lo < hi);
            r = (lo < x && x < hi) || (inclusive && (x == lo || x == hi));
            break;
        }
        case kKvValueText: {
            const CString lo = textOf(0), hi = textOf(1);
            const CString& x = v.AsText();
            KV_ASSERT(KvLstrcmp(lo, hi) < 0);
            const int cLo = KvLstrcmp(x, lo), cHi = KvLstrcmp(x, hi);
            r = (cLo > 0 && cHi < 0) || (inclusive && (cLo == 0 || cHi == 0));
            break;
        }
        default:
            KV_ASSERT(0);
        }
    } else if (HasStyle(0x8080)) {
        r = 0;  // a test that is never evaluated: false before negation
    } else if (HasStyle(0x8040)) {
        if (v.AsText().IsEmpty())
            return GetFlags() == 0x8040 ? 1 : 0;
        r = 0;
    } else {
        KV_ASSERT(0);
    }
    if (HasStyle(0x8001))
        return r != 1 ? 1 : 0;
    return r;
}

KvCondStatementPos* KvCondStatement::FindFirst(WORD kind, KvSoftRec& record)
{
    const int r = Evaluate(record);
    KvSection* branch = FindBranch(r == 1 ? 1 : 0);
    if (branch == nullptr)
        return nullptr;  // no else branch: the condition yields nothing
    auto* pos = new KvCondStatementPos;
    KvStatementPos* walk = pos;
    if (branch->GetFirst(kind, record, walk, 0) == nullptr)
        return nullptr;  // the walk deleted the position
    pos->SetBranch(r == 1 ? 1 : 0);
    return pos;
}

void KvCondStatement::FindNext(WORD kind, KvSoftRec& record, KvCondStatementPos*& pos)
{
    KvSection* branch = FindBranch(pos->GetBranch());
    if (!KV_ASSERT(branch != 0)) {
        delete pos;
        pos = nullptr;
        return;
    }
    KvStatementPos* walk = pos;
    branch->GetNext(kind, record, walk);
    pos = static_cast<KvCondStatementPos*>(walk);
}

KvStatement* KvCondStatement::GetStatementAtPos(WORD kind, KvCondStatementPos* pos) const
{
    const KvSection* branch = FindBranch(pos->GetBranch());
    if (!KV_ASSERT(branch != 0))
        return nullptr;
    return branch->GetStatementAtPos(kind, pos);
}

// ---- the walk over a statement list --------------------------------------------------

KvStatementPos* KvMultiLineStatement::GetFirst(WORD kind, KvSoftRec& record, KvStatementPos*& pos, int create)
{
    for (int i = 0; i < GetNbStatements(kind); ++i) {
        KvStatement* s = GetStatement(kind, i);
        KvCondStatementPos* sub = nullptr;
        if (s->GetType() == kKvStmCondition) {
            sub = static_cast<KvCondStatement*>(s)->FindFirst(kind, record);
            if (sub == nullptr)
                continue;
        }
        if (create) {
            KV_ASSERT(pos == 0);
            pos = new KvStatementPos;
        }
        pos->SetIndex(i);
        pos->SetCondStatementPos(sub);
        return pos;
    }
    delete pos;
    pos = nullptr;
    return nullptr;
}

KvStatementPos* KvMultiLineStatement::GetNext(WORD kind, KvSoftRec& record, KvStatementPos*& pos)
{
    int i = pos->GetIndex();
    if (!KV_ASSERT(i < GetNbStatements(kind))) {
        delete pos;
        pos = nullptr;
        return nullptr;
    }
    if (pos->GetCondStatementPos() != nullptr) {
        auto* cond = static_cast<KvCondStatement*>(GetStatement(kind, i));
        KV_ASSERT(cond->GetType() == 0x3001);
        cond->FindNext(kind, record, pos->CondStatementPosRef());
        if (pos->GetCondStatementPos() != nullptr)
            return pos;
    }
    for (++i; i < GetNbStatements(kind); ++i) {
        pos->SetIndex(i);
        KvStatement* s = GetStatement(kind, i);
        if (s->GetType() == kKvStmCondition) {
            KvCondStatementPos* sub = static_cast<KvCondStatement*>(s)->FindFirst(kind, record);
            if (sub == nullptr)
                continue;
            pos->SetCondStatementPos(sub);
            return pos;
        }
        KV_ASSERT(pos->GetCondStatementPos() == 0);
        return pos;
    }
    delete pos;
    pos = nullptr;
    return nullptr;
}

KvStatement* KvMultiLineStatement::GetStatementAtPos(WORD kind, KvStatementPos* pos) const
{
    KvStatement* s = GetStatement(kind, pos->GetIndex());
    if (pos->GetCondStatementPos() == nullptr)
        return s;
    if (!KV_ASSERT(s->GetType() == 0x3001))
        return nullptr;
    return static_cast<KvCondStatement*>(s)->GetStatementAtPos(kind, pos->GetCondStatementPos());
}
