// Key radio grids.
#include "forms/win32/keygrid.h"

#include <windows.h>

#include "forms/keys/keymasks.h"

namespace zeph {

std::uint32_t KeyRadioGrid::ValueOf(int column) const {
  return keyValue_ != nullptr ? keyValue_(column) : keys::GridKeyValue(column);
}

bool KeyRadioGrid::Holds(std::uint32_t mask, int column) const {
  return (mask & ValueOf(column) & ~keys::kKeyMarker) != 0;
}

bool KeyRadioGrid::On(int row, int column) const {
  return ::IsDlgButtonChecked(dialog_, Id(row, column)) == BST_CHECKED;
}

void KeyRadioGrid::Set(int row, int column, bool on) {
  ::CheckDlgButton(dialog_, Id(row, column), on ? BST_CHECKED : BST_UNCHECKED);
}

void KeyRadioGrid::Select(int column, int row) {
  for (int r = 0; r < Rows(); ++r) Set(r, column, r == row);
}

int KeyRadioGrid::SelectedRow(int column) const {
  for (int r = 0; r < Rows(); ++r) {
    if (On(r, column)) return r;
  }
  return -1;
}

void KeyRadioGrid::Enable(bool on) {
  for (int r = 0; r < Rows(); ++r) {
    for (int c = 0; c < columns_; ++c) {
      if (HWND radio = ::GetDlgItem(dialog_, Id(r, c))) ::EnableWindow(radio, on ? TRUE : FALSE);
    }
  }
}

void KeyRadioGrid::ShowMasks(const std::uint32_t* masks) {
  for (int c = 0; c < columns_; ++c) {
    for (int r = 0; r < Rows(); ++r) Set(r, c, Holds(masks[r], c));
  }
}

void KeyRadioGrid::ShowFirstHolder(const std::uint32_t* masks, const std::vector<int>& order, int otherwise) {
  for (int c = 0; c < columns_; ++c) {
    int row = otherwise;
    for (int r : order) {
      if (Holds(masks[r], c)) {
        row = r;
        break;
      }
    }
    Select(c, row);
  }
}

void KeyRadioGrid::BuildMasks(const std::vector<std::uint32_t*>& masks) const {
  for (std::uint32_t* mask : masks) {
    if (mask != nullptr) *mask = 0;
  }
  for (int c = 0; c < columns_; ++c) {
    for (int r = 0; r < Rows() && r < static_cast<int>(masks.size()); ++r) {
      if (masks[static_cast<std::size_t>(r)] != nullptr && On(r, c)) *masks[static_cast<std::size_t>(r)] |= ValueOf(c);
    }
  }
}

}  // namespace zeph
