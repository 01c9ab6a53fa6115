#include "foundation/kvrecknd.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "foundation/kvrecnum.h"
#include "foundation/kvtextesc.h"

namespace {

std::string Decimal(std::int64_t value)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(value));
    return buf;
}

}  // namespace

// --- UCHAR_Field -----------------------------------------------------------------------

UCHAR_Field::UCHAR_Field(const char* name) : AbstrField(tagELEMENT(name, 1, kKvFieldUchar)) {}

UCHAR_Field::UCHAR_Field(const char* name, const void* initial)
    : AbstrField(tagELEMENT(name, 1, kKvFieldUchar), initial)
{
}

std::string UCHAR_Field::FormatText()
{
    std::string text = Decimal(GetValuePtr() ? GetValuePtr()[0] : 0);
    CacheText(text);
    return text;
}

void UCHAR_Field::ParseText(const std::string& text)
{
    const unsigned char v = static_cast<unsigned char>(kvrec::ReadInteger(text) & 0xFF);
    SetValue(&v);
}

AbstrField* UCHAR_Field::Clone() const
{
    return new UCHAR_Field(*this);
}

// --- SHORT_Field -----------------------------------------------------------------------

SHORT_Field::SHORT_Field(const char* name) : AbstrField(tagELEMENT(name, 2, kKvFieldShort)) {}

SHORT_Field::SHORT_Field(const char* name, const void* initial)
    : AbstrField(tagELEMENT(name, 2, kKvFieldShort), initial)
{
}

std::string SHORT_Field::FormatText()
{
    std::string text = Decimal(GetValuePtr() ? kvrec::LoadInt16(GetValuePtr()) : 0);
    CacheText(text);
    return text;
}

void SHORT_Field::ParseText(const std::string& text)
{
    const std::int64_t n = kvrec::ReadInteger(text);
    const std::int16_t v = (n >= -32768 && n <= 65535) ? static_cast<std::int16_t>(static_cast<std::uint16_t>(n & 0xFFFF)) : 0;
    unsigned char bytes[2];
    kvrec::StoreInt16(bytes, v);
    SetValue(bytes);
}

AbstrField* SHORT_Field::Clone() const
{
    return new SHORT_Field(*this);
}

// --- LONG_Field ------------------------------------------------------------------------

LONG_Field::LONG_Field(const char* name) : AbstrField(tagELEMENT(name, 4, kKvFieldLong)) {}

LONG_Field::LONG_Field(const char* name, const void* initial)
    : AbstrField(tagELEMENT(name, 4, kKvFieldLong), initial)
{
}

std::string LONG_Field::FormatText()
{
    std::string text = Decimal(GetValuePtr() ? kvrec::LoadInt32(GetValuePtr()) : 0);
    CacheText(text);
    return text;
}

void LONG_Field::ParseText(const std::string& text)
{
    const std::int64_t n = kvrec::ReadInteger(text);
    unsigned char bytes[4];
    kvrec::StoreInt32(bytes, static_cast<std::int32_t>(static_cast<std::uint32_t>(n & 0xFFFFFFFF)));
    SetValue(bytes);
}

AbstrField* LONG_Field::Clone() const
{
    return new LONG_Field(*this);
}

// --- BOOL_Field ------------------------------------------------------------------------

BOOL_Field::BOOL_Field(const char* name) : AbstrField(tagELEMENT(name, 4, kKvFieldBool)) {}

BOOL_Field::BOOL_Field(const char* name, const void* initial)
    : AbstrField(tagELEMENT(name, 4, kKvFieldBool), initial)
{
}

std::string BOOL_Field::FormatText()
{
    std::string text = Decimal(GetValuePtr() ? kvrec::LoadInt16(GetValuePtr()) : 0);
    CacheText(text);
    return text;
}

void BOOL_Field::ParseText(const std::string& text)
{
    const std::int32_t v = (kvrec::ReadInteger(text) & 0xFFFF) != 0 ? 1 : 0;
    unsigned char bytes[4];
    kvrec::StoreInt32(bytes, v);
    SetValue(bytes);
}

AbstrField* BOOL_Field::Clone() const
{
    return new BOOL_Field(*this);
}

// --- FLOAT_Field -----------------------------------------------------------------------

FLOAT_Field::FLOAT_Field(const char* name) : AbstrField(tagELEMENT(name, 4, kKvFieldFloat)) {}

FLOAT_Field::FLOAT_Field(const char* name, const void* initial)
    : AbstrField(tagELEMENT(name, 4, kKvFieldFloat), initial)
{
}

std::string FLOAT_Field::FormatText()
{
    std::string text = kvrec::FormatReal(GetValuePtr() ? kvrec::LoadFloat(GetValuePtr()) : 0.0f, true);
    CacheText(text);
    return text;
}

void FLOAT_Field::ParseText(const std::string& text)
{
    unsigned char bytes[4];
    kvrec::StoreFloat(bytes, static_cast<float>(kvrec::ReadReal(text)));
    SetValue(bytes);
}

AbstrField* FLOAT_Field::Clone() const
{
    return new FLOAT_Field(*this);
}

// --- DOUBLE_Field ----------------------------------------------------------------------

DOUBLE_Field::DOUBLE_Field(const char* name) : AbstrField(tagELEMENT(name, 8, kKvFieldDouble)) {}

DOUBLE_Field::DOUBLE_Field(const char* name, const void* initial)
    : AbstrField(tagELEMENT(name, 8, kKvFieldDouble), initial)
{
}

std::string DOUBLE_Field::FormatText()
{
    std::string text = kvrec::FormatReal(GetValuePtr() ? kvrec::LoadDouble(GetValuePtr()) : 0.0, false);
    CacheText(text);
    return text;
}

void DOUBLE_Field::ParseText(const std::string& text)
{
    unsigned char bytes[8];
    kvrec::StoreDouble(bytes, kvrec::ReadReal(text));
    SetValue(bytes);
}

AbstrField* DOUBLE_Field::Clone() const
{
    return new DOUBLE_Field(*this);
}

// --- STRING_Field ----------------------------------------------------------------------

STRING_Field::STRING_Field(const char* name, std::uint16_t length)
    : AbstrField(tagELEMENT(name, length, kKvFieldString))
{
}

STRING_Field::STRING_Field(const char* name, std::uint16_t length, const void* initial)
    : STRING_Field(name, length)
{
    STRING_Field::SetValue(initial);
}

void STRING_Field::SetValue(const void* src)
{
    ClearValue();
    unsigned char* value = ValueBytes();
    if (value == nullptr || src == nullptr)
        return;
    const auto* text = static_cast<const unsigned char*>(src);
    const std::size_t limit = GetLength() - 1u;
    for (std::size_t i = 0; i < limit && text[i] != 0; ++i)
        value[i] = text[i];
}

void STRING_Field::GetValue(void* dst) const
{
    if (dst == nullptr || GetValuePtr() == nullptr)
        return;
    std::memset(dst, 0, GetLength());
    const std::string text = GetText();
    std::memcpy(dst, text.data(), text.size());
}

void STRING_Field::LoadFrom(const void* src)
{
    STRING_Field::SetValue(src);
}

std::string STRING_Field::FormatText()
{
    std::string text = KvEscapeFieldText(GetText());
    CacheText(text);
    return text;
}

void STRING_Field::ParseText(const std::string& text)
{
    SetText(KvRestoreLineEnds(text));
}

AbstrField* STRING_Field::Clone() const
{
    return new STRING_Field(*this);
}

std::string STRING_Field::GetText() const
{
    const unsigned char* value = GetValuePtr();
    if (value == nullptr)
        return std::string();
    std::size_t n = 0;
    while (n < GetLength() && value[n] != 0)
        ++n;
    return std::string(reinterpret_cast<const char*>(value), n);
}

void STRING_Field::SetText(const std::string& text)
{
    SetValue(text.c_str());
}
