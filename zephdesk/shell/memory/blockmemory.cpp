#include "shell/memory/blockmemory.h"

#include <cstdlib>

namespace {

BlockMemorySource& Current() {
    static BlockMemorySource current = PlatformBlockMemory();
    return current;
}

}  // namespace

#ifndef _WIN32
BlockMemorySource PlatformBlockMemory() {
    return {[](std::size_t bytes) { return std::malloc(bytes); }, [](void* block) { std::free(block); }};
}
#endif

const BlockMemorySource& CurrentBlockMemory() { return Current(); }

void SetBlockMemory(const BlockMemorySource* source) { Current() = source ? *source : PlatformBlockMemory(); }
