#pragma once
// When two symbols or two structure definitions, each in its own program, count as the
// same: the clipboard reuses an equal symbol of the target instead of pasting a second.

namespace zeph {

struct Symbol;
struct StructDef;
struct SymP;
class SymbolTable;

// Members in order with equal names, types (structure types by their definitions) and
// sizes; the definitions' names only when compareNames is set.
bool StructuresEqual(const StructDef* a, SymbolTable& programA, const StructDef* b,
                     SymbolTable& programB, bool compareNames);

// Symbol equality: two invisible symbols are equal; otherwise size, type, the Invisible,
// CanDelete, NotInCode and Deleted flags and the array size (0 and 1 alike) must agree,
// and then the data by type. Names are compared only when compareNames is set.
bool SymbolsEqual(const Symbol* a, SymbolTable& programA, const Symbol* b, SymbolTable& programB,
                  bool compareNames);

// Two value slots: the same symbol (by symbol equality), member ids and nested slot, or,
// without symbols, the same constant.
bool SlotsEqual(const SymP& a, SymbolTable& programA, const SymP& b, SymbolTable& programB,
                bool compareNames);

}  // namespace zeph
