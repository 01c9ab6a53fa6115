// Texts in the fixed arrays of the server link's records: read up to the array's end even
// when no terminator is there, and written cut to the array with a terminator.
#pragma once

#include <cstddef>
#include <string>

std::string KvBoundedText(const char* array, std::size_t width);
void KvCopyToArray(char* array, std::size_t width, const char* text);
