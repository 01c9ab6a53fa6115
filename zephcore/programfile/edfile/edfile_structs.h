#pragma once
// The "{Structures}" section: the program's user structures with their members.

namespace zeph {

struct EdContext;
class SymbolTable;

// Writes the section when the program has user structures. 0 or 9754.
int WriteStructures(SymbolTable& table);

// Reads the section (its begin tag already taken); the structures join the program's list
// in their written order, before the predefined ones. 0, -158, -102 or 9754.
int ReadStructures(EdContext& ctx);

}  // namespace zeph
