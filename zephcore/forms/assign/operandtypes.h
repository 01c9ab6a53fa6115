#pragma once
// Type coupling of the assignment, compare, add and subtract forms: from the types that
// the operands' texts name, which types the other operands may hold. The rules write
// the masks of the form's own table copy; a field restored gets back the restrictions
// its entry had when the form was made.

#include <array>
#include <cstdint>
#include <string>

#include "model/pbfielddef.h"

namespace zeph {

class SymbolTable;

inline constexpr int kUnknownType = -1;

// The data type a field's text names: a symbol of any type or structure by its whole
// name, else a reference's symbol, member or second member type; kUnknownType otherwise.
int ResolveFieldType(const std::string& text, SymbolTable* program = nullptr);

// The 16-byte restriction block of an entry.
struct Restriction {
  std::uint32_t Allowed1 = 0;
  std::uint32_t Allowed2 = 0;
  std::int16_t AddStructs = 0;
  std::int16_t StructNum = 0;
  std::int16_t WholeArray = 0;
  std::int16_t MinNumber = 0;
};

class OperandMasks {
 public:
  // Saves the restrictions of the first `fields` entries (at most 3).
  OperandMasks(PBFieldDef* table, int fields);
  void Restore(int field);
  // The field admits exactly these types (both words written).
  void Admit(int field, std::uint32_t allowed1, std::uint32_t allowed2 = 0);
  void AdmitSameType(int field, int type);
  const PBFieldDef& Entry(int field) const { return table_[field]; }

 private:
  PBFieldDef* table_;
  int fields_;
  std::array<Restriction, 3> saved_{};
};

// Named type sets.
namespace typeset {
inline constexpr std::uint32_t kNumbers = 0x3E;
inline constexpr std::uint32_t kNumbersDateNumber = 0x8003E;
inline constexpr std::uint32_t kNumbersDateString = 0x10003E;
inline constexpr std::uint32_t kNumbersDates = 0x18003E;
inline constexpr std::uint32_t kScalars1 = 0x8007E;
inline constexpr std::uint32_t kScalars2 = 0x200000;
inline constexpr std::uint32_t kText = 0x10007E;
inline constexpr std::uint32_t kDateText = 0x180040;
inline constexpr std::uint32_t kStringOrDateString = 0x100040;
inline constexpr std::uint32_t kDateNumber = 0x80000;
inline constexpr std::uint32_t kDateString = 0x100000;
inline constexpr std::uint32_t kSmallOrBoolean1 = 0x4;
inline constexpr std::uint32_t kSmallOrBoolean2 = 0x200000;
}  // namespace typeset

// Assignment: the source's types from the target type t (returns whether the target is a
// Boolean, known or not), and the target's types from the source type s.
bool AssignUpdateSource(OperandMasks& masks, int t);
void AssignUpdateTarget(OperandMasks& masks, int s);
// Compare: field 1 from field 0's type, field 0 from field 1's type.
void CompareUpdateSecond(OperandMasks& masks, int t);
void CompareUpdateFirst(OperandMasks& masks, int s);
// Add and subtract over the types of first operand a, second b and result r.
void AddUpdateOperands(OperandMasks& masks, int a, int b, int r);
void SubtractUpdateOperands(OperandMasks& masks, int a, int b, int r);

// The scalar types that add and subtract give their fields before checking (0 = none):
// a date-string result or operand spreads as the form's arithmetic needs.
void AddStoreTypes(int& a, int& b, int& r);
void SubtractStoreTypes(int& a, int& b, int& r);
// The type that an operand's text gives before storing: a reference's type, 20 for a
// quoted 14-digit date-time, else 0.
int OperandStoreType(const std::string& text, const PBFieldDef& entry, SymbolTable* program = nullptr);

}  // namespace zeph
