#include "foundation/kvrecnum.h"

#include <bit>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace kvrec {

namespace {

std::uint64_t LoadBits(const unsigned char* p, int bytes)
{
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

void StoreBits(unsigned char* p, std::uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        p[i] = static_cast<unsigned char>(v & 0xFF);
        v >>= 8;
    }
}

}  // namespace

std::int16_t LoadInt16(const unsigned char* p)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(LoadBits(p, 2)));
}

std::int32_t LoadInt32(const unsigned char* p)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(LoadBits(p, 4)));
}

float LoadFloat(const unsigned char* p)
{
    return std::bit_cast<float>(static_cast<std::uint32_t>(LoadBits(p, 4)));
}

double LoadDouble(const unsigned char* p)
{
    return std::bit_cast<double>(LoadBits(p, 8));
}

void StoreInt16(unsigned char* p, std::int16_t v)
{
    StoreBits(p, static_cast<std::uint16_t>(v), 2);
}

void StoreInt32(unsigned char* p, std::int32_t v)
{
    StoreBits(p, static_cast<std::uint32_t>(v), 4);
}

void StoreFloat(unsigned char* p, float v)
{
    StoreBits(p, std::bit_cast<std::uint32_t>(v), 4);
}

void StoreDouble(unsigned char* p, double v)
{
    StoreBits(p, std::bit_cast<std::uint64_t>(v), 8);
}

std::int64_t ReadInteger(std::string_view text)
{
    std::size_t i = 0;
    // The blanks of the C locale are tested directly: most fields start with a digit.
    auto blank = [](unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r') || (c >= 0x80 && std::isspace(c)); };
    while (i < text.size() && blank(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::uint64_t limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    std::uint64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const unsigned digit = static_cast<unsigned>(text[i] - '0');
        if (magnitude > (limit + 1 - digit) / 10) {
            magnitude = limit + 1;  // saturated
            continue;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (negative)
        return magnitude > limit ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(magnitude);
    return magnitude > limit ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(magnitude);
}

double ReadReal(const std::string& text)
{
    return std::strtod(text.c_str(), nullptr);
}

namespace {

// A printf form of a value, sized exactly (large values print many digits).
std::string PrintReal(const char* format, double value)
{
    const int n = std::snprintf(nullptr, 0, format, value);
    if (n <= 0)
        return std::string();
    std::vector<char> buf(static_cast<std::size_t>(n) + 1);
    std::snprintf(buf.data(), buf.size(), format, value);
    return std::string(buf.data(), static_cast<std::size_t>(n));
}

}  // namespace

std::string FormatReal(double value, bool single)
{
    std::string text = PrintReal("%f", value);
    const double back = ReadReal(text);
    const bool exact = single ? static_cast<float>(back) == static_cast<float>(value) : back == value;
    if (!exact)
        text = PrintReal(single ? "%.9g" : "%.17g", value);
    return text + "d";
}

}  // namespace kvrec
