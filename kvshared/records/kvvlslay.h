// Layout tables of the parameter records: one description per record class, its fields
// in packed order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "records/kvvlslist.h"

enum class KvvlsFieldKind : std::uint8_t { Uchar, Short, Long, Float, Double, String };

struct KvvlsFieldSpec {
    const char* name;
    KvvlsFieldKind kind;
    std::uint16_t width;
};

struct KvvlsLayout {
    const char* className;
    std::span<const KvvlsFieldSpec> fields;
};

// One id per record class, in the order of definition.
enum class KvvlsRecordId : int {
#define KVVLS_ID(Name) Name,
    KVVLS_RECORD_LIST(KVVLS_ID, KVVLS_ID)
#undef KVVLS_ID
    Count
};

const KvvlsLayout& KvvlsGetLayout(KvvlsRecordId id);
