#pragma once
// The dialog templates of the table-driven and rule-driven forms, written from the
// catalogue's field tables: one template per dialog resource of the slots of dialog kinds
// 1 to 4, each fitting the largest table that uses it, the SuperBlock call's and the
// goto-only form's, and those of the Record, multi-mail and Listen types' own forms (the
// Listen form with its "Set" button). The output is committed in the dialog resource library and a test
// keeps it current.

#include <string>

namespace zeph {

// Rows of the SuperBlock call form: its variables (the interface's limit).
inline constexpr int kSuperBlockVariableRows = 24;

// The resource script of every generated template.
std::string MakeFormTemplates();

}  // namespace zeph
