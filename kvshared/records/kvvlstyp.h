// The parameter record classes: one class per record type, each nothing but its fields
// in packed order (records/kvvlslay.cpp). Every class has a default constructor (values
// zero) and a constructor from a parameter block, which is given the block's size and
// reads no byte past it: fields the block does not reach stay zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "foundation/kvrecord.h"
#include "records/kvvlslay.h"

// Appends the fields of a layout to a record, values zero.
void KvvlsAddLayoutFields(AbstrRecord& record, KvvlsRecordId id);

#define KVVLS_DECLARE_RECORD(Name)                               \
    class Kvvls_##Name : public Kvvls_Variable {                 \
    public:                                                      \
        Kvvls_##Name();                                          \
        Kvvls_##Name(const void* block, std::size_t blockSize); \
        ~Kvvls_##Name() override;                                \
    };
#define KVVLS_WRITTEN_OUT(Name)
KVVLS_RECORD_LIST(KVVLS_DECLARE_RECORD, KVVLS_WRITTEN_OUT)
#undef KVVLS_DECLARE_RECORD
#undef KVVLS_WRITTEN_OUT

// A text value: one field String, 256 bytes wide by default.
class Kvvls_STRING : public Kvvls_Variable {
public:
    static constexpr std::uint16_t kDefaultWidth = 256;

    Kvvls_STRING();
    // String exactly width bytes wide, loaded from the buffer's first width bytes;
    // callers pass the text's length plus one, so the record's size follows the text.
    Kvvls_STRING(const void* buffer, std::uint16_t width);
    ~Kvvls_STRING() override;
};

// A page: TablePtr and Type, two 16-bit fields. Built from the 6-byte page parameter
// block (a 4-byte table pointer, then the 2-byte page type), it keeps only whether a
// table was attached: TablePtr is 1 when the pointer bytes are not all zero.
class Kvvls_PageType : public Kvvls_Variable {
public:
    static constexpr std::size_t kPageBlockSize = 6;

    Kvvls_PageType();
    Kvvls_PageType(const void* block, std::size_t blockSize);
    ~Kvvls_PageType() override;
};

// A default record of a class.
std::unique_ptr<Kvvls_Variable> KvvlsCreateRecord(KvvlsRecordId id);
// A record of a class built from a block (Kvvls_STRING takes the block's size as its
// width, at most 65535).
std::unique_ptr<Kvvls_Variable> KvvlsCreateRecord(KvvlsRecordId id, const void* block, std::size_t blockSize);
