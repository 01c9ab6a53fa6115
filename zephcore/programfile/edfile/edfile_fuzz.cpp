#include "programfile/edfile/edfile_fuzz.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "foundation/kvlserr.h"
#include "model/interface/library.h"
#include "model/program/program.h"
#include "programfile/edfile/edfile.h"

namespace zeph {

int ReadFileForFuzzing(const unsigned char* data, std::size_t size) {
  EnsureLibraryStarted();
  TProgram program;
  program.Reset();
  program.Symbols().SymbolPageCheck = 0;
  std::FILE* file = std::tmpfile();
  if (file == nullptr) return -158;
  int rc = 0;
  if (size >= 4 && std::memcmp(data, "VLXV", 4) == 0) {
    std::fwrite(data, 1, size, file);
    std::rewind(file);
    rc = DiskReadProgram(program, file, nullptr, kKvLoadSaveLogAndContinue);
  } else {
    std::stringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    rc = DiskReadProgram(program, file, &stream, kKvLoadSaveLogAndContinue);
  }
  std::fclose(file);
  return rc;
}

}  // namespace zeph
