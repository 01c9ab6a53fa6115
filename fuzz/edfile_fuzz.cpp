// Fuzzing of the application-file readers (text and raw form). Its corpus lives in
// zephcore/programfile/tests/data/edfile_corpus:
//   build/fuzz/fuzz/edfile_fuzz zephcore/programfile/tests/data/edfile_corpus
#include <cstddef>
#include <cstdint>

#include "programfile/edfile/edfile_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zeph::ReadFileForFuzzing(data, size);
  return 0;
}
