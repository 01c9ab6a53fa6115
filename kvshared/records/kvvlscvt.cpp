#include "records/kvvlscvt.h"

#include <cstring>
#include <vector>

#include "foundation/kvrecnum.h"

namespace {

// Fields that changed their name: the current name and the name in older layouts.
struct Rename {
    const char* current;
    const char* older;
};

constexpr Rename kRenames[] = {
    {"UniqueUserID", "UniqueID"},
    {"Z4_CallID", "CallID"},
    {"CallingDNType", "DNType"},
};

const AbstrField* SourceOf(const AbstrRecord& older, const char* name)
{
    if (const AbstrField* same = older.FindField(name))
        return same;
    for (const Rename& r : kRenames) {
        if (std::strcmp(r.current, name) == 0)
            return older.FindField(r.older);
    }
    return nullptr;
}

bool IsInteger(std::int32_t typeCode)
{
    return typeCode == kKvFieldUchar || typeCode == kKvFieldShort || typeCode == kKvFieldLong;
}

bool IsReal(std::int32_t typeCode)
{
    return typeCode == kKvFieldFloat || typeCode == kKvFieldDouble;
}

std::vector<unsigned char> ValueOf(const AbstrField& field)
{
    std::vector<unsigned char> bytes(field.GetLength());
    field.GetValue(bytes.data());
    return bytes;
}

std::int64_t IntegerOf(const AbstrField& field)
{
    const std::vector<unsigned char> v = ValueOf(field);
    switch (field.GetTypeCode()) {
    case kKvFieldUchar:
        return v[0];
    case kKvFieldShort:
        return kvrec::LoadInt16(v.data());
    default:
        return kvrec::LoadInt32(v.data());
    }
}

double RealOf(const AbstrField& field)
{
    const std::vector<unsigned char> v = ValueOf(field);
    return field.GetTypeCode() == kKvFieldFloat ? kvrec::LoadFloat(v.data()) : kvrec::LoadDouble(v.data());
}

void SetInteger(AbstrField& field, std::int64_t value)
{
    unsigned char bytes[4] = {};
    switch (field.GetTypeCode()) {
    case kKvFieldUchar:
        bytes[0] = static_cast<unsigned char>(value & 0xFF);
        break;
    case kKvFieldShort:
        kvrec::StoreInt16(bytes, static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF)));
        break;
    default:
        kvrec::StoreInt32(bytes, static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFF)));
        break;
    }
    field.SetValue(bytes);
}

void SetReal(AbstrField& field, double value)
{
    unsigned char bytes[8] = {};
    if (field.GetTypeCode() == kKvFieldFloat)
        kvrec::StoreFloat(bytes, static_cast<float>(value));
    else
        kvrec::StoreDouble(bytes, value);
    field.SetValue(bytes);
}

void ConvertValue(const AbstrField& from, AbstrField& to)
{
    const std::int32_t source = from.GetTypeCode();
    const std::int32_t target = to.GetTypeCode();
    const auto* fromText = dynamic_cast<const STRING_Field*>(&from);
    auto* toText = dynamic_cast<STRING_Field*>(&to);
    if (fromText != nullptr || toText != nullptr) {
        if (fromText != nullptr && toText != nullptr)
            toText->SetText(fromText->GetText());
    } else if (IsInteger(source) && IsInteger(target)) {
        SetInteger(to, IntegerOf(from));
    } else if (IsReal(source) && IsReal(target)) {
        SetReal(to, RealOf(from));
    }
}

}  // namespace

void KvvlsConvertRecord(const AbstrRecord& older, AbstrRecord& current)
{
    for (int i = 0; i < current.GetFieldCount(); ++i) {
        AbstrField* to = current.GetField(i);
        if (const AbstrField* from = SourceOf(older, to->GetName()))
            ConvertValue(*from, *to);
    }
}
