#include "bank/buffer.h"

#include <cstring>

int Buffer::write_byte(char value) { return write(&value, 1); }

int Buffer::write_word(int value) {
  const unsigned char bytes[2] = {static_cast<unsigned char>(value & 0xFF), static_cast<unsigned char>((value >> 8) & 0xFF)};
  return write(bytes, 2);
}

int Buffer::write_long(std::int32_t value) {
  const std::uint32_t v = static_cast<std::uint32_t>(value);
  const unsigned char bytes[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                  static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
  return write(bytes, 4);
}

int Buffer::write_string(const char* text) {
  if (text == nullptr) text = "";
  return write(text, std::strlen(text) + 1);
}

int Buffer::read_byte(char& value) {
  char byte = 0;
  if (!read(&byte, 1)) return 0;
  value = byte;
  return 1;
}

int Buffer::read_word(int& value) {
  unsigned char bytes[2];
  if (!read(bytes, 2)) return 0;
  value = static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)));
  return 1;
}

int Buffer::read_long(std::int32_t& value) {
  unsigned char bytes[4];
  if (!read(bytes, 4)) return 0;
  value = static_cast<std::int32_t>(std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) |
                                    (std::uint32_t(bytes[2]) << 16) | (std::uint32_t(bytes[3]) << 24));
  return 1;
}

int Buffer::read_string(char*& text) {
  // Byte by byte: the text grows only with bytes actually read.
  std::string collected;
  for (;;) {
    char c = 0;
    if (!read(&c, 1)) return 0;
    if (c == '\0') break;
    collected.push_back(c);
  }
  char* made = new char[collected.size() + 1];
  std::memcpy(made, collected.c_str(), collected.size() + 1);
  text = made;
  return 1;
}

int MemoryBuffer::write(const void* bytes, std::size_t count) {
  if (count == 0) return 1;
  const auto* p = static_cast<const unsigned char*>(bytes);
  if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
  std::memcpy(bytes_.data() + position_, p, count);
  position_ += count;
  return 1;
}

int MemoryBuffer::read(void* bytes, std::size_t count) {
  if (count > bytes_.size() - position_) return 0;
  if (count == 0) return 1;
  std::memcpy(bytes, bytes_.data() + position_, count);
  position_ += count;
  return 1;
}

int MemoryBuffer::seek(long position) {
  if (position < 0 || static_cast<std::size_t>(position) > bytes_.size()) return 0;
  position_ = static_cast<std::size_t>(position);
  return 1;
}
