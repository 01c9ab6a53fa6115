// Whole blocks of memory for the block heap: movable global memory, locked for the block's
// life, on Windows; the C heap elsewhere. Tests replace the source to see an exhausted one.
#pragma once

#include <cstddef>

struct BlockMemorySource {
    void* (*allocate)(std::size_t bytes);  // null when no memory is left
    void (*release)(void* block);
};

// The platform's own source.
BlockMemorySource PlatformBlockMemory();
// The current source; the platform's own until one is set.
const BlockMemorySource& CurrentBlockMemory();
// Makes source current; null restores the platform's own.
void SetBlockMemory(const BlockMemorySource* source);
