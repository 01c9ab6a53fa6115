// A soft record definition: REFERENCES (the record's editor), DATA (its fields) and
// optional VERIFICATION sections (its rules). Definitions are shared by id through a
// process-wide cache and freed with their last holder.
#pragma once

#include "framework/softrec/kvsobjdf.h"

class KvStatement;

class KvSoftRecDef : public KvSoftObjDef {
public:
    explicit KvSoftRecDef(WORD defId) : KvSoftObjDef(defId, 0) {}
    ~KvSoftRecDef() override;

    // The shared definition of an id with one more reference for the caller; loads it on
    // first use. A missing or malformed definition throws KvException 1553.
    static KvSoftRecDef* Get(WORD defId);
    // Drops one reference and deletes the definition at the last one.
    static void Put(KvSoftRecDef* def);
    // The definition of an id when it is loaded now, else null (no reference taken).
    static KvSoftRecDef* Loaded(WORD defId);

    KvObArray* GetSections(WORD sectionToken) override;
    KvSection* GetDataSection() const;

    // The editor named in REFERENCES (0 when none).
    WORD GetDlgID() const;
    WORD GetDlgHelpID() const;
    WORD GetPropSheetID() const;

    // The field statement of a field id (null, after a report, when there is none).
    KvStatement* FindFieldStatement(WORD fieldId) const;
    // Whether the DATA section declares the field.
    bool HasField(WORD fieldId) const;
    WORD GetFieldValueType(WORD fieldId) const;
    WORD GetFieldStorageType(WORD fieldId) const;

protected:
    void AfterLoad() override;
    void AddSection(KvSection* section, WORD sectionToken) override;
    void AcceptSection(WORD sectionToken) override;

private:
    KvStatement* FindReference(WORD token) const;

    KvObArray* m_pReferencesSections = nullptr;
    KvObArray* m_pDataSections = nullptr;
    KvObArray* m_pVerificationSections = nullptr;
    bool m_bReferencesDone = false;
    bool m_bDataDone = false;
    bool m_bVerificationDone = false;
};
