#pragma once
// A grid of key radio buttons: one row per key function, one column per key (grid order
// of the key encodings); the radio of row r and column c has id RowBase(r) + c. The radios
// of a column are one group in the template. Windows only.

#include <cstdint>
#include <vector>

#include "foundation/kvwintypes.h"

namespace zeph {

class KeyRadioGrid {
 public:
  // keyValue: the value a column's key adds to a mask (encoding B unless given).
  using KeyValue = std::uint32_t (*)(int column);
  KeyRadioGrid(std::vector<int> rowBases, int columns, KeyValue keyValue = nullptr)
      : rowBases_(std::move(rowBases)), columns_(columns), keyValue_(keyValue) {}
  int Rows() const { return static_cast<int>(rowBases_.size()); }
  int Columns() const { return columns_; }
  int Id(int row, int column) const { return rowBases_[static_cast<std::size_t>(row)] + column; }

  void Attach(HWND dialog) { dialog_ = dialog; }
  bool On(int row, int column) const;
  void Set(int row, int column, bool on);
  // Turns the column's radio of `row` on and the others off (-1: all off).
  void Select(int column, int row);
  // The first row whose radio is on in the column, or -1.
  int SelectedRow(int column) const;
  void Enable(bool on);

  // Whether the mask holds the column's key (the marker bit is not looked at).
  bool Holds(std::uint32_t mask, int column) const;
  std::uint32_t ValueOf(int column) const;

  // Each radio on exactly when its row's mask holds the column's key.
  void ShowMasks(const std::uint32_t* masks);
  // Each column's radio on in the first row, in `order`, whose mask holds the key; in
  // `otherwise` when none does.
  void ShowFirstHolder(const std::uint32_t* masks, const std::vector<int>& order, int otherwise);
  // Masks rebuilt from zero: every radio that is on adds its key's value to its row's mask
  // (rows without a mask, masks[row] == null, add nothing).
  void BuildMasks(const std::vector<std::uint32_t*>& masks) const;

 private:
  std::vector<int> rowBases_;
  int columns_;
  KeyValue keyValue_;
  HWND dialog_ = nullptr;
};

}  // namespace zeph
