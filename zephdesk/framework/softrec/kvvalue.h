// Typed values: one field value of a soft record in one representation. KvValue is the
// interface; each concrete class holds one representation, is made empty or from a
// field's storage, and converts from the other representations when assigned.
#pragma once

#include <cstdint>

#include "foundation/kvobject.h"
#include "foundation/kvstring.h"

class KvRecArray;
class KvTime;
class KvMonthAndDay;
class KvSoftRecSet;

// Value type codes of soft-record fields.
enum KvValueType : WORD {
    kKvValueNone = 0,
    kKvValueInt16 = 1,
    kKvValueInt32 = 2,
    kKvValueText = 3,
    kKvValueBool = 4,
    kKvValueMonthAndDay = 5,
    kKvValueTime = 6,
    kKvValueRecordSet = 7,
};

// Storage type codes: what a field's storage is.
enum KvStorageType : WORD {
    kKvStoreChar = 0x8020,      // zero-terminated character buffer (model-owned)
    kKvStoreStringId = 0x8040,  // 32-bit string-table id
    kKvStoreInt32 = 0x8080,
    kKvStoreInt16 = 0x8100,
    kKvStoreBool = 0x8200,      // BOOL in a 32-bit integer
    kKvStoreString = 0x8400,    // CString
    kKvStoreObArray = 0x8800,   // record array
};

class KvValue : public KvObject {
public:
    KvValue() = default;
    ~KvValue() override = default;

    virtual WORD GetType() const { return kKvValueNone; }
    // No value answers TRUE; asking the interface itself is misuse.
    virtual int IsFlagged() const;

    // References into the held representation; a class answers only its own.
    virtual std::int32_t& AsInt32();
    virtual short& AsInt16();
    virtual CString& AsText();
    virtual KvRecArray& AsRecArray();
    virtual KvTime& AsTime();
    virtual KvMonthAndDay& AsMonthAndDay();
    virtual KvSoftRecSet& AsRecordSet();

    // Conversions into this value's representation.
    virtual KvValue& operator=(const KvValue& src);
    virtual KvValue& operator=(const std::int32_t& value);
    virtual KvValue& operator=(const short& value);
    virtual KvValue& operator=(const CString& text);
    virtual KvValue& operator=(const KvRecArray& records);

protected:
    // Reports misuse of an accessor or assignment this class does not answer.
    static void Misuse(const char* file, int line);
};

// A BOOL from the text a user or a stored field gives: "No" and "0" are FALSE (0), every
// other text (the empty one too) TRUE (1); compared exactly, case and all.
std::int32_t KvBoolFromText(const char* text);

// A new value object of a type code, made empty; null for an unknown code.
KvValue* KvNewValue(WORD valueType);
// A new value object of a type code made from a field's storage; null when the type
// cannot be made from storage (the misuse is reported).
KvValue* KvNewValueFromStorage(WORD valueType, const void* storage, WORD storageType);

class KvInt16 : public KvValue {
public:
    KvInt16() = default;
    KvInt16(const void* storage, WORD storageType);

    WORD GetType() const override { return kKvValueInt16; }
    int IsFlagged() const override { return 0; }
    short& AsInt16() override { return m_value; }

    using KvValue::operator=;
    KvValue& operator=(const KvValue& src) override;
    KvValue& operator=(const std::int32_t& value) override;
    KvValue& operator=(const short& value) override;
    KvValue& operator=(const CString& text) override;

private:
    short m_value = 0;
};

class KvInt32 : public KvValue {
public:
    KvInt32() = default;
    KvInt32(const void* storage, WORD storageType);

    WORD GetType() const override { return kKvValueInt32; }
    int IsFlagged() const override { return 0; }
    std::int32_t& AsInt32() override { return m_value; }

    using KvValue::operator=;
    KvValue& operator=(const KvValue& src) override;
    KvValue& operator=(const std::int32_t& value) override;
    KvValue& operator=(const short& value) override;
    KvValue& operator=(const CString& text) override;

private:
    std::int32_t m_value = 0;
};

class KvText : public KvValue {
public:
    KvText() = default;
    KvText(const void* storage, WORD storageType);

    WORD GetType() const override { return kKvValueText; }
    int IsFlagged() const override { return 0; }
    CString& AsText() override { return m_value; }

    using KvValue::operator=;
    KvValue& operator=(const KvValue& src) override;
    KvValue& operator=(const std::int32_t& value) override;
    KvValue& operator=(const short& value) override;
    KvValue& operator=(const CString& text) override;

private:
    CString m_value;
};

class KvBool : public KvValue {
public:
    KvBool() = default;
    KvBool(const void* storage, WORD storageType);

    WORD GetType() const override { return kKvValueBool; }
    int IsFlagged() const override { return 0; }
    // The flag as a 32-bit integer, 0 for FALSE.
    std::int32_t& AsInt32() override { return m_value; }

    using KvValue::operator=;
    KvValue& operator=(const KvValue& src) override;
    KvValue& operator=(const std::int32_t& value) override;
    KvValue& operator=(const short& value) override;
    KvValue& operator=(const CString& text) override;

private:
    std::int32_t m_value = 0;
};
