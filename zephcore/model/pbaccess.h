#pragma once
// Access to a VavurOrezo's parameters field by field: setting, reading, verifying and
// defaulting values, and running the change tables that fields carry.
//
// Values by the field's UIElement:
//   1 check box, 2 radio group: a 32-bit number (the value pointer of SetEntry points at a
//     std::int32_t; GetEntry writes one);
//   3 edit field, 5 short text: a text (SetEntry takes the characters, GetEntry writes a
//     std::string).
// The accessor is made on the stack for one operation and owns nothing.

#include <cstdint>
#include <string>

#include "foundation/kvwintypes.h"
#include "model/pbentry_instance.h"
#include "model/pbfielddef.h"

namespace zeph {

class SymbolTable;

inline constexpr int kShortTextSize = 48;        // buffer of a short-text field
inline constexpr int kNewNameLimit = 30;         // names checked as new VavurOrezo names
inline constexpr int kDefaultStringSize = 256;   // string constants of fields without StrSize

// Byte size of a constant of the field: the string size for text types, else the type's.
int ConstantSize(const PBFieldDef& field);

// Change-mask bits of a change-table action.
enum PBChangeMaskBits : std::uint16_t {
  kChangeAllowedTypes = 1,
  kChangeRange = 2,
  kChangeStrSize = 4,
  kChangeScalarType = 8,
  kChangeSpecialRange = 16,
  kChangeGotoIcon = 32,
  kChangeRepresentation = 64,
  kChangeGotoLabel = 128,
  kChangeRetype = 256,
};

// Match kinds of a change-table case.
enum PBCaseMatch : int {
  kCaseDiffers = 0,
  kCaseEquals = 1,
  kCaseOtherwise = 2,
};

class PBFieldAccessor {
 public:
  // fields null: the table that governs the instance (GetFieldTable).
  PBFieldAccessor(PBInstance* instance, int notify, const PBFieldDef* fields, int refresh,
                  SymbolTable* program = nullptr);
  // Over the instance a symbol holds; no instance when the symbol is not a VavurOrezo.
  PBFieldAccessor(Symbol* symbol, int notify, const PBFieldDef* fields, int refresh,
                  SymbolTable* program = nullptr);

  PBInstance* Instance() const { return instance_; }
  const PBFieldDef* Fields() const { return fields_; }
  // Entries before the end entry.
  int Count() const;
  // 1 once a change table altered a field's goto drawing flag or goto label.
  int Changed() const { return changed_; }
  // The model code of the last refused SetEntry (kErrValueOutOfRange, kErrOutOfMemory), else 0.
  int LastError() const { return lastError_; }

  // Index of the first entry named exactly so, or -1.
  int FindField(const char* name) const;

  // 1 set; 0 for a bad index, a null value, a number outside a radio group or a failed
  // allocation (LastError then names the reason).
  int SetEntry(int index, const void* value);
  int SetEntry(const char* name, const void* value) { return SetEntry(FindField(name), value); }
  // As SetEntry; check boxes and radio groups read the text as a decimal number.
  int SetEntryText(int index, const char* text);
  int SetEntryText(const char* name, const char* text) { return SetEntryText(FindField(name), text); }

  // Writes the field's value to out (may be null) and returns the address of its value
  // (the 16-bit word of a check box or radio group, the value slot of a text field); null
  // for a bad index.
  const void* GetEntry(int index, void* out);
  const void* GetEntry(const char* name, void* out) { return GetEntry(FindField(name), out); }
  // As GetEntry, numbers written as decimal text.
  const void* GetEntryText(int index, std::string& text);
  const void* GetEntryText(const char* name, std::string& text) { return GetEntryText(FindField(name), text); }

  // 1 when the text is a valid value of the field; 0 otherwise, with a message box owned
  // by the window when one is given.
  int VerifyEntry(int index, const char* text, HWND window);
  int VerifyEntry(const char* name, const char* text, HWND window) {
    return VerifyEntry(FindField(name), text, window);
  }

  // Sets every field that has a default text from it; 0 when a value could not be stored.
  int LoadDefaultEntries();

  // Runs the field's change table; 0 when an action failed.
  int ExecuteFieldChangeTable(int index);
  int ExecuteFieldChangeTable(const char* name) { return ExecuteFieldChangeTable(FindField(name)); }
  // Runs every field's change table in table order; 0 at the first failure, else 1.
  int ExecuteChangeTables();

 private:
  const PBFieldDef* Field(int index) const;
  SymP* ValueSlot(const PBFieldDef& field);
  int SetNumber(const PBFieldDef& field, std::int32_t number);
  int SetText(const PBFieldDef& field, const char* text);
  int SetReference(const PBFieldDef& field, const char* text);
  int SetConstant(const PBFieldDef& field, const char* text);
  void SetShortText(const PBFieldDef& field, const char* text);
  std::int32_t StoredNumber(const PBFieldDef& field) const;
  // A check box's stored word, or a radio group's button number as callers give it.
  std::int32_t EntryNumber(const PBFieldDef& field) const;
  std::string TextOf(const PBFieldDef& field);
  void AfterSet(int index);
  void Refresh();

  bool RunCase(int index, const scribe::GrayRule& rule);
  int RunAction(int source, const scribe::GrayAction& action);
  PBFieldDef* OwnEntry(int index);
  void ApplyDefinitionChanges(int source, int target, const scribe::GrayAction& action);
  void SetGotoLabel(int target, const std::string& label);
  void RetypeFromVariable(int source, int target);
  void MarkChanged();

  PBInstance* instance_;
  const PBFieldDef* fields_;
  int notify_;
  int refresh_;
  int changed_ = 0;
  int lastError_ = 0;
  SymbolTable* program_;
  int depth_ = 0;   // nesting of change tables that set further fields
};

}  // namespace zeph
