#pragma once
// Creating a variable from the create-variable dialog: the checks in their order, the
// initial values of record-typed variables from the program's default variables, and the
// Parameter's interface entry.

#include <string>
#include <vector>

#include "model/datatypes.h"

#include "model/symbol.h"

namespace zeph {

class SymbolTable;
class TProgram;

// The default variable whose record a new variable of the type starts from; null for a
// type that starts zero-filled or has no initial value.
const char* DefaultVariableFor(int type);

// Gives a record-typed value its initial bytes: bytes of the type's size at `into`, from
// the program's default variable of the same type when it has a value, else zeros.
void InitRecordValue(int type, unsigned char* into, TProgram& program);

// The create dialog's type list: structure names by the mask's structure selection, then
// (but for selection 2) the listed names of the built-in codes the mask allows; record
// types named "b..." only while the back-types switch is on.
std::vector<std::string> MakeVariableTypeNames(const TypeMask& mask, SymbolTable& program, bool backTypes);

// Which scope radios the create dialog offers besides global and system global: none
// while names are unqualified or the page has no local scope; no parameter on a
// verification block page.
struct MakeVariableScopes {
  bool Local = false;
  bool Parameter = false;
};
MakeVariableScopes AvailableScopes(TProgram& program);

// What the dialog holds at Done.
struct MakeVariableInput {
  std::string TypeName;        // empty: none selected
  std::string Name;
  std::string SizeText = "1";
  std::string CountText = "1";
  int Scope = 0;               // 0 global, 1 local, 2 parameter, 3 system global
  int MinNumber = 0;           // the pick request's lowest element count (0: none)
};
struct MakeVariableResult {
  Symbol* Created = nullptr;   // null: refused, Message says why
  std::string Message;
};
MakeVariableResult MakeVariable(const MakeVariableInput& input, TProgram& program);

}  // namespace zeph
