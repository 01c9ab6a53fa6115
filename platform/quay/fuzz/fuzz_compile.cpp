// libFuzzer target: the compiler on any script text.
#include "quay/fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quay::FuzzCompile(data, size);
  return 0;
}
