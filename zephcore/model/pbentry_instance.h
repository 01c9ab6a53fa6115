#pragma once
// The parts of a VavurOrezo instance that the catalogue's entry services use: its type, the
// name of what it calls, its parameter area, its private field table and its goto and
// completeness flags. The instance is the data of its VavurOrezo symbol (type code 34);
// the application object's instance record builds on this one.

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/pbfielddef.h"
#include "model/pbtype.h"
#include "model/symbol.h"
#include "model/varref.h"

namespace zeph {

// The 1020-byte parameter area. Check boxes and radio groups keep 16-bit values in its
// bytes; edits and choices keep an 18-byte value slot (a reference, a constant or a text)
// at their offset, held here beside the bytes.
class PBParameterArea {
 public:
  std::int16_t Word(int offset) const;
  void SetWord(int offset, std::int16_t value);
  std::int32_t Long(int offset) const;
  void SetLong(int offset, std::int32_t value);
  unsigned char* Bytes() { return bytes_.data(); }
  const unsigned char* Bytes() const { return bytes_.data(); }

  // The slot at an offset, or null while nothing was stored there.
  SymP* FindSlot(int offset);
  const SymP* FindSlot(int offset) const;
  // The slot at an offset, made empty when there was none; null for an offset outside the
  // area.
  SymP* Slot(int offset);
  // Zeroes the slot (its constant and index go with it; reference counts are the
  // caller's).
  void ClearSlot(int offset);
  // No reference, no constant, no text.
  bool IsSlotEmpty(int offset) const;
  // Every slot in use, by offset.
  std::map<int, SymP>& Slots() { return slots_; }

 private:
  std::array<unsigned char, kParameterAreaSize> bytes_{};
  std::map<int, SymP> slots_;
};

// A private copy of a field table that one VavurOrezo may change (blank flags, labels,
// accepted types). It owns the goto labels it was given.
class PBOwnFieldTable {
 public:
  explicit PBOwnFieldTable(const PBFieldDef* source);
  PBFieldDef* Entries() { return entries_.data(); }
  const PBFieldDef* Entries() const { return entries_.data(); }
  int Count() const { return static_cast<int>(entries_.size()) - 1; }
  // Gives entry i a label of its own with the text.
  void SetLabel(int i, const char* text);

 private:
  std::vector<PBFieldDef> entries_;
  std::deque<std::string> labels_;
};

struct PBInstance : SymbolData {
  std::string Name;                 // the stored (page-qualified) name
  std::int16_t Type = 0;            // a catalogue type, -100 Custom, -101 SuperBlock call
  std::string Companion;            // Custom VavurOrezo or SuperBlock page called
  PBParameterArea Area;
  std::unique_ptr<PBOwnFieldTable> OwnTable;  // null: the type's table
  std::uint16_t GotoMask = 0;       // bit n: goto n is connected
  std::int16_t Complete = 0;        // every required field was given at the last OK
  std::int16_t Filled = 0;          // nothing was left unfinished at the last OK
  std::int16_t X = 0;               // position on its page
  std::int16_t Y = 0;

  // The private table, made from the table that governs the instance on first need.
  PBOwnFieldTable& MakeOwnTable();
};

// The instance held by a VavurOrezo symbol, or null.
PBInstance* InstanceOf(Symbol* symbol);

}  // namespace zeph
