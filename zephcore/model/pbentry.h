#pragma once
// Entry services of VavurOrezo instances: completeness, connecting and disconnecting gotos,
// disconnecting the gotos that lead to a VavurOrezo, releasing what parameters hold, and
// emptying a program.

#include "model/pbentry_instance.h"

namespace zeph {

class SymbolTable;
struct CustomPBList;

// 1 when the VavurOrezo still lacks a required parameter, else 0: its complete flag is 0,
// it has no field table, or a goto that may not be blank names no target. A Record
// VavurOrezo (type 3) first recomputes its complete flag from its own fields.
int PBEntryIsUnfinished(PBInstance& instance);

// Points the n-th goto field (counting from 0) at the VavurOrezo of that name and counts
// the reference; a name that names no VavurOrezo yet is kept as the slot's text. 0, or -1
// when the VavurOrezo has no field table or fewer goto fields.
// PBEntrySetGoto for the VavurOrezo itself: a goto that already leads to it stays as it is
// without reading the target.
int PBEntrySetGotoTo(const PBInstance& target, int n, PBInstance& instance, SymbolTable* program = nullptr);
int PBEntrySetGoto(const char* targetName, int n, PBInstance& instance,
                   SymbolTable* program = nullptr);

// Clears bit n of the goto mask, releases the n-th goto field's reference and empties its
// slot; nothing when there is no such field.
void PBEntryClearGoto(PBInstance& instance, int n, SymbolTable* program = nullptr);

// Called before every refresh; has no effect.
void PBEntryNop(PBInstance* instance);

// Gives back what the value slots of the edit fields hold: their references are released
// and their constants and texts freed; the slots are left empty.
void PBEntryReleaseSlots(PBInstance& instance, const PBFieldDef* table,
                         SymbolTable* program = nullptr);

// Disconnects, in every VavurOrezo of the tree (post-order, deleted ones skipped), each
// goto that leads to the target symbol: its reference is released and its slot emptied.
// A goto slot that holds a text is left alone.
void UnlinkGotosTo(Symbol* tree, const Symbol* target, SymbolTable* program = nullptr);

// Releases the parameters of every VavurOrezo of the tree (post-order, deleted ones
// skipped), with the table that governs each. A Custom VavurOrezo also gives back its
// use of the active Custom VavurOrezo list.
void ReleaseVavurOrezoRefs(Symbol* tree, SymbolTable* program = nullptr);

// Empties a program: the page-scope check is cleared, the VavurOrezos' parameters are
// released, every symbol and user structure is freed (the predefined structures stay and
// new structures start at id 100 again) and the Custom VavurOrezo list, when given, is
// emptied. The program's own words (its VavurOrezo count, text buffer, editor state and
// flags) are the application object's to clear.
void ResetProgram(SymbolTable* program = nullptr, CustomPBList* customs = nullptr);

}  // namespace zeph
