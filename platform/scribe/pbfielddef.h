#pragma once
// The field-definition entry of a VavurOrezo field table and the rule lists that the
// rule-driven forms attach to an entry. A field table is an array of PBFieldDef ended by
// an entry whose Name is empty.
//
// The members keep the names, order and numbers of the stored entry (the {VerifyTables}
// keys); pointers are plain members here. A stored entry is 102 bytes.

#include <cstdint>

namespace scribe {

inline constexpr int kFieldNameSize = 32;        // stored width; a name may fill it
inline constexpr int kPBFieldDefStoredSize = 102;
inline constexpr int kValueSlotSize = 18;         // one value slot of a parameter area
inline constexpr int kGotoLabelBufferSize = 140;  // label buffers that forms allocate

// UIElement values.
enum FieldUIElement : std::uint8_t {
  kUICheckBox = 1,
  kUIRadioGroup = 2,
  kUIEdit = 3,
  kUISkipped = 4,
  kUIChoice = 5,  // list or combo box: a short text chosen from a choice list
};

// FieldRepresentation values of edits.
enum FieldRepresentationKind : std::uint8_t {
  kReprConstant = 1,
  kReprVariable = 2,
  kReprEither = 3,
};

// GotoNotOnIcon bits.
enum GotoIconBits : std::uint8_t {
  kGotoHidden = 1,      // not drawn on the icon
  kGotoMarked = 2,
  kGotoFailedGroup = 4, // with kGotoGrouped: member of the failed group
  kGotoGrouped = 8,     // listed under a group heading
  kGotoPlain = 16,      // the fixed goto of the goto-only table
};

struct GrayAction;

// One rule of an entry's rule list; a Kind of -1 ends the list.
struct GrayRule {
  std::int16_t Kind = -1;           // low byte: 1 as written, 0 negated, 2 special; high byte: type
  const char* Value = nullptr;
  const GrayAction* Actions = nullptr;
};

// One action of a rule; a Target of -1 ends the list.
struct GrayAction {
  std::int16_t Target = -1;
  std::int16_t TargetKind = 0;      // 1 check box, 2 radio group, 3 edit, 5 combo
  std::int16_t ControlState = -1;   // 0 enable, 1 disable, 2 hide, 3 show, other unchanged
  std::int16_t SecondState = -1;
  std::int16_t LabelState = -1;
  const char* ValueText = "^";      // "^" leaves the value
  const char* CaptionText = "^";
  std::int16_t BlankFlag = -1;      // 0 required, 1 may be blank, other unchanged
  std::uint16_t ChangeMask = 0;
  std::uint32_t Allowed1 = 0;
  std::uint32_t Allowed2 = 0;
  std::int16_t AddStructs = 0;
  std::int16_t StructNum = 0;
  std::int16_t WholeArray = 0;
  std::int16_t MinNumber = 0;
  double MinValRange = 0;
  double MaxValRange = 0;
  std::int16_t StrSize = 0;
  std::int16_t ScalarType = 0;
  std::uint8_t SpecialRange = 0;
  std::uint8_t Spare1 = 0;
  std::uint8_t FieldRepresentation = 0;
  std::uint8_t Spare2 = 0;
  std::uint8_t GotoNotOnIcon = 0;
};

struct PBFieldDef {
  char Name[kFieldNameSize + 1] = {};  // up to 32 characters and a zero
  std::uint8_t UIElement = 0;
  std::uint8_t FieldRepresentation = 0;
  std::int16_t ScalarType = 0;
  void* ControlPtr = nullptr;         // the form control while a form is open
  std::int8_t NumRadioInArray = 0;    // radio count (negated: numbered from 1), choice list id,
                                      // 1 on a voice-sentence edit
  std::int8_t RadioCheckBase = 0;     // value of a ticked box, base of a radio group
  std::int16_t FieldOffset = 0;       // offset of the value in the parameter area
  std::uint32_t Allowed1 = 0;         // accepted variable types 0-31
  std::uint32_t Allowed2 = 0;         // accepted variable types 32-63
  std::int16_t AddStructs = 0;
  std::int16_t StructNum = 0;
  std::int16_t WholeArray = 0;
  std::int16_t MinNumber = 0;
  std::int16_t StrSize = 0;
  double MinValRange = 0;
  double MaxValRange = 0;
  std::uint8_t NeedItBeInRange = 0;
  std::uint8_t SpecialRange = 0;
  std::uint8_t CanFieldBeBlank = 0;
  std::uint8_t CanFieldBeWrong = 0;
  std::uint8_t SkipMe = 0;
  const char* GotoStrs = nullptr;     // non-null: a goto field with this exit label
  std::uint8_t GotoNotOnIcon = 0;
  const GrayRule* GrayTab = nullptr;
  std::int16_t ControlIndex = 0;
  const char* InitValue = nullptr;    // default text of a new VavurOrezo's field
  const char* RadioNames = nullptr;   // button names separated by "|"

  bool IsEnd() const { return Name[0] == '\0'; }
  bool IsGoto() const { return GotoStrs != nullptr; }
  // Fields whose value is an 18-byte value slot (edits and choices); check boxes and
  // radio groups keep a 16-bit value at their offset.
  bool UsesValueSlot() const { return UIElement == kUIEdit || UIElement == kUIChoice; }
};

// Number of entries before the end entry; 0 for a null table.
inline int CountFieldEntries(const PBFieldDef* table) {
  int n = 0;
  if (table != nullptr) {
    while (!table[n].IsEnd()) ++n;
  }
  return n;
}

}  // namespace scribe
