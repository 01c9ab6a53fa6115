// Setting, reading and defaulting VavurOrezo parameters by field.
#include "model/pbaccess.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "foundation/kvassert.h"
#include "model/constvalue.h"
#include "model/datatypes.h"
#include "model/modelcodes.h"
#include "model/pbaccess_fields.h"
#include "model/pbentry.h"
#include "model/pbfield_lookup.h"
#include "model/symtable.h"

namespace zeph {
namespace {

bool WordFits(int offset) { return offset >= 0 && offset + 2 <= kParameterAreaSize; }

// A text read as a decimal number; a leading apostrophe is skipped. A number beyond 32 bits
// stays beyond every radio group's buttons (and a box's ticked state) instead of wrapping.
std::int32_t NumberOfText(const char* text) {
  if (text == nullptr) return 0;
  if (text[0] == '\'') ++text;
  const long long number = std::strtoll(text, nullptr, 10);
  return static_cast<std::int32_t>(std::clamp<long long>(number, INT32_MIN, INT32_MAX));
}


// The text of a constant block of a type; empty when the block is too short for it.
std::string FormatConstant(const SymP& slot, int type) {
  const std::vector<char>& block = slot.ConstPtr;
  if (block.empty()) return std::string();
  if (IsTextConstantType(type) || type == kTypeDateString) {
    if (std::find(block.begin(), block.end(), '\0') == block.end()) return std::string();
  } else if (static_cast<int>(block.size()) < GetBuiltinTypeSize(type)) {
    return std::string();
  }
  std::string text;
  if (FormatConstantValue(text, block.data(), type) != 0) return std::string();
  return text;
}

void ReleaseReference(SymP& slot, SymbolTable* program) {
  if (slot.S != nullptr && !slot.HasConst()) UpdateReferenceCount(slot, 0, program);
}

}  // namespace

PBFieldAccessor::PBFieldAccessor(PBInstance* instance, int notify, const PBFieldDef* fields,
                                 int refresh, SymbolTable* program)
    : instance_(instance),
      fields_(fields),
      notify_(notify),
      refresh_(refresh),
      program_(program) {
  if (fields_ == nullptr && instance_ != nullptr) fields_ = GetFieldTable(instance_->Type, instance_);
}

PBFieldAccessor::PBFieldAccessor(Symbol* symbol, int notify, const PBFieldDef* fields,
                                 int refresh, SymbolTable* program)
    : PBFieldAccessor(InstanceOf(symbol), notify, fields, refresh, program) {}

int PBFieldAccessor::Count() const { return CountFields(fields_); }

int PBFieldAccessor::FindField(const char* name) const {
  if (name == nullptr || fields_ == nullptr) return -1;
  for (int i = 0; !fields_[i].IsEnd(); ++i) {
    if (std::strcmp(fields_[i].Name, name) == 0) return i;
  }
  return -1;
}

const PBFieldDef* PBFieldAccessor::Field(int index) const {
  if (index < 0 || fields_ == nullptr || index >= Count()) return nullptr;
  return &fields_[index];
}

SymP* PBFieldAccessor::ValueSlot(const PBFieldDef& field) {
  return instance_ != nullptr ? instance_->Area.Slot(field.FieldOffset) : nullptr;
}

std::int32_t PBFieldAccessor::StoredNumber(const PBFieldDef& field) const {
  if (instance_ == nullptr || !KV_ASSERT(WordFits(field.FieldOffset))) return 0;
  return instance_->Area.Word(field.FieldOffset);
}

std::int32_t PBFieldAccessor::EntryNumber(const PBFieldDef& field) const {
  const std::int32_t stored = StoredNumber(field);
  if (field.UIElement != scribe::kUIRadioGroup) return stored;
  // The inverse of SetNumber for both kinds of radio group.
  return IsRadioNumberedFromOne(field) ? stored + 1 : stored + 1 + field.RadioCheckBase;
}

int PBFieldAccessor::SetNumber(const PBFieldDef& field, std::int32_t number) {
  if (!KV_ASSERT(WordFits(field.FieldOffset))) return 0;
  std::int64_t stored = 0;   // wide, so that no given number overflows on the way
  if (field.UIElement == scribe::kUICheckBox) {
    stored = number != 0 ? field.RadioCheckBase : 0;
  } else {
    stored = static_cast<std::int64_t>(number) - 1;
    if (!IsRadioNumberedFromOne(field)) stored -= field.RadioCheckBase;
    // A number names one of the group's buttons; anything else is out of the field's range.
    const int buttons = RadioButtonCount(field);
    const bool inGroup = buttons > 0 ? stored >= 0 && stored < buttons
                                     : stored >= INT16_MIN && stored <= INT16_MAX;
    if (!inGroup) {
      lastError_ = kErrValueOutOfRange;
      return 0;
    }
  }
  instance_->Area.SetWord(field.FieldOffset, static_cast<std::int16_t>(stored));
  return 1;
}

int PBFieldAccessor::SetReference(const PBFieldDef& field, const char* text) {
  SymP* slot = ValueSlot(field);
  if (slot == nullptr) return 0;
  ReleaseReference(*slot, program_);
  SymP parsed;
  int type = -1;
  ParseVariableReference(text, parsed, FieldTypeMask(field), &type, program_);
  if (parsed.S != nullptr) {
    *slot = std::move(parsed);
    UpdateReferenceCount(*slot, 1, program_);
  } else {
    // An unresolved name is kept as text (a goto to a VavurOrezo still to be made).
    slot->Clear();
    if (text[0] != '\0') slot->SetConstText(text);
  }
  return 1;
}

int PBFieldAccessor::SetConstant(const PBFieldDef& field, const char* text) {
  SymP* slot = ValueSlot(field);
  if (slot == nullptr) return 0;
  ReleaseReference(*slot, program_);
  slot->Clear();
  // An empty text leaves the field without a value.
  if (text[0] == '\0') return 1;
  const int size = ConstantSize(field);
  std::vector<char> value(static_cast<std::size_t>(size), 0);
  std::string source(text);
  if (IsTextConstantType(field.ScalarType)) {
    // A string longer than the field keeps the part that fits.
    const std::size_t skip = source[0] == '\'' ? 1 : 0;
    const std::size_t room = static_cast<std::size_t>(size - 1);
    if (source.size() - skip > room) source.resize(skip + room);
  }
  ParseConstantValue(source.c_str(), value.data(), field.ScalarType, size, 1);
  slot->SetConstBytes(value.data(), value.size());
  slot->ConstType = field.ScalarType;
  return 1;
}

void PBFieldAccessor::SetShortText(const PBFieldDef& field, const char* text) {
  SymP* slot = ValueSlot(field);
  if (slot == nullptr) return;
  ReleaseReference(*slot, program_);
  slot->Clear();
  char buffer[kShortTextSize] = {};
  std::strncpy(buffer, text, kShortTextSize - 1);
  slot->SetConstBytes(buffer, sizeof buffer);
}

int PBFieldAccessor::SetText(const PBFieldDef& field, const char* text) {
  if (field.UIElement == scribe::kUIChoice) {
    SetShortText(field, text);
    return 1;
  }
  const int repr = field.FieldRepresentation;
  if (repr == scribe::kReprVariable || (repr == scribe::kReprEither && !IsQuotedText(text))) {
    return SetReference(field, text);
  }
  if (repr == scribe::kReprConstant || repr == scribe::kReprEither) return SetConstant(field, text);
  return 0;
}

int PBFieldAccessor::SetEntry(int index, const void* value) {
  const PBFieldDef* field = Field(index);
  if (field == nullptr || value == nullptr || instance_ == nullptr) return 0;
  lastError_ = 0;
  try {
    switch (field->UIElement) {
      case scribe::kUICheckBox:
      case scribe::kUIRadioGroup:
        if (!SetNumber(*field, *static_cast<const std::int32_t*>(value))) return 0;
        break;
      case scribe::kUIEdit:
      case scribe::kUIChoice:
        if (!SetText(*field, static_cast<const char*>(value))) return 0;
        break;
      default:
        return 0;
    }
  } catch (const std::bad_alloc&) {
    lastError_ = kErrOutOfMemory;
    return 0;
  }
  AfterSet(index);
  return 1;
}

int PBFieldAccessor::SetEntryText(int index, const char* text) {
  const PBFieldDef* field = Field(index);
  if (field == nullptr || text == nullptr) return 0;
  if (field->UIElement == scribe::kUICheckBox || field->UIElement == scribe::kUIRadioGroup) {
    const std::int32_t number = NumberOfText(text);
    return SetEntry(index, &number);
  }
  return SetEntry(index, text);
}

void PBFieldAccessor::AfterSet(int index) {
  if (fields_[index].GrayTab != nullptr) ExecuteFieldChangeTable(index);
  if (refresh_) Refresh();
}

void PBFieldAccessor::Refresh() {
  if (instance_ == nullptr) return;
  PBEntryNop(instance_);
  PBEntryIsUnfinished(*instance_);
}

std::string PBFieldAccessor::TextOf(const PBFieldDef& field) {
  SymP* slot = ValueSlot(field);
  if (slot == nullptr) return std::string();
  if (field.UIElement == scribe::kUIChoice) return slot->HasConst() ? slot->ConstText() : "";
  switch (field.FieldRepresentation) {
    case scribe::kReprConstant:
      return FormatConstant(*slot, slot->ConstType != 0 ? slot->ConstType : field.ScalarType);
    case scribe::kReprVariable:
      if (slot->HasConst()) return slot->ConstText();
      return slot->S != nullptr ? FormatVariableReference(*slot, program_) : std::string();
    case scribe::kReprEither:
      if (slot->S != nullptr) return FormatVariableReference(*slot, program_);
      if (!slot->HasConst()) return std::string();
      // A name that named no variable reads back as that name.
      if (slot->ConstType == 0) return slot->ConstText();
      return FormatConstant(*slot, slot->ConstType);
    default:
      return std::string();
  }
}

const void* PBFieldAccessor::GetEntry(int index, void* out) {
  const PBFieldDef* field = Field(index);
  if (field == nullptr || instance_ == nullptr) return nullptr;
  switch (field->UIElement) {
    case scribe::kUICheckBox:
    case scribe::kUIRadioGroup: {
      if (out != nullptr) *static_cast<std::int32_t*>(out) = EntryNumber(*field);
      return WordFits(field->FieldOffset) ? instance_->Area.Bytes() + field->FieldOffset : nullptr;
    }
    case scribe::kUIEdit:
    case scribe::kUIChoice: {
      std::string text = TextOf(*field);
      if (out != nullptr) *static_cast<std::string*>(out) = std::move(text);
      return ValueSlot(*field);
    }
    default:
      return nullptr;
  }
}

const void* PBFieldAccessor::GetEntryText(int index, std::string& text) {
  const PBFieldDef* field = Field(index);
  if (field == nullptr) return nullptr;
  if (field->UIElement == scribe::kUICheckBox || field->UIElement == scribe::kUIRadioGroup) {
    std::int32_t number = 0;
    const void* where = GetEntry(index, &number);
    if (where != nullptr) text = std::to_string(number);
    return where;
  }
  return GetEntry(index, &text);
}

int PBFieldAccessor::LoadDefaultEntries() {
  if (instance_ == nullptr || fields_ == nullptr) return 1;
  try {
    for (int i = 0; i < Count(); ++i) {
      const PBFieldDef& field = fields_[i];
      if (field.InitValue == nullptr) continue;
      const std::int32_t number = NumberOfText(field.InitValue);
      switch (field.UIElement) {
        case scribe::kUICheckBox:
          if (!KV_ASSERT(WordFits(field.FieldOffset))) break;
          instance_->Area.SetWord(field.FieldOffset,
                                  static_cast<std::int16_t>(number != 0 ? field.RadioCheckBase : 0));
          break;
        case scribe::kUIRadioGroup:
          if (!KV_ASSERT(WordFits(field.FieldOffset))) break;
          instance_->Area.SetWord(field.FieldOffset,
                                  static_cast<std::int16_t>(IsRadioNumberedFromOne(field)
                                                                ? number - field.RadioCheckBase
                                                                : number));
          break;
        case scribe::kUIEdit:
          SetText(field, field.InitValue);
          break;
        case scribe::kUIChoice:
          if (field.InitValue[0] == '\0') {
            instance_->Area.ClearSlot(field.FieldOffset);
          } else {
            SetShortText(field, field.InitValue);
          }
          break;
        default:
          break;
      }
    }
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return 1;
}

int ConstantSize(const PBFieldDef& field) {
  if (IsTextConstantType(field.ScalarType)) {
    return field.StrSize > 0 ? field.StrSize : kDefaultStringSize;
  }
  return std::max(GetBuiltinTypeSize(field.ScalarType), 1);
}

}  // namespace zeph
