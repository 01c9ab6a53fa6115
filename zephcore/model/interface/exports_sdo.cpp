// Parameter fields of a type or a VavurOrezo, reached by field name or goto number. Misuse
// (a type without a table, an unknown field or goto) is reported as a failed assertion and
// gives the neutral answer.
#include <cstring>

#include "foundation/kvassert.h"
#include "model/datatypes.h"
#include "model/interface/exports_common.h"
#include "model/interface/vlx.h"
#include "model/pbaccess.h"
#include "model/pbcat.h"
#include "model/pbentry.h"

using zeph::PBFieldDef;
using zeph::PBInstance;

namespace {

constexpr unsigned char kNoScalarType = 255;
constexpr unsigned short kNoExitBits = 0xFFFF;
constexpr unsigned short kExitApplicable = 0x1000;
constexpr unsigned short kExitConnected = 0x0010;
constexpr unsigned short kExitMayBeBlank = 0x0001;

bool Misuse(const char* condition) { return KvAssertFailed(condition, "app", __LINE__); }

const PBFieldDef* TypeTable(int type) {
  const zeph::PBType* slot = zeph::GetPBType(type);
  const PBFieldDef* table = slot != nullptr ? slot->FieldTable : nullptr;
  if (table == nullptr) Misuse("(pPBType->VerifyTable!=0)");
  return table;
}

const PBFieldDef* NamedField(int type, const char* name) {
  const PBFieldDef* table = TypeTable(type);
  if (table == nullptr) return nullptr;
  for (int i = 0; name != nullptr && !table[i].IsEnd(); ++i) {
    if (std::strcmp(table[i].Name, name) == 0) return &table[i];
  }
  Misuse("(lstrcmpA(pPBV->Name,\"\"))");
  return nullptr;
}

// What an allocated value of the field holds: a text its StrSize, a number its size.
// A choice holds the short text of its choice.
int AllocationSize(const PBFieldDef& entry) {
  if (entry.UIElement == scribe::kUIChoice) return zeph::kShortTextSize;
  const int size = zeph::IsTextConstantType(entry.ScalarType) ? entry.StrSize
                                                              : zeph::GetBuiltinTypeSize(entry.ScalarType);
  return size > 0 ? size : 1;
}

bool InArea(int offset, int size) { return offset >= 0 && offset + size <= zeph::kParameterAreaSize; }

}  // namespace

int vlxSDOGetSymbolOffset(int type, const char* field) {
  if (zeph::ExportProgram() == nullptr) return 0;
  const PBFieldDef* entry = NamedField(type, field);
  return entry != nullptr ? entry->FieldOffset : 0;
}

unsigned char vlxSDOGetSymbolType(int type, const char* field) {
  if (zeph::ExportProgram() == nullptr) return kNoScalarType;
  const PBFieldDef* entry = NamedField(type, field);
  return entry != nullptr ? static_cast<unsigned char>(entry->ScalarType & 0xFF) : kNoScalarType;
}

void* vlxSDOGetSymbolPtr(int type, const char* field, vlxHandleType vavurOrezo, int offset) {
  if (zeph::ExportProgram() == nullptr || vavurOrezo == nullptr) return nullptr;
  const PBFieldDef* entry = NamedField(type, field);
  if (entry == nullptr) return nullptr;
  auto* instance = static_cast<PBInstance*>(vavurOrezo);
  switch (entry->UIElement) {
    case scribe::kUICheckBox:
    case scribe::kUIRadioGroup:
      return InArea(offset, 2) ? instance->Area.Bytes() + offset : nullptr;
    case scribe::kUIEdit:
    case scribe::kUIChoice: {
      zeph::SymP* slot = instance->Area.FindSlot(offset);
      return slot != nullptr && slot->HasConst() ? slot->ConstPtr.data() : nullptr;
    }
    default:
      Misuse("(0)");
      return nullptr;
  }
}

void* vlxSDOAllocateMem(int type, const char* field, vlxHandleType vavurOrezo, int offset) {
  if (zeph::ExportProgram() == nullptr || vavurOrezo == nullptr) return nullptr;
  const PBFieldDef* entry = NamedField(type, field);
  if (entry == nullptr) return nullptr;
  auto* instance = static_cast<PBInstance*>(vavurOrezo);
  return zeph::GuardExport<void*>(nullptr, [&]() -> void* {
    zeph::SymP* slot = instance->Area.Slot(offset);
    if (slot == nullptr) return nullptr;
    // A buffer the slot already owned is given back for the new one.
    char* block = slot->SetConstZeroed(static_cast<std::size_t>(AllocationSize(*entry)));
    slot->ConstType = entry->ScalarType;
    return block;
  });
}

int vlxSDOGetAllocatedSize(int type, const char* field) {
  if (zeph::ExportProgram() == nullptr) return 0;
  const PBFieldDef* entry = NamedField(type, field);
  return entry != nullptr ? AllocationSize(*entry) : 0;
}

const char* vlxSDOGetOutputDataName(int type, int n, vlxHandleType) {
  if (zeph::ExportProgram() == nullptr) return nullptr;
  const PBFieldDef* table = TypeTable(type);
  const int field = zeph::FindGotoField(table, n);
  return field >= 0 ? table[field].GotoStrs : nullptr;
}

const char* vlxSDOGetOutputDataConnection(int type, int n, vlxHandleType vavurOrezo) {
  if (zeph::ExportProgram() == nullptr || vavurOrezo == nullptr) return nullptr;
  const PBFieldDef* table = TypeTable(type);
  if (table == nullptr) return nullptr;
  const int field = zeph::FindGotoField(table, n);
  if (field < 0) {
    Misuse("(0)");
    return nullptr;
  }
  const zeph::SymP* slot = static_cast<PBInstance*>(vavurOrezo)->Area.FindSlot(table[field].FieldOffset);
  if (slot == nullptr || slot->S == nullptr) return "<not connected>";
  if (slot->S->Name[0] == '\0') {
    Misuse("(lstrcmpA(pSymP->S->Name,\"\"))");
    return nullptr;
  }
  return slot->S->Name;
}

unsigned char* vlxSDOGetOutputDataRequired(int type, int n, vlxHandleType vavurOrezo) {
  if (zeph::ExportProgram() == nullptr || vavurOrezo == nullptr) return nullptr;
  if (TypeTable(type) == nullptr) return nullptr;
  auto* instance = static_cast<PBInstance*>(vavurOrezo);
  return zeph::GuardExport<unsigned char*>(nullptr, [&]() -> unsigned char* {
    PBFieldDef* own = instance->MakeOwnTable().Entries();
    const int field = zeph::FindGotoField(own, n);
    return field >= 0 ? &own[field].CanFieldBeBlank : nullptr;
  });
}

void vlxSDOSetOutputDataRequired(int, int n, vlxHandleType vavurOrezo, unsigned char value) {
  if (zeph::ExportProgram() == nullptr || vavurOrezo == nullptr) return;
  auto* instance = static_cast<PBInstance*>(vavurOrezo);
  if (!instance->OwnTable) {
    Misuse("(MySS->Tab!=0)");
    return;
  }
  PBFieldDef* own = instance->OwnTable->Entries();
  const int field = zeph::FindGotoField(own, n);
  if (field < 0) {
    Misuse("(0)");
    return;
  }
  own[field].CanFieldBeBlank = value;
}

int vlxSDOIsPBUnfinished(vlxHandleType vavurOrezo, int complete) {
  if (zeph::ExportProgram() == nullptr || vavurOrezo == nullptr) return 0;
  auto* instance = static_cast<PBInstance*>(vavurOrezo);
  instance->Complete = static_cast<std::int16_t>(complete);
  return zeph::PBEntryIsUnfinished(*instance);
}

unsigned short vlxSDOIsOutputOptionalApplicable(int, vlxHandleType vavurOrezo, const char* label) {
  if (zeph::ExportProgram() == nullptr || vavurOrezo == nullptr || label == nullptr) return kNoExitBits;
  auto* instance = static_cast<PBInstance*>(vavurOrezo);
  return zeph::GuardExport(kNoExitBits, [&]() -> unsigned short {
    const PBFieldDef* own = instance->MakeOwnTable().Entries();
    int i = 0;
    while (!own[i].IsEnd() && !(own[i].IsGoto() && std::strcmp(own[i].GotoStrs, label) == 0)) ++i;
    if (own[i].IsEnd()) {
      Misuse("(0)");
      return kNoExitBits;
    }
    unsigned short bits = kExitApplicable;
    const zeph::SymP* slot = instance->Area.FindSlot(own[i].FieldOffset);
    if (slot != nullptr && slot->S != nullptr) bits |= kExitConnected;
    if (own[i].CanFieldBeBlank != 0) bits |= kExitMayBeBlank;
    if (own[i].ControlPtr != nullptr) {
      // The exit is optional only while its companion check box is ticked.
      const PBFieldDef& box = own[i + 1];
      if (box.UIElement != scribe::kUICheckBox) {
        Misuse("(pPBVCheckBox->UIElement==1)");
      } else if (instance->Area.Word(box.FieldOffset) == 0) {
        bits &= static_cast<unsigned short>(~kExitApplicable);
      }
    }
    return bits;
  });
}

void vlxSDOSetIconFinished(vlxHandleType vavurOrezo, int finished) {
  if (zeph::ExportProgram() == nullptr || vavurOrezo == nullptr) return;
  static_cast<PBInstance*>(vavurOrezo)->Filled = static_cast<std::int16_t>(finished);
}
