#pragma once
// Binary data streams: a byte, a 16-bit word, a 32-bit long and a NUL-terminated string,
// little-endian, over raw read, write and seek operations that a derived buffer supplies
// (a file, or memory). Every operation answers nonzero on success and 0 on failure or at
// the end of the data; a failed read leaves its output as it was.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Buffer {
 public:
  virtual ~Buffer() = default;

  int write_byte(char value);
  int write_word(int value);              // the low 16 bits
  int write_long(std::int32_t value);
  int write_string(const char* text);     // the text and its NUL; null writes an empty text

  int read_byte(char& value);
  int read_word(int& value);              // sign-extended
  int read_long(std::int32_t& value);
  // A new text (new[]) that the caller owns; text is null before the call. The text ends
  // at the first NUL; data that ends first is a failure.
  int read_string(char*& text);

  // Raw operations: nonzero when all count bytes were moved.
  virtual int write(const void* bytes, std::size_t count) = 0;
  virtual int read(void* bytes, std::size_t count) = 0;
  // To an absolute position.
  virtual int seek(long position) = 0;
};

// A buffer over bytes in memory: what a test writes, or a file's image to read.
class MemoryBuffer : public Buffer {
 public:
  MemoryBuffer() = default;
  explicit MemoryBuffer(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}
  int write(const void* bytes, std::size_t count) override;
  int read(void* bytes, std::size_t count) override;
  int seek(long position) override;
  const std::vector<unsigned char>& Bytes() const { return bytes_; }

 private:
  std::vector<unsigned char> bytes_;
  std::size_t position_ = 0;
};
