// Load, check, validate and store of the property forms' fields.
#include "forms/engine/fieldengine.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "foundation/kvassert.h"
#include "foundation/kvmsgbox.h"
#include "forms/engine/fieldcontrol.h"
#include "forms/engine/formcodes.h"
#include "forms/engine/rangecheck.h"
#include "model/constvalue.h"
#include "model/datatypes.h"
#include "model/modelcodes.h"
#include "model/pbaccess.h"
#include "model/pbaccess_boxes.h"
#include "model/pbaccess_fields.h"
#include "model/pbaccess_msgtext.h"
#include "model/symnames.h"
#include "model/symtable.h"
#include "model/varref.h"

namespace zeph {
namespace {

bool IsSkipped(const PBFieldDef& e) { return e.SkipMe != 0 || e.UIElement == scribe::kUISkipped; }
bool IsEdit(const PBFieldDef& e) {
  return e.UIElement != scribe::kUICheckBox && e.UIElement != scribe::kUIRadioGroup &&
         e.UIElement != scribe::kUISkipped && e.UIElement != scribe::kUIChoice;
}


// A constant's text as the engine converts it: one "'" in front, never a second.
std::string Quoted(const std::string& text) {
  if (text.empty() || text[0] == '\'') return text;
  return "'" + text;
}

// The reference a text names under the entry's types (S null when none).
SymP Resolve(const PBFieldDef& e, const char* text, SymbolTable* program) {
  SymP ref;
  int type = -1;
  ParseVariableReference(text, ref, FieldTypeMask(e), &type, program);
  return ref;
}

// An either field's text that names a variable of its types is a reference.
bool EitherNamesVariable(const PBFieldDef& e, const std::string& text, SymbolTable* program) {
  if (text.empty() || IsQuotedText(text.c_str())) return false;
  return Resolve(e, text.c_str(), program).S != nullptr;
}

// The field's text as the engine treats it: constants quoted, references as typed.
struct FieldText {
  std::string text;
  bool constant = false;
};

FieldText ReadEditText(const PBFieldDef& e, FieldControl& control, SymbolTable* program) {
  FieldText out;
  out.text = control.Text(kFieldTextLimit);
  const int repr = e.FieldRepresentation;
  if (out.text.empty()) return out;
  if (repr == scribe::kReprConstant ||
      (repr == scribe::kReprEither && !EitherNamesVariable(e, out.text, program))) {
    out.text = Quoted(out.text);
    out.constant = true;
  }
  return out;
}

int CheckConstant(const PBFieldDef& e, const std::string& text) {
  const int rc = ParseConstantValue(text.c_str(), nullptr, e.ScalarType, ConstantSize(e), 0);
  if (rc != 0) return rc;
  return e.NeedItBeInRange ? CheckFieldRange(e, text.c_str()) : 0;
}

int CheckName(const PBFieldDef& e, const std::string& text, int* unfinished, SymbolTable* program) {
  SymP ref = Resolve(e, text.c_str(), program);
  if (ref.S != nullptr) {
    const bool wholeArray = ref.S->ArraySize >= 2 && ref.ArrayIndex == nullptr;
    return wholeArray && e.WholeArray <= 0 ? kErrInvalidArrayIndex : 0;
  }
  const int rc = CheckNewSymbolName(text.c_str(), kNewNameLimit, '_', program);
  if (rc != 0 && rc != kErrNameInUse) return rc;
  if (!e.CanFieldBeWrong) return kErrNoSuchVariable;
  *unfinished = 1;
  return kErrPBDoesNotExist;
}

int CheckEntry(const PBFieldDef& e, int* unfinished, int* complete, SymbolTable* program) {
  FieldControl* control = ControlOf(e);
  if (!KV_ASSERT(control != nullptr)) return 0;
  const FieldText field = ReadEditText(e, *control, program);
  const int repr = e.FieldRepresentation;
  if (field.text.empty()) {
    if (!e.CanFieldBeBlank) {
      *unfinished = 1;
      if (repr == scribe::kReprConstant || !e.CanFieldBeWrong) *complete = 0;
    }
    return 0;
  }
  if (repr == scribe::kReprVariable && IsQuotedText(field.text.c_str())) return kErrMustBeSymbol;
  if (field.constant) return CheckConstant(e, field.text);
  return CheckName(e, field.text, unfinished, program);
}

void ReleaseSlot(SymP& slot, SymbolTable* program) {
  if (slot.S != nullptr && !slot.HasConst()) UpdateReferenceCount(slot, 0, program);
}

// A constant into the record: inline in a plain block, else in the slot with its type.
bool StoreConstant(const PBFieldDef& e, FieldRecord& record, const std::string& text, SymbolTable* program) {
  const int size = ConstantSize(e);
  if (unsigned char* bytes = record.Inline(e.FieldOffset, size)) {
    if (text.empty()) {
      std::vector<unsigned char> empty(static_cast<std::size_t>(std::max(size, 8)), 0);
      ClearValueOfType(empty.data(), e.ScalarType, program);
      std::memcpy(bytes, empty.data(), static_cast<std::size_t>(size));
    } else {
      std::memset(bytes, 0, static_cast<std::size_t>(size));
      ParseConstantValue(text.c_str(), bytes, e.ScalarType, size, 1);
    }
    return true;
  }
  SymP* slot = record.Slot(e.FieldOffset);
  if (!KV_ASSERT(slot != nullptr)) return false;
  slot->Clear();
  if (text.empty()) return true;
  std::vector<char> value(static_cast<std::size_t>(size), 0);
  ParseConstantValue(text.c_str(), value.data(), e.ScalarType, size, 1);
  slot->SetConstBytes(value.data(), value.size());
  slot->ConstType = e.ScalarType;
  return true;
}

void StoreEdit(const PBFieldDef& e, FieldRecord& record, SymbolTable* program) {
  FieldControl* control = ControlOf(e);
  if (!KV_ASSERT(control != nullptr)) return;
  const int repr = e.FieldRepresentation;
  if (repr == scribe::kReprConstant && record.Inline(e.FieldOffset, ConstantSize(e)) != nullptr) {
    StoreConstant(e, record, ReadEditText(e, *control, program).text, program);
    return;
  }
  SymP* slot = record.Slot(e.FieldOffset);
  if (!KV_ASSERT(slot != nullptr)) return;
  ReleaseSlot(*slot, program);
  const FieldText field = ReadEditText(e, *control, program);
  if (field.text.empty()) {
    if (repr == scribe::kReprConstant) {
      StoreConstant(e, record, field.text, program);
    } else {
      slot->Clear();
    }
    return;
  }
  if (field.constant) {
    StoreConstant(e, record, field.text, program);
    return;
  }
  SymP ref = Resolve(e, field.text.c_str(), program);
  if (ref.S != nullptr) {
    *slot = std::move(ref);
    UpdateReferenceCount(*slot, 1, program);
  } else {
    // A name still to be drawn is kept as text.
    slot->Clear();
    slot->SetConstText(field.text.c_str());
  }
}

void StoreChoice(const PBFieldDef& e, FieldRecord& record) {
  FieldControl* control = ControlOf(e);
  SymP* slot = record.Slot(e.FieldOffset);
  if (!KV_ASSERT(control != nullptr && slot != nullptr)) return;
  const std::string text = control->Text(kChoiceTextSize);
  slot->Clear();
  if (text.empty()) return;
  char buffer[kChoiceTextSize] = {};
  std::strncpy(buffer, text.c_str(), kChoiceTextSize - 1);
  slot->SetConstBytes(buffer, sizeof buffer);
}

std::string LoadedEditText(const PBFieldDef& e, FieldRecord& record, SymbolTable* program) {
  const int repr = e.FieldRepresentation;
  const int size = ConstantSize(e);
  if (repr == scribe::kReprConstant) {
    if (const unsigned char* bytes = record.Inline(e.FieldOffset, size)) {
      std::vector<unsigned char> copy(bytes, bytes + size);
      copy.resize(copy.size() + 8, 0);   // a string that fills its field still ends
      std::string text;
      if (FormatConstantValue(text, copy.data(), e.ScalarType) != 0) return std::string();
      return ShownConstantText(e, text, program);
    }
  }
  SymP* slot = record.Slot(e.FieldOffset);
  if (!KV_ASSERT(slot != nullptr)) return std::string();
  if (slot->S != nullptr) return FormatVariableReference(*slot, program);
  if (!slot->HasConst()) return std::string();
  if (repr == scribe::kReprVariable || slot->ConstType == 0) return slot->ConstText();
  const int type = slot->ConstType;
  std::vector<char> value = slot->ConstPtr;
  value.resize(std::max<std::size_t>(value.size(), 8) + 1, 0);
  std::string text;
  if (FormatConstantValue(text, value.data(), type) != 0) return std::string();
  return ShownConstantText(e, text, program);
}

}  // namespace

std::string ShownConstantText(const PBFieldDef& entry, const std::string& formatted, SymbolTable* program) {
  if (formatted.empty() || formatted[0] != '\'') return formatted;
  std::string shown = formatted.substr(1);
  // A text constant that reads as a variable keeps its mark, or OK would make it one.
  if (entry.FieldRepresentation == scribe::kReprEither && EitherNamesVariable(entry, shown, program)) {
    return formatted;
  }
  return shown;
}

void PBFormLoadFields(PBFieldDef* table, FieldRecord& record, SymbolTable* program) {
  if (!KV_ASSERT(table != nullptr)) return;
  for (PBFieldDef* e = table; !e->IsEnd(); ++e) {
    if (IsSkipped(*e)) continue;
    FieldControl* control = ControlOf(*e);
    if (!KV_ASSERT(control != nullptr)) continue;
    switch (e->UIElement) {
      case scribe::kUICheckBox:
        if (record.Contains(e->FieldOffset, 2) && record.Word(e->FieldOffset) != 0) control->SetChecked(1);
        break;
      case scribe::kUIRadioGroup:
        if (e->NumRadioInArray >= 0 && record.Contains(e->FieldOffset, 2)) {
          control->CheckButton(record.Word(e->FieldOffset) - e->RadioCheckBase);
        }
        break;
      case scribe::kUIChoice: {
        // A choice never made shows none, so that Done keeps it unmade.
        SymP* slot = record.Slot(e->FieldOffset);
        if (KV_ASSERT(slot != nullptr)) control->SelectString(slot->HasConst() ? slot->ConstText() : "");
        break;
      }
      default:
        control->SetText(LoadedEditText(*e, record, program));
        break;
    }
  }
}

int PBFormCheckFields(const PBFieldDef* table, int start, int* failing, int* unfinished, int* complete,
                      SymbolTable* program) {
  if (!KV_ASSERT(table != nullptr && failing != nullptr && unfinished != nullptr && complete != nullptr)) {
    return 0;
  }
  const int count = CountFields(table);
  for (int i = std::max(start, 0); i < count; ++i) {
    const PBFieldDef& e = table[i];
    if (IsSkipped(e) || !IsEdit(e)) continue;
    const int rc = CheckEntry(e, unfinished, complete, program);
    if (rc != 0) {
      *failing = i;
      return rc;
    }
  }
  return 0;
}

int PBFormValidate(const PBFieldDef* table, int* unfinished, int* complete, HWND owner, SymbolTable* program) {
  if (!KV_ASSERT(table != nullptr && unfinished != nullptr && complete != nullptr)) return 0;
  *unfinished = 0;
  *complete = 1;
  int start = 0;
  for (;;) {
    int failing = -1;
    const int rc = PBFormCheckFields(table, start, &failing, unfinished, complete, program);
    if (rc == 0) return 1;
    const PBFieldDef& e = table[failing];
    FieldControl* control = ControlOf(e);
    const std::string text = control != nullptr ? control->Text(kFieldTextLimit) : std::string();
    if (rc == kErrPBDoesNotExist) {
      if (!AcceptMissingVavurOrezo(owner, e.Name, text.c_str())) return 0;
      start = failing + 1;
      continue;
    }
    ShowRefusedFieldValue(owner, rc, e.Name, text.c_str());
    if (control != nullptr) control->Focus();
    return 0;
  }
}

int PBFormStoreFields(PBFieldDef* table, FieldRecord& record, SymbolTable* program) {
  if (!KV_ASSERT(table != nullptr)) return 0;
  try {
    for (PBFieldDef* e = table; !e->IsEnd(); ++e) {
      if (IsSkipped(*e)) continue;
      FieldControl* control = ControlOf(*e);
      if (!KV_ASSERT(control != nullptr)) continue;
      switch (e->UIElement) {
        case scribe::kUICheckBox:
          if (KV_ASSERT(record.Contains(e->FieldOffset, 2))) {
            record.SetWord(e->FieldOffset, static_cast<std::int16_t>(control->Checked() ? e->RadioCheckBase : 0));
          }
          break;
        case scribe::kUIRadioGroup: {
          // Groups numbered from 1 are stored through the field accessor by their forms.
          const int checked = control->CheckedButton();
          if (e->NumRadioInArray >= 0 && checked >= 0 && KV_ASSERT(record.Contains(e->FieldOffset, 2))) {
            record.SetWord(e->FieldOffset, static_cast<std::int16_t>(e->RadioCheckBase + checked));
          }
          break;
        }
        case scribe::kUIChoice:
          StoreChoice(*e, record);
          break;
        default:
          StoreEdit(*e, record, program);
          break;
      }
    }
  } catch (const std::bad_alloc&) {
    return kErrOutOfMemory;
  }
  return 0;
}

}  // namespace zeph
