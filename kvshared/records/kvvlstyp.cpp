#include "records/kvvlstyp.h"

#include <algorithm>
#include <cstring>

#include "foundation/kvrecnum.h"

void KvvlsAddLayoutFields(AbstrRecord& record, KvvlsRecordId id)
{
    for (const KvvlsFieldSpec& spec : KvvlsGetLayout(id).fields) {
        switch (spec.kind) {
        case KvvlsFieldKind::Uchar:
            record.AddField(new UCHAR_Field(spec.name));
            break;
        case KvvlsFieldKind::Short:
            record.AddField(new SHORT_Field(spec.name));
            break;
        case KvvlsFieldKind::Long:
            record.AddField(new LONG_Field(spec.name));
            break;
        case KvvlsFieldKind::Float:
            record.AddField(new FLOAT_Field(spec.name));
            break;
        case KvvlsFieldKind::Double:
            record.AddField(new DOUBLE_Field(spec.name));
            break;
        case KvvlsFieldKind::String:
            record.AddField(new STRING_Field(spec.name, spec.width));
            break;
        }
    }
}

#define KVVLS_DEFINE_RECORD(Name)                                                   \
    Kvvls_##Name::Kvvls_##Name()                                                    \
    {                                                                               \
        KvvlsAddLayoutFields(*this, KvvlsRecordId::Name);                           \
    }                                                                               \
    Kvvls_##Name::Kvvls_##Name(const void* block, std::size_t blockSize) : Kvvls_##Name() \
    {                                                                               \
        LoadFromBlock(block, blockSize);                                            \
    }                                                                               \
    Kvvls_##Name::~Kvvls_##Name() = default;
#define KVVLS_WRITTEN_OUT(Name)
KVVLS_RECORD_LIST(KVVLS_DEFINE_RECORD, KVVLS_WRITTEN_OUT)
#undef KVVLS_DEFINE_RECORD
#undef KVVLS_WRITTEN_OUT

Kvvls_STRING::Kvvls_STRING()
{
    KvvlsAddLayoutFields(*this, KvvlsRecordId::STRING);
}

Kvvls_STRING::Kvvls_STRING(const void* buffer, std::uint16_t width)
{
    AddField(new STRING_Field(KvvlsGetLayout(KvvlsRecordId::STRING).fields[0].name, width));
    LoadFromBlock(buffer, width);
}

Kvvls_STRING::~Kvvls_STRING() = default;

Kvvls_PageType::Kvvls_PageType()
{
    KvvlsAddLayoutFields(*this, KvvlsRecordId::PageType);
}

Kvvls_PageType::Kvvls_PageType(const void* block, std::size_t blockSize) : Kvvls_PageType()
{
    unsigned char page[kPageBlockSize] = {};
    if (block != nullptr)
        std::memcpy(page, block, std::min(blockSize, kPageBlockSize));
    const bool hasTable = std::any_of(page, page + 4, [](unsigned char b) { return b != 0; });
    unsigned char values[4];
    kvrec::StoreInt16(values, hasTable ? 1 : 0);
    std::memcpy(values + 2, page + 4, 2);
    LoadFrom(values);
}

Kvvls_PageType::~Kvvls_PageType() = default;

std::unique_ptr<Kvvls_Variable> KvvlsCreateRecord(KvvlsRecordId id)
{
    switch (id) {
#define KVVLS_CASE(Name)        \
    case KvvlsRecordId::Name: \
        return std::make_unique<Kvvls_##Name>();
        KVVLS_RECORD_LIST(KVVLS_CASE, KVVLS_CASE)
#undef KVVLS_CASE
    case KvvlsRecordId::Count:
        break;
    }
    return nullptr;
}

std::unique_ptr<Kvvls_Variable> KvvlsCreateRecord(KvvlsRecordId id, const void* block, std::size_t blockSize)
{
    switch (id) {
    case KvvlsRecordId::STRING:
        return std::make_unique<Kvvls_STRING>(block, static_cast<std::uint16_t>(std::clamp<std::size_t>(blockSize, 1, 0xFFFF)));
#define KVVLS_CASE(Name)        \
    case KvvlsRecordId::Name: \
        return std::make_unique<Kvvls_##Name>(block, blockSize);
#define KVVLS_WRITTEN_OUT(Name)
        KVVLS_RECORD_LIST(KVVLS_CASE, KVVLS_WRITTEN_OUT)
#undef KVVLS_CASE
#undef KVVLS_WRITTEN_OUT
    case KvvlsRecordId::PageType:
        return std::make_unique<Kvvls_PageType>(block, blockSize);
    case KvvlsRecordId::Count:
        break;
    }
    return nullptr;
}
