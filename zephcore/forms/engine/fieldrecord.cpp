// The parameter area and plain blocks as records of the field engine.
#include "forms/engine/fieldrecord.h"

namespace zeph {

bool InstanceRecord::Contains(int offset, int size) const {
  return offset >= 0 && size >= 0 && offset + size <= kParameterAreaSize;
}

SymP* InstanceRecord::Slot(int offset) {
  return Contains(offset, kSymPSize) ? area_.Slot(offset) : nullptr;
}

bool BlockRecord::Contains(int offset, int size) const {
  return bytes_ != nullptr && offset >= 0 && size >= 0 && offset + size <= size_;
}

// Little-endian, as the blocks are stored.
std::int16_t BlockRecord::Word(int offset) const {
  if (!Contains(offset, 2)) return 0;
  return static_cast<std::int16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
}

void BlockRecord::SetWord(int offset, std::int16_t value) {
  if (!Contains(offset, 2)) return;
  const auto v = static_cast<std::uint16_t>(value);
  bytes_[offset] = static_cast<unsigned char>(v & 0xFF);
  bytes_[offset + 1] = static_cast<unsigned char>(v >> 8);
}

unsigned char* BlockRecord::Inline(int offset, int size) {
  return Contains(offset, size) ? bytes_ + offset : nullptr;
}

}  // namespace zeph
