#pragma once
// The value of a symbol in the "{Symbols}" section: the lines after its record that carry
// its data (types other than VavurOrezos, voice sentences and resource permissions).

#include <memory>

namespace zeph {

struct EdContext;
struct Symbol;
struct SymbolBody;
class SymbolData;
class SymbolTable;

// Whether the symbol's data is written as value lines.
bool HasValueLines(const Symbol& symbol);

// Writes the value lines of the symbol. 0 or 9754.
int WriteSymbolValue(const Symbol& symbol, SymbolTable& table);

// Reads the value lines that follow a symbol record into out (left null when none follow).
// 0, -158, -102 or 9754.
int ReadSymbolValue(EdContext& ctx, const SymbolBody& body, std::unique_ptr<SymbolData>& out);

}  // namespace zeph
