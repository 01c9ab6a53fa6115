// The form's own copy of its field table.
#include "forms/engine/formtable.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace zeph {

void FormTable::Assign(const PBFieldDef* source) {
  entries_.clear();
  labels_.clear();
  const int n = CountFields(source);
  if (n > 0) entries_.assign(source, source + n);
  entries_.push_back(PBFieldDef());
  for (int i = 0; i < n; ++i) {
    PBFieldDef& e = entries_[static_cast<std::size_t>(i)];
    e.ControlPtr = nullptr;
    if (e.GotoStrs != nullptr) {
      const char* text = e.GotoStrs;
      char* buffer = LabelBuffer(i);
      std::strncpy(buffer, text, scribe::kGotoLabelBufferSize - 1);
    }
  }
}

char* FormTable::LabelBuffer(int i) {
  if (i < 0 || i >= Count()) return nullptr;
  PBFieldDef& e = entries_[static_cast<std::size_t>(i)];
  for (auto& label : labels_) {
    if (e.GotoStrs == label.data()) return label.data();
  }
  labels_.emplace_back();
  labels_.back().fill('\0');
  e.GotoStrs = labels_.back().data();
  return labels_.back().data();
}

std::unique_ptr<PBOwnFieldTable> FormTable::MakeOwnTable() const {
  std::vector<PBFieldDef> copy(entries_);
  for (PBFieldDef& e : copy) e.ControlPtr = nullptr;
  return std::make_unique<PBOwnFieldTable>(copy.data());
}

void FormTable::CopyOver(PBOwnFieldTable& own, bool labelsChanged) const {
  const int n = std::min(Count(), own.Count());
  for (int i = 0; i < n; ++i) {
    PBFieldDef& target = own.Entries()[i];
    const PBFieldDef& mine = entries_[static_cast<std::size_t>(i)];
    const char* kept = target.GotoStrs;
    target = mine;
    target.ControlPtr = nullptr;
    target.GotoStrs = kept;
    if (!labelsChanged) continue;
    if (mine.GotoStrs != nullptr) {
      own.SetLabel(i, mine.GotoStrs);
    } else if (kept != nullptr) {
      own.SetLabel(i, "");
    }
  }
}

}  // namespace zeph
