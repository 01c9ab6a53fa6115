// A soft record: a record whose fields are described by a definition. Fields are read
// and written through KvFieldValue handles over per-field edit buffers; Commit verifies
// the record and stores the edited values into each field's storage, which subclasses
// provide (memory, the server link's typed records, a VavurOrezo's parameters).
#pragma once

#include <string>

#include "foundation/kvmapwob.h"
#include "framework/softrec/kvsoftobj.h"

class KvSoftRecDef;
class KvVirtualField;

// Field ids with a fixed meaning in every record.
inline constexpr WORD kKvFieldOutputs = 28115;  // never stored by Commit
inline constexpr WORD kKvFieldNotes = 28116;    // a bound record's VavurOrezo description

class KvSoftRec : public KvSoftObj {
public:
    // A record of a definition; throws KvException 1553 when the definition cannot be read.
    explicit KvSoftRec(WORD defId);
    ~KvSoftRec() override;

    // A memory record, or with bTyped the shell's typed record of 22004, 22801, 22802 or
    // 22807; null (after a report) when the shell has none.
    static KvSoftRec* Create(WORD defId, int bTyped);

    virtual void CreateFieldStorage(WORD fieldId);
    // Edits the record in its definition's property sheet; the sheet's result.
    virtual int Edit();
    // Verifies, then stores every edited field; TRUE when the record was accepted.
    virtual int Commit();
    virtual KvSoftRec& CopyFrom(const KvSoftRec& other);
    virtual WORD GetFieldValueType(WORD fieldId);
    virtual WORD GetFieldStorageType(WORD fieldId);
    virtual void StoreField(WORD fieldId);
    virtual void* FieldStorage(WORD fieldId);
    virtual void EnsureFieldStorage(WORD fieldId) { CreateFieldStorage(fieldId); }

    WORD GetID() const;
    KvSoftRecDef* GetDef() const { return m_pSoftRecDef; }
    void SetEditing(int editing) { m_bEditing = editing; }
    int IsEditing() const { return m_bEditing; }
    // A record edited on behalf of a parent reads the parent's buffers and commits into
    // them; the record owns its parent.
    KvSoftRec* GetParent() const { return m_pParentSoftRec; }
    void SetParent(KvSoftRec* parent) { m_pParentSoftRec = parent; }

    int HasFieldType(WORD fieldId, WORD type);
    void DiscardEdits();
    KvVirtualField* GetVirtualField(WORD fieldId, int bLocal);
    int EditInDialog(WORD dialogId, WORD helpId);
    void* GetFieldStorage(WORD fieldId) { return FieldStorage(fieldId); }

    // 1 when the record passes its rules (always when it is not being edited); shows the
    // message of each failed rule unless silent.
    int Verify(int bSilent);

    // Diagnostic trace of the record and its fields.
    std::string Dump();
    std::string DumpField(WORD fieldId);

protected:
    // Stores every modified buffer (into the parent's when there is one) and empties the
    // map, without verification.
    void StoreEdits();

    KvSoftRec* m_pParentSoftRec = nullptr;
    KvSoftRecDef* m_pSoftRecDef = nullptr;
    KvMapWordToOb* m_pFieldMap = nullptr;
    int m_bEditing = 0;
};
