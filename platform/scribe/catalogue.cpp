// The catalogue rows in slot order and the field tables served by structure id.
#include "scribe/catalogue.h"

#include <algorithm>
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
  // Tables are built once and served from an array by id: readers of the application
  // file ask for them once or more per VavurOrezo.
  struct Tables {
    std::vector<std::unique_ptr<FieldTable>> owned;
    std::vector<const FieldTable*> byId;
    void Add(std::uint16_t structId, std::unique_ptr<FieldTable> table) {
      if (byId.size() <= structId) byId.resize(static_cast<std::size_t>(structId) + 1, nullptr);
      byId[structId] = table.get();
      owned.push_back(std::move(table));
    }
    bool Has(std::uint16_t structId) const { return structId < byId.size() && byId[structId] != nullptr; }
  };
  static const Tables tables = [] {
    Tables built;
    for (const CatalogueRow& row : AllRows()) {
      if (row.StructId != 0 && !built.Has(row.StructId)) {
        built.Add(row.StructId, BuildFieldTable(row.Fields, row.Layout, nullptr));
      }
    }
    for (const StructureRow& row : ExtraStructureRows()) {
      if (!built.Has(row.StructId)) built.Add(row.StructId, BuildFieldTable(row.Fields, row.Layout, nullptr));
    }
    return built;
  }();
  return id < tables.byId.size() ? tables.byId[id] : nullptr;
}

const char* StructureCallTemplate(std::uint16_t id) {
  for (const StructureRow& row : ExtraStructureRows()) {
    if (row.StructId == id) return row.Calls;
  }
  return nullptr;
}

}  // namespace scribe
