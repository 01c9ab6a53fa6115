#pragma once
// One input of the application-file loader, as the fuzzer and the corpus replay give it:
// the bytes are loaded as a whole file, every problem going to a log, never to the user.

#include <cstddef>

namespace ed {

// 1 when a program came back, 0 when the load failed.
int LoadFileForFuzzing(const unsigned char* data, std::size_t size);

}  // namespace ed
