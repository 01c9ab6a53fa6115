#include "framework/softrec/kvfldvlu.h"

#include "foundation/kvassert.h"
#include "framework/softrec/kvdatetime.h"
#include "framework/softrec/kvlstrcmp.h"
#include "framework/softrec/kvrecset.h"
#include "framework/softrec/kvsoftrec.h"
#include "framework/softrec/kvvirfld.h"

namespace {

KvVirtualField& Buffer(KvSoftRec* record, WORD fieldId, int bLocal)
{
    return *record->GetVirtualField(fieldId, bLocal);
}

}  // namespace

short& KvFieldValue::AsInt16() const
{
    return Buffer(m_pSoftRec, m_fieldId, 0).AsInt16().AsInt16();
}

std::int32_t& KvFieldValue::AsInt32() const
{
    KvVirtualField& buffer = Buffer(m_pSoftRec, m_fieldId, 0);
    if (m_pSoftRec->GetFieldValueType(m_fieldId) == kKvValueBool)
        return buffer.AsBool().AsInt32();
    return buffer.AsInt32().AsInt32();
}

CString& KvFieldValue::AsText() const
{
    return Buffer(m_pSoftRec, m_fieldId, 0).AsText().AsText();
}

KvRecArray& KvFieldValue::AsRecArray() const
{
    return Buffer(m_pSoftRec, m_fieldId, 0).AsRecordSet().AsRecArray();
}

KvFieldValue KvFieldValue::operator=(CString text)
{
    Buffer(m_pSoftRec, m_fieldId, 0) = text;
    return *this;
}

KvFieldValue KvFieldValue::operator=(const KvRecArray& records)
{
    Buffer(m_pSoftRec, m_fieldId, 0) = records;
    return *this;
}

KvFieldValue KvFieldValue::operator=(std::int32_t value)
{
    Buffer(m_pSoftRec, m_fieldId, 0) = value;
    return *this;
}

KvFieldValue KvFieldValue::operator=(short value)
{
    Buffer(m_pSoftRec, m_fieldId, 0) = value;
    return *this;
}

KvFieldValue KvFieldValue::operator=(const KvFieldValue& src)
{
    KvVirtualField& target = Buffer(m_pSoftRec, m_fieldId, 1);
    KvVirtualField& source = Buffer(src.m_pSoftRec, src.m_fieldId, 0);
    target = source;
    return *this;
}

int KvFieldValue::operator==(const KvFieldValue& other) const
{
    switch (m_pSoftRec->GetFieldValueType(m_fieldId)) {
    case kKvValueInt16:
        return AsInt16() == other.AsInt16();
    case kKvValueInt32:
        return AsInt32() == other.AsInt32();
    default:
        KV_ASSERT(0);
        return 0;
    }
}

int KvFieldValue::operator<(const KvFieldValue& other) const
{
    switch (m_pSoftRec->GetFieldValueType(m_fieldId)) {
    case kKvValueInt16:
        return AsInt16() < other.AsInt16();
    case kKvValueInt32:
        return AsInt32() < other.AsInt32();
    case kKvValueText:
        return KvLstrcmp(AsText(), other.AsText()) < 0;
    default:
        KV_ASSERT(0);
        return 0;
    }
}

int KvFieldValue::CheckText(CString& text, int bQuiet) const
{
    switch (m_pSoftRec->GetFieldValueType(m_fieldId)) {
    case kKvValueMonthAndDay:
        if (!KvMonthAndDay::Validate(text, bQuiet))
            return 0;
        KvMonthAndDay::Normalize(text);
        return 1;
    case kKvValueTime:
        if (!KvTime::Validate(text, bQuiet))
            return 0;
        KvTime::Normalize(text);
        return 1;
    default:
        return 1;
    }
}
