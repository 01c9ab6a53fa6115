// A statement of a definition stream: its token at word 0, then its fixed operands (the
// last of them the flag word where the statement has flags), then the optional operands
// that the fixed ones call for. Statements without statement lists of their own are one
// class whose behaviour comes from a rule table by token.
#pragma once

#include "foundation/kvobject.h"

class KvResNav;

class KvStatement : public KvObject {
public:
    // A statement of a token, empty until read (or built with the Insert writers).
    explicit KvStatement(WORD token = 0);
    ~KvStatement() override;

    virtual void AfterRead() {}
    // Optional operands that the fixed operands read so far call for.
    virtual int GetOptionalCount() const;
    // Position among the optional operands of the one that belongs to a flag key.
    virtual int GetOptionalIndex(WORD key) const;
    virtual void Read(KvResNav& nav);

    WORD GetType() const;
    WORD GetParam(int i) const;
    WORD GetOperand(int i) const { return GetParam(i + 1); }
    WORD GetFlags() const { return GetParam(m_nFixed); }
    WORD GetOptional(int i) const { return GetParam(m_nFixed + 1 + i); }
    WORD GetOptionalByKey(WORD key) const { return GetOptional(GetOptionalIndex(key)); }
    int HasStyle(WORD mask) const { return (mask & GetFlags() & 0x0FFF) != 0; }
    WORD GetStyleBits(WORD mask) const { return static_cast<WORD>(GetFlags() & mask); }
    int GetWordCount() const;
    int GetFixedCount() const { return m_nFixed; }
    // 1 when both statements hold the same words.
    int IsEqual(const KvStatement& other) const;

    // Writers that insert a word where the matching reader reads it.
    void InsertType(WORD w) { InsertParam(0, w); }
    void InsertParam(int i, WORD w);
    void InsertOperand(int i, WORD w) { InsertParam(i + 1, w); }
    void InsertFlags(WORD w) { InsertParam(m_nFixed, w); }
    void InsertOptional(int i, WORD w) { InsertParam(m_nFixed + 1 + i, w); }
    void InsertOptionalByKey(WORD key, WORD w) { InsertOptional(GetOptionalIndex(key), w); }

protected:
    void SetFixedCount(int n) { m_nFixed = n; }

private:
    class KvWordArray* m_pParams;
    int m_nFixed = 0;
};

// Number of fixed operands of a token; -1 for a token that is no statement.
int KvStatementFixedCount(WORD token);
