#pragma once
// The property forms that edit a parameter record held by a variable or by a member of a
// structured variable: each made on the heap over the record's bytes by its class name,
// given its caption and help name, run modally and destroyed. Windows only.

#include <string>

#include "owl/window.h"

namespace zeph {

struct SetupPlan;
struct Symbol;
class ValueBlockData;

struct RecordFormRun {
  const char* FormClass;
  const char* Resource;
  std::string Caption;
  const char* HelpName;     // null: the form's own
  unsigned char* Bytes;     // the record, edited in place
  int Size;                 // bytes at Bytes
  bool ReadOnly;            // Done disabled (a constant's record)
};

// Runs the form; answers its result, or IDCANCEL when the class is unknown or the form
// could not be made ("Out of memory" shown) or refused to run.
int RunRecordForm(TWindow* parent, const RecordFormRun& run);

// The set-up opener that runs a variable's record form on its value block (the plan's
// caption and help name, the constant flag where the form takes it). Fax documents are
// left to the opener that the designer installs (answers IDCANCEL).
int OpenVariableSetupForm(TWindow* parent, const SetupPlan& plan, Symbol& variable, ValueBlockData* block);

}  // namespace zeph
