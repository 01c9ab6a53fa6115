#include "programfile/edfile/edfile_raw_input.h"

#include <cstring>

namespace zeph {

RawInput::RawInput(std::FILE* file) : file_(file) {
  pos_ = std::ftell(file);
  if (pos_ < 0 || std::fseek(file, 0, SEEK_END) != 0) {
    ok_ = false;
    return;
  }
  end_ = std::ftell(file);
  if (end_ < pos_ || std::fseek(file, pos_, SEEK_SET) != 0) ok_ = false;
}

bool RawInput::Bytes(void* out, long n) {
  if (!ok_ || n < 0 || n > Remaining()) {
    ok_ = false;
    return false;
  }
  if (n > 0 && std::fread(out, 1, static_cast<std::size_t>(n), file_) != static_cast<std::size_t>(n)) {
    ok_ = false;
    return false;
  }
  pos_ += n;
  return true;
}

void RawInput::Seek(long pos) {
  ok_ = pos >= 0 && pos <= end_ && std::fseek(file_, pos, SEEK_SET) == 0;
  if (ok_) pos_ = pos;
}

bool RawInput::Skip(long n) {
  if (!ok_ || n < 0 || n > Remaining() || std::fseek(file_, pos_ + n, SEEK_SET) != 0) {
    ok_ = false;
    return false;
  }
  pos_ += n;
  return true;
}

std::int16_t RawInput::Word() {
  unsigned char b[2] = {};
  return Bytes(b, 2) ? WordAt(b) : 0;
}

std::int32_t RawInput::Long() {
  unsigned char b[4] = {};
  return Bytes(b, 4) ? LongAt(b) : 0;
}

bool RawInput::Block(long n, std::vector<unsigned char>& out) {
  if (!ok_ || n < 0 || n > Remaining()) {
    ok_ = false;
    return false;
  }
  out.assign(static_cast<std::size_t>(n), 0);
  return Bytes(out.data(), n);
}

std::string FixedText(const unsigned char* p, std::size_t width) {
  const void* zero = std::memchr(p, 0, width);
  const std::size_t n = zero != nullptr ? static_cast<std::size_t>(static_cast<const unsigned char*>(zero) - p) : width;
  return std::string(reinterpret_cast<const char*>(p), n);
}

}  // namespace zeph
