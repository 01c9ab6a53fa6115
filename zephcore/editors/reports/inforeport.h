#pragma once
// The VavurOrezo information report: for every VavurOrezo of a program, a heading with its
// name and type, a line per parameter field (label, value and what holds it) and the
// VavurOrezos that refer to it. The report owns its print job from start to end.

#include <string>
#include <vector>

#include "editors/reports/reportcanvas.h"
#include "editors/reports/reportfields.h"

namespace zeph {

class TProgram;
class SymbolTable;
struct Symbol;

inline constexpr const char* kInfoReportJobName = "VLX Printing PB Info";

// The field line's value and kind texts.
struct InfoFieldTexts {
  std::string Value;
  std::string Kind;
};
InfoFieldTexts InfoFieldText(const ReportField& field, SymbolTable* program);

// The heading "%s [%s]" of a VavurOrezo: its name and its type's display name, the called
// SuperBlock's name, or "User Defined".
std::string InfoHeading(Symbol& vavurOrezo);

// The program's live VavurOrezos in name order, at most its VavurOrezo count.
std::vector<Symbol*> CollectVavurOrezos(TProgram& program);

// Runs the report over the job; false when the job could not begin or a page was refused.
bool PrintPBInfoReport(TProgram& program, ReportJob& job);

}  // namespace zeph
