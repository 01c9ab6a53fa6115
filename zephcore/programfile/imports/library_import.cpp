#include "programfile/imports/library_import.h"

#include <cctype>

#include "foundation/kvflthnd.h"
#include "model/datatypes.h"
#include "model/program/program.h"
#include "model/superblk_pages.h"
#include "model/symtable.h"

namespace zeph {

namespace {

constexpr UINT kImportFailedMessage = 8066;
constexpr const char* kImportFailedText =
    "Error importing application.  Imported application '%s' will not be accessible.";

void ReportImportFailure(const std::string& name) {
  KvFaultHandlerObj* handler = KvGetFaultHandler();
  if (!handler) return;
  std::string text = kImportFailedText;
  text.replace(text.find("%s"), 2, name);
  const KvFaultMessage message = KvFaultMessage::FromText(kImportFailedMessage, text.c_str());
  handler->Report(0, kKvSeverityWarning, kKvButtonsOk, kKvFaultOk, &message, nullptr, 0, __FILE__, __LINE__);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

Symbol* Tree(TProgram& program, int code) {
  Symbol** root = program.Symbols().TreeOfType(code);
  return root ? *root : nullptr;
}

}  // namespace

std::string ImportLibrary(TProgram& program, const char* name) {
  const std::string upper = Upper(name ? name : "");
  if (LookupSymbol(upper.c_str(), kTypeLibrary, &program.Symbols())) return upper;
  Symbol* symbol = nullptr;
  if (program.AddNamedSymbol(&symbol, upper.c_str(), kTypeLibrary, 1, 1, 1, false) != 0) ReportImportFailure(upper);
  // Invisible: the page list does not change for the designer.
  Symbol* page = nullptr;
  if (program.AddNamedSymbol(&page, upper.c_str(), kTypeSuperBlock, 1, 1, 1, false, kLibraryPageKind) != 0)
    ReportImportFailure(upper);
  return upper;
}

int ImportAllLibraries(TProgram& program) {
  std::vector<std::string> names;
  ImportedNames(program, kTypeLibrary, names);
  for (const std::string& name : names) ImportLibrary(program, name.c_str());
  return 1;
}

int RemoveLibrary(TProgram& program, const char* name) {
  if (!name) return 0;
  const std::string upper = Upper(name);
  if (RemoveSymbol(upper.c_str(), kTypeLibrary, &program.Symbols()) != 0) return 0;
  // The library page "MYLIB.RLL" and the SuperBlocks "MYLIB.Name" go with it: the prefix
  // is the name less its last three characters, so that no page of it is left behind.
  const std::string prefix = upper.size() > 3 ? upper.substr(0, upper.size() - 3) : upper;
  MarkDeletedByPrefix(Tree(program, kTypeSuperBlock), prefix.c_str(), &program.Symbols());
  return 0;
}

int LibraryInUse(TProgram& program, const char* name) {
  return name ? IsNameReferenced(Tree(program, kTypeSuperBlock), name) : 0;
}

void ImportedNames(TProgram& program, int code, std::vector<std::string>& names) {
  names.clear();
  CollectNames(Tree(program, code), names);
}

}  // namespace zeph
