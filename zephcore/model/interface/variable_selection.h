#pragma once
// What the designer's variable picker is asked for and what it hands back: the type
// selection built from the designer's kind flags, the holder preset from a field's text,
// and the library's one reference node through which the choice leaves the library.

#include <cstdint>

#include "forms/assign/operandtypes.h"
#include "forms/picker/pickrequest.h"
#include "model/varref.h"

namespace zeph {

// The type selection of a pick is the 16-byte restriction block of a field entry: the type
// masks over codes 0-31 and 32-63, the structure selector with its structure number, the
// array rule and the minimum number.
using TypeSelection = Restriction;

// Kind flags of the designer's variable pick.
inline constexpr int kSelectKindGivenMasks = -1;     // the two masks as given
inline constexpr int kSelectKindAnyVariable = 16;    // every variable type a field can take
inline constexpr int kSelectKindText = 0x1;          // strings and date strings
inline constexpr int kSelectKindNumber = 0x2;        // the numeric codes 1-5
inline constexpr int kSelectKindVavurOrezo = 0x4;    // VavurOrezos (second mask)
inline constexpr int kSelectKindDate = 0x8;          // date numbers and date strings

// The selection for the designer's kind flags and masks.
TypeSelection SelectionForKind(int kind, std::uint32_t mask1, std::uint32_t mask2);
// The selection of a pick that the caller did not restrict.
TypeSelection UnrestrictedSelection();

// Presets the holder: the given selection (its flag 0), or the unrestricted one with the
// flag 1 (nothing needs to be chosen); the current text is parsed under that selection
// into a scratch reference and its parts become the holder's choice. An empty text, or
// one that names no variable, leaves every part zero. The library's reference node is not
// touched.
void PrepareVariableHolder(PickRequest& holder, const TypeSelection* selection, const char* text,
                           SymbolTable* program);

// The library's reference node: what the last confirmed pick chose.
SymP& LibraryReferenceNode();
// A confirmed pick: the holder's symbol, member ids and index go into the library's
// reference node, whose address is answered.
SymP* CommitVariableChoice(const PickRequest& holder);

}  // namespace zeph
