// The catalogue rows in slot order and the field tables served by structure id.
#include "scribe/catalogue.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "scribe/fielddesc.h"

namespace scribe {
namespace {

const std::vector<CatalogueRow>& AllRows() {
  static const std::vector<CatalogueRow> rows = [] {
    std::vector<CatalogueRow> all;
    for (auto group : {VoiceRows(), TelephonyRows(), MailRows(), MultimediaMailRows(),
                       DataRows(), ProgramRows(), FaxRows(), SystemRows(), UnsupportedRows(),
                       ServiceBlockRows()}) {
      all.insert(all.end(), group.begin(), group.end());
    }
    std::stable_sort(all.begin(), all.end(), [](const CatalogueRow& a, const CatalogueRow& b) {
      return a.Index < b.Index;
    });
    return all;
  }();
  return rows;
}

}  // namespace

std::span<const CatalogueRow> CatalogueRows() { return AllRows(); }

const CatalogueRow* FindCatalogueRow(int index) {
  const auto& rows = AllRows();
  auto it = std::lower_bound(rows.begin(), rows.end(), index,
                             [](const CatalogueRow& r, int i) { return r.Index < i; });
  return (it != rows.end() && it->Index == index) ? &*it : nullptr;
}

const FieldTable* StructureFieldTable(std::uint16_t id) {
  static const std::map<std::uint16_t, std::unique_ptr<FieldTable>> tables = [] {
    std::map<std::uint16_t, std::unique_ptr<FieldTable>> built;
    for (const CatalogueRow& row : AllRows()) {
      if (row.StructId != 0 && built.count(row.StructId) == 0) {
        built[row.StructId] = BuildFieldTable(row.Fields, row.Layout, nullptr);
      }
    }
    for (const StructureRow& row : ExtraStructureRows()) {
      if (built.count(row.StructId) == 0) {
        built[row.StructId] = BuildFieldTable(row.Fields, row.Layout, nullptr);
      }
    }
    return built;
  }();
  auto it = tables.find(id);
  return it != tables.end() ? it->second.get() : nullptr;
}

const char* StructureCallTemplate(std::uint16_t id) {
  for (const StructureRow& row : ExtraStructureRows()) {
    if (row.StructId == id) return row.Calls;
  }
  return nullptr;
}

}  // namespace scribe
