#pragma once
// The parameter layouts of the VavurOrezo types: where a type's parameter area keeps raw
// 16-bit words and where its 18-byte value slots lie. Every parameter area is 1020 bytes.

#include <cstdint>

namespace scribe {

inline constexpr int kParameterAreaSize = 1020;

enum class ParmLayout : std::uint8_t {
  None,       // no parts (End Block)
  Message,    // raw 0..4, 4 slots from 4
  Entry,      // raw 0..4, 17 slots from 4
  Standard,   // raw 0..24, 25 slots from 24, raw 12 bytes from 474
  Extended,   // raw 0..80, 40 slots from 80, raw 40 bytes from 980
  FaxCover,   // raw 0..80, 50 slots from 80, raw 40 bytes from 980
  OldMenu,    // raw 0..4, 20 slots from 4 (menu records of old files)
  OldFax,     // raw 0..80, 40 slots from 80, raw 20 bytes from 980 (fax records of old files)
};

struct LayoutGeometry {
  std::int16_t LayoutKind;   // the type slot's layout kind: 0, 2, 3, 10 or 11
  std::int16_t RawLength;    // leading raw part 0..RawLength (check boxes, radio groups)
  std::int16_t SlotBase;     // first value slot
  std::int16_t SlotCount;
  std::int16_t TailOffset;   // trailing raw part (0 length when none)
  std::int16_t TailLength;
};

inline constexpr LayoutGeometry GeometryOf(ParmLayout layout) {
  switch (layout) {
    case ParmLayout::None: return {0, 0, 0, 0, 0, 0};
    case ParmLayout::Message: return {2, 4, 4, 4, 0, 0};
    case ParmLayout::Entry: return {3, 4, 4, 17, 0, 0};
    case ParmLayout::Standard: return {10, 24, 24, 25, 474, 12};
    case ParmLayout::Extended: return {11, 80, 80, 40, 980, 40};
    case ParmLayout::FaxCover: return {11, 80, 80, 50, 980, 40};
    case ParmLayout::OldMenu: return {0, 4, 4, 20, 0, 0};
    case ParmLayout::OldFax: return {0, 80, 80, 40, 980, 20};
  }
  return {0, 0, 0, 0, 0, 0};
}

}  // namespace scribe
