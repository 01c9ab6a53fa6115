#include <windows.h>

#include "shell/memory/blockmemory.h"

// A movable block stays locked from allocation to release, so its address never changes.
BlockMemorySource PlatformBlockMemory() {
    return {[](std::size_t bytes) -> void* {
                HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE, bytes);
                if (!handle) return nullptr;
                void* block = GlobalLock(handle);
                if (!block) GlobalFree(handle);
                return block;
            },
            [](void* block) {
                HGLOBAL handle = GlobalHandle(block);
                if (!handle) return;
                GlobalUnlock(handle);
                GlobalFree(handle);
            }};
}
