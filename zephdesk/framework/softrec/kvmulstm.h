// Statements that own statement lists (sections, group controls, data links with a
// block, condition branches), the statement factory, and the condition-aware walk over
// a list.
#pragma once

#include "foundation/kvobarray.h"
#include "framework/softrec/kvstatmt.h"

class KvSection;
class KvSoftRec;
class KvStatementPos;

class KvMultiLineStatement : public KvStatement {
public:
    KvMultiLineStatement(WORD token, bool hasFirstLine);
    ~KvMultiLineStatement() override;

    void Read(KvResNav& nav) override;
    virtual void ReadHeaders(KvResNav& nav);
    // Makes the statement of token, files it in the list of kind and reads it.
    virtual void AddStatement(WORD token, WORD kind, KvResNav& nav);
    virtual void CheckHeaderToken(WORD token);
    virtual void CheckStatementToken(WORD token);

    // Lists by kind 1..5 (5 headers, 4 body); null when never filled.
    KvObArray* GetStatementArray(WORD kind) const;
    int GetNbStatements(WORD kind) const;
    KvStatement* GetStatement(WORD kind, int i) const;
    KvStatement* FindStatementByOperand(WORD kind, int operand, WORD value, int mustExist) const;
    KvStatement* FindStatementByType(WORD kind, WORD token) const;
    int CountStatementsWithStyle(WORD kind, WORD mask) const;
    int CountStatementsWithType(WORD kind, WORD token) const;
    // Moves the cursor past a block, counting opens and closes.
    static void SkipBlock(KvResNav& nav);
    // Files a statement made in memory (owned from now on).
    void InsertStatement(WORD kind, KvStatement* statement);

    KvSection* GetSection() const { return m_pSection; }
    void SetSection(KvSection* section) { m_pSection = section; }
    int HasFirstLine() const { return m_hasFirstLine ? 1 : 0; }
    void SetHasFirstLine(int set) { m_hasFirstLine = set != 0; }

    // The condition-aware walk: the statements of a list that apply to a record, with
    // conditions replaced by the statements of the branch they select.
    KvStatementPos* GetFirst(WORD kind, KvSoftRec& record, KvStatementPos*& pos, int create);
    KvStatementPos* GetNext(WORD kind, KvSoftRec& record, KvStatementPos*& pos);
    KvStatement* GetStatementAtPos(WORD kind, KvStatementPos* pos) const;

protected:
    void ReadBody(KvResNav& nav);

private:
    KvObArray* m_lists[5] = {};
    KvSection* m_pSection = nullptr;
    bool m_hasFirstLine;
};

// A section of a definition, or the container of a condition's branch (token 0), whose
// statements obey the body rule of the section that holds the condition.
class KvSection : public KvMultiLineStatement {
public:
    explicit KvSection(WORD token);
    void CheckHeaderToken(WORD token) override;
    void CheckStatementToken(WORD token) override;
};

// A data link (0x3204): its own operands and an optional block of parameters.
class KvDataLinkStatement : public KvMultiLineStatement {
public:
    KvDataLinkStatement() : KvMultiLineStatement(0x3204, true) {}
    void Read(KvResNav& nav) override;
    void AfterRead() override;
    void CheckStatementToken(WORD token) override;
};

// A group control (0x3207): its own operands, an empty header list and sub-controls.
class KvGroupCtrlStatement : public KvMultiLineStatement {
public:
    KvGroupCtrlStatement() : KvMultiLineStatement(0x3207, true) {}
    void CheckStatementToken(WORD token) override;
};

// A new, unread statement of a token; a token that is no statement is refused as
// malformed (KvException 1553 after the report).
KvStatement* KvCreateStatement(WORD token);

// Walk positions (owned by the caller of the walk).
class KvCondStatementPos;
class KvStatementPos : public KvObject {
public:
    ~KvStatementPos() override;
    int GetIndex() const { return m_index; }
    void SetIndex(int i) { m_index = i; }
    KvCondStatementPos* GetCondStatementPos() const { return m_pSub; }
    // Replaces (and deletes) the position inside the current condition.
    void SetCondStatementPos(KvCondStatementPos* sub);
    // The sub-position itself, for the condition that advances (or ends) it.
    KvCondStatementPos*& CondStatementPosRef() { return m_pSub; }

private:
    int m_index = 0;
    KvCondStatementPos* m_pSub = nullptr;
};

class KvCondStatementPos : public KvStatementPos {
public:
    int GetBranch() const { return m_branch; }
    void SetBranch(int branch) { m_branch = branch; }

private:
    int m_branch = 1;  // 1 then, 0 else
};
