// The edit buffer of one field of one record: the field's value in every representation
// asked for so far, all made from the field's one storage and kept equal.
#pragma once

#include "foundation/kvmapwob.h"

class KvSoftRec;
class KvValue;
class KvRecArray;
class KvInt16;
class KvInt32;
class KvText;
class KvBool;
class KvMonthAndDay;
class KvTime;
class KvSoftRecSet;
class CString;

class KvVirtualField : public KvObject {
public:
    KvVirtualField(KvSoftRec* pSoftRec, WORD fieldId);
    ~KvVirtualField() override;

    WORD GetFieldID() const { return m_fieldId; }

    // The view of a value type (made on demand from the storage or the first view).
    KvValue& View(WORD valueType);
    KvInt16& AsInt16();
    KvInt32& AsInt32();
    KvText& AsText();
    KvBool& AsBool();
    KvMonthAndDay& AsMonthAndDay();
    KvTime& AsTime();
    KvSoftRecSet& AsRecordSet();

    KvVirtualField& operator=(short value);
    KvVirtualField& operator=(std::int32_t value);
    KvVirtualField& operator=(const CString& text);
    KvVirtualField& operator=(const KvRecArray& records);
    KvVirtualField& operator=(const KvVirtualField& src);

    int HasValue() const { return m_pValueMap->GetCount() > 0; }
    int IsModified() const { return m_bModified; }
    void SetModified();

    POSITION GetStartPosition() const { return m_pValueMap->GetStartPosition(); }
    void GetNextAssoc(POSITION& pos, WORD& type, KvValue*& value) const;

private:
    KvValue* FirstView() const;
    // Makes the first view from the field's storage (no parent record allowed).
    KvValue* MakeFromStorage(WORD valueType);
    template <typename T>
    KvVirtualField& AssignPlain(WORD valueType, const T& value);

    WORD m_fieldId;
    KvSoftRec* m_pSoftRec;
    int m_bModified = 0;
    KvMapWordToOb* m_pValueMap;
};
