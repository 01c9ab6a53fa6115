// Parameter areas and private field tables of VavurOrezo instances.
#include "model/pbentry_instance.h"

#include <cstring>

#include "foundation/kvassert.h"
#include "model/pbfield_lookup.h"

namespace zeph {
namespace {

bool InArea(int offset, int width) {
  return offset >= 0 && offset + width <= kParameterAreaSize;
}

}  // namespace

std::int16_t PBParameterArea::Word(int offset) const {
  if (!KV_ASSERT(InArea(offset, 2))) return 0;
  return static_cast<std::int16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
}

void PBParameterArea::SetWord(int offset, std::int16_t value) {
  if (!KV_ASSERT(InArea(offset, 2))) return;
  const auto v = static_cast<std::uint16_t>(value);
  bytes_[offset] = static_cast<unsigned char>(v & 0xFF);
  bytes_[offset + 1] = static_cast<unsigned char>(v >> 8);
}

std::int32_t PBParameterArea::Long(int offset) const {
  if (!KV_ASSERT(InArea(offset, 4))) return 0;
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | bytes_[offset + i];
  return static_cast<std::int32_t>(v);
}

void PBParameterArea::SetLong(int offset, std::int32_t value) {
  if (!KV_ASSERT(InArea(offset, 4))) return;
  auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i, v >>= 8) bytes_[offset + i] = static_cast<unsigned char>(v & 0xFF);
}

SymP* PBParameterArea::FindSlot(int offset) {
  auto it = slots_.find(offset);
  return it != slots_.end() ? &it->second : nullptr;
}

const SymP* PBParameterArea::FindSlot(int offset) const {
  auto it = slots_.find(offset);
  return it != slots_.end() ? &it->second : nullptr;
}

SymP* PBParameterArea::Slot(int offset) {
  if (!KV_ASSERT(InArea(offset, scribe::kValueSlotSize))) return nullptr;
  return &slots_[offset];
}

void PBParameterArea::ClearSlot(int offset) { slots_.erase(offset); }

bool PBParameterArea::IsSlotEmpty(int offset) const {
  const SymP* slot = FindSlot(offset);
  return slot == nullptr || (slot->S == nullptr && !slot->HasConst());
}

PBOwnFieldTable::PBOwnFieldTable(const PBFieldDef* source) {
  const int n = CountFields(source);
  entries_.assign(source, source + n);
  entries_.push_back(PBFieldDef());
  for (int i = 0; i < n; ++i) {
    if (entries_[static_cast<std::size_t>(i)].GotoStrs != nullptr) {
      SetLabel(i, entries_[static_cast<std::size_t>(i)].GotoStrs);
    }
  }
}

void PBOwnFieldTable::SetLabel(int i, const char* text) {
  if (!KV_ASSERT(i >= 0 && i < Count())) return;
  labels_.emplace_back(text != nullptr ? text : "");
  entries_[static_cast<std::size_t>(i)].GotoStrs = labels_.back().c_str();
}

PBOwnFieldTable& PBInstance::MakeOwnTable() {
  if (!OwnTable) {
    static const PBFieldDef kEmpty[1] = {};
    const PBFieldDef* source = GetFieldTable(Type, this);
    OwnTable = std::make_unique<PBOwnFieldTable>(source != nullptr ? source : kEmpty);
  }
  return *OwnTable;
}

PBInstance* InstanceOf(Symbol* symbol) {
  return symbol != nullptr ? dynamic_cast<PBInstance*>(symbol->Data.get()) : nullptr;
}

}  // namespace zeph
