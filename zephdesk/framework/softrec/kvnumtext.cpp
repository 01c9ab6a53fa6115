#include "framework/softrec/kvnumtext.h"

#include <cctype>
#include <limits>

namespace {

std::int64_t ParseSaturated(const char* text, std::int64_t lo, std::int64_t hi)
{
    if (text == nullptr)
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (std::isspace(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    std::int64_t value = 0;
    for (; std::isdigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > hi + 1)  // far enough beyond either bound; stop growing
            value = hi + 1;
    }
    if (negative)
        value = -value;
    if (value < lo)
        return lo;
    if (value > hi)
        return hi;
    return value;
}

}  // namespace

std::int32_t KvTextToInt32(const char* text)
{
    return static_cast<std::int32_t>(ParseSaturated(text, std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max()));
}

short KvTextToInt16(const char* text)
{
    return static_cast<short>(ParseSaturated(text, -32768, 32767));
}

short KvClampToInt16(std::int64_t value)
{
    if (value < -32768)
        return -32768;
    if (value > 32767)
        return 32767;
    return static_cast<short>(value);
}
