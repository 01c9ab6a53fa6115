#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "foundation/kvscrpres.h"
#include "shell/memory/blockheap.h"
#include "shell/memory/blockmemory.h"
#include "shell/memory/searchheap.h"

namespace {

TEST(BlockHeapTest, EntriesFollowEachOtherOnEightByteBoundaries) {
    std::unique_ptr<BlockHeap> heap(new BlockHeap);
    ASSERT_NE(heap, nullptr);
    auto* a = static_cast<unsigned char*>(heap->Alloc(104));
    auto* b = static_cast<unsigned char*>(heap->Alloc(5));
    auto* c = static_cast<unsigned char*>(heap->Alloc(1));
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(b - a, 104 + 8);
    EXPECT_EQ(c - b, 8 + 8);  // five bytes take a whole boundary step
    for (auto* p : {a, b, c}) EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 8, 0u);
    std::uint32_t header[2];
    std::memcpy(header, b - 8, sizeof header);
    EXPECT_EQ(header[0], 5u);
    EXPECT_EQ(header[1], 1u);
    EXPECT_EQ(heap->Used(), 112u + 16u + 16u);
}

TEST(BlockHeapTest, FirstBlockTakes292EntriesOf104BytesThenChains) {
    std::unique_ptr<BlockHeap> heap(new BlockHeap);
    unsigned char* first = nullptr;
    for (int i = 0; i < 292; ++i) {
        auto* p = static_cast<unsigned char*>(heap->Alloc(104));
        ASSERT_NE(p, nullptr);
        if (!first) first = p;
        std::memset(p, 0xAB, 104);  // the sanitizer sees any overrun of the block
    }
    EXPECT_EQ(heap->Next(), nullptr);
    EXPECT_EQ(heap->Used(), 292u * 112u);
    ASSERT_NE(heap->Alloc(104), nullptr);
    ASSERT_NE(heap->Next(), nullptr);
    EXPECT_EQ(heap->Next()->Used(), 112u);

    heap->Reset();
    EXPECT_EQ(heap->Next(), nullptr);
    EXPECT_EQ(heap->Used(), 0u);
    EXPECT_EQ(heap->Alloc(104), first);
}

TEST(BlockHeapTest, RequestThatNoBlockHoldsGivesNullAndAddsNoBlock) {
    std::unique_ptr<BlockHeap> heap(new BlockHeap);
    EXPECT_EQ(heap->Alloc(BlockHeap::kCapacity - BlockHeap::kEntryHeader), nullptr);
    EXPECT_EQ(heap->Alloc(100000), nullptr);
    EXPECT_EQ(heap->Next(), nullptr);
    EXPECT_EQ(heap->Used(), 0u);
    // The largest request an empty block takes.
    EXPECT_NE(heap->Alloc(BlockHeap::kCapacity - BlockHeap::kEntryHeader - 8), nullptr);
}

TEST(BlockHeapTest, FreeChangesNothingAndAvailableNeverGoesNegative) {
    std::unique_ptr<BlockHeap> heap(new BlockHeap);
    void* p = heap->Alloc(40);
    heap->Free(p);
    EXPECT_EQ(heap->Used(), 48u);
    EXPECT_EQ(heap->Available(), BlockHeap::kCapacity - 48 - 8);
}

int g_failAfter = 0;
void* FailingAllocate(std::size_t bytes) {
    if (g_failAfter-- <= 0) return nullptr;
    return PlatformBlockMemory().allocate(bytes);
}
void PlatformRelease(void* block) { PlatformBlockMemory().release(block); }

TEST(BlockHeapTest, ExhaustedMemoryShowsItsMessageAndLeavesTheHeapAsItWas) {
    KvScriptedPresenter presenter;
    KvScopedMessagePresenter scoped(presenter);
    BlockMemorySource failing{FailingAllocate, PlatformRelease};
    SetBlockMemory(&failing);
    g_failAfter = 1;  // the first block only
    BlockHeap* heap = new BlockHeap;
    ASSERT_NE(heap, nullptr);
    for (int i = 0; i < 292; ++i) ASSERT_NE(heap->Alloc(104), nullptr);
    EXPECT_EQ(heap->Alloc(104), nullptr);
    EXPECT_EQ(heap->Next(), nullptr);
    EXPECT_EQ(heap->Used(), 292u * 112u);
    ASSERT_EQ(presenter.Boxes().size(), 1u);
    EXPECT_EQ(presenter.Boxes()[0].text, "Error allocating memory.");
    EXPECT_EQ(presenter.Boxes()[0].caption, "Flowsmith");
    EXPECT_EQ(presenter.Boxes()[0].style & kKvMbIconMask, std::uint32_t(kKvMbIconExclamation));
    EXPECT_EQ(new BlockHeap, nullptr);
    SetBlockMemory(nullptr);
    delete heap;
}

}  // namespace

namespace {

// The router's pool over the block heap: entries beyond one block chain on, a reset
// starts again at the first entry, and no first block means no pool.
TEST(BlockHeapSearchPoolTest, GivesEntriesAcrossBlocksResetsAndRefusesWithoutMemory) {
    std::unique_ptr<ed::SearchPool> pool = BlockHeapSearchPool::Make();
    ASSERT_NE(pool, nullptr);
    void* first = pool->Alloc(64);
    ASSERT_NE(first, nullptr);
    for (int i = 0; i < 1000; ++i) {
        void* entry = pool->Alloc(64);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(entry) % 8, 0u);
        std::memset(entry, 0xAB, 64);
    }
    pool->Reset();
    EXPECT_EQ(pool->Alloc(64), first);

    KvScriptedPresenter presenter;
    KvScopedMessagePresenter scoped(presenter);
    const BlockMemorySource failing{[](std::size_t) -> void* { return nullptr; }, [](void*) {}};
    SetBlockMemory(&failing);
    EXPECT_EQ(BlockHeapSearchPool::Make(), nullptr);
    SetBlockMemory(nullptr);
    EXPECT_EQ(presenter.Boxes().size(), 1u);
}

}  // namespace
