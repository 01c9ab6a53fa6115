#pragma once
// A table from 64-bit keys (lattice points, grid cells) to values, kept by the router from
// one search to the next: one flat array probed in line, emptied by moving to a new
// generation instead of freeing entries. A search adds thousands of entries; with one
// allocation per entry, the allocator's work and scattered memory grew with the page.

#include <cstdint>
#include <utility>
#include <vector>

namespace ed {

template <typename Value>
class PointTable {
 public:
  // Every entry goes; the slots stay for the next search.
  void Clear() {
    size_ = 0;
    if (++generation_ == 0) {
      // After 2^32 clears the stamps would come round again: start the slots afresh.
      for (Slot& slot : slots_) slot.generation = 0;
      generation_ = 1;
    }
  }
  // Gives the slots back, for a table that grew larger than wanted.
  void Release() {
    std::vector<Slot>().swap(slots_);
    size_ = 0;
    generation_ = 1;
  }
  std::size_t Capacity() const { return slots_.size(); }

  // The key's value, or null.
  Value* Find(std::uint64_t key) {
    if (slots_.empty()) return nullptr;
    for (std::size_t i = Home(key);; i = (i + 1) & Mask()) {
      Slot& slot = slots_[i];
      if (slot.generation != generation_) return nullptr;
      if (slot.key == key) return &slot.value;
    }
  }
  // The key's value; fresh is true when the key was not there, and the value is then left as
  // an earlier search had it, for the caller to set.
  Value& Claim(std::uint64_t key, bool& fresh) {
    if (2 * (size_ + 1) > slots_.size()) Grow();
    for (std::size_t i = Home(key);; i = (i + 1) & Mask()) {
      Slot& slot = slots_[i];
      if (slot.generation != generation_) {
        slot.generation = generation_;
        slot.key = key;
        ++size_;
        fresh = true;
        return slot.value;
      }
      if (slot.key == key) {
        fresh = false;
        return slot.value;
      }
    }
  }

 private:
  struct Slot {
    std::uint64_t key = 0;
    std::uint32_t generation = 0;
    Value value{};
  };
  std::size_t Mask() const { return slots_.size() - 1; }
  std::size_t Home(std::uint64_t key) const {
    // Nearby points differ in few low bits of each half: mix them all into the top bits.
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & Mask();
  }
  void Grow() {
    std::vector<Slot> old(slots_.empty() ? 1024 : 2 * slots_.size());
    old.swap(slots_);
    const std::uint32_t was = generation_;
    size_ = 0;
    generation_ = 1;
    for (Slot& slot : old) {
      if (slot.generation != was) continue;
      bool fresh = false;
      Claim(slot.key, fresh) = std::move(slot.value);
    }
  }

  std::vector<Slot> slots_;
  std::size_t size_ = 0;
  std::uint32_t generation_ = 1;
};

}  // namespace ed
