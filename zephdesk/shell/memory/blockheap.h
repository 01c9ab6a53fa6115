// A bump allocator for many small, short-lived records (the goto-line router's search
// nodes): fixed blocks of entry space chained as they fill, single entries never freed,
// everything dropped at once by Reset. Each heap object lives at the start of its own
// block, so heaps are made only with new.
#pragma once

#include <cstddef>
#include <cstdint>

class BlockHeap {
public:
    // Bytes of entry space in every block, and of each entry's header.
    static constexpr std::uint32_t kCapacity = 32767;
    static constexpr std::uint32_t kEntryHeader = 8;
    // Entries start on this boundary, since the records placed in them hold pointers.
    static constexpr std::uint32_t kEntryAlign = 8;

    // One block of memory; null (after "Error allocating memory.") when none is left.
    static void* operator new(std::size_t size) noexcept;
    static void operator delete(void* block) noexcept;

    BlockHeap();
    ~BlockHeap();
    BlockHeap(const BlockHeap&) = delete;
    BlockHeap& operator=(const BlockHeap&) = delete;

    // Space for n bytes, or null when no block can hold it.
    void* Alloc(std::uint32_t n);
    // Entries are freed only all together.
    void Free(void* entry);
    // Back to one empty block.
    void Reset();
    // Room left in this block for one more entry's bytes.
    std::uint32_t Available() const;

    std::uint32_t Used() const { return m_nUsed; }
    const BlockHeap* Next() const { return m_pNext; }

private:
    struct EntryHeader {
        std::uint32_t size;
        std::uint32_t inUse;
    };
    static_assert(sizeof(EntryHeader) == kEntryHeader);

    unsigned char* Space();

    BlockHeap* m_pCurrent;
    BlockHeap* m_pNext;
    std::uint32_t m_nUsed;
    std::uint32_t m_nCapacity;
};
