#pragma once
// Entry points for fuzzing: any bytes go in, nothing may crash, hang or leak. The libFuzzer
// targets in fuzz/ call them; the ordinary tests replay the kept corpora through them.

#include <cstddef>
#include <cstdint>

namespace quay {

// Compiles the bytes as a script (no include files, no output). Returns the error code.
int FuzzCompile(const std::uint8_t* data, std::size_t size);
// Reads the bytes as a run file; an accepted image must write back to the same bytes.
// Returns 1 when accepted, 0 when refused, -1 when an accepted image does not round-trip.
int FuzzReadRunFile(const std::uint8_t* data, std::size_t size);

}  // namespace quay
