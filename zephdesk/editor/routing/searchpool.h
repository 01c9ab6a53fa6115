#pragma once
// The memory of one routing search: a bump pool whose single entries are never given
// back; everything returns at once when the pool is emptied or destroyed. The designer
// backs it with the shell's block heap.

#include <cstdint>
#include <functional>
#include <memory>

namespace ed {

class SearchPool {
 public:
  virtual ~SearchPool() = default;
  // Space for n bytes, aligned for pointers; null when none can be had.
  virtual void* Alloc(std::uint32_t n) = 0;
  // Back to empty; every entry handed out before is gone.
  virtual void Reset() = 0;
};

// Makes a new pool; null when its first block cannot be had.
using SearchPoolMaker = std::function<std::unique_ptr<SearchPool>()>;

}  // namespace ed
