#include "shell/memory/blockheap.h"

#include "shell/memory/blockmemory.h"
#include "shell/messages/uimsgbox.h"

namespace {

constexpr std::size_t RoundUp(std::size_t n, std::size_t align) { return (n + align - 1) / align * align; }

// The heap object, padded to the entry boundary, then the entry space.
constexpr std::size_t kSpaceOffset = RoundUp(sizeof(BlockHeap), BlockHeap::kEntryAlign);
constexpr std::size_t kBlockBytes = kSpaceOffset + BlockHeap::kCapacity;

}  // namespace

void* BlockHeap::operator new(std::size_t) noexcept {
    void* block = CurrentBlockMemory().allocate(kBlockBytes);
    if (!block) UIMessageBox("Error allocating memory.", "", kKvMbOk | kKvMbIconExclamation);
    return block;
}

void BlockHeap::operator delete(void* block) noexcept {
    if (block) CurrentBlockMemory().release(block);
}

BlockHeap::BlockHeap() : m_pCurrent(this), m_pNext(nullptr), m_nUsed(0), m_nCapacity(kCapacity) {}

BlockHeap::~BlockHeap() { delete m_pNext; }

unsigned char* BlockHeap::Space() { return reinterpret_cast<unsigned char*>(this) + kSpaceOffset; }

std::uint32_t BlockHeap::Available() const {
    std::int64_t left = std::int64_t(m_nCapacity) - m_nUsed - kEntryHeader;
    return left > 0 ? std::uint32_t(left) : 0;
}

void* BlockHeap::Alloc(std::uint32_t n) {
    const std::uint64_t size = RoundUp(n, kEntryAlign);
    // Nothing that an empty block cannot hold is worth a new block.
    if (size >= kCapacity - kEntryHeader) return nullptr;
    if (size >= m_pCurrent->Available()) {
        BlockHeap* added = new BlockHeap;
        if (!added) return nullptr;
        m_pCurrent->m_pNext = added;
        BlockHeap* last = this;
        while (last->m_pNext) last = last->m_pNext;
        m_pCurrent = last;
    }
    BlockHeap* block = m_pCurrent;
    unsigned char* at = block->Space() + block->m_nUsed;
    EntryHeader header{n, 1};
    *reinterpret_cast<EntryHeader*>(at) = header;
    block->m_nUsed += std::uint32_t(size) + kEntryHeader;
    return at + kEntryHeader;
}

void BlockHeap::Free(void*) {}

void BlockHeap::Reset() {
    delete m_pNext;
    m_pNext = nullptr;
    m_nUsed = 0;
    m_pCurrent = this;
}
