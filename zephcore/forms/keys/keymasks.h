#pragma once
// Telephone key masks of the parameter records.
//
// Encoding A (28 keys): bit i is one key: "1"-"9", "*", "0", "#" (bits 0-11), "A"-"D"
// (12-15), soft keys "SK1"-"SK12" (16-27); bits 28-31 carry no key.
// Encoding B (16 keys): every key value carries the marker bit 0x10000; keys "1"-"9" are
// bits 1-9, "0" 10, "*" 11, "#" 12, "A"-"C" 13-15 and "D" bit 0.
// Grids show the keys in the column order 1 2 3 4 5 6 7 8 9 0 * # A B C D; the grid
// tables below are indexed by that column.

#include <cstdint>
#include <string>

namespace zeph::keys {

// Encoding A.
inline constexpr int kKeyCountA = 28;
inline constexpr std::uint32_t kDigitGroupA = 0xFFF;
inline constexpr std::uint32_t kLetterGroupA = 0xF000;
inline constexpr std::uint32_t kSoftKeyGroupA = 0xFFF0000;
// The name of the key of bit i (empty past the last key).
const char* KeyNameA(int bit);
// The text a form shows for a mask: the set keys in bit order separated by ","; within a
// key group a run of three or more is written "first-last".
std::string FormatKeyMask(std::uint32_t mask);

// Encoding B.
inline constexpr int kGridKeys = 16;
inline constexpr std::uint32_t kKeyMarker = 0x10000;
inline constexpr std::uint32_t kAllKeysB = 0x1FFFF;    // every key and the marker
inline constexpr std::uint32_t kTerminateOnAll = 0xFFFFF;
// The key value of grid column c (marker included); 0 outside the grid.
std::uint32_t GridKeyValue(int column);
// Whether the mask holds the key of column c (the marker is not looked at).
bool MaskHoldsKey(std::uint32_t mask, int column);
// The text of column c's key ("1" .. "D").
const char* GridKeyName(int column);

// The tone parameter records number the keys their own way (no marker).
std::uint32_t ToneKeyBit(int column);
// The record-edit records use encoding B: the key's bit without the marker.
inline std::uint32_t RecordEditKeyBit(int column) { return GridKeyValue(column) & ~kKeyMarker; }

// Exclusive masks of one record: mask 0 is the ignore mask; masks 1..n-1 are edited one at
// a time. The mask that the others already use when mask k is edited (mask 0 not counted).
std::uint32_t UsedMaskFor(const std::uint32_t* masks, int count, int k);
// After mask k was edited: every other mask loses mask k's keys and the ignore mask becomes
// the complement of masks 1..n-1 (all 32 bits).
void ApplyExclusiveMask(std::uint32_t* masks, int count, int k);

}  // namespace zeph::keys
