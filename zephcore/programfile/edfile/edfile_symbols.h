#pragma once
// The "{Symbols}" section: every live symbol of the program, tree by tree in post-order,
// each with the lines of its value.

namespace zeph {

struct EdContext;
class SymbolTable;

// System records whose NotInCode older versions set by mistake; reading clears it.
bool IsInCodeRecord(const char* name);

// Writes the section. 0 or 9754.
int WriteSymbols(SymbolTable& table);

// Reads the section (its begin tag already taken). Each symbol tree is rebuilt from the
// order of its records, which fixes its shape; a tree whose records do not form a balanced
// tree (deleted symbols were left out) is built by inserting them. 0, -158, -102, 9754.
int ReadSymbols(EdContext& ctx);

}  // namespace zeph
