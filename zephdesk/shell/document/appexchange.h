// Where each server attribute of the user-application document lives in the server
// link's application information record and in the program header: one row per field.
#pragma once

#include <cstddef>
#include <vector>

#include "foundation/kvwintypes.h"

enum class KvExchangeKind {
    Int,   // a 32-bit integer
    Flag,  // a BOOL field, 1 or 0 in the records
    Text,  // a text, zero-terminated in a fixed array
};

struct KvExchangeRow {
    WORD fieldId;
    KvExchangeKind kind;
    const char* headerKey;
    std::size_t infoOffset;
    std::size_t infoWidth;
    std::size_t headerOffset;
    std::size_t headerWidth;
};

// Every exchanged field, in record order.
const std::vector<KvExchangeRow>& KvExchangeRows();
