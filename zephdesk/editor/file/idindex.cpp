#include "editor/file/idindex.h"

#include "editor/canvas/uiobject.h"

namespace ed {

int IDIndex::Add(std::int32_t id, ProgramObject* object) { return entries_.emplace(id, object).second ? 1 : 0; }

ProgramObject* IDIndex::Find(std::int32_t id) const {
  auto it = entries_.find(id);
  return it != entries_.end() ? it->second : nullptr;
}

ProgramObject* IDIndex::Find(std::int32_t id, int classCode) const {
  ProgramObject* object = Find(id);
  return object != nullptr && object->isA() == classCode ? object : nullptr;
}

std::int32_t IDIndex::HighestID() const { return entries_.empty() ? 0 : entries_.rbegin()->first; }

}  // namespace ed
