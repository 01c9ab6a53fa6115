// A condition statement (0x3001): a test of one field of a record that governs the
// statements of its then and else branches.
#pragma once

#include "framework/softrec/kvmulstm.h"

class KvCondStatement : public KvStatement {
public:
    KvCondStatement() : KvStatement(0x3001) {}
    ~KvCondStatement() override;

    void Read(KvResNav& nav) override;

    // 1 when the condition holds for the record's current values, else 0.
    int Evaluate(KvSoftRec& record);
    // The then branch for 1, the else branch otherwise (made on demand).
    KvSection* GetBranch(int branch);
    // The branch when it exists, else null.
    KvSection* FindBranch(int branch) const { return branch == 1 ? m_pThen : m_pElse; }

    KvCondStatementPos* FindFirst(WORD kind, KvSoftRec& record);
    void FindNext(WORD kind, KvSoftRec& record, KvCondStatementPos*& pos);
    KvStatement* GetStatementAtPos(WORD kind, KvCondStatementPos* pos) const;

    KvSection* GetSection() const { return m_pSection; }
    void SetSection(KvSection* section) { m_pSection = section; }

private:
    KvSection* m_pThen = nullptr;
    KvSection* m_pElse = nullptr;
    KvSection* m_pSection = nullptr;
};
