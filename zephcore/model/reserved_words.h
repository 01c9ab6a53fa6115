#pragma once
// The reserved words of the script language: the built-in words and, for every registered
// VavurOrezo type, its internal name and the upper-case copy of it. The table is sorted
// once after registration and then searched by bisection.

#include <cstddef>

namespace zeph {

inline constexpr int kReservedWordCapacity = 2048;
inline constexpr int kBuiltinReservedWordCount = 210;

class ReservedWordTable {
 public:
  // Starts with the built-in words in their stored order.
  ReservedWordTable();
  ReservedWordTable(const ReservedWordTable&) = delete;
  ReservedWordTable& operator=(const ReservedWordTable&) = delete;

  int Count() const { return count_; }
  const char* const* Words() const { return words_; }
  // Whether two more words fit (count plus 2 below the capacity).
  bool HasRoomForPair() const { return count_ + 2 < kReservedWordCapacity; }
  // Appends a word (the text must outlive the table); false when the table is full.
  bool Append(const char* word);
  // Sorts with the model's name comparator.
  void Sort();
  bool IsSorted() const { return sorted_; }
  // Bisection over the sorted table; false before Sort.
  bool Contains(const char* word) const;

 private:
  const char* words_[kReservedWordCapacity] = {};
  int count_ = 0;
  bool sorted_ = false;
};

// The built-in words in stored order.
const char* const* BuiltinReservedWords();

}  // namespace zeph
