#pragma once
// The script text of a VavurOrezo's field values, the operand types the emitters choose
// their statements by, and the adjusted copy of the field table the code is written from.

#include <cstdint>
#include <string>
#include <vector>

#include "model/pbentry_instance.h"
#include "model/pbfielddef.h"

namespace zeph {

class SymbolTable;

// The block being written with its adjusted field table.
class BlockFields {
 public:
  // Copies the table that governs the block and adjusts it for the block's type. The
  // table is empty when the block has none.
  BlockFields(const PBInstance& block, SymbolTable& program);

  const PBInstance& Block() const { return block_; }
  SymbolTable& Program() const { return program_; }
  bool HasTable() const { return hasTable_; }
  int Count() const { return static_cast<int>(entries_.size()); }
  // Entry i; an empty end entry for an index outside the table.
  const PBFieldDef& Entry(int i) const;

  // The value slot of a field (null when nothing was stored there).
  const SymP* Slot(int i) const;
  // The 16-bit value at a field's offset (check boxes and radio groups).
  std::int16_t Word(int i) const;
  // A text field holds a constant or a reference; a check box or radio group is non-zero.
  bool HasValue(int i) const;
  bool HasConstant(int i) const;
  bool HasReference(int i) const;

  // The field's script text (`CodeFieldValueText`): a constant by the entry's type, a
  // reference's text, else "!VALUE!" ("NotDefined" for an optional field of a Split Date).
  std::string Text(int i, bool quoteNumbers = false) const;
  // The text of a field's constant written as the given type (without quotes for a text
  // when `quoteText` is false).
  std::string ConstantText(int i, int type, bool quoteNumbers, bool quoteText) const;
  // The reference text of a field ("" without reference).
  std::string ReferenceText(int i) const;
  // The data type of what the field names (`CodeOperandType`); a structure member that is
  // not found is reported and counts as a text.
  int OperandType(int i) const;

  // The name of the block as the generator writes it.
  const std::string& Name() const { return block_.Name; }

 private:
  void Adjust();

  const PBInstance& block_;
  SymbolTable& program_;
  std::vector<PBFieldDef> entries_;
  bool hasTable_ = false;
};

// A text without its enclosing double quotes (unchanged when it has none).
std::string Unquoted(const std::string& text);

}  // namespace zeph
