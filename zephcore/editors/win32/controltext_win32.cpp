// Texts of list boxes and edits.
#include "editors/win32/controltext.h"

#include <vector>

namespace zeph {

std::string ListText(const TListBox* list, int at) {
  if (list == nullptr || list->HWindow == nullptr || at < 0) return "";
  const int length = list->GetStringLen(at);
  if (length < 0) return "";
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  list->GetString(text.data(), at);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::string EditText(const TEdit* edit, int limit) {
  if (edit == nullptr || edit->HWindow == nullptr) return "";
  std::string text(static_cast<std::size_t>(limit) + 1, '\0');
  edit->GetText(text.data(), limit + 1);
  text.resize(std::char_traits<char>::length(text.c_str()));
  return text;
}

std::string ItemText(HWND dialog, int id) {
  const int length = ::GetWindowTextLengthA(::GetDlgItem(dialog, id));
  std::vector<char> text(static_cast<std::size_t>(length) + 1);
  ::GetDlgItemTextA(dialog, id, text.data(), length + 1);
  return text.data();
}

}  // namespace zeph
