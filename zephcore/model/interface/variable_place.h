#pragma once
// Where the value of a variable reference lives: in the variable's value storage (one
// block of the variable's full size, every element of an array), at the offset of its
// member path and of its element.

#include <string>

#include "model/symbol.h"
#include "model/varref.h"

namespace zeph {

class SymbolTable;

struct VariablePlace {
  bool Valid = false;     // the reference names a place inside the variable
  int Offset = 0;         // of the place in the storage
  int Type = 0;           // data type of the place
  int Size = 0;           // bytes of the place
  int StorageSize = 0;    // bytes of the variable's whole storage
};

// The place a parsed reference and its text name. The element comes from a constant index
// in square brackets (1 the first); an index that is no constant or lies outside the
// array leaves the place invalid.
VariablePlace LocateVariable(const SymP& ref, const std::string& text, SymbolTable* program = nullptr);

// The variable's storage block, or null when it has none.
ValueBlockData* VariableStorage(Symbol& variable);
// The storage block, made (zero-filled, or grown keeping what it held) to the full size.
ValueBlockData& MakeVariableStorage(Symbol& variable, int storageSize);

}  // namespace zeph
