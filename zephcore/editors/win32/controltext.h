#pragma once
// The texts of the editors' list boxes and edits (empty when the control is missing or not
// made). Windows only.

#include <string>

#include "owl/edit.h"
#include "owl/listbox.h"

namespace zeph {

std::string ListText(const TListBox* list, int at);
// Up to limit characters of the edit.
std::string EditText(const TEdit* edit, int limit);
// The whole text of a dialog's control.
std::string ItemText(HWND dialog, int id);

}  // namespace zeph
