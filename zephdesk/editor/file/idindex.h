#pragma once
// The id index of one load: each page, VavurOrezo and goto line read from the layout part
// registers its id, and the records that follow find their owners and targets by id.
// Ids are handed out from a counter, so most are small and close together: those are kept
// in a table indexed by id, which never grows past a few times the number of entries; any
// other id goes to an ordered map.

#include <cstdint>
#include <map>
#include <vector>

namespace ed {

class ProgramObject;

class IDIndex {
 public:
  // 1 when added; 0 when the id is already there (the first object stays) or the object
  // is null.
  int Add(std::int32_t id, ProgramObject* object);
  ProgramObject* Find(std::int32_t id) const;
  // The object of the id when it is of the class code, else null.
  ProgramObject* Find(std::int32_t id, int classCode) const;
  void Flush();
  std::size_t Size() const { return size_; }
  // The highest id held; 0 when empty.
  std::int32_t HighestID() const { return size_ == 0 ? 0 : highest_; }

 private:
  // Whether the table may hold the id: it grows with the entries, never with an id alone.
  bool FitsTable(std::int32_t id) const;

  std::vector<ProgramObject*> table_;
  std::map<std::int32_t, ProgramObject*> others_;
  std::size_t size_ = 0;
  std::int32_t highest_ = 0;
};

}  // namespace ed
