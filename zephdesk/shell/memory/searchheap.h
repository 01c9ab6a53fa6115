// The goto-line router's search pool over the block heap: the router asks for a new pool
// for its first search after a release, empties it between searches and destroys it when
// it releases its memory.
#pragma once

#include <memory>

#include "editor/routing/searchpool.h"

class BlockHeap;

class BlockHeapSearchPool : public ed::SearchPool {
public:
    // Null (after the heap's own message) when the first block cannot be had.
    static std::unique_ptr<ed::SearchPool> Make();
    ~BlockHeapSearchPool() override;
    void* Alloc(std::uint32_t n) override;
    void Reset() override;

private:
    explicit BlockHeapSearchPool(BlockHeap* heap) : m_pHeap(heap) {}
    BlockHeap* m_pHeap;
};
