#pragma once
// The field engine of the property forms: moves values between a form's controls and a
// record as the form's field table says, and checks what the user typed.
//
// Every entry's ControlPtr must point at its FieldControl (fieldcontrol.h). The engine is
// stateless; the table, the controls and the record hold everything.

#include "foundation/kvwintypes.h"
#include "forms/engine/fieldrecord.h"
#include "model/pbfielddef.h"

namespace zeph {

class SymbolTable;

inline constexpr int kFieldTextLimit = 1024;   // text read from an edit
inline constexpr int kChoiceTextSize = 48;     // stored text of a combo entry

// Shows the record's values in the controls.
void PBFormLoadFields(PBFieldDef* table, FieldRecord& record, SymbolTable* program = nullptr);

// Checks the edits from entry `start` on. Returns 0, or the model code of the first
// failing entry, whose index goes to *failing. The unfinished flag is set and the complete
// flag cleared by blanks the entries do not allow; both are in/out.
int PBFormCheckFields(const PBFieldDef* table, int start, int* failing, int* unfinished,
                      int* complete, SymbolTable* program = nullptr);

// Runs the check with its messages (owned by the window): the question of a VavurOrezo
// still to be drawn goes on after Yes; any other failure is shown and focuses the entry.
// 1 valid, 0 not.
int PBFormValidate(const PBFieldDef* table, int* unfinished, int* complete, HWND owner,
                   SymbolTable* program = nullptr);

// Stores the controls' values into the record: 0, or -102 when memory ran out (the
// values stored before that field stay).
int PBFormStoreFields(PBFieldDef* table, FieldRecord& record, SymbolTable* program = nullptr);

// The text an edit shows for a constant's text form: without its leading "'", unless the
// rest would read as a variable of the entry's types.
std::string ShownConstantText(const PBFieldDef& entry, const std::string& formatted,
                              SymbolTable* program = nullptr);

}  // namespace zeph
