#pragma once
// Conversion of the stored bytes of variables of built-in record types written by older
// versions: a list of byte moves per type and version.

#include <cstddef>
#include <cstdint>

namespace zeph {

class ParmVersionTables;
struct RecConversion;
struct RecFieldMove;

// Record move kinds.
enum RecFieldMoveKind : std::int32_t {
  kRecMoveEnd = 0,
  kRecMoveCopy = 1,
  kRecMoveScale = 2,      // copy, then multiply by the value
  kRecMoveConstant = 3,
  kRecMoveText = 4,
};

// Record move flags.
enum RecFieldMoveFlags : std::uint32_t {
  kRecRightAlign = 1,     // a widened value goes to the end of its new place
  kRecConstantBytes = 2,  // the constant is the bytes Bytes points at
};

using RecConversionCallback = int (*)(const unsigned char* oldRecord, unsigned char* newRecord,
                                      const RecConversion& entry);
using RecMoveCallback = int (*)(const unsigned char* oldRecord, unsigned char* newRecord,
                                const RecConversion& entry, const RecFieldMove& move);

struct RecFieldMove {
  std::int32_t Kind = kRecMoveEnd;
  std::int32_t OldOffset = 0;
  std::int32_t OldLength = 0;
  std::int32_t Value = 0;                 // constant (low bytes) or factor
  std::int32_t NewOffset = 0;
  std::int32_t NewLength = 0;
  std::uint32_t Flags = 0;
  const unsigned char* Bytes = nullptr;   // constant bytes with kRecConstantBytes
  const char* Text = nullptr;             // text of kind 4
  RecMoveCallback Callback = nullptr;
};

struct RecConversion {
  RecConversion* Next = nullptr;
  std::int32_t TypeCode = 0;
  float Version = 0;
  std::int32_t Reserved = 0;
  const RecFieldMove* Moves = nullptr;    // ended by kind 0
  RecConversionCallback Callback = nullptr;
};

// The first entry whose version is at least the given one, or null.
const RecConversion* FindRecordConversionForVersion(const RecConversion* list, float version);

// Registers an entry in the type's list (ascending by version; among equal versions the
// one registered last comes first).
RecConversion& AddRecordConversion(ParmVersionTables& tables, int typeCode, float version,
                                   const RecFieldMove* moves, RecConversionCallback callback);

// Moves the old record's bytes into the new record (zeroed by the caller). Bytes the old
// record does not reach read as zero; moves past the new record's end are left out.
// Always 1.
int ApplyFieldMoves(const RecConversion& entry, const unsigned char* oldRecord, std::size_t oldSize,
                    unsigned char* newRecord, std::size_t newSize);

// The entry the raw-form reader takes for a variable of a built-in type in a file of the
// version: only when the model is at least 0.001 newer than the file; else null.
const RecConversion* RecordConversionForFile(int typeCode, float fileVersion);

}  // namespace zeph
