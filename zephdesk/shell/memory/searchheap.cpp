#include "shell/memory/searchheap.h"

#include "shell/memory/blockheap.h"

std::unique_ptr<ed::SearchPool> BlockHeapSearchPool::Make() {
    BlockHeap* heap = new BlockHeap;
    if (!heap) return nullptr;
    return std::unique_ptr<ed::SearchPool>(new BlockHeapSearchPool(heap));
}

BlockHeapSearchPool::~BlockHeapSearchPool() { delete m_pHeap; }

void* BlockHeapSearchPool::Alloc(std::uint32_t n) { return m_pHeap->Alloc(n); }

void BlockHeapSearchPool::Reset() { m_pHeap->Reset(); }
