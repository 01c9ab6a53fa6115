// The store of definition variants and conversion entries.
#include "model/pbconv_tables.h"

#include "model/pbcat.h"
#include "scribe/fielddesc.h"

namespace zeph {

ParmVersionTables::ParmVersionTables() = default;
ParmVersionTables::~ParmVersionTables() = default;

const PBFieldMove* ParmVersionTables::KeepMoves(std::vector<PBFieldMove> moves) {
  moves.push_back(PBFieldMove());
  return moves_.emplace_back(std::move(moves)).data();
}

const PBFieldDef* ParmVersionTables::KeepTable(std::unique_ptr<scribe::FieldTable> table) {
  if (!table) return nullptr;
  tables_.push_back(std::move(table));
  return tables_.back()->Entries();
}

const PBTemplatePair* ParmVersionTables::KeepTemplate(std::vector<PBTemplatePair> tpl) {
  return templates_.emplace_back(std::move(tpl)).data();
}

RecConversion** ParmVersionTables::RecordList(int typeCode) {
  if (typeCode < 0 || typeCode >= kBuiltinTypeCount) return nullptr;
  return &recordLists_[static_cast<std::size_t>(typeCode)];
}

const RecConversion* ParmVersionTables::RecordListOf(int typeCode) const {
  if (typeCode < 0 || typeCode >= kBuiltinTypeCount) return nullptr;
  return recordLists_[static_cast<std::size_t>(typeCode)];
}

ParmVersionTables& TheParmVersionTables() {
  static ParmVersionTables* tables = [] {
    static ParmVersionTables instance;
    InitParmVersionTables(TheCatalogue(), instance);
    return &instance;
  }();
  return *tables;
}

}  // namespace zeph
