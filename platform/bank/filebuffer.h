#pragma once
// A buffer over a C file opened with fopen's mode ("rb" to load, "w+b" to save). The file
// is open when File() is not null; the model library reads and writes the same FILE.
// Close() reports whether everything written reached the file; the destructor closes a
// file still open.

#include <cstdio>

#include "bank/buffer.h"

class FileBuffer : public Buffer {
 public:
  FileBuffer(const char* fileName, const char* mode);
  ~FileBuffer() override;
  FileBuffer(const FileBuffer&) = delete;
  FileBuffer& operator=(const FileBuffer&) = delete;

  std::FILE* File() const { return file_; }
  int write(const void* bytes, std::size_t count) override;
  int read(void* bytes, std::size_t count) override;
  int seek(long position) override;
  // Flushes and closes; nonzero when both worked (and the file was open).
  int Close();

 private:
  std::FILE* file_;
};
