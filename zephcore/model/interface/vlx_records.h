#pragma once
// Records that cross from the model library to the designer. Both sides are built
// together with one compiler and one runtime, so the records are plain structs with real
// pointers and natural alignment; field order and limits are kept as the designer reads
// them.

#include <cstdint>

#include "model/superblk_info.h"

namespace zeph {

class TProgram;
struct PBInstance;

// lParam of the notices with codes 1, 6, 8 and 11; lives for the duration of the send.
struct VlxNotifyRecord {
  TProgram* Program = nullptr;
  PBInstance* Object = nullptr;   // codes 1 and 8
  std::int16_t Unused = 0;
  std::int16_t Value = 0;         // the page kind for codes 6 and 11
};

// lParam of code 10: the program and the page of an editor window that became active.
struct VlxMainPageRecord {
  TProgram* Program = nullptr;
  char PageName[256] = {};
};

// One step of the walk over a program's VavurOrezos.
struct VlxVavurOrezoSummary {
  PBInstance* Instance = nullptr;
  PBInstance* SameInstance = nullptr;
  std::int16_t Type = 0;
  const char* Companion = nullptr;   // the called page of a SuperBlock call
  std::int16_t X = 0;
  std::int16_t Y = 0;
};

// What the designer is told about a variable reference. The texts live in the library
// until the next call.
struct VariableInfo {
  std::int32_t Unused = 0;
  const char* Name = nullptr;
  std::int16_t Type = 0;        // data type code
  std::int16_t Size = 0;        // size or array count; -1 for a constant
  void* Address = nullptr;      // into the variable's value storage; null when none
  std::int16_t UseCount = 0;    // -1 for a constant
};

inline constexpr int kPaletteGroupMax = 29;
inline constexpr int kPaletteEntryMax = 29;

// One group of the designer's tool palette: its texts, whether it is the "System" group,
// and its entries, the one after the last used having a null name.
struct VlxPaletteGroup {
  const char* Title = nullptr;
  const char* Key = nullptr;
  const char* Description = nullptr;
  const char* Bitmap = nullptr;
  std::uint8_t System = 0;
  VavurOrezoInfo Entries[kPaletteEntryMax + 1];
};

// The palette: at most 29 groups, the pointer after the last one null.
struct IconInfoTable {
  VlxPaletteGroup* Groups[kPaletteGroupMax + 1] = {};
};

}  // namespace zeph
