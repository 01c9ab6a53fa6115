// Conversion entries of VavurOrezo types: registration, lookup by version and the
// conversion of an old VavurOrezo's parameters by field moves and callbacks.
#include "model/pbconv.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "foundation/kvassert.h"
#include "foundation/kvmsgbox.h"
#include "model/loadsave_mode.h"
#include "model/defset.h"
#include "model/modelcodes.h"
#include "model/pbaccess.h"
#include "model/pbaccess_fields.h"
#include "model/pbcat.h"
#include "model/pbconv_tables.h"
#include "scribe/scribe.h"

namespace zeph {
namespace {

constexpr float kVersionEpsilon = 0.001f;

bool IsNumberKind(const PBFieldDef& f) {
  return f.UIElement == scribe::kUICheckBox || f.UIElement == scribe::kUIRadioGroup;
}

bool Valid(const PBFieldAccessor& a, std::uint32_t index) {
  return KV_ASSERT(index < static_cast<std::uint32_t>(a.Count()));
}

std::string ReadText(PBFieldAccessor& a, std::uint32_t index) {
  std::string text;
  a.GetEntryText(static_cast<int>(index), text);
  return text;
}

// Copies a field in its value form: a number between number fields, a text otherwise.
void CopyField(PBFieldAccessor& from, std::uint32_t source, PBFieldAccessor& to, std::uint32_t destination) {
  const PBFieldDef& s = from.Fields()[source];
  const PBFieldDef& d = to.Fields()[destination];
  if (IsNumberKind(s) && IsNumberKind(d)) {
    std::int32_t n = 0;
    from.GetEntry(static_cast<int>(source), &n);
    to.SetEntry(static_cast<int>(destination), &n);
    return;
  }
  to.SetEntryText(static_cast<int>(destination), ReadText(from, source).c_str());
}

// The source's constant multiplied by the factor; a reference is copied as it is.
void ScaleField(PBFieldAccessor& from, std::uint32_t source, const char* factor, PBFieldAccessor& to,
                std::uint32_t destination) {
  const PBFieldDef& s = from.Fields()[source];
  std::string text;
  const void* where = from.GetEntryText(static_cast<int>(source), text);
  const bool reference = s.UsesValueSlot() && where != nullptr && static_cast<const SymP*>(where)->S != nullptr;
  if (!reference && !IsEmptyValueText(text.c_str())) {
    const char* body = text[0] == '\'' ? text.c_str() + 1 : text.c_str();
    const char* prefix = s.UsesValueSlot() ? "'" : "";
    char buffer[64];
    if (s.ScalarType >= kTypeCharacter && s.ScalarType <= kTypeInteger) {
      const long long product = std::strtoll(body, nullptr, 10) * std::strtoll(factor, nullptr, 10);
      std::snprintf(buffer, sizeof buffer, "%s%lld", prefix, product);
      text = buffer;
    } else if (s.ScalarType == kTypeSmallNumber || s.ScalarType == kTypeNumber) {
      const double product = std::strtod(body, nullptr) * std::strtod(factor, nullptr);
      std::snprintf(buffer, sizeof buffer, "%s%.0f", prefix, product);
      text = buffer;
    }
  }
  to.SetEntryText(static_cast<int>(destination), text.c_str());
}

void RunMove(const PBFieldMove& m, PBFieldAccessor& from, PBFieldAccessor& to) {
  const bool usesSource = m.Kind >= kMoveCopy && m.Kind <= kMoveCopyIfGiven;
  const bool usesCondition = m.Kind == kMoveCopyIfEqual || m.Kind == kMoveCopyIfGiven ||
                             m.Kind >= kMoveSetIfEqual;
  if (!Valid(to, m.Destination)) return;
  if (usesSource && !Valid(from, m.Source)) return;
  if (usesCondition && !Valid(from, m.Condition)) return;
  const char* text = m.Text != nullptr ? m.Text : "";
  const char* compare = m.Compare != nullptr ? m.Compare : "";
  switch (m.Kind) {
    case kMoveCopy:
      CopyField(from, m.Source, to, m.Destination);
      break;
    case kMoveScale:
      ScaleField(from, m.Source, text, to, m.Destination);
      break;
    case kMoveCopyIfEqual:
      if (ReadText(from, m.Condition) == compare) {
        to.SetEntryText(static_cast<int>(m.Destination), ReadText(from, m.Source).c_str());
      }
      break;
    case kMoveCopyIfEmpty: {
      const std::string value = ReadText(from, m.Source);
      if (IsEmptyValueText(value.c_str())) to.SetEntryText(static_cast<int>(m.Destination), value.c_str());
      break;
    }
    case kMoveCopyIfGiven:
      if (!IsEmptyValueText(ReadText(from, m.Condition).c_str())) {
        to.SetEntryText(static_cast<int>(m.Destination), ReadText(from, m.Source).c_str());
      }
      break;
    case kMoveSet:
      to.SetEntryText(static_cast<int>(m.Destination), text);
      break;
    case kMoveSetIfEqual:
      if (ReadText(from, m.Condition) == compare) to.SetEntryText(static_cast<int>(m.Destination), text);
      break;
    case kMoveSetIfGiven:
      if (!IsEmptyValueText(ReadText(from, m.Condition).c_str())) {
        to.SetEntryText(static_cast<int>(m.Destination), text);
      }
      break;
    case kMoveSetIfEmpty:
      if (IsEmptyValueText(ReadText(from, m.Condition).c_str())) {
        to.SetEntryText(static_cast<int>(m.Destination), text);
      }
      break;
    default:
      KV_ASSERT(m.Kind <= kMoveSetIfEmpty);
      break;
  }
}

// The new record takes the old one's parameters as they are. Every reference it now holds is
// counted for it, as a move counts what it writes, so releasing the old record afterwards is
// right whichever path ran.
void CopyAreaCounted(PBInstance& oldPB, PBInstance& newPB) {
  newPB.Area = oldPB.Area;
  for (auto& [offset, slot] : newPB.Area.Slots()) {
    if (slot.S != nullptr && !slot.HasConst()) UpdateReferenceCount(slot, 1);
  }
}

std::function<void(const std::string&)>& ReportSink() {
  static std::function<void(const std::string&)> sink;
  return sink;
}

}  // namespace

const PBConversion* FindConversionForVersion(const PBConversion* list, float version) {
  const PBConversion* e = list;
  while (e != nullptr && version > e->Version) e = e->Next;
  return e;
}

PBConversion& AddConversion(PBCatalogue& catalogue, ParmVersionTables& tables, int oldType,
                            int newType, float version, int flags,
                            const PBFieldDef* oldFields, int oldStructId,
                            const PBFieldMove* moves, int oldLayoutKind,
                            const PBParmLayout* oldLayout, PBConversionCallback callback) {
  PBConversion& e = tables.NewConversion();
  e.OldType = oldType;
  e.NewType = newType != 0 ? newType : oldType;
  e.Version = version;
  e.Flags = flags;
  e.OldStructId = oldStructId;
  e.Moves = moves;
  e.OldLayoutKind = oldLayoutKind;
  e.OldLayout = oldLayout;
  e.Callback = callback;
  PBType* slot = catalogue.Slot(oldType);
  e.OldFields = oldFields;
  if (e.OldFields == nullptr && oldStructId != 0) {
    e.OldFields = static_cast<const PBFieldDef*>(
        scribe::AssignPtrsInDLL1(static_cast<std::uint16_t>(oldStructId), nullptr));
  } else if (e.OldFields == nullptr && slot != nullptr) {
    e.OldFields = slot->FieldTable;
  }
  if (slot == nullptr) return e;
  PBConversion** link = &slot->Conversions;
  while (*link != nullptr && (*link)->Version < version) link = &(*link)->Next;
  e.Next = *link;
  *link = &e;
  return e;
}

void ReleaseConversionRefs(const PBConversion& entry, PBInstance& oldPB) {
  for (const PBParmLayout* part = entry.OldLayout; part != nullptr && part->Kind != 0; ++part) {
    if (part->Kind != kLayoutPartSlots) continue;
    for (int k = 0; k < part->Length; ++k) {
      const int offset = part->Offset + scribe::kValueSlotSize * k;
      SymP* slot = oldPB.Area.FindSlot(offset);
      if (slot == nullptr) continue;
      if (slot->S != nullptr && !slot->HasConst()) UpdateReferenceCount(*slot, 0);
      oldPB.Area.ClearSlot(offset);
    }
  }
}

int ConvertVavurOrezoParameters(const PBConversion& entry, PBInstance& oldPB, PBInstance& newPB) {
  newPB.Type = static_cast<std::int16_t>(entry.NewType);
  PBFieldAccessor from(&oldPB, 0, entry.OldFields, 1);
  PBFieldAccessor to(&newPB, 0, nullptr, 1);
  if (entry.Flags & kConvImpossible) {
    ReleaseConversionRefs(entry, oldPB);
    return kErrCannotConvert;
  }
  const bool callbackFirst = (entry.Flags & kConvCallbackFirst) != 0;
  if (callbackFirst && entry.Callback != nullptr) {
    switch (entry.Callback(oldPB, newPB, entry)) {
      case kConvRefuse:
        ReleaseConversionRefs(entry, oldPB);
        return kErrCannotConvert;
      case kConvKeepOldType:
        newPB.Type = static_cast<std::int16_t>(entry.OldType);
        CopyAreaCounted(oldPB, newPB);
        return 0;
      case kConvCopyArea:
        CopyAreaCounted(oldPB, newPB);
        return 0;
      default:
        break;
    }
  }
  if (entry.ByName) to.LoadDefaultEntries();
  for (const PBFieldMove* m = entry.Moves; m != nullptr && m->Kind != kMoveEnd; ++m) {
    RunMove(*m, from, to);
    if (m->Callback != nullptr) m->Callback(oldPB, newPB, entry, *m);
  }
  if (!callbackFirst && entry.Callback != nullptr) entry.Callback(oldPB, newPB, entry);
  return 0;
}

const PBConversion* ConversionForFile(int typeIndex, float fileVersion) {
  if (typeIndex < 0 || kModelVersion - fileVersion < kVersionEpsilon) return nullptr;
  if (DefinitionMode() == kDefinitionsOlder) return nullptr;
  TheParmVersionTables();
  const PBType* slot = GetPBType(typeIndex);
  if (slot == nullptr || slot->Conversions == nullptr) return nullptr;
  return FindConversionForVersion(slot->Conversions, fileVersion);
}

void SetConversionReportSink(std::function<void(const std::string&)> sink) { ReportSink() = std::move(sink); }

void ReportConversionProblem(const std::string& text) {
  if (ReportSink()) {
    ReportSink()(text);
    return;
  }
  KvMessageBoxRequest request;
  request.text = text.c_str();
  request.caption = "Flowsmith";
  request.style = kKvMbOk | kKvMbIconExclamation;
  // During a load every problem joins the load's report: one box per converted block would
  // stack up on a large file.
  ReportModelProblem(request, kLoadSaveBlockSection);
}

}  // namespace zeph
