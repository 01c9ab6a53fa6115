#include "editor/file/idindex.h"

#include <algorithm>

#include "editor/canvas/uiobject.h"

namespace ed {
namespace {
// The table holds ids below this many per entry, plus a start.
constexpr std::size_t kTableSlotsPerEntry = 4;
constexpr std::size_t kTableStart = 4096;
}  // namespace

bool IDIndex::FitsTable(std::int32_t id) const {
  return id >= 0 && static_cast<std::size_t>(id) < kTableStart + kTableSlotsPerEntry * size_;
}

int IDIndex::Add(std::int32_t id, ProgramObject* object) {
  if (Find(id) != nullptr) return 0;
  if (object == nullptr) return 0;
  if (FitsTable(id)) {
    const auto at = static_cast<std::size_t>(id);
    if (at >= table_.size()) table_.resize(std::max(at + 1, table_.size() * 2), nullptr);
    table_[at] = object;
  } else {
    others_.emplace(id, object);
  }
  if (size_ == 0 || id > highest_) highest_ = id;
  ++size_;
  return 1;
}

ProgramObject* IDIndex::Find(std::int32_t id) const {
  if (id >= 0 && static_cast<std::size_t>(id) < table_.size() && table_[static_cast<std::size_t>(id)] != nullptr) {
    return table_[static_cast<std::size_t>(id)];
  }
  if (others_.empty()) return nullptr;
  auto it = others_.find(id);
  return it != others_.end() ? it->second : nullptr;
}

ProgramObject* IDIndex::Find(std::int32_t id, int classCode) const {
  ProgramObject* object = Find(id);
  return object != nullptr && object->isA() == classCode ? object : nullptr;
}

void IDIndex::Flush() {
  table_.clear();
  others_.clear();
  size_ = 0;
  highest_ = 0;
}

}  // namespace ed
