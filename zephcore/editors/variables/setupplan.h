#pragma once
// Setting up a variable from the variable list: the refusals in their order, and for each
// data type what opens (a property form on the variable's value block, the boolean or
// value dialog, the fax document editor, a message or nothing), with the value block made
// zero-filled with the type's start values when the variable has none.

#include <string>

#include "editors/variables/varcommands.h"
#include "model/symbol.h"

namespace zeph {

// A start value written into a new value block.
struct SetupStartValue {
  enum Kind { kWord, kLong, kText } Type;
  int Offset;
  std::int32_t Number;
  const char* Text;
};

// A property form that edits a variable's record.
struct SetupForm {
  int Type;
  const char* FormClass;
  const char* Resource;
  const char* CaptionFormat;   // "%s": the variable's name
  const char* HelpName;
  bool PassesConstant;         // the constant flag goes to the form
  const SetupStartValue* Starts;
  int StartCount;
};
const SetupForm* FindSetupForm(int type);

enum class SetupAction {
  Refused,      // Message says why
  Form,         // Form, Caption
  FaxEditor,    // the program's fax document editor; the picker closes with Done
  Boolean,      // the boolean set-up dialog
  Value,        // the one-line value dialog
  Nothing,
};

struct SetupPlan {
  SetupAction Action = SetupAction::Refused;
  std::string Message;
  const SetupForm* Form = nullptr;
  std::string Caption;
};
SetupPlan PlanVariableSetup(const VariableSelection& selection);

// Symbols whose values are never set up: files, VavurOrezos, sentences, verification
// blocks and the like, and every Parameter.
bool SymbolKindCannotBeSetUp(const Symbol& symbol);

// The variable's value block for its form: made when missing, of the type's size, zeroed
// and given the form's start values. Null when the type has no size.
ValueBlockData* PrepareSetupBlock(Symbol& variable, const SetupForm& form);

}  // namespace zeph
