#pragma once
// What the model library calls in this library: constant field tables and choice lists by
// number, and the help context ids of dialogs.

#include <cstdint>

namespace scribe {

inline constexpr int kChoiceValuesOffset = 1000;

// For a structure id: the field table (a PBFieldDef array ended by an empty name).
// For a choice-list id (1, 5-69): its display texts; for that id plus 1000: its values
// (null-terminated arrays of texts). Null for any other number. The output is set to 0.
const void* AssignPtrsInDLL1(std::uint16_t id, std::uint16_t* unused);

// Help context id of a dialog or help topic name; 0 when the name has no topic of its own
// (the help contents are shown then).
int FindHelpID(const char* name);

}  // namespace scribe
