#pragma once
// Little-endian reads from a file that know how much the file still holds.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace zeph {

class RawInput {
 public:
  explicit RawInput(std::FILE* file);
  // False once any read came short; later reads then fail too.
  bool Ok() const { return ok_; }
  long Remaining() const { return end_ - pos_; }
  long Tell() const { return pos_; }
  // Goes back to a place read before; a failed read after it is forgotten.
  void Seek(long pos);
  bool Bytes(void* out, long n);
  bool Skip(long n);
  std::int16_t Word();
  std::int32_t Long();
  // A block of n bytes, refused (and the input failed) when the file holds fewer.
  bool Block(long n, std::vector<unsigned char>& out);

 private:
  std::FILE* file_;
  long pos_ = 0;
  long end_ = 0;
  bool ok_ = true;
};

inline std::int16_t WordAt(const unsigned char* p) { return static_cast<std::int16_t>(p[0] | (p[1] << 8)); }
inline std::int32_t LongAt(const unsigned char* p) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                                   (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
}
// The text of a fixed field: up to its first zero or its end.
std::string FixedText(const unsigned char* p, std::size_t width);

}  // namespace zeph
