// libFuzzer target: the run-file reader on any bytes.
#include <cstdlib>

#include "quay/fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (quay::FuzzReadRunFile(data, size) < 0) std::abort();  // accepted but not round-tripped
  return 0;
}
