// The registration modules of the catalogue: every slot is registered from its row of the
// catalogue data, in the order of the modules.
#include <cstring>
#include <initializer_list>
#include <utility>

#include "model/pbcat.h"
#include "scribe/catalogue.h"
#include "scribe/fielddesc.h"

namespace zeph {
namespace {

using Range = std::pair<int, int>;   // first and last index

// Types that open no property form: their hooks are all null.
constexpr int kTypesWithoutForm[] = {163, 164, 175, 176, 177, 286};

void RegisterRow(PBCatalogue& catalogue, const scribe::CatalogueRow& row) {
  const scribe::FieldTable* table = nullptr;
  const PBFieldDef* ownTable = nullptr;
  if (row.StructId == 0) {
    table = catalogue.Keep(scribe::BuildFieldTable(row.Fields, row.Layout, nullptr));
    ownTable = table->Entries();
  } else {
    table = scribe::StructureFieldTable(row.StructId);
  }
  const PBTemplatePair* tpl = nullptr;
  const bool noTemplate = row.Calls != nullptr && std::strcmp(row.Calls, "none") == 0;
  if (!noTemplate && table != nullptr) {
    tpl = catalogue.Keep(scribe::BuildCallTemplate(row.Calls, *table, nullptr));
  }
  catalogue.Keep(std::make_unique<DefinePB>(
      catalogue, row.Index, row.Internal, row.Display, row.Group, "",
      static_cast<std::int16_t>(ParmLayoutKind(row.Layout)), ownTable, row.StructId,
      ParmLayoutParts(row.Layout), tpl, row.DialogKind, row.Resource, row.Keyword,
      row.CompletedLabel, row.FailedLabel, static_cast<std::int16_t>(0), nullptr));
  for (int index : kTypesWithoutForm) {
    if (index == row.Index) DefinePBHooks(catalogue, index, nullptr, nullptr, nullptr, nullptr);
  }
}

void RegisterRanges(PBCatalogue& catalogue, std::initializer_list<Range> ranges) {
  for (const Range& range : ranges) {
    for (int index = range.first; index <= range.second; ++index) {
      if (const scribe::CatalogueRow* row = scribe::FindCatalogueRow(index)) {
        RegisterRow(catalogue, *row);
      }
    }
  }
}

}  // namespace

void RegisterTypeModule(PBCatalogue& catalogue) {
  RegisterRanges(catalogue, {{0, 229}, {362, 367}});
}

void RegisterTypeModule2(PBCatalogue& catalogue) {
  RegisterRanges(catalogue, {{234, 244}, {230, 233}, {245, 300}, {336, 340}});
}

void RegisterNewTypeModule(PBCatalogue& catalogue) {
  RegisterRanges(catalogue, {{301, 335}, {341, 361}, {368, 392}});
}

void RegisterServiceBlocks(PBCatalogue& catalogue) { RegisterRanges(catalogue, {{393, 415}}); }

void RegisterChoiceLists(PBCatalogue& catalogue) {
  auto define = [&](int id) { DefineChoiceList(catalogue, id, nullptr, nullptr); };
  define(1);
  define(5);
  define(6);
  for (int id = 7; id <= 38; ++id) define(id);
  define(40);
  define(39);
  for (int id = 41; id <= 69; ++id) define(id);
}

}  // namespace zeph
