#pragma once
// The store of the definition variants and conversion entries of a catalogue, filled once
// by InitParmVersionTables after the catalogue's registrations and never changed after.

#include <array>
#include <deque>
#include <memory>
#include <vector>

#include "model/datatypes.h"
#include "model/defset.h"
#include "model/pbconv.h"
#include "model/pbconv_record.h"

namespace scribe {
class FieldTable;
}

namespace zeph {

class PBCatalogue;

class ParmVersionTables {
 public:
  ParmVersionTables();
  ~ParmVersionTables();
  ParmVersionTables(const ParmVersionTables&) = delete;
  ParmVersionTables& operator=(const ParmVersionTables&) = delete;

  PBTypeVersion& NewVariant() { return variants_.emplace_back(); }
  PBConversion& NewConversion() { return conversions_.emplace_back(); }
  RecConversion& NewRecordConversion() { return records_.emplace_back(); }
  // Keeps a move list (ended by a move of kind 0 here) and gives its first move.
  const PBFieldMove* KeepMoves(std::vector<PBFieldMove> moves);
  const PBFieldDef* KeepTable(std::unique_ptr<scribe::FieldTable> table);
  const PBTemplatePair* KeepTemplate(std::vector<PBTemplatePair> tpl);

  // Head of the record conversions of a built-in type code (0-63); null outside.
  RecConversion** RecordList(int typeCode);
  const RecConversion* RecordListOf(int typeCode) const;

  int ConversionCount() const { return static_cast<int>(conversions_.size()); }
  int VariantCount() const { return static_cast<int>(variants_.size()); }
  int RecordConversionCount() const { return static_cast<int>(records_.size()); }

 private:
  std::deque<PBTypeVersion> variants_;
  std::deque<PBConversion> conversions_;
  std::deque<RecConversion> records_;
  std::deque<std::vector<PBFieldMove>> moves_;
  std::vector<std::unique_ptr<scribe::FieldTable>> tables_;
  std::deque<std::vector<PBTemplatePair>> templates_;
  std::array<RecConversion*, kBuiltinTypeCount> recordLists_{};
};

// Makes the entry convert by field name and kind: a copy for every new field that the
// old table has under the same name and kind; the other new fields keep their defaults.
void SetMovesByName(PBConversion& entry, ParmVersionTables& tables, const PBFieldDef* newFields);

// Registers the variants, the conversion entries and the record conversions.
void InitParmVersionTables(PBCatalogue& catalogue, ParmVersionTables& tables);

// The process-wide store, registered for the process-wide catalogue on first use.
ParmVersionTables& TheParmVersionTables();

}  // namespace zeph
