#include "framework/softrec/kvstatmt.h"

#include "foundation/kvwordarr.h"
#include "framework/softrec/kvdefcheck.h"
#include "framework/softrec/kvresnav.h"
#include "framework/softrec/kvtokens.h"

namespace {

bool Flag(const KvStatement& s, WORD mask)
{
    return s.HasStyle(mask) != 0;
}

int None(const KvStatement&)
{
    return 0;
}

int ConditionValues(const KvStatement& s)
{
    if (Flag(s, 0x8010) || Flag(s, 0x8020))
        return 2;  // low and high bound
    if (Flag(s, 0x8040) || Flag(s, 0x8800))
        return 0;  // blank test, or a length against the profile number
    return 1;
}

int ReactionString(const KvStatement& s)
{
    return s.GetOperand(1) == 0x0467 ? 1 : 0;
}

int MessageLabel(const KvStatement& s)
{
    return (Flag(s, 0x8001) || Flag(s, 0x8002)) ? 1 : 0;
}

int FieldOptionals(const KvStatement& s)
{
    return int(Flag(s, 0x8002)) + int(Flag(s, 0x8010)) + int(Flag(s, 0x8004)) + int(Flag(s, 0x8008));
}

int PlainControlOptionals(const KvStatement& s)
{
    switch (s.GetOperand(1)) {
    case 0x4003:
    case 0x4004:
        return Flag(s, 0x8001) ? 1 : 0;
    case 0x4006:
        return Flag(s, 0x8004) ? 3 : 2;
    default:
        return 1;
    }
}

int GroupControlOptionals(const KvStatement& s)
{
    switch (s.GetOperand(1)) {
    case 0x4078:
        return 2;  // the up-down range
    case 0x4079:
        return Flag(s, 0x8004) ? 2 : 1;
    default:
        return 0;
    }
}

int ParamOptionals(const KvStatement& s)
{
    return Flag(s, 0x8001) ? 2 : 0;
}

// Key -> position rules; -1 is a request the statement does not answer.
int NoKey(const KvStatement&, WORD)
{
    return -1;
}

int ReactionKey(const KvStatement&, WORD key)
{
    return key == 0x0468 ? 0 : -1;
}

int MessageKey(const KvStatement&, WORD key)
{
    return key == 0x8100 ? 0 : -1;
}

int GroupKey(const KvStatement&, WORD key)
{
    return key == 0x8004 ? 1 : -1;
}

int FieldKey(const KvStatement& s, WORD key)
{
    switch (key) {
    case 0x8002:
        return 0;
    case 0x8010:
        return int(Flag(s, 0x8002));
    case 0x8004:
        return int(Flag(s, 0x8002)) + int(Flag(s, 0x8010));
    case 0x8008:
        return int(Flag(s, 0x8002)) + int(Flag(s, 0x8010)) + int(Flag(s, 0x8004));
    default:
        return -1;
    }
}

// The requested key is not looked at: the position follows the statement's own flags.
int PlainControlKey(const KvStatement& s, WORD)
{
    if (Flag(s, 0x8001))
        return 0;
    if (Flag(s, 0x8004))
        return 2;
    return -1;
}

struct StatementRule {
    WORD token;
    int fixed;
    bool firstNonZero;  // the first operand must not be 0
    int (*optionalCount)(const KvStatement&);
    int (*optionalIndex)(const KvStatement&, WORD);
};

constexpr StatementRule kRules[] = {
    {kKvStmVersion, 2, true, None, NoKey},
    {kKvStmStyle, 1, false, None, NoKey},
    {kKvStmNotif, 2, true, None, NoKey},
    {kKvStmCondition, 2, true, ConditionValues, NoKey},
    {kKvStmExtension, 2, true, None, NoKey},
    {kKvStmReaction, 3, true, ReactionString, ReactionKey},
    {kKvStmMsgBox, 3, true, MessageLabel, MessageKey},
    {kKvStmSoftDlg, 2, false, None, NoKey},
    {kKvStmDlgRes, 1, true, None, NoKey},
    {kKvStmField, 3, true, FieldOptionals, FieldKey},
    {kKvStmDataLink, 3, true, None, NoKey},
    {kKvStmPlainCtrl, 3, true, PlainControlOptionals, PlainControlKey},
    {kKvStmGroupCtrl, 3, true, GroupControlOptionals, GroupKey},
    {kKvStmSubCtrl, 1, true, None, NoKey},
    {kKvStmPropSheet, 1, false, None, NoKey},
    {kKvStmParam, 2, true, ParamOptionals, NoKey},
    {kKvStmDlgHelp, 1, true, None, NoKey},
};

const StatementRule* RuleOf(WORD token)
{
    for (const auto& rule : kRules) {
        if (rule.token == token)
            return &rule;
    }
    return nullptr;
}

}  // namespace

int KvStatementFixedCount(WORD token)
{
    const StatementRule* rule = RuleOf(token);
    return rule != nullptr ? rule->fixed : -1;
}

KvStatement::KvStatement(WORD token)
    : m_pParams(new KvWordArray)
{
    if (const StatementRule* rule = RuleOf(token))
        m_nFixed = rule->fixed;
}

KvStatement::~KvStatement()
{
    delete m_pParams;
}

int KvStatement::GetOptionalCount() const
{
    const StatementRule* rule = RuleOf(GetType());
    if (!KV_ASSERT(rule != nullptr))
        return 0;
    return rule->optionalCount(*this);
}

int KvStatement::GetOptionalIndex(WORD key) const
{
    const StatementRule* rule = RuleOf(GetType());
    const int index = rule != nullptr ? rule->optionalIndex(*this, key) : -1;
    if (!KV_ASSERT(index >= 0))
        return 0;
    return index;
}

void KvStatement::Read(KvResNav& nav)
{
    const StatementRule* rule = RuleOf(nav.GetCurrentToken());
    KV_DEF_CHECK(rule != nullptr);
    m_nFixed = rule->fixed;
    m_pParams->Add(nav.GetCurrentToken());
    for (int i = 0; i < m_nFixed; ++i)
        m_pParams->Add(nav.GetNextToken());
    if (rule->firstNonZero)
        KV_DEF_CHECK(m_pParams->GetAt(1) != (WORD)0);
    const int optionals = rule->optionalCount(*this);
    for (int i = 0; i < optionals; ++i)
        m_pParams->Add(nav.GetNextToken());
}

WORD KvStatement::GetType() const
{
    return m_pParams->GetSize() > 0 ? m_pParams->GetAt(0) : 0;
}

WORD KvStatement::GetParam(int i) const
{
    return m_pParams->GetAt(i);
}

int KvStatement::GetWordCount() const
{
    return m_pParams->GetSize();
}

int KvStatement::IsEqual(const KvStatement& other) const
{
    if (GetWordCount() != other.GetWordCount())
        return 0;
    for (int i = 0; i < GetWordCount(); ++i) {
        if (GetParam(i) != other.GetParam(i))
            return 0;
    }
    return 1;
}

void KvStatement::InsertParam(int i, WORD w)
{
    m_pParams->InsertAt(i, w);
}
