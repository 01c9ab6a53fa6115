// Interface tables of SuperBlock pages and the value slots of their callers.
#include "model/superblk.h"

#include <cstring>
#include <new>
#include <string>

#include "foundation/kvassert.h"
#include "foundation/kvmsgbox.h"
#include "model/loadsave_mode.h"
#include "model/modelcodes.h"
#include "model/name_compare.h"
#include "model/pbaccess_notify.h"
#include "model/pbentry.h"
#include "model/pbfield_lookup.h"
#include "model/symtable.h"
#include "model/symtree.h"
#include "scribe/parmlayout.h"

namespace zeph {
namespace {

// A call keeps its interface in the value slots of the extended layout.
static_assert(kSBFirstSlotOffset == scribe::GeometryOf(scribe::ParmLayout::Extended).SlotBase);
static_assert(kSBInterfaceCapacity == scribe::GeometryOf(scribe::ParmLayout::Extended).SlotCount);
static_assert(SBSlotOffset(kSBInterfaceCapacity) <= scribe::GeometryOf(scribe::ParmLayout::Extended).TailOffset);

constexpr const char* kTableFull =
    "A SuperBlock can not hold more than 40 variables, voice sentences and End Blocks";

bool IsExitEntry(const PBFieldDef& e) { return e.GotoStrs != nullptr; }

void SetBits(PBFieldDef& e, std::initializer_list<int> codes) {
  for (int code : codes) {
    if (code < 32) e.Allowed1 |= 1u << code;
    else e.Allowed2 |= 1u << (code - 32);
  }
}

// The entry of an exit or of a variable of type t.
PBFieldDef MakeEntry(const char* name, int type, int stringSize) {
  PBFieldDef e;
  std::strncpy(e.Name, name, scribe::kFieldNameSize);
  e.UIElement = scribe::kUIEdit;
  if (type < 0) {
    e.FieldRepresentation = scribe::kReprVariable;
    e.ScalarType = kTypeInteger;
    SetBits(e, {kTypeVavurOrezo});
    // The exit's label is its own name; Renumber points it at the name's place in the table.
    e.GotoStrs = e.Name;
    return e;
  }
  e.FieldRepresentation = scribe::kReprEither;
  e.ScalarType = static_cast<std::int16_t>(type);
  if (type == kTypeString) e.StrSize = static_cast<std::int16_t>(stringSize);
  if (type == kTypeString || type == kTypeDateString) {
    SetBits(e, {kTypeString, kTypeDateString});
  } else if ((type >= 1 && type <= 5) || type == kTypeDateNumber) {
    SetBits(e, {1, 2, 3, 4, 5, kTypeDateNumber});
  } else if (type == kTypeVSentenceVar) {
    SetBits(e, {kTypeVoiceSentence, kTypeVSentenceVar});
  } else if (type < kBuiltinTypeCount) {
    SetBits(e, {type});
    if (type == kTypeVoiceSentence) e.NumRadioInArray = 1;
  } else if (type >= kFirstStructureId) {
    e.AddStructs = kStructsOne;
    e.StructNum = static_cast<std::int16_t>(type);
  }
  return e;
}

bool NameFits(const char* name) {
  return name != nullptr && std::strlen(name) <= static_cast<std::size_t>(scribe::kFieldNameSize);
}

// An entry with an empty name would read as the end of the table for every reader of it.
int CheckEntryName(const char* name) {
  if (name != nullptr && name[0] == '\0') return kErrBadName;
  return NameFits(name) ? 0 : kErrNameTooLong;
}

void ReleaseSlot(PBParameterArea& area, int offset, SymbolTable* program) {
  SymP* slot = area.FindSlot(offset);
  if (slot != nullptr && slot->S != nullptr && !slot->HasConst()) UpdateReferenceCount(*slot, 0, program);
  area.ClearSlot(offset);
}

// Moves what slot `from` holds to slot `to` (which must be free or given up).
void MoveSlot(PBParameterArea& area, int from, int to) {
  SymP* source = area.FindSlot(SBSlotOffset(from));
  if (source == nullptr) {
    area.ClearSlot(SBSlotOffset(to));
    return;
  }
  SymP moved = std::move(*source);
  area.ClearSlot(SBSlotOffset(from));
  *area.Slot(SBSlotOffset(to)) = std::move(moved);
}

}  // namespace

SBPageData::SBPageData() : entries_(1) {}

void SBPageData::RestoreEntries(std::vector<PBFieldDef> entries) {
  entries_ = std::move(entries);
  entries_.emplace_back();
  for (PBFieldDef& e : entries_) {
    if (IsExitEntry(e)) e.GotoStrs = e.Name;
  }
}

SBInterfaceTable::SBInterfaceTable(Symbol* page, SymbolTable* program)
    : page_(page),
      data_(page != nullptr ? dynamic_cast<SBPageData*>(page->Data.get()) : nullptr),
      program_(program) {}

int SBInterfaceTable::FindEntry(const char* name) const {
  if (data_ == nullptr || name == nullptr) return -1;
  for (int i = 0; i < data_->Count(); ++i) {
    if (std::strcmp(data_->entries_[static_cast<std::size_t>(i)].Name, name) == 0) return i;
  }
  return -1;
}

int SBInterfaceTable::InsertPosition(const char* name, bool exit, int* clash) const {
  const std::vector<PBFieldDef>& e = data_->entries_;
  const int n = data_->Count();
  int i = 0;
  if (exit) {
    while (i < n && !IsExitEntry(e[static_cast<std::size_t>(i)])) ++i;
  }
  *clash = 0;
  for (; i < n; ++i) {
    const PBFieldDef& entry = e[static_cast<std::size_t>(i)];
    if (!exit && IsExitEntry(entry)) break;
    const int cmp = CompareNames(name, entry.Name);
    if (cmp == 0) *clash = exit ? kErrGotoExists : kErrInternal2;
    if (cmp <= 0) break;
  }
  return i;
}

void SBInterfaceTable::Renumber() {
  for (int i = 0; i < data_->Count(); ++i) {
    PBFieldDef& e = data_->entries_[static_cast<std::size_t>(i)];
    e.FieldOffset = static_cast<std::int16_t>(SBSlotOffset(i));
    if (IsExitEntry(e)) e.GotoStrs = e.Name;
  }
}

void SBInterfaceTable::NotifyPageList() {
  CurrentPBNotifier().PageListChanged(page_->Type == kTypeSuperBlock ? 1 : 2);
}

int SBInterfaceTable::AddEntry(const char* name, int type, int stringSize, int mode) {
  if (data_ == nullptr) return kErrInternal2;
  if (const int refused = CheckEntryName(name); refused != 0) return refused;
  const bool exit = type < 0;
  int clash = 0;
  const int position = InsertPosition(name, exit, &clash);
  if (clash != 0) return clash;
  if (data_->Count() >= kSBInterfaceCapacity) {
    KvMessageBoxRequest request;
    request.text = kTableFull;
    request.caption = "Flowsmith";
    request.style = kKvMbOk | kKvMbIconHand;
    ReportModelProblem(request, kLoadSaveBlockSection);
    return kRcLimit;
  }
  try {
    data_->entries_.insert(data_->entries_.begin() + position, MakeEntry(name, type, stringSize));
  } catch (const std::bad_alloc&) {
    return kErrOutOfMemory;
  }
  Renumber();
  isExit_ = exit;
  NotifyPageList();
  if (mode != kSBLeaveCallers) InsertCallerSlots(position, mode);
  return 0;
}

int SBInterfaceTable::RemoveEntry(const char* name) {
  const int position = FindEntry(name);
  if (position < 0) return kErrInternal2;
  isExit_ = IsExitEntry(data_->entries_[static_cast<std::size_t>(position)]);
  data_->entries_.erase(data_->entries_.begin() + position);
  Renumber();
  NotifyPageList();
  RemoveCallerSlots(position);
  return 0;
}

int SBInterfaceTable::RenameEntry(const char* oldName, const char* newName) {
  if (data_ == nullptr) return kErrInternal2;
  if (const int refused = CheckEntryName(newName); refused != 0) return refused;
  const int taken = FindEntry(newName);
  if (taken >= 0) {
    return IsExitEntry(data_->entries_[static_cast<std::size_t>(taken)]) ? kErrGotoExists : kErrInternal2;
  }
  const int from = FindEntry(oldName);
  if (from < 0) return kErrInternal2;
  PBFieldDef entry = data_->entries_[static_cast<std::size_t>(from)];
  const bool exit = IsExitEntry(entry);
  data_->entries_.erase(data_->entries_.begin() + from);
  int clash = 0;
  const int to = InsertPosition(newName, exit, &clash);
  std::memset(entry.Name, 0, sizeof entry.Name);
  std::strncpy(entry.Name, newName, scribe::kFieldNameSize);
  data_->entries_.insert(data_->entries_.begin() + to, entry);
  Renumber();
  isExit_ = exit;
  NotifyPageList();
  MoveCallerSlots(from, to);
  return 0;
}

int SBInterfaceTable::SetEntryValue(const char* name, std::int16_t value) {
  const int i = FindEntry(name);
  if (i < 0) return kErrInternal2;
  data_->entries_[static_cast<std::size_t>(i)].StrSize = value;
  return 0;
}

int SBInterfaceTable::CountExits() const {
  int n = 0;
  for (int i = 0; data_ != nullptr && i < data_->Count(); ++i) {
    if (IsExitEntry(data_->entries_[static_cast<std::size_t>(i)])) ++n;
  }
  return n;
}

int SBInterfaceTable::CountVariableEntries() const {
  return (data_ != nullptr ? data_->Count() : 0) - CountExits();
}

template <class F>
void SBInterfaceTable::ForEachCaller(F&& visit) {
  SymbolTable* table = ResolveProgram(program_);
  if (table == nullptr || page_ == nullptr) return;
  SymTreeWalkPostOrder(*table->TreeSlot(kTypeVavurOrezo), [&](Symbol& node) {
    if (node.Deleted) return;
    PBInstance* instance = InstanceOf(&node);
    if (instance == nullptr || instance->Type != kPBTypeSuperBlock) return;
    if (instance->Companion != page_->Name) return;
    visit(node, *instance);
  });
}

void SBInterfaceTable::AfterCallerChange(Symbol& caller, PBInstance& instance, bool refresh) {
  if (refresh) {
    PBEntryNop(&instance);
    PBEntryIsUnfinished(instance);
  }
  if (isExit_) {
    SymbolTable* table = ResolveProgram(program_);
    table->Hooks().NotifyVavurOrezoChanged(*table, caller);
  }
}

void SBInterfaceTable::InsertCallerSlots(int position, int mode) {
  if (!KV_ASSERT(position >= 0 && position < kSBInterfaceCapacity)) return;
  ForEachCaller([&](Symbol& caller, PBInstance& instance) {
    if (mode != kSBLeaveCallers) {
      ReleaseSlot(instance.Area, SBSlotOffset(kSBInterfaceCapacity - 1), program_);
      for (int i = kSBInterfaceCapacity - 1; i > position; --i) MoveSlot(instance.Area, i - 1, i);
      instance.Area.ClearSlot(SBSlotOffset(position));
    }
    AfterCallerChange(caller, instance, true);
  });
}

void SBInterfaceTable::RemoveCallerSlots(int position) {
  if (!KV_ASSERT(position >= 0 && position < kSBInterfaceCapacity)) return;
  ForEachCaller([&](Symbol& caller, PBInstance& instance) {
    ReleaseSlot(instance.Area, SBSlotOffset(position), program_);
    for (int i = position; i < kSBInterfaceCapacity - 1; ++i) MoveSlot(instance.Area, i + 1, i);
    instance.Area.ClearSlot(SBSlotOffset(kSBInterfaceCapacity - 1));
    AfterCallerChange(caller, instance, true);
  });
}

void SBInterfaceTable::MoveCallerSlots(int from, int to) {
  if (!KV_ASSERT(from >= 0 && from < kSBInterfaceCapacity && to >= 0 && to < kSBInterfaceCapacity)) return;
  ForEachCaller([&](Symbol& caller, PBInstance& instance) {
    if (from != to) {
      SymP held;
      if (SymP* slot = instance.Area.FindSlot(SBSlotOffset(from))) held = std::move(*slot);
      instance.Area.ClearSlot(SBSlotOffset(from));
      const int step = from < to ? 1 : -1;
      for (int i = from; i != to; i += step) MoveSlot(instance.Area, i + step, i);
      if (held.S != nullptr || held.HasConst()) *instance.Area.Slot(SBSlotOffset(to)) = std::move(held);
    }
    AfterCallerChange(caller, instance, false);
  });
}

void NotifyPageCallers(Symbol* page, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr || page == nullptr) return;
  SymTreeWalkPostOrder(*table->TreeSlot(kTypeVavurOrezo), [&](Symbol& node) {
    if (node.Deleted) return;
    PBInstance* instance = InstanceOf(&node);
    if (instance != nullptr && instance->Type == kPBTypeSuperBlock && instance->Companion == page->Name) {
      table->Hooks().NotifyVavurOrezoChanged(*table, node);
    }
  });
}

Symbol* FindPage(const char* name, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr || name == nullptr) return nullptr;
  for (int type : {kTypeSuperBlock, kTypeVerificationBlock}) {
    Symbol* page = SymTreeFind(*table->TreeSlot(type), name);
    if (page != nullptr && !page->Deleted) return page;
  }
  return nullptr;
}

const PBFieldDef* FindPageInterface(const char* name, SymbolTable* program) {
  Symbol* page = FindPage(name, program);
  auto* data = page != nullptr ? dynamic_cast<SBPageData*>(page->Data.get()) : nullptr;
  return data != nullptr ? data->Table() : nullptr;
}

void InstallSuperBlockLookups() {
  SetSuperBlockLookups([](const char* name) { return FindPageInterface(name); },
                       [](const char* name) { return GetSuperBlockTemplate(name); });
}

}  // namespace zeph
