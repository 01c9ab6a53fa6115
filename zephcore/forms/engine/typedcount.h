#pragma once
// A count or a time typed into a set-up form that reads its own numbers (the delay
// sequences): the whole text is read, never a few leading characters.

#include <cstdint>
#include <string>

namespace zeph {

// Leading zeros are dropped while more than one character remains, so "007" reads 7
// and "000" reads 0; otherwise the leading decimal digits count ("12s" reads 12).
// Answers false, leaving *value alone, for a text without leading digits, for a reading
// of 0 from anything but zeros ("0x", " 0") and for a value above max.
bool ReadTypedCount(const std::string& text, std::int32_t max, std::int32_t* value);

}  // namespace zeph
