#pragma once
// Variable references: the parsed form of a text that names a variable, one or two
// structure members and an array index (a constant or itself a reference).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/datatypes.h"

namespace zeph {

struct Symbol;
class SymbolTable;

inline constexpr int kSymPSize = 18;               // stored size of a reference
inline constexpr int kReferenceTextMax = 140;      // longer reference texts are cut
inline constexpr int kReferenceNameMax = 86;       // longest name or member in a reference
inline constexpr int kSplitReferenceTextMax = 139;

struct SymP {
  Symbol* S = nullptr;               // the referenced symbol; null = none
  std::int16_t StructMemNum = 0;     // first member level (ElemNum), 0 = none
  // Owned constant block or pending goto target text. Written only through the members
  // below, so ReferenceConstantStamp sees every change.
  std::vector<char> ConstPtr;
  std::int16_t ConstType = 0;        // type code of the constant in ConstPtr
  std::unique_ptr<SymP> ArrayIndex;  // owned index node, null = no index
  std::int16_t Struct2MemNum = 0;    // second member level, 0 = none

  SymP() = default;
  // Copies are deep: the index node and the constant block are duplicated. Reference
  // counts are not touched; a holder counts its copy with UpdateReferenceCount.
  SymP(const SymP& other);
  SymP& operator=(const SymP& other);
  SymP(SymP&& other) noexcept;
  SymP& operator=(SymP&& other) noexcept;
  ~SymP();

  void Clear();
  bool HasConst() const { return !ConstPtr.empty(); }
  // The constant block read as a zero-terminated text ("" when there is none).
  const char* ConstText() const { return ConstPtr.empty() ? "" : ConstPtr.data(); }
  void SetConstText(const char* text);
  void SetConstBytes(const void* bytes, std::size_t size);
  // A zeroed constant block of `size` bytes, for the caller to fill.
  char* SetConstZeroed(std::size_t size);
};

// Changes whenever a reference's constant block is set, copied, moved or dropped anywhere:
// a cache of pending goto texts stays exact while the stamp stays the same.
std::uint64_t ReferenceConstantStamp();

// Parses a reference text. The symbol is looked up with the mask; `outType` (may be null)
// receives the data type of what the text names, -1 when nothing was found. The reference
// is cleared first and its S stays null when the text names no valid reference. The text
// is read, never changed.
void ParseVariableReference(const char* text, SymP& ref, const TypeMask& mask, int* outType,
                            SymbolTable* program = nullptr);
// The text of a reference; empty when it has no symbol. A symbol with an empty name
// makes the text empty and drops the symbol from the reference.
std::string FormatVariableReference(SymP& ref, SymbolTable* program = nullptr);
// Data type code of what the reference names and its byte size (1 for a constant); -1
// when a member is missing.
int GetReferenceType(const SymP& ref, int* outSize, SymbolTable* program = nullptr);
// Adds (add 1) or releases (add 0) one counted reference; -1 when a member is missing.
int UpdateReferenceCount(const SymP& ref, int add, SymbolTable* program = nullptr);
// Splits a dotted text (its first 139 characters) into at most three parts; returns how
// many were found.
int SplitReference(const char* text, std::string& part1, std::string& part2, std::string& part3);

}  // namespace zeph
