#pragma once
// The extra lines of two kinds of symbol: a voice sentence's component list with the
// items of each component, and a resource permission's two numbers.

#include <memory>

namespace zeph {

struct EdContext;
struct Symbol;
class SymbolData;

// Writes the component list (nothing for an empty one). 0 or 9754.
int WriteSentence(Symbol& sentence);
// Reads a component list; references are resolved once every symbol is filed.
int ReadSentence(EdContext& ctx, const char* name, std::unique_ptr<SymbolData>& out);

int WriteResPerm(const Symbol& permission);
int ReadResPerm(EdContext& ctx, std::unique_ptr<SymbolData>& out);

// Whether the symbol has a non-empty component list.
bool HasSentenceComponents(const Symbol& sentence);

}  // namespace zeph
