#pragma once
// The Custom VavurOrezos of a program: a list of named code texts that VavurOrezos of type
// -100 insert into the script, each counted by the VavurOrezos that use it. New entries go
// at the head, so a walk yields the most recently added first.

#include <cstdint>
#include <memory>
#include <string>

namespace zeph {

class ListSink;
class SymbolTable;

inline constexpr int kCustomPBNameMax = 15;   // the stored name is 16 bytes with its NUL

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
// Adds an entry with reference count 0 and no code at the head of the list: 0; the code of
// the name check when the name is refused (-171 when a Custom VavurOrezo has it).
int CustomPBAdd(CustomPBList& list, const char* name, SymbolTable* program = nullptr);
// Unlinks and frees the entry: 0; -1 when there is none; -170 while VavurOrezos use it.
int CustomPBRemove(CustomPBList& list, const char* name);
// Raises or lowers the entry's reference count (never below 0); -1 when there is no entry.
int CustomPBAddRef(CustomPBList& list, const char* name);
int CustomPBRelease(CustomPBList& list, const char* name);
// Adds every entry's name to the list, head first: 0.
int CustomPBEnumerate(CustomPBList& list, ListSink& sink);
// Frees every entry with its code: 0.
int CustomPBFreeAll(CustomPBList& list);

// The list of the program last constructed or activated (null when none).
CustomPBList* ActiveCustomPBList();
void SetActiveCustomPBList(CustomPBList* list);

}  // namespace zeph
