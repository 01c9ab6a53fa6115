#include <array>

#include "quay/runfile.h"

namespace quay {

namespace {
std::array<std::uint32_t, 256> MakeTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[i] = c;
  }
  return table;
}
}  // namespace

// The common reflected CRC-32 (polynomial 0x04C11DB7), initial and final value all ones.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  static const auto table = MakeTable();
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

}  // namespace quay
