#pragma once
// Giving a variable, or one member of a structured variable, its initial value: the value
// lives in a buffer of the variable's size held as its symbol's data, made zero-filled on
// first need. The set-up dialogs read and write through this.

#include <string>

#include "model/symbol.h"

namespace zeph {

class SymbolTable;

class VariableSetup {
 public:
  // memberPath: "Total" or "a.b" of a structured variable; null or empty for the whole
  // variable.
  VariableSetup(Symbol* variable, const char* memberPath, SymbolTable* program = nullptr);

  // "Setup variable Count", "Setup variable Rec.Total".
  std::string Caption() const;
  bool HasStorage() const;
  // The value at its place as constant text; empty without storage or for a value that
  // does not format.
  std::string CurrentText() const;
  // Parses the text as a constant of the place's type into it (storage made first); an
  // empty text clears the value. 0, or the parse error's model code with nothing changed.
  int ApplyText(const char* text);
  // The 16-bit value at the place is non-zero.
  bool CurrentFlag() const;
  void ApplyFlag(bool on);
  // False when the member path names no member: nothing can be set then.
  bool Valid() const { return valid_; }

 private:
  unsigned char* Storage(bool make);

  Symbol* variable_;
  std::string member_;
  SymbolTable* program_;
  int offset_ = 0;
  int type_ = 0;
  int size_ = 0;
  int storageSize_ = 0;
  bool valid_ = true;
};

}  // namespace zeph
