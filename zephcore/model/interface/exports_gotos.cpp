// Goto exports and the exit description of a VavurOrezo.
#include "model/interface/exits.h"
#include "model/interface/exports_common.h"
#include "model/interface/vlx.h"
#include "model/modelcodes.h"
#include "model/pbfield_lookup.h"

using zeph::PBInstance;
using zeph::TProgram;

int vlxCreateGoto(vlxHandleType source, vlxHandleType target, int exitIndex) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || source == nullptr || target == nullptr) return zeph::kRcNoProgram;
  auto* from = static_cast<PBInstance*>(source);
  auto* to = static_cast<PBInstance*>(target);
  if (zeph::FindGotoField(zeph::GetFieldTable(from->Type, from), exitIndex) < 0) return zeph::kRcLimit;
  return zeph::GuardExport(zeph::kRcNoMemory, [&] {
    return program->ConnectGoto(from, *to, exitIndex) != 0 ? 0 : zeph::kRcLimit;
  });
}

void vlxDeleteGoto(vlxHandleType source, const char* exitLabel) {
  TProgram* program = zeph::ExportProgram();
  if (program == nullptr || source == nullptr || exitLabel == nullptr) return;
  program->DisconnectGoto(static_cast<PBInstance*>(source), exitLabel);
}

vlxHandleType vlxGetGotoConnection(vlxHandleType source, int n) {
  if (zeph::ExportProgram() == nullptr || source == nullptr) return nullptr;
  auto* from = static_cast<PBInstance*>(source);
  const zeph::PBFieldDef* table = zeph::GetFieldTable(from->Type, from);
  const int field = zeph::FindGotoField(table, n);
  if (field < 0) return nullptr;
  const zeph::SymP* slot = from->Area.FindSlot(table[field].FieldOffset);
  return slot != nullptr && slot->S != nullptr ? zeph::InstanceOf(slot->S) : nullptr;
}

VavurOrezoInfo* vlxGetVavurOrezoInfo(vlxHandleType vavurOrezo, VavurOrezoInfo* info) {
  if (zeph::ExportProgram() == nullptr || vavurOrezo == nullptr || info == nullptr) return nullptr;
  auto* instance = static_cast<PBInstance*>(vavurOrezo);
  const zeph::PBFieldDef* table = zeph::GetFieldTable(instance->Type, instance);
  if (table == nullptr) return nullptr;
  return zeph::FillVavurOrezoExits(*info, table, instance->Type) ? info : nullptr;
}
