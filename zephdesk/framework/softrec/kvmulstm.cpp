#include "framework/softrec/kvmulstm.h"

#include "framework/softrec/kvcondst.h"
#include "framework/softrec/kvdefcheck.h"
#include "framework/softrec/kvresnav.h"
#include "framework/softrec/kvtokens.h"

namespace {

bool ValidKind(WORD kind)
{
    return kind >= 1 && kind <= 5;
}

}  // namespace

KvMultiLineStatement::KvMultiLineStatement(WORD token, bool hasFirstLine)
    : KvStatement(token), m_hasFirstLine(hasFirstLine)
{
}

KvMultiLineStatement::~KvMultiLineStatement()
{
    for (WORD kind : {WORD(5), WORD(4), WORD(1), WORD(2), WORD(3)}) {
        KvObArray* list = m_lists[kind - 1];
        if (list == nullptr)
            continue;
        for (int i = 0; i < list->GetSize(); ++i)
            delete list->GetAt(i);
        delete list;
    }
}

void KvMultiLineStatement::Read(KvResNav& nav)
{
    if (m_hasFirstLine)
        KvStatement::Read(nav);
    else if (GetWordCount() == 0)
        InsertType(nav.GetCurrentToken());
    ReadHeaders(nav);
    KV_DEF_CHECK(nav.GetCurrentToken() == 0x0001);
    ReadBody(nav);
}

void KvMultiLineStatement::ReadHeaders(KvResNav& nav)
{
    for (WORD t = nav.GetNextToken(); t != 0 && t != kKvTokOpen; t = nav.GetNextToken()) {
        CheckHeaderToken(t);
        AddStatement(t, kKvKindHeaders, nav);
    }
}

void KvMultiLineStatement::ReadBody(KvResNav& nav)
{
    for (;;) {
        const WORD t = nav.GetNextToken();
        if (t == kKvTokClose)
            return;
        KV_DEF_CHECK(t != 0);  // the list is not closed before the data ends
        CheckStatementToken(t);
        AddStatement(t, kKvKindBody, nav);
    }
}

void KvMultiLineStatement::AddStatement(WORD token, WORD kind, KvResNav& nav)
{
    KvStatement* s = KvCreateStatement(token);
    WORD filed = kind == kKvKindHeaders ? kKvKindHeaders : kKvKindBody;
    if (token == kKvStmCondition)
        static_cast<KvCondStatement*>(s)->SetSection(GetSection());
    else if (token == kKvStmExtension)
        filed = kKvKindBody;
    InsertStatement(filed, s);  // filed before it is read: the list owns it from now on
    s->Read(nav);
    s->AfterRead();
}

void KvMultiLineStatement::CheckHeaderToken(WORD token)
{
    KV_DEF_CHECK(token == 0 && "no header statement is allowed here");
}

void KvMultiLineStatement::CheckStatementToken(WORD token)
{
    KV_DEF_CHECK(m_pSection != nullptr && m_pSection != this);
    m_pSection->CheckStatementToken(token);
}

void KvMultiLineStatement::InsertStatement(WORD kind, KvStatement* statement)
{
    if (!KV_ASSERT(ValidKind(kind))) {
        delete statement;
        return;
    }
    if (kind == kKvKindBody)
        KV_ASSERT(m_lists[kKvKindExtensions - 1] == nullptr);
    if (kind == kKvKindExtensions)
        KV_ASSERT(m_lists[kKvKindBody - 1] == nullptr);
    KvObArray*& list = m_lists[kind - 1];
    if (list == nullptr)
        list = new KvObArray;
    list->Add(statement);
}

KvObArray* KvMultiLineStatement::GetStatementArray(WORD kind) const
{
    if (!KV_ASSERT(ValidKind(kind)))
        return nullptr;
    return m_lists[kind - 1];
}

int KvMultiLineStatement::GetNbStatements(WORD kind) const
{
    const KvObArray* list = GetStatementArray(kind);
    return list != nullptr ? list->GetSize() : 0;
}

KvStatement* KvMultiLineStatement::GetStatement(WORD kind, int i) const
{
    const KvObArray* list = GetStatementArray(kind);
    if (!KV_ASSERT(list != nullptr))
        return nullptr;
    return static_cast<KvStatement*>(list->GetAt(i));
}

KvStatement* KvMultiLineStatement::FindStatementByOperand(WORD kind, int operand, WORD value,
                                                          int mustExist) const
{
    for (int i = 0; i < GetNbStatements(kind); ++i) {
        KvStatement* s = GetStatement(kind, i);
        if (operand < s->GetWordCount() - 1 && s->GetOperand(operand) == value)
            return s;
    }
    if (mustExist)
        KV_ASSERT(!"statement with the operand");
    return nullptr;
}

KvStatement* KvMultiLineStatement::FindStatementByType(WORD kind, WORD token) const
{
    for (int i = 0; i < GetNbStatements(kind); ++i) {
        KvStatement* s = GetStatement(kind, i);
        if (s->GetType() == token)
            return s;
    }
    KV_ASSERT(!"statement of the type");
    return nullptr;
}

int KvMultiLineStatement::CountStatementsWithStyle(WORD kind, WORD mask) const
{
    int n = 0;
    for (int i = 0; i < GetNbStatements(kind); ++i)
        n += GetStatement(kind, i)->HasStyle(mask) ? 1 : 0;
    return n;
}

int KvMultiLineStatement::CountStatementsWithType(WORD kind, WORD token) const
{
    int n = 0;
    for (int i = 0; i < GetNbStatements(kind); ++i)
        n += GetStatement(kind, i)->GetType() == token ? 1 : 0;
    return n;
}

void KvMultiLineStatement::SkipBlock(KvResNav& nav)
{
    int depth = 0;
    for (WORD t = nav.GetCurrentToken(); t != 0; t = nav.GetNextToken()) {
        if (t == kKvTokOpen)
            ++depth;
        else if (t == kKvTokClose && --depth <= 0)
            return;
    }
}

// ---- sections ------------------------------------------------------------------------

namespace {

struct SectionRule {
    WORD token;
    WORD headers[2];
    WORD body[4];
};

constexpr SectionRule kSectionRules[] = {
    {kKvSecReferences, {}, {kKvStmSoftDlg, kKvStmPropSheet, kKvStmDlgRes, kKvStmDlgHelp}},
    {kKvSecData, {kKvStmVersion}, {kKvStmField}},
    {kKvSecVerification, {kKvStmVersion, kKvStmStyle}, {kKvStmMsgBox, kKvStmCondition}},
    {kKvSecDlgDataLink, {kKvStmVersion}, {kKvStmDataLink}},
    {kKvSecSoftControl, {kKvStmVersion, kKvStmNotif}, {kKvStmPlainCtrl, kKvStmGroupCtrl}},
    {kKvSecNotification, {kKvStmNotif}, {kKvStmReaction, kKvStmCondition, kKvStmExtension}},
};

const SectionRule* SectionRuleOf(WORD token)
{
    for (const auto& rule : kSectionRules) {
        if (rule.token == token)
            return &rule;
    }
    return nullptr;
}

template <std::size_t N>
bool Contains(const WORD (&list)[N], WORD token)
{
    for (WORD w : list) {
        if (w != 0 && w == token)
            return true;
    }
    return false;
}

}  // namespace

KvSection::KvSection(WORD token)
    : KvMultiLineStatement(token, false)
{
    if (token != 0)
        InsertType(token);
    SetSection(this);
}

void KvSection::CheckHeaderToken(WORD token)
{
    const SectionRule* rule = SectionRuleOf(GetType());
    KV_DEF_CHECK(rule != nullptr && Contains(rule->headers, token));
}

void KvSection::CheckStatementToken(WORD token)
{
    if (GetSection() != this) {  // a condition's branch
        KvMultiLineStatement::CheckStatementToken(token);
        return;
    }
    const SectionRule* rule = SectionRuleOf(GetType());
    KV_DEF_CHECK(rule != nullptr && Contains(rule->body, token));
}

// ---- data links and group controls ---------------------------------------------------

void KvDataLinkStatement::Read(KvResNav& nav)
{
    KvStatement::Read(nav);
    if (nav.PeekNextToken() != kKvTokOpen)
        return;
    nav.GetNextToken();
    ReadBody(nav);
}

void KvDataLinkStatement::AfterRead()
{
    if (HasStyle(0x8002))
        KV_DEF_CHECK(GetNbStatements(kKvKindBody) > 0);
}

void KvDataLinkStatement::CheckStatementToken(WORD token)
{
    KV_DEF_CHECK(token == 0x320A);
}

void KvGroupCtrlStatement::CheckStatementToken(WORD token)
{
    KV_DEF_CHECK(token == 0x3208);
}

// ---- factory -------------------------------------------------------------------------

KvStatement* KvCreateStatement(WORD token)
{
    switch (token) {
    case kKvStmCondition:
        return new KvCondStatement;
    case kKvStmDataLink:
        return new KvDataLinkStatement;
    case kKvStmGroupCtrl:
        return new KvGroupCtrlStatement;
    default:
        break;
    }
    // 0x3101, 0x3205 and the unsupported 0x3104 have no rule: the stream is malformed.
    KV_DEF_CHECK(KvStatementFixedCount(token) >= 0);
    return new KvStatement(token);
}

// ---- walk positions ------------------------------------------------------------------

KvStatementPos::~KvStatementPos()
{
    delete m_pSub;
}

void KvStatementPos::SetCondStatementPos(KvCondStatementPos* sub)
{
    if (sub != m_pSub)
        delete m_pSub;
    m_pSub = sub;
}
