#pragma once
// A table from 64-bit keys (lattice points, grid cells) to values, kept by the router from
// one search to the next: one flat array probed in line, emptied by moving to a new
// generation instead of freeing entries. A search adds thousands of entries; with one
// allocation per entry, the allocator's work and scattered memory grew with the page.

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace ed {

template <typename Value>
class PointTable {
 public:
  // Every entry goes. The slots stay for the next search, but it starts on a few of them
  // again: spread over all that a long search once needed, a short one would meet a cold
  // slot at nearly every look-up.
  void Clear() {
    size_ = 0;
    NextGeneration();
    active_ = std::min(kFirstSlots, slots_.size());
  }
  // Gives the slots back, for a table that grew larger than wanted.
  void Release() {
    std::vector<Slot>().swap(slots_);
    size_ = 0;
    active_ = 0;
    generation_ = 1;
  }
  std::size_t Capacity() const { return slots_.size(); }

  // The key's value, or null.
  Value* Find(std::uint64_t key) {
    if (active_ == 0) return nullptr;
    for (std::size_t i = Home(key);; i = (i + 1) & Mask()) {
      Slot& slot = slots_[i];
      if (slot.generation != generation_) return nullptr;
      if (slot.key == key) return &slot.value;
    }
  }
  // The key's value; fresh is true when the key was not there, and the value is then left as
  // an earlier search had it, for the caller to set.
  Value& Claim(std::uint64_t key, bool& fresh) {
    if (2 * (size_ + 1) > active_) Grow();
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
  static constexpr std::size_t kFirstSlots = 1024;
  struct Slot {
    std::uint64_t key = 0;
    std::uint32_t generation = 0;
    Value value{};
  };
  std::size_t Mask() const { return active_ - 1; }
  std::size_t Home(std::uint64_t key) const {
    // Nearby points differ in few low bits of each half: mix them all into the top bits.
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & Mask();
  }
  void NextGeneration() {
    if (++generation_ == 0) {
      // After 2^32 generations the stamps would come round again: start the slots afresh.
      for (Slot& slot : slots_) slot.generation = 0;
      generation_ = 1;
    }
  }
  // Twice the slots in use, the entries put again where the larger mask sends them.
  void Grow() {
    std::vector<std::pair<std::uint64_t, Value>> entries;
    entries.reserve(size_);
    for (std::size_t i = 0; i < active_; ++i) {
      if (slots_[i].generation == generation_) entries.emplace_back(slots_[i].key, std::move(slots_[i].value));
    }
    NextGeneration();
    active_ = active_ == 0 ? kFirstSlots : 2 * active_;
    if (slots_.size() < active_) slots_.resize(active_);
    size_ = 0;
    for (auto& [key, value] : entries) {
      bool fresh = false;
      Claim(key, fresh) = std::move(value);
    }
  }

  std::vector<Slot> slots_;
  std::size_t active_ = 0;   // the slots in use, a power of two
  std::size_t size_ = 0;
  std::uint32_t generation_ = 1;
};

}  // namespace ed
