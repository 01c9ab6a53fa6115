#pragma once
// The variable list's Rename and Delete commands and the checks before Copy and Resize, on
// the picker's selected line: each refusal is shown in a message box (stop icon, empty
// caption) and changes nothing.

#include <functional>
#include <string>

#include "model/symbol.h"

namespace zeph {

class TProgram;

inline constexpr const char* kMustSelectVariableText = "You must select a variable";

// The selection: the symbol of the selected line (null: none) and whether the line is a
// structure member line ("@...").
struct VariableSelection {
  zeph::Symbol* Symbol = nullptr;
  bool MemberLine = false;
};

class VariableCommands {
 public:
  explicit VariableCommands(TProgram& program) : program_(program) {}

  // Asks for the new name (the name dialog: false when cancelled) and renames. A
  // page-local variable keeps its page: "Total" given for "Page1$Total" stores
  // "Page1$Total"'s page prefix. A Parameter's interface entry is renamed with it; when the
  // interface refuses, the variable gets its old name back. True when renamed.
  using NameAsker = std::function<bool(const std::string& caption, std::string& newName)>;
  bool Rename(const VariableSelection& selection, const NameAsker& askName);

  // Deletes after "Delete %s ?"; a Parameter's interface entry goes with it. True when
  // deleted.
  bool Delete(const VariableSelection& selection);

  // The checks before Copy: true when the symbol may go to the clipboard.
  bool MayCopy(const VariableSelection& selection);
  // The checks before Resize: true when the resize dialog should run (strings and arrays
  // that are no constants).
  bool MayResize(const VariableSelection& selection);

 private:
  bool CommonChecks(const VariableSelection& selection, bool deleting);
  void Show(const std::string& text);
  void ShowCode(int code);

  TProgram& program_;
};

}  // namespace zeph
