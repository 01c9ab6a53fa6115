// The lock time of a server list entry (the C library's broken-down time as nine 32-bit
// words: sec, min, hour, mday, mon, year-1900, wday, yday, isdst) in the asctime form,
// "Wed Jan 02 02:03:55 1980\n". An all-zero time means the entry is not locked and gives
// an empty text; values out of range are written as numbers, never past the text.
#pragma once

#include <cstdint>
#include <string>

std::string KvFormatLockTime(const std::int32_t (&time)[9]);
