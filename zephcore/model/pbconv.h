#pragma once
// Conversion of parameters written by older versions of the designer. A conversion entry
// of a type says how the parameters of an older definition map onto the current one: by
// a list of field moves and an optional callback. A record conversion does the same for
// the stored bytes of a variable of a built-in record type.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "model/pbentry_instance.h"
#include "model/pbfielddef.h"
#include "model/pbtype.h"

namespace zeph {

class PBCatalogue;
class ParmVersionTables;
class SymbolTable;
struct PBConversion;
struct PBFieldMove;

// Conversion entry flags.
enum PBConversionFlags : std::int32_t {
  kConvCallbackFirst = 1,   // the callback runs before the moves and decides
  kConvImpossible = 2,      // the VavurOrezo cannot be converted
};

// Answers of a callback that runs first.
enum PBConversionAnswer : int {
  kConvGoOn = 1,
  kConvRefuse = 2,          // cannot be converted
  kConvKeepOldType = 3,     // stays of its old type, parameters copied as they are
  kConvCopyArea = 4,        // parameters copied as they are
};

// Field move kinds.
enum PBFieldMoveKind : std::uint32_t {
  kMoveEnd = 0,
  kMoveCopy = 1,
  kMoveScale = 2,
  kMoveCopyIfEqual = 3,
  kMoveCopyIfEmpty = 4,
  kMoveCopyIfGiven = 5,
  kMoveSet = 6,
  kMoveSetIfEqual = 7,
  kMoveSetIfGiven = 8,
  kMoveSetIfEmpty = 9,
};

using PBConversionCallback = int (*)(PBInstance& oldPB, PBInstance& newPB, const PBConversion& entry);
using PBMoveCallback = void (*)(PBInstance& oldPB, PBInstance& newPB, const PBConversion& entry,
                                const PBFieldMove& move);

// Field indexes count the entries of the old and the new field table from 0.
struct PBFieldMove {
  std::uint32_t Kind = kMoveEnd;
  std::uint32_t Source = 0;       // old field
  const char* Text = nullptr;     // value to set, or the scale factor
  std::uint32_t Destination = 0;  // new field
  std::uint32_t Condition = 0;    // old field tested
  const char* Compare = nullptr;  // text the condition is compared with
  PBMoveCallback Callback = nullptr;
};

struct PBConversion {
  PBConversion* Next = nullptr;
  std::int32_t OldType = 0;
  std::int32_t NewType = 0;
  float Version = 0;              // applies to files of a version up to this one
  std::int32_t Flags = 0;
  const PBFieldDef* OldFields = nullptr;
  std::int32_t OldStructId = 0;
  const PBFieldMove* Moves = nullptr;   // ended by a move of kind 0; null: none
  std::int32_t OldLayoutKind = 0;
  const PBParmLayout* OldLayout = nullptr;
  PBConversionCallback Callback = nullptr;
  // The moves copy the fields of equal name and kind; the other new fields take their
  // defaults first.
  bool ByName = false;
};

// The first entry whose version is at least the given one, or null.
const PBConversion* FindConversionForVersion(const PBConversion* list, float version);

// Registers an entry: a null old field table is the one the field-table library serves
// for the old structure id, or, without one, the slot's current table; a new type of 0 is
// the old type. Linked before the first entry whose version is not lower, so among equal
// versions the entry registered last comes first.
PBConversion& AddConversion(PBCatalogue& catalogue, ParmVersionTables& tables, int oldType,
                            int newType, float version, int flags,
                            const PBFieldDef* oldFields, int oldStructId,
                            const PBFieldMove* moves, int oldLayoutKind,
                            const PBParmLayout* oldLayout, PBConversionCallback callback);

// Converts the old VavurOrezo's parameters into the new one: 0, or -188 when it cannot be
// converted (its references are given back first).
int ConvertVavurOrezoParameters(const PBConversion& entry, PBInstance& oldPB, PBInstance& newPB);

// Gives back the references held in the value slots of the entry's old layout.
void ReleaseConversionRefs(const PBConversion& entry, PBInstance& oldPB);

// The entry the file reader takes for a VavurOrezo of the type in a file of the version:
// only when the model is at least 0.001 newer than the file, the definitions are the
// current ones and the type has an entry for that version; else null.
const PBConversion* ConversionForFile(int typeIndex, float fileVersion);

// Where conversions report what they could not do (a message box until one is set; an
// empty function restores it).
void SetConversionReportSink(std::function<void(const std::string&)> sink);
void ReportConversionProblem(const std::string& text);

}  // namespace zeph
