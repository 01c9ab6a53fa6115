// A handle on one field of one record through which the field is read, written and
// compared; every access goes through the record's edit buffer of the field.
#pragma once

#include <cstdint>

#include "foundation/kvobject.h"
#include "foundation/kvstring.h"

class KvSoftRec;
class KvRecArray;

class KvFieldValue : public KvObject {
public:
    KvFieldValue() = default;
    KvFieldValue(WORD fieldId, KvSoftRec* record) : m_pSoftRec(record), m_fieldId(fieldId) {}
    KvFieldValue(const KvFieldValue& other) : KvObject(), m_pSoftRec(other.m_pSoftRec), m_fieldId(other.m_fieldId) {}

    WORD GetFieldID() const { return m_fieldId; }
    void SetFieldID(WORD fieldId) { m_fieldId = fieldId; }
    KvFieldValue& SetSoftRec(KvSoftRec* record)
    {
        m_pSoftRec = record;
        return *this;
    }
    KvSoftRec* GetSoftRec() const { return m_pSoftRec; }

    short& AsInt16() const;
    // A BOOL field answers its flag as a 32-bit integer.
    std::int32_t& AsInt32() const;
    CString& AsText() const;
    KvRecArray& AsRecArray() const;

    KvFieldValue operator=(CString text);
    KvFieldValue operator=(const KvRecArray& records);
    KvFieldValue operator=(std::int32_t value);
    KvFieldValue operator=(short value);
    // Copies the other field's value into this record's own buffer.
    KvFieldValue operator=(const KvFieldValue& src);

    int operator==(const KvFieldValue& other) const;
    int operator<(const KvFieldValue& other) const;

    // Checks (and puts in normal form) text typed for a date or time field.
    int CheckText(CString& text, int bQuiet) const;

private:
    KvSoftRec* m_pSoftRec = nullptr;
    WORD m_fieldId = 0;
};
