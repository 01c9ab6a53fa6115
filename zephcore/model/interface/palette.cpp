#include "model/interface/palette.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include "foundation/kvmsgbox.h"
#include "model/interface/exits.h"
#include "model/modelcodes.h"
#include "model/name_compare.h"
#include "model/pbfield_lookup.h"

namespace zeph {
namespace {

constexpr PaletteGroupDef kGroups[] = {
    {"System", "Sys", "System Blocks", "VOICE"},
    {"Basic", "vB", "Basic", "ULVO_BLOCKFOLDER"},
    {"System ", "vS", "System", "ULVO_BLOCKFOLDER"},
};

bool g_backTypes = false;

void ShowStop(const char* text, const char* caption) {
  KvMessageBoxRequest request;
  request.text = text;
  request.caption = caption;
  request.style = kKvMbOk | kKvMbIconHand;
  KvMessageBox(request);
}

bool InBackPalette(const PaletteGroupDef& group) { return group.Key != nullptr && group.Key[0] == 'b'; }

int EntryCount(const VlxPaletteGroup& group) {
  int n = 0;
  while (n < kPaletteEntryMax && group.Entries[n].Name != nullptr) ++n;
  return n;
}

void FillEntry(VavurOrezoInfo& entry, const PBType& slot, int type, const char* groupBitmap) {
  entry = VavurOrezoInfo();
  entry.Name = slot.DisplayName;
  entry.SecondName = slot.DisplayName;
  entry.Bitmap = slot.Keyword != nullptr ? slot.Keyword : groupBitmap;
  entry.Type = static_cast<std::int16_t>(type);
  if (!FillVavurOrezoExits(entry, GetFieldTable(type, nullptr), type)) entry.ExitCount = 0;
}

}  // namespace

const PaletteGroupDef* PaletteGroups(int* count) {
  *count = static_cast<int>(std::size(kGroups));
  return kGroups;
}

int BuildPalette(IconInfoTable& table, bool backPalette, const PaletteGroupDef* groups, int groupCount,
                 const PBCatalogue& catalogue) {
  table = IconInfoTable();
  std::vector<int> position(groupCount, -1);
  int taken = 0;
  for (int row = 0; row < groupCount; ++row) {
    if (InBackPalette(groups[row]) != backPalette) continue;
    if (taken == kPaletteGroupMax) {
      ShowStop(kTooManyGroupsText, "");
      // The caller does not use the table after this answer, so nothing made is kept.
      for (int g = 0; g < taken; ++g) delete table.Groups[g];
      table = IconInfoTable();
      return kRcLimit;
    }
    auto group = std::make_unique<VlxPaletteGroup>();
    group->Title = groups[row].Title;
    group->Key = groups[row].Key;
    group->Description = groups[row].Description;
    group->Bitmap = groups[row].Bitmap;
    group->System = std::strcmp(groups[row].Title, "System") == 0 ? 1 : 0;
    position[row] = taken;
    table.Groups[taken++] = group.release();
  }
  table.Groups[taken] = nullptr;
  for (int type = 0; type < kPBCatalogueSize; ++type) {
    const PBType* slot = catalogue.Slot(type);
    if (slot == nullptr || slot->GroupCode == nullptr || slot->DisplayName == nullptr) continue;
    int row = 0;
    while (row < groupCount && std::strcmp(groups[row].Key, slot->GroupCode) != 0) ++row;
    if (row == groupCount || position[row] < 0) continue;
    VlxPaletteGroup& group = *table.Groups[position[row]];
    const int n = EntryCount(group);
    if (n == kPaletteEntryMax) {
      char text[160];
      std::snprintf(text, sizeof text, kPaletteEntryOverflowFormat, type, position[row]);
      ShowStop(text, "Flowsmith");
      continue;
    }
    FillEntry(group.Entries[n], *slot, type, group.Bitmap);
  }
  for (int g = 0; g < taken; ++g) {
    VlxPaletteGroup& group = *table.Groups[g];
    std::stable_sort(group.Entries, group.Entries + EntryCount(group),
                     [](const VavurOrezoInfo& a, const VavurOrezoInfo& b) { return CompareNames(a.Name, b.Name) < 0; });
  }
  return 0;
}

bool BackTypesOffered() { return g_backTypes; }
void ToggleBackTypes() { g_backTypes = !g_backTypes; }

}  // namespace zeph
