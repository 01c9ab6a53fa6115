#pragma once
// The id index of one load: each page, VavurOrezo and goto line read from the layout part
// registers its id, and the records that follow find their owners and targets by id.

#include <cstdint>
#include <map>

namespace ed {

class ProgramObject;

class IDIndex {
 public:
  // 1 when added; 0 when the id is already there (the first object stays).
  int Add(std::int32_t id, ProgramObject* object);
  ProgramObject* Find(std::int32_t id) const;
  // The object of the id when it is of the class code, else null.
  ProgramObject* Find(std::int32_t id, int classCode) const;
  void Flush() { entries_.clear(); }
  std::size_t Size() const { return entries_.size(); }
  // The highest id held; 0 when empty.
  std::int32_t HighestID() const;

 private:
  std::map<std::int32_t, ProgramObject*> entries_;
};

}  // namespace ed
