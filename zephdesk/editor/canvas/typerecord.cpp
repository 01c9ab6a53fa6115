#include "editor/canvas/typerecord.h"

#include <algorithm>
#include <cstring>

namespace ed {
namespace {

std::string Text(const char* p) { return p != nullptr ? std::string(p) : std::string(); }

bool BitInRange(int bitIndex) { return bitIndex >= 1 && bitIndex <= kMaxOutputs; }

}  // namespace

TypeRecord TypeRecord::FromInfo(const zeph::VavurOrezoInfo& info) {
  TypeRecord record;
  record.typeName = Text(info.Name);
  record.label = Text(info.SecondName);
  record.bitmap = Text(info.Bitmap);
  record.typeCode = info.Type;
  record.TakeOutputs(info);
  return record;
}

void TypeRecord::TakeOutputs(const zeph::VavurOrezoInfo& info) {
  outputs.clear();
  const int count = std::min<int>(info.ExitCount, kMaxOutputs);
  for (int i = 0; i < count; ++i) {
    const zeph::VavurOrezoExit& exit = info.Exits[i];
    OutputEntry entry;
    entry.name = Text(exit.Label);
    entry.options = exit.Flags;
    entry.bitIndex = static_cast<std::int8_t>(exit.Id);
    entry.group = static_cast<std::int8_t>(exit.Group);
    outputs.push_back(entry);
  }
}

const OutputEntry* TypeRecord::FindOutput(const char* name) const {
  if (name == nullptr) return nullptr;
  for (const OutputEntry& entry : outputs) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

// An output whose bit index lies outside 1 to 40 has no bit: it reads as clear and setting
// it does nothing, instead of writing past the five bytes.
bool OutputBitSet::Test(int bitIndex) const {
  if (!BitInRange(bitIndex)) return false;
  return (bytes_[(bitIndex - 1) / 8] >> ((bitIndex - 1) % 8)) & 1;
}

void OutputBitSet::Set(int bitIndex, bool on) {
  if (!BitInRange(bitIndex)) return;
  const std::uint8_t mask = static_cast<std::uint8_t>(1u << ((bitIndex - 1) % 8));
  std::uint8_t& byte = bytes_[(bitIndex - 1) / 8];
  byte = on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

void OutputBitSet::Clear() { std::memset(bytes_, 0, sizeof bytes_); }

}  // namespace ed
