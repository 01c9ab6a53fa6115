#pragma once
// Name checks of symbols, structures and members, and the reserved words. Each returns 0
// when the name is accepted, else a model message code.

#include <cstddef>

namespace zeph {

class SymbolTable;
struct StructDef;

inline constexpr int kSymbolNameLimit = 30;   // the limit used for renaming and new variables
inline constexpr int kLibrarySymbolNameLimit = 86;  // names of imported library symbols

int CheckSymbolName(const char* name, int limit, char extra, SymbolTable* program = nullptr);
// CheckSymbolName, and -168 when a symbol of any type already has the name.
int CheckNewSymbolName(const char* name, int limit, char extra, SymbolTable* program = nullptr);
int CheckMemberName(const char* name, const StructDef* def);
int CheckStructureName(const char* name, SymbolTable* program = nullptr);
// A word of the catalogue's reserved-word table, or a name beginning with "__".
bool IsReservedWord(const char* name);
// Hands over the catalogue's reserved-word table, sorted with CompareNames (the library
// entry does this after sorting it). The table must outlive its use; null clears it.
void SetReservedWordTable(const char* const* sortedWords, std::size_t count);
// -1 when the name, after any page prefix, is one of the reserved exit names; else 0.
int IsReservedExitName(const char* name);

}  // namespace zeph
