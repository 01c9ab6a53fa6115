#include "kvdither.h"

namespace {

struct DitherEntry {
    std::uint32_t flag;
    std::array<std::uint8_t, 8> rows;
};

constexpr DitherEntry kPatterns[] = {
    {0x02, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
    {0x04, {0x80, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00}},
    {0x08, {0x88, 0x00, 0x22, 0x00, 0x88, 0x00, 0x22, 0x00}},
    {0x10, {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}},
    {0x20, {0xEE, 0xFF, 0xBB, 0xFF, 0xEE, 0xFF, 0xBB, 0xFF}},
    {0x40, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
};

struct FlagPair {
    std::uint32_t from;
    std::uint32_t to;
};

constexpr FlagPair kTransparencies[] = {
    {0x0400, 0x02}, {0x0800, 0x04}, {0x1000, 0x08}, {0x2000, 0x10}, {0x4000, 0x20}, {0x8000, 0x40},
};

constexpr FlagPair kStretches[] = {
    {0x040, 0x100}, {0x080, 0x200}, {0x100, 0x040}, {0x200, 0x080},
};

template <std::size_t N>
std::uint32_t MapFlag(const FlagPair (&table)[N], std::uint32_t value)
{
    for (const FlagPair& pair : table)
        if (pair.from == value)
            return pair.to;
    return 0;
}

}  // namespace

bool KvDitherPattern(std::uint32_t flag, std::array<std::uint8_t, 8>& rows)
{
    for (const DitherEntry& entry : kPatterns) {
        if (entry.flag == flag) {
            rows = entry.rows;
            return true;
        }
    }
    return false;
}

std::uint32_t KvDitherFlagOfTransparency(std::uint32_t transparency)
{
    return MapFlag(kTransparencies, transparency);
}

std::uint32_t KvBitmapStretchOfStyle(std::uint32_t stretch)
{
    return MapFlag(kStretches, stretch);
}

int KvLuminance(int red, int green, int blue)
{
    return (30 * red + 59 * green + 11 * blue) / 100;
}
