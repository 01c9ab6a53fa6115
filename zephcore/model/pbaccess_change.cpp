// Change tables of VavurOrezo fields: when a field takes a value, the first case of its
// table that applies sets other fields and changes their definitions.
#include <cstdlib>
#include <cstring>
#include <new>

#include "foundation/kvassert.h"
#include "model/pbaccess.h"
#include "model/pbaccess_notify.h"
#include "model/varref.h"

namespace zeph {
namespace {

// Change tables may set fields whose own tables set further fields; a loop among them is
// stopped at this depth.
constexpr int kMaxChangeDepth = 16;

// Action set kinds.
bool SetsNumber(int kind) { return kind == 1 || kind == 2; }
bool SetsText(int kind) { return kind == 3 || kind == 5; }

bool HasValue(const char* text) { return text != nullptr && text[0] != '^'; }

void SetBuiltinBit(PBFieldDef& field, int code) {
  if (code >= 0 && code < 32) field.Allowed1 |= 1u << code;
  if (code >= 32 && code < 64) field.Allowed2 |= 1u << (code - 32);
}

// The accepted types that follow from the type of the variable a field names.
void SetMasksForType(PBFieldDef& field, bool found, int type) {
  auto set = [&](std::initializer_list<int> codes) {
    for (int code : codes) SetBuiltinBit(field, code);
  };
  if (!found) {
    set({1, 2, 3, 4, 5, 6, 19, 20, 53});
  } else if (type < 0) {
    // no types
  } else if ((type >= 1 && type <= 5) || type == 21) {
    set({1, 2, 3, 4, 5});
  } else if (type == 6 || type == 20) {
    set({6, 20});
  } else if (type == 19) {
    set({1, 2, 3, 4, 5, 19});
  } else if (type < 64) {
    set({type});
  }
}

}  // namespace

bool PBFieldAccessor::RunCase(int index, const scribe::GrayRule& rule) {
  const int match = static_cast<std::uint8_t>(rule.Kind);
  if (match == kCaseOtherwise) return true;
  const PBFieldDef& field = fields_[index];
  const char* caseValue = rule.Value != nullptr ? rule.Value : "";
  bool equal = false;
  switch (field.UIElement) {
    case scribe::kUICheckBox:
    case scribe::kUIRadioGroup:
      // Rules name a radio button by its position as the form numbers it (from 1), the
      // number GetEntry gives; a check box by its stored word.
      equal = EntryNumber(field) == std::strtol(caseValue, nullptr, 10);
      break;
    case scribe::kUIEdit:
      equal = (TextOf(field).empty() ? 1 : 0) == std::strtol(caseValue, nullptr, 10);
      break;
    case scribe::kUIChoice:
      equal = TextOf(field) == caseValue;
      break;
    default:
      return false;
  }
  if (match == kCaseEquals) return equal;
  if (match == kCaseDiffers) return !equal;
  return false;
}

int PBFieldAccessor::ExecuteFieldChangeTable(int index) {
  const PBFieldDef* field = Field(index);
  if (field == nullptr || instance_ == nullptr) return 0;
  const scribe::GrayRule* rules = field->GrayTab;
  int result = 1;
  if (rules != nullptr) {
    if (!KV_ASSERT(depth_ < kMaxChangeDepth)) return 0;
    ++depth_;
    for (const scribe::GrayRule* rule = rules; rule->Kind != -1; ++rule) {
      if (!RunCase(index, *rule)) continue;
      for (const scribe::GrayAction* a = rule->Actions; a != nullptr && a->Target != -1; ++a) {
        if (!RunAction(index, *a)) {
          result = 0;
          break;
        }
      }
      break;
    }
    --depth_;
  }
  if (refresh_) Refresh();
  return result;
}

int PBFieldAccessor::ExecuteChangeTables() {
  const int savedRefresh = refresh_;
  refresh_ = 0;
  int result = 1;
  // The table's length is counted once: a rule may switch to the block's own copy of the
  // table, which has the same entries.
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    if (fields_[i].GrayTab != nullptr && !ExecuteFieldChangeTable(i)) {
      result = 0;
      break;
    }
  }
  refresh_ = savedRefresh;
  return result;
}

PBFieldDef* PBFieldAccessor::OwnEntry(int index) {
  try {
    if (!instance_->OwnTable) instance_->OwnTable = std::make_unique<PBOwnFieldTable>(fields_);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  PBOwnFieldTable& own = *instance_->OwnTable;
  fields_ = own.Entries();
  if (!KV_ASSERT(index >= 0 && index < own.Count())) return nullptr;
  return &own.Entries()[index];
}

void PBFieldAccessor::MarkChanged() {
  changed_ = 1;
  if (notify_) CurrentPBNotifier().VavurOrezoChanged(*instance_);
}

void PBFieldAccessor::SetGotoLabel(int target, const std::string& label) {
  const PBFieldDef& t = fields_[target];
  const std::string old = t.GotoStrs != nullptr ? t.GotoStrs : "";
  const std::string fitted = label.substr(0, scribe::kGotoLabelBufferSize - 1);
  if (t.GotoStrs != nullptr && old == fitted) return;
  instance_->OwnTable->SetLabel(target, fitted.c_str());
  if (old != fitted) MarkChanged();
}

void PBFieldAccessor::RetypeFromVariable(int source, int target) {
  SymP named;
  int namedType = -1;
  ParseVariableReference(TextOf(fields_[source]).c_str(), named, AllTypesMask(), &namedType, program_);
  SymP own;
  int ownType = -1;
  ParseVariableReference(TextOf(fields_[target]).c_str(), own, AllTypesMask(), &ownType, program_);
  PBFieldDef& t = instance_->OwnTable->Entries()[target];
  t.Allowed1 = 0;
  t.Allowed2 = 0;
  if (named.S != nullptr) t.ScalarType = static_cast<std::int16_t>(namedType);
  SetMasksForType(t, own.S != nullptr, ownType);
}

void PBFieldAccessor::ApplyDefinitionChanges(int source, int target, const scribe::GrayAction& a) {
  PBFieldDef& t = instance_->OwnTable->Entries()[target];
  if (a.BlankFlag == 0 || a.BlankFlag == 1) t.CanFieldBeBlank = static_cast<std::uint8_t>(a.BlankFlag);
  const std::uint16_t mask = a.ChangeMask;
  if (mask & kChangeAllowedTypes) {
    t.Allowed1 = a.Allowed1;
    t.Allowed2 = a.Allowed2;
    t.AddStructs = a.AddStructs;
    t.StructNum = a.StructNum;
    t.WholeArray = a.WholeArray;
    t.MinNumber = a.MinNumber;
  }
  if (mask & kChangeRange) {
    t.MinValRange = a.MinValRange;
    t.MaxValRange = a.MaxValRange;
    t.NeedItBeInRange = 1;
  }
  if (mask & kChangeStrSize) t.StrSize = a.StrSize;
  if (mask & kChangeScalarType) {
    t.ScalarType = a.ScalarType;
    t.NumRadioInArray = a.ScalarType == kTypeVoiceSentence ? 1 : 0;
  }
  if (mask & kChangeSpecialRange) t.SpecialRange = a.SpecialRange;
  if (mask & kChangeGotoIcon) {
    const std::uint8_t old = t.GotoNotOnIcon;
    t.GotoNotOnIcon = a.GotoNotOnIcon;
    if (old != a.GotoNotOnIcon) MarkChanged();
  }
  if (mask & kChangeRepresentation) t.FieldRepresentation = a.FieldRepresentation;
  if (mask & kChangeGotoLabel) SetGotoLabel(target, TextOf(fields_[source]));
  if (mask & kChangeRetype) RetypeFromVariable(source, target);
}

int PBFieldAccessor::RunAction(int source, const scribe::GrayAction& a) {
  const int target = a.Target;
  if (!KV_ASSERT(Field(target) != nullptr)) return 0;
  if (SetsNumber(a.TargetKind) && HasValue(a.ValueText)) {
    const std::int32_t number = static_cast<std::int32_t>(std::strtol(a.ValueText, nullptr, 10));
    if (!SetEntry(target, &number)) return 0;
  } else if (SetsText(a.TargetKind) && HasValue(a.ValueText)) {
    if (!SetEntry(target, a.ValueText)) return 0;
  }
  const bool changesDefinition = a.BlankFlag == 0 || a.BlankFlag == 1 || a.ChangeMask != 0;
  if (!changesDefinition) return 1;
  try {
    if (OwnEntry(target) == nullptr) return 0;
    ApplyDefinitionChanges(source, target, a);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return 1;
}

}  // namespace zeph
