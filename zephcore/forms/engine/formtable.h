#pragma once
// A form's own copy of a field table, with a 140-byte label buffer of its own for each
// goto entry (rules may rewrite labels). Controls are attached to the copy's entries.

#include <array>
#include <deque>
#include <vector>

#include "model/pbentry_instance.h"
#include "model/pbfielddef.h"

namespace zeph {

class FormTable {
 public:
  // Copies the entries up to the end entry; a null source gives an empty table.
  void Assign(const PBFieldDef* source);
  PBFieldDef* Entries() { return entries_.data(); }
  const PBFieldDef* Entries() const { return entries_.data(); }
  int Count() const { return static_cast<int>(entries_.size()) - 1; }
  PBFieldDef& operator[](int i) { return entries_[static_cast<std::size_t>(i)]; }

  // The entry's own label buffer, made (empty) when it has none; null for a bad index.
  char* LabelBuffer(int i);

  // A table the VavurOrezo can keep: the entries without their controls.
  std::unique_ptr<PBOwnFieldTable> MakeOwnTable() const;
  // Copies the entries over the VavurOrezo's own table, keeping its goto labels; with
  // labelsChanged its labels follow the form's (emptied where the form has none).
  void CopyOver(PBOwnFieldTable& own, bool labelsChanged) const;

 private:
  std::vector<PBFieldDef> entries_{PBFieldDef()};
  std::deque<std::array<char, scribe::kGotoLabelBufferSize>> labels_;
};

}  // namespace zeph
