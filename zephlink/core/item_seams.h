// The outside libraries the item operations call (recording, WAV and TIFF conversion),
// replaceable by tests.
#pragma once
#include <cstdint>

namespace zlink {

struct ItemSeams {
    int (*recordVoice)(std::int16_t, std::int16_t, const char*, const char*, const char*, const char*, const char*);
    int (*wavToVoice)(const char*, const char*, int, int, std::uint32_t, int);
    int (*tiffToFax)(const char*, const char*, int);
};

const ItemSeams& CurrentItemSeams();
// Null restores the outside libraries.
void SetItemSeams(const ItemSeams* seams);

}  // namespace zlink
