// Pure arithmetic of the framework's image effects: the 8 x 8 dither patterns that keep a
// share of a mask's pixels opaque, the mapping from drawing styles to them, and the
// luminance that decides which pixels of a greyed image are dark.
#pragma once

#include <array>
#include <cstdint>

// Rows 0-7 of the pattern of a dither flag of a mask (0x02, 0x04, 0x08, 0x10, 0x20, 0x40);
// bit 7 is the left pixel, a set bit keeps the pixel opaque. False for any other flag.
bool KvDitherPattern(std::uint32_t flag, std::array<std::uint8_t, 8>& rows);

// The dither flag of a transparency value of a drawing style (0x0400 ... 0x8000), 0 for
// any other value.
std::uint32_t KvDitherFlagOfTransparency(std::uint32_t transparency);

// The stretch flag of the bitmaps for a stretch value of a drawing style (0x040 keep the
// mode, 0x080 halftone, 0x100 black-on-white, 0x200 white-on-black), 0 for any other.
std::uint32_t KvBitmapStretchOfStyle(std::uint32_t stretch);

// 0.3 red + 0.59 green + 0.11 blue, truncated; computed exactly, so that an even grey of
// 0x80 has luminance 0x80.
int KvLuminance(int red, int green, int blue);
