#include "framework/softrec/kvvirfld.h"

#include "foundation/kvassert.h"
#include "framework/softrec/kvdatetime.h"
#include "framework/softrec/kvrecset.h"
#include "framework/softrec/kvsoftrec.h"
#include "framework/softrec/kvvalue.h"

KvVirtualField::KvVirtualField(KvSoftRec* pSoftRec, WORD fieldId)
    : m_fieldId(fieldId), m_pSoftRec(pSoftRec), m_pValueMap(new KvMapWordToOb)
{
}

KvVirtualField::~KvVirtualField()
{
    POSITION pos = m_pValueMap->GetStartPosition();
    while (pos != 0) {
        WORD type;
        KvObject* value;
        m_pValueMap->GetNextAssoc(pos, type, value);
        delete value;
    }
    delete m_pValueMap;
}

KvValue* KvVirtualField::FirstView() const
{
    POSITION pos = m_pValueMap->GetStartPosition();
    if (pos == 0)
        return nullptr;
    WORD type;
    KvObject* value;
    m_pValueMap->GetNextAssoc(pos, type, value);
    return static_cast<KvValue*>(value);
}

KvValue* KvVirtualField::MakeFromStorage(WORD valueType)
{
    KV_ASSERT(m_pSoftRec->GetParent() == 0);
    const void* storage = m_pSoftRec->GetFieldStorage(m_fieldId);
    const WORD storageType = m_pSoftRec->GetFieldStorageType(m_fieldId);
    if (valueType == kKvValueMonthAndDay || valueType == kKvValueTime) {
        // Dates and times live in text storage: read the text, then convert it.
        KvValue* text = KvNewValueFromStorage(kKvValueText, storage, storageType);
        m_pValueMap->SetAt(kKvValueText, text);
        KvValue* value = KvNewValue(valueType);
        *value = *text;
        return value;
    }
    KvValue* value = KvNewValueFromStorage(valueType, storage, storageType);
    return value != nullptr ? value : KvNewValue(valueType);
}

KvValue& KvVirtualField::View(WORD valueType)
{
    KvObject* found = nullptr;
    if (m_pValueMap->Lookup(valueType, found))
        return *static_cast<KvValue*>(found);
    KvValue* value = nullptr;
    if (KvValue* first = FirstView()) {
        value = KvNewValue(valueType);
        if (value == nullptr)
            value = new KvInt32;  // an unknown type code was reported; keep going
        *value = *first;
    } else {
        value = MakeFromStorage(valueType);
    }
    m_pValueMap->SetAt(valueType, value);
    return *value;
}

KvInt16& KvVirtualField::AsInt16()
{
    return static_cast<KvInt16&>(View(kKvValueInt16));
}

KvInt32& KvVirtualField::AsInt32()
{
    return static_cast<KvInt32&>(View(kKvValueInt32));
}

KvText& KvVirtualField::AsText()
{
    return static_cast<KvText&>(View(kKvValueText));
}

KvBool& KvVirtualField::AsBool()
{
    return static_cast<KvBool&>(View(kKvValueBool));
}

KvMonthAndDay& KvVirtualField::AsMonthAndDay()
{
    return static_cast<KvMonthAndDay&>(View(kKvValueMonthAndDay));
}

KvTime& KvVirtualField::AsTime()
{
    return static_cast<KvTime&>(View(kKvValueTime));
}

KvSoftRecSet& KvVirtualField::AsRecordSet()
{
    return static_cast<KvSoftRecSet&>(View(kKvValueRecordSet));
}

void KvVirtualField::SetModified()
{
    m_bModified = 1;
    m_pSoftRec->SetEditing(1);
}

template <typename T>
KvVirtualField& KvVirtualField::AssignPlain(WORD valueType, const T& value)
{
    SetModified();
    // The view of the assigned type takes the value; the others convert from it, so
    // that a date or time view follows the text it is typed as.
    KvValue& primary = View(valueType);
    primary = value;
    POSITION pos = m_pValueMap->GetStartPosition();
    while (pos != 0) {
        WORD type;
        KvObject* view;
        m_pValueMap->GetNextAssoc(pos, type, view);
        if (view != &primary)
            *static_cast<KvValue*>(view) = primary;
    }
    return *this;
}

KvVirtualField& KvVirtualField::operator=(short value)
{
    return AssignPlain(kKvValueInt16, value);
}

KvVirtualField& KvVirtualField::operator=(std::int32_t value)
{
    return AssignPlain(kKvValueInt32, value);
}

KvVirtualField& KvVirtualField::operator=(const CString& text)
{
    return AssignPlain(kKvValueText, text);
}

KvVirtualField& KvVirtualField::operator=(const KvRecArray& records)
{
    KvObject* existing = nullptr;
    if (!HasValue())
        KV_ASSERT(m_pValueMap->Lookup(0x0007, existing) == 0);
    return AssignPlain(kKvValueRecordSet, records);
}

KvVirtualField& KvVirtualField::operator=(const KvVirtualField& src)
{
    if (&src == this)
        return *this;
    SetModified();
    KvValue* temporary = nullptr;
    KvValue* source = src.FirstView();
    if (source == nullptr) {
        const WORD srcType = src.m_pSoftRec->GetFieldValueType(src.m_fieldId);
        KV_ASSERT(src.m_pSoftRec->GetParent() == 0);
        if (!KV_ASSERT(srcType >= 1 && srcType <= 7))
            return *this;
        temporary = const_cast<KvVirtualField&>(src).MakeFromStorage(srcType);
        source = temporary;
    }
    if (!HasValue()) {
        const WORD ownType = m_pSoftRec->GetFieldValueType(m_fieldId);
        KvValue* value = KvNewValue(ownType);
        if (value != nullptr) {
            m_pValueMap->SetAt(ownType, value);
            *value = *source;
        }
    } else {
        POSITION pos = m_pValueMap->GetStartPosition();
        while (pos != 0) {
            WORD type;
            KvObject* view;
            m_pValueMap->GetNextAssoc(pos, type, view);
            *static_cast<KvValue*>(view) = *source;
        }
    }
    delete temporary;
    return *this;
}

void KvVirtualField::GetNextAssoc(POSITION& pos, WORD& type, KvValue*& value) const
{
    KvObject* object = nullptr;
    m_pValueMap->GetNextAssoc(pos, type, object);
    value = static_cast<KvValue*>(object);
}
