#pragma once
// The exit description of a VavurOrezo that the designer draws its outputs from, also the
// entry of a palette group.

#include <cstdint>

namespace zeph {

inline constexpr int kMaxVavurOrezoExits = 40;

// Exit flags.
enum VavurOrezoExitFlags : std::uint8_t {
  kExitHeading = 1,
  kExitNotDrawn = 2,
};

struct VavurOrezoExit {
  const char* Label = nullptr;   // the goto's label or a group heading
  std::uint8_t Flags = 0;
  std::uint8_t Id = 0;           // 1 and 2 headings; gotos from 5 in field-table order
  std::uint8_t Group = 0;        // 0 ungrouped, 1 Completed, 2 Failed
};

struct VavurOrezoInfo {
  const char* Name = nullptr;
  const char* SecondName = nullptr;
  const char* Bitmap = nullptr;
  std::uint8_t ExitCount = 0;
  std::int16_t Type = 0;
  VavurOrezoExit Exits[kMaxVavurOrezoExits];
};

}  // namespace zeph
