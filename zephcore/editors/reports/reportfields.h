#pragma once
// A VavurOrezo's parameter fields as the printed reports read them: each field's
// definition with its value as a number (check boxes, radio groups) or as its text form
// (edits, choices) and the type code of that value.

#include <string>
#include <vector>

#include "model/pbfielddef.h"

namespace zeph {

struct PBInstance;
class SymbolTable;

struct ReportField {
  const PBFieldDef* Def = nullptr;
  int Number = 0;          // check box: its stored word; radio group: its button, from 1
  std::string Text;        // edits and choices: the value's text form
  int DataType = -1;       // edits and choices: the type code of the value, -1 when none
};

// The fields of the instance's field table, in table order.
std::vector<ReportField> ReadReportFields(PBInstance& instance, SymbolTable* program);

// Radio name n (from 1) of the field's "|"-separated names, when 1 <= n <= the field's
// radio count and the names have one there; false otherwise.
bool RadioNameAt(const PBFieldDef& field, int n, std::string& name);

}  // namespace zeph
