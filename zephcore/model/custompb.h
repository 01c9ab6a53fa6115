#pragma once
// The Custom VavurOrezos of a program: a list of named code texts that VavurOrezos of type
// -100 insert into the script, each counted by the VavurOrezos that use it.

#include <cstdint>
#include <memory>
#include <string>

namespace zeph {

class SymbolTable;

inline constexpr int kCustomPBNameMax = 16;

struct CustomPBEntry {
  char Name[kCustomPBNameMax + 1] = {};
  std::int16_t RefCount = 0;
  std::string Code;                     // the code text, empty when none
  std::unique_ptr<CustomPBEntry> Next;
};

struct CustomPBList {
  std::unique_ptr<CustomPBEntry> Head;
};

// Empties a list.
void CustomPBListInit(CustomPBList& list);
// The entry of exactly that name (case-sensitive), or null.
CustomPBEntry* CustomPBFind(CustomPBList& list, const char* name);
// Adds an entry with reference count 0 and no code at the end of the list: 0; the code of
// the name check when the name is refused; -171 when the name is present.
int CustomPBAdd(CustomPBList& list, const char* name, SymbolTable* program = nullptr);
// Raises or lowers the entry's reference count (never below 0); -1 when there is no entry.
int CustomPBAddRef(CustomPBList& list, const char* name);
int CustomPBRelease(CustomPBList& list, const char* name);

// The list of the program last constructed or activated (null when none).
CustomPBList* ActiveCustomPBList();
void SetActiveCustomPBList(CustomPBList* list);

}  // namespace zeph
