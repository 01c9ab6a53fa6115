#pragma once
// The raw form of the model part, written by older versions: fixed-width images and byte
// blocks instead of text lines. It is only ever read.

#include <cstdio>

namespace zeph {

struct EdContext;

// Reads version, next structure id, symbols and VavurOrezos from the file. Every length
// is checked against what the file still holds before anything is allocated. 0; -158 a
// short or damaged file; -169 a newer file; -102 out of memory. The first failure ends
// the read; what was read before stays in the program.
int ReadRawProgram(EdContext& ctx, std::FILE* file);

}  // namespace zeph
