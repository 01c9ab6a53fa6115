// Decimal numbers in text by the C library's atol rules (leading white space, an optional
// sign, the digits up to the first other character, no digits giving 0), except that a
// number beyond the range is held at the nearest bound instead of overflowing.
#pragma once

#include <cstdint>

std::int32_t KvTextToInt32(const char* text);
// The same, held within -32768..32767.
short KvTextToInt16(const char* text);
// A 32-bit number held within -32768..32767.
short KvClampToInt16(std::int64_t value);
