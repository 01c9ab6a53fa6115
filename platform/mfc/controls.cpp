#include "mfc/controls.h"

#include <vector>

std::string WindowText(const TWindow& window) {
  if (!window.GetHandle()) return {};
  const int length = window.GetWindowTextLength();
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  window.GetWindowText(text.data(), length + 1);
  return text.data();
}

std::string CComboBox::ItemText(int index) const {
  const int length = GetStringLen(index);
  if (length < 0) return {};
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  if (GetString(text.data(), index) < 0) return {};
  return text.data();
}

std::string CComboBox::SelectedText() const {
  const int index = GetSelIndex();
  return index < 0 ? std::string() : ItemText(index);
}
