// Telephone key masks: names, values and the text of a mask.
#include "forms/keys/keymasks.h"

#include <array>

namespace zeph::keys {
namespace {

constexpr std::array<const char*, kKeyCountA + 1> kNamesA = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "*", "0", "#", "A", "B", "C", "D",
    "SK1", "SK2", "SK3", "SK4", "SK5", "SK6", "SK7", "SK8", "SK9", "SK10", "SK11", "SK12", ""};

// The key group of bit i: runs are never written across groups.
int GroupOf(int bit) {
  if (bit <= 8) return 0;    // "1"-"9"
  if (bit <= 11) return bit; // "*", "0" and "#" stand alone
  if (bit <= 15) return 12;  // "A"-"D"
  return 16;                 // soft keys
}

struct GridKey {
  const char* name;
  std::uint32_t value;   // encoding B
  int toneBit;
};

constexpr std::array<GridKey, kGridKeys> kGrid = {{
    {"1", 0x10002, 0}, {"2", 0x10004, 1}, {"3", 0x10008, 2}, {"4", 0x10010, 3},
    {"5", 0x10020, 4}, {"6", 0x10040, 5}, {"7", 0x10080, 6}, {"8", 0x10100, 7},
    {"9", 0x10200, 8}, {"0", 0x10400, 10}, {"*", 0x10800, 9}, {"#", 0x11000, 11},
    {"A", 0x12000, 12}, {"B", 0x14000, 13}, {"C", 0x18000, 14}, {"D", 0x10001, 15},
}};

bool InGrid(int column) { return column >= 0 && column < kGridKeys; }

}  // namespace

const char* KeyNameA(int bit) { return bit >= 0 && bit < kKeyCountA ? kNamesA[static_cast<std::size_t>(bit)] : ""; }

std::string FormatKeyMask(std::uint32_t mask) {
  std::string text;
  auto isSet = [mask](int bit) { return bit < kKeyCountA && (mask >> bit & 1u) != 0; };
  for (int bit = 0; bit < kKeyCountA;) {
    if (!isSet(bit)) {
      ++bit;
      continue;
    }
    int last = bit;
    while (isSet(last + 1) && GroupOf(last + 1) == GroupOf(bit)) ++last;
    if (!text.empty()) text += ',';
    if (last - bit >= 2) {
      text += KeyNameA(bit);
      text += '-';
      text += KeyNameA(last);
    } else {
      text += KeyNameA(bit);
      if (last != bit) {
        text += ',';
        text += KeyNameA(last);
      }
    }
    bit = last + 1;
  }
  return text;
}

std::uint32_t GridKeyValue(int column) { return InGrid(column) ? kGrid[static_cast<std::size_t>(column)].value : 0; }

bool MaskHoldsKey(std::uint32_t mask, int column) { return (mask & GridKeyValue(column) & ~kKeyMarker) != 0; }

const char* GridKeyName(int column) { return InGrid(column) ? kGrid[static_cast<std::size_t>(column)].name : ""; }

std::uint32_t ToneKeyBit(int column) {
  return InGrid(column) ? std::uint32_t{1} << kGrid[static_cast<std::size_t>(column)].toneBit : 0;
}

std::uint32_t UsedMaskFor(const std::uint32_t* masks, int count, int k) {
  std::uint32_t used = 0;
  for (int i = 1; i < count; ++i) {
    if (i != k) used |= masks[i];
  }
  return used;
}

void ApplyExclusiveMask(std::uint32_t* masks, int count, int k) {
  if (k < 1 || k >= count) return;
  for (int i = 0; i < count; ++i) {
    if (i != k) masks[i] &= ~masks[k];
  }
  std::uint32_t any = 0;
  for (int i = 1; i < count; ++i) any |= masks[i];
  masks[0] = ~any;
}

}  // namespace zeph::keys
