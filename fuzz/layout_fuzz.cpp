// Fuzzing of the application-file loader with its layout part. Its corpus lives in
// zephdesk/editor/tests/data/layout_corpus:
//   build/fuzz/fuzz/layout_fuzz zephdesk/editor/tests/data/layout_corpus
#include <cstddef>
#include <cstdint>

#include "editor/file/layoutfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ed::LoadFileForFuzzing(data, size);
  return 0;
}
