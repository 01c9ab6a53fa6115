#pragma once
// One input of the application-file readers, as the fuzzer and the corpus replay give it:
// bytes that begin with "VLXV" are read in the raw form, any others as text.

#include <cstddef>

namespace zeph {

// Reads the bytes into a fresh program with every problem logged and passed over; the
// read's result. Never asks, never waits.
int ReadFileForFuzzing(const unsigned char* data, std::size_t size);

}  // namespace zeph
