// Palette exports.
#include "model/interface/exports_common.h"
#include "model/interface/palette.h"
#include "model/interface/vlx.h"
#include "model/modelcodes.h"

int vlxGetVavurOrezoList(IconInfoTable* table, int backPalette, int, int, int, int) {
  if (zeph::ExportProgram() == nullptr || table == nullptr) return zeph::kRcNoProgram;
  return zeph::GuardExport(zeph::kRcNoMemory, [&] {
    int count = 0;
    const zeph::PaletteGroupDef* groups = zeph::PaletteGroups(&count);
    return zeph::BuildPalette(*table, backPalette != 0, groups, count, zeph::TheCatalogue());
  });
}

void vlxToggleBackTypes() { zeph::ToggleBackTypes(); }
