#pragma once
// The catalogue data: one row per VavurOrezo type slot (0-415) with every key of the slot,
// the text of its field table and the text of its call template. It is the one source
// from which the model registers its type slots and from which this library serves the
// field tables by structure id. The row texts are read by fielddesc.h; the rules are in
// data/README.md.

#include <cstdint>
#include <span>

#include "scribe/parmlayout.h"

namespace scribe {

struct CatalogueRow {
  std::int16_t Index;           // type slot 0-415
  const char* Internal;         // internal name (also a reserved word)
  const char* Display;          // name shown to the user
  const char* Group;            // palette group code
  ParmLayout Layout;
  std::uint16_t StructId;       // 0: the model keeps the field table itself
  std::int16_t DialogKind;      // 0 custom, 1 table, 2 table with radios, 3 whole table, 4 rules
  const char* Resource;         // dialog template name or null
  const char* Keyword;          // palette bitmap keyword or null
  const char* CompletedLabel;   // heading of the completion exits or null
  const char* FailedLabel;      // heading of the failure exits or null
  const char* Fields;           // field table text
  const char* Calls;            // call template text; null: derived from the fields;
                                // "none": the type has no template
};

// Field tables served by structure id that belong to no slot of their own: the older
// definitions of the definition variants and of old files.
struct StructureRow {
  std::uint16_t StructId;
  ParmLayout Layout;
  const char* Fields;
  const char* Calls = nullptr;   // call template text of a variant's definition; null: none
};

inline constexpr int kCatalogueSize = 416;

// Every row, in slot order (rows of slots 0-392 and of the service blocks 393-415).
std::span<const CatalogueRow> CatalogueRows();
// The row of a slot, or null.
const CatalogueRow* FindCatalogueRow(int index);
// Tables by structure id that no slot names.
std::span<const StructureRow> ExtraStructureRows();
// The written call template of such a table (the older definitions the variants switch
// to), or null.
const char* StructureCallTemplate(std::uint16_t id);

// Row groups, each defined in its own data file.
std::span<const CatalogueRow> VoiceRows();
std::span<const CatalogueRow> TelephonyRows();
std::span<const CatalogueRow> MailRows();
std::span<const CatalogueRow> MultimediaMailRows();
std::span<const CatalogueRow> DataRows();
std::span<const CatalogueRow> ProgramRows();
std::span<const CatalogueRow> FaxRows();
std::span<const CatalogueRow> SystemRows();
std::span<const CatalogueRow> UnsupportedRows();
std::span<const CatalogueRow> ServiceBlockRows();

class FieldTable;
// The built field table of a structure id (slots' ids, older definitions), or null. The
// tables are built on first use and live as long as the program.
const FieldTable* StructureFieldTable(std::uint16_t id);

}  // namespace scribe
