// Which parameter record class lays out the value of a data type code: the current
// layout for writing, and for reading the layout that the format level (1 to 15, from
// the version of the application being read) selects.
#pragma once

#include <cstdint>
#include <optional>

#include "records/kvvlslay.h"

// Format level of applications written by this version.
inline constexpr int kKvvlsCurrentFormatLevel = 15;

// The current layout of a data type code; none for codes without a parameter record.
std::optional<KvvlsRecordId> KvvlsCurrentRecordOf(std::int16_t typeCode);

// The layout that applications of a format level hold for a data type code.
std::optional<KvvlsRecordId> KvvlsRecordOf(std::int16_t typeCode, int formatLevel);
