#pragma once
// Data type codes of the model, the built-in type table with names and byte sizes, and the
// type mask with which callers ask for symbols of several types at once.
//
// Codes 0-63 are the built-in types; 64 is the program's structure-list slot, 65 and 66 two
// further symbol trees; user structure ids (which are also their type codes) start at 100.

#include <cstdint>
#include <initializer_list>

#include "model/modelcodes.h"
#include "model/constvalue.h"

namespace zeph {

class SymbolTable;

enum TypeCodes : int {
  kTypeStruct = 0,
  kTypeCharacter = 1,
  kTypeSmallInteger = 2,
  kTypeInteger = 3,
  kTypeSmallNumber = 4,
  kTypeNumber = 5,
  kTypeString = 6,
  kTypeDBInfo = 7,
  kTypeMail = 8,
  kTypeEntryK = 9,
  kTypeEntryS = 10,
  kTypeEntryParm = 11,
  kTypeMenuParms = 12,
  kTypeMessageParms = 13,
  kTypeEntryParms = 14,
  kTypeRecordParms = 15,
  kTypeMultiMailParms = 16,
  kTypeProgramRecord = 17,
  kTypeApStats = 18,
  kTypeDateNumber = 19,
  kTypeDateString = 20,
  kTypeResPerm = 21,
  kTypeFileHandle = 22,
  kTypeMenuK = 23,
  kTypeMenuS = 24,
  kTypeMenuParm = 25,
  kTypeFaxSessInfo = 26,
  kTypeSRResult = 27,
  kTypeHeaderStruct = 28,
  kTypeDistList = 29,
  kTypeFaxDocument = 30,
  kTypeOLEInfo = 31,
  kTypeNameBuff = 32,
  kTypeLabel = 33,
  kTypeVavurOrezo = 34,
  kTypeVoiceSentence = 35,
  kTypeFileParms = 36,
  kTypeMailParms = 37,
  kTypeLogFile = 38,
  kTypePathStruct = 39,
  kTypeSQLInfo = 40,
  kTypeSuperBlock = 41,   // pages
  kTypePlayParms = 42,
  kTypeVerificationBlock = 43,  // verify pages
  kTypeMailEx = 44,       // the second "bMail" record (231 bytes)
  kTypeMailBox = 45,
  kTypeVSentenceVar = 46,
  kTypeRecordEditParms = 47,
  kTypeDelay = 48,
  kTypeErrDelay = 49,
  kTypeRecordVoiceParms = 50,
  kTypeVREntryParms = 51,
  kTypeFaxRequest = 52,
  kTypeBoolean = 53,
  kTypeToneParms = 54,
  kTypeAddrParms = 55,
  kTypeAddrFParm = 56,
  kTypePlayKParms = 57,
  kTypePlaySParms = 58,
  kTypeBodyStruct = 59,
  kTypeMsgStruct = 60,
  kTypeMbxStruct = 61,
  kTypeCallInfoStruct = 62,
  kTypeAlarmStruct = 63,

  kBuiltinTypeCount = 64,
  kStructListSlot = 64,
  kLibraryTreeSlot = 65,  // SuperBlock libraries imported into the program
  kHeaderTreeSlot = 66,   // header files imported into the program
  kProgramSlotCount = 67,
  kFirstStructureId = 100,
};

// One entry of the built-in type table.
struct BuiltinTypeEntry {
  std::int16_t Code = 0;
  const char* Name = nullptr;   // null for the unfilled codes 30 and 31
  std::int16_t Size = 0;        // -1 = no fixed size
  std::int16_t IsRecord = 0;    // 1 = a record type with members
  std::int32_t Spare = 0;
};

// Fills the built-in type table; called once when the library starts (idempotent).
void InitDataTypeTable();
// The table entry of a built-in code, or null outside 0-63. Fills the table on first use.
const BuiltinTypeEntry* GetBuiltinTypeEntry(int code);
// Name of the built-in type table ("VavurOrezo", "Boolean", ...); null for 30, 31 and
// codes outside 0-63.
const char* GetTypeTableName(int code);
// The listed name used for lookups by name and in listings ("boolean", "EntryKParm", ...);
// null outside 0-63.
const char* GetListedTypeName(int code);
// Storage size of a value of a built-in code (0 for *STRING, whose values carry their
// own length, and for codes outside 0-63).
int GetBuiltinTypeSize(int code);
// Types whose constants are texts: strings, and voice item references (an item's number or
// file name kept in a field of a service block).
inline bool IsTextConstantType(int code) { return code == kTypeString || code == kTypeVoiceSentence; }
// Size of a plain value that may be a structure member; 0 for every other code.
int GetMemberTypeSize(int code);
// The record flag that symbols of a code receive; structure ids (100 up) are records.
bool IsRecordTypeCode(int code);
// The listed code of a type name, else the id of the program's structure of that name;
// -1 when neither. The program may be null (the current one).
int GetTypeCodeByName(const char* name, const SymbolTable* program);
// Byte size of a value of the code (one level of structure members summed).
int GetTypeSize(int code, const SymbolTable* program);
// Clears a value buffer of the code (a 0 byte first for text-like codes).
void ClearValueOfType(void* buffer, int code, const SymbolTable* program);

// Type mask: bit i of Allowed1 = code i (0-31), bit i of Allowed2 = code 32+i, and a
// structure selector with its value.
enum StructSelector : std::int16_t {
  kStructsAll = -1,        // every structure type
  kStructsNone = 0,
  kStructsOne = 1,         // the structure whose id is StructNum
  kStructsBitsOrSize = 2,  // id bit set in the words (ids 100-163) or size == StructNum
};

struct TypeMask {
  std::uint32_t Allowed1 = 0;
  std::uint32_t Allowed2 = 0;
  std::int16_t AddStructs = kStructsNone;
  std::int16_t StructNum = 0;
};

// A mask of the given built-in codes and no structures.
TypeMask MaskOfTypes(std::initializer_list<int> codes);
// Every built-in code and every structure type.
TypeMask AllTypesMask();
bool MaskHasBuiltin(const TypeMask& mask, int code);
void MaskSetBuiltin(TypeMask& mask, int code);
void MaskClearBuiltin(TypeMask& mask, int code);
// Whether the bit of a structure id (100-163) is set in the mask's words.
bool IsStructureIdInMask(int id, const TypeMask& mask);
// Sets the bit of every structure of the program (ids 100-163) whose summed size equals
// the size.
void MarkStructuresOfSize(TypeMask& mask, int size, const SymbolTable* program);

}  // namespace zeph
