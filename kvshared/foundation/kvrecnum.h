// Number helpers of the field kinds: little-endian value bytes and the lenient decimal
// reading of the text form (leading blanks skipped, reading stops at the first character
// that does not fit, no digits give 0).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kvrec {

std::int16_t LoadInt16(const unsigned char* p);
std::int32_t LoadInt32(const unsigned char* p);
float LoadFloat(const unsigned char* p);
double LoadDouble(const unsigned char* p);

void StoreInt16(unsigned char* p, std::int16_t v);
void StoreInt32(unsigned char* p, std::int32_t v);
void StoreFloat(unsigned char* p, float v);
void StoreDouble(unsigned char* p, double v);

// The leading decimal integer of text; saturates at the 64-bit range.
std::int64_t ReadInteger(std::string_view text);
// The leading floating number of text.
double ReadReal(const std::string& text);

// The text form of a real: "%f" followed by the letter d when that reads back as the
// same value (as a single when single is set); otherwise the exact form ("%.9g" for
// singles, "%.17g" for doubles) and the d, so that no value is rounded away.
std::string FormatReal(double value, bool single);

}  // namespace kvrec
