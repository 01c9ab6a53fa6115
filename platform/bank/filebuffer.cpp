#include "bank/filebuffer.h"

FileBuffer::FileBuffer(const char* fileName, const char* mode)
    : file_(fileName != nullptr && mode != nullptr ? std::fopen(fileName, mode) : nullptr) {}

FileBuffer::~FileBuffer() { Close(); }

int FileBuffer::write(const void* bytes, std::size_t count) {
  return file_ != nullptr && std::fwrite(bytes, 1, count, file_) == count ? 1 : 0;
}

int FileBuffer::read(void* bytes, std::size_t count) {
  return file_ != nullptr && std::fread(bytes, 1, count, file_) == count ? 1 : 0;
}

int FileBuffer::seek(long position) { return file_ != nullptr && std::fseek(file_, position, SEEK_SET) == 0 ? 1 : 0; }

int FileBuffer::Close() {
  if (file_ == nullptr) return 0;
  const bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return flushed && closed ? 1 : 0;
}
