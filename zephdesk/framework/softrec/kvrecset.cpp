#include "framework/softrec/kvrecset.h"

#include "foundation/kvassert.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvlstrcmp.h"
#include "framework/softrec/kvsoftrec.h"

KvSoftRecSet::KvSoftRecSet()
    : m_pRecordArray(new KvRecArray)
{
}

KvSoftRecSet::KvSoftRecSet(KvObArray* pSource, WORD storageType)
    : m_pRecordArray(new KvRecArray(pSource))
{
    KV_ASSERT(storageType == 0x8800);
}

KvSoftRecSet::~KvSoftRecSet()
{
    delete m_pRecordArray;
}

KvRecArray& KvSoftRecSet::AsRecArray()
{
    return *m_pRecordArray;
}

KvValue& KvSoftRecSet::operator=(const KvValue& src)
{
    if (src.GetType() != kKvValueRecordSet) {
        Misuse(__FILE__, __LINE__);
        return *this;
    }
    return *this = const_cast<KvValue&>(src).AsRecArray();
}

KvValue& KvSoftRecSet::operator=(const KvRecArray& records)
{
    *m_pRecordArray = const_cast<KvRecArray&>(records);
    return *this;
}

int KvSoftRecSet::FindByValue(WORD fieldId, const KvFieldValue& value, KvRecArray* array)
{
    for (int i = 0; array != nullptr && i < array->GetSize(); ++i) {
        if (KvFieldValue(fieldId, array->GetAt(i)) == value)
            return i;
    }
    return -1;
}

int KvSoftRecSet::FindByValue(WORD fieldId, const KvFieldValue& value, KvSortRecArray* array)
{
    for (int pos = 0; array != nullptr && pos < array->GetSize(); ++pos) {
        if (KvFieldValue(fieldId, array->GetAt(pos)) == value)
            return pos;
    }
    return -1;
}

int KvSoftRecSet::FindByInt32(WORD fieldId, std::int32_t value, KvRecArray* array)
{
    for (int i = 0; array != nullptr && i < array->GetSize(); ++i) {
        if (KvFieldValue(fieldId, array->GetAt(i)).AsInt32() == value)
            return i;
    }
    return -1;
}

int KvSoftRecSet::FindByText(WORD fieldId, const char* text, KvRecArray* array)
{
    for (int i = 0; array != nullptr && i < array->GetSize(); ++i) {
        if (KvLstrcmp(KvFieldValue(fieldId, array->GetAt(i)).AsText(), text) == 0)
            return i;
    }
    return -1;
}

int KvSoftRecSet::FindByStringID(WORD fieldId, WORD stringId, KvRecArray* array)
{
    if (array == nullptr || array->GetSize() == 0)
        return -1;
    if (!KV_ASSERT(array->GetAt(0)->GetFieldValueType(fieldId) == 3))
        return -1;
    CString text;
    text.LoadString(stringId);
    return FindByText(fieldId, text, array);
}
