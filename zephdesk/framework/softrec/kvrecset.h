// The value of a RECORDSET field: a record array that can be edited as a layer and
// applied as a whole, and finders of a record by one field's value.
#pragma once

#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvvalue.h"

class KvFieldValue;
class KvSortRecArray;

class KvSoftRecSet : public KvValue {
public:
    KvSoftRecSet();
    // A set working over an object array; storageType must be 0x8800.
    KvSoftRecSet(KvObArray* pSource, WORD storageType);
    ~KvSoftRecSet() override;

    WORD GetType() const override { return kKvValueRecordSet; }
    int IsFlagged() const override { return 0; }
    KvRecArray& AsRecArray() override;

    using KvValue::operator=;
    KvValue& operator=(const KvValue& src) override;
    KvValue& operator=(const KvRecArray& records) override;

    // Index of the first record whose field matches, -1 when none.
    static int FindByValue(WORD fieldId, const KvFieldValue& value, KvRecArray* array);
    static int FindByValue(WORD fieldId, const KvFieldValue& value, KvSortRecArray* array);
    static int FindByInt32(WORD fieldId, std::int32_t value, KvRecArray* array);
    static int FindByText(WORD fieldId, const char* text, KvRecArray* array);
    static int FindByStringID(WORD fieldId, WORD stringId, KvRecArray* array);

private:
    KvRecArray* m_pRecordArray;
};
