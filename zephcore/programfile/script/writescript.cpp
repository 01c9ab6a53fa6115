// The script file: header, sections and the page code, in their fixed order.
#include "programfile/script/writescript.h"

#include <cstring>

#include "model/datatypes.h"
#include "model/defset.h"
#include "model/pbcat.h"
#include "model/program/program.h"
#include "programfile/script/buildoptions.h"
#include "programfile/script/declarations.h"
#include "programfile/script/pagecode.h"
#include "programfile/script/scriptcontext.h"
#include "programfile/script/scriptwriter.h"

namespace zeph {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Splits a path into its folder (with the separator) and its file name without extension;
// false when the file name has no extension.
bool SplitScriptPath(const std::string& path, std::string& folder, std::string& fileName) {
  std::size_t nameStart = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsSeparator(path[i])) nameStart = i + 1;
  }
  folder = path.substr(0, nameStart);
  const std::string name = path.substr(nameStart);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  fileName = name.substr(0, dot);
  return true;
}

// Keeps the page-scope check of the program as it was, whatever way the generation ends.
class PageCheckOff {
 public:
  explicit PageCheckOff(SymbolTable& table) : table_(table), previous_(table.SymbolPageCheck) {
    table_.SymbolPageCheck = 0;
  }
  ~PageCheckOff() { table_.SymbolPageCheck = previous_; }
  PageCheckOff(const PageCheckOff&) = delete;
  PageCheckOff& operator=(const PageCheckOff&) = delete;

 private:
  SymbolTable& table_;
  int previous_;
};

class ContextGuard {
 public:
  explicit ContextGuard(ScriptContext* context) : previous_(CurrentScriptContext()) { SetCurrentScriptContext(context); }
  ~ContextGuard() { SetCurrentScriptContext(previous_); }
  ContextGuard(const ContextGuard&) = delete;
  ContextGuard& operator=(const ContextGuard&) = delete;

 private:
  ScriptContext* previous_;
};

std::string Header(const std::string& path, float version) {
  const ScriptServices& services = CurrentScriptServices();
  std::string date = services.DateText(services.Now());
  if (date.size() > 256) date.resize(256);
  std::string out = "#\tFile: " + path + "\n";
  out += "#\tDate: " + date + "\n";
  out += std::string("#\t") + ScriptVersionText(version) + " - " + (ScriptStubFlag() == 1 ? "(STUB) - " : "") +
         services.BuildStamp() + "\n";
  return out;
}

void WriteScript(ScriptContext& context, const std::string& path, std::int32_t customerId,
                 std::int32_t applicationId, int isLibrary, ScriptWriter& writer, ScriptReport& report) {
  SymbolTable& symbols = *context.Symbols;
  ScriptCounters& counters = GeneratorCounters();

  writer.Write(Header(path, context.TargetVersion));

  std::string piece = "\n\n\nstructdefs:\n";
  CodeStructureDefinitions(context, piece);
  writer.Write(piece);

  const std::string baseName = SegmentBaseName(context.FileName, static_cast<long long>(CurrentScriptServices().Now()));
  piece.clear();
  CodeGlobalDeclarations(context, baseName, piece);
  writer.Write(piece);

  piece = "\n\nvariables:\n";
  piece += "\tinteger    __TRACE__ := 0\n";
  piece += Format("\tstring(65) __FileName__ := \"%s\"\n", context.FileName.c_str());
  piece += Format("\tinteger    __CustID__ := %d\n", customerId);
  piece += Format("\tinteger    __AppID__ := %d\n", applicationId);
  counters.ResetScratch();
  CodeScratchDeclarations(context, piece);
  counters.ResetScratch();
  writer.Write(piece);

  piece = "\n\nfuncdefs:\n";
  report.PrototypeLines = CodePagePrototypes(*symbols.TreeSlot(kTypeSuperBlock), isLibrary, piece);
  report.PrototypeLines += CodePagePrototypes(*symbols.TreeSlot(kTypeVerificationBlock), 0, piece);
  if (context.Program != nullptr && !context.Program->DllHeaderText.empty()) {
    piece += NormaliseLineEnds(context.Program->DllHeaderText);
  }
  writer.Write(piece);

  counters.ResetScratch();
  piece = "\n\nfaxdocumentdefs:\n";
  CodeFaxDocuments(context, piece);
  writer.Write(piece);

  writer.Write("\n\nvsentencedefs:\n");

  counters.ResetScratch();
  writer.Write("\n\nfunctions:\n\n");
  piece.clear();
  CodeWritePages(*symbols.TreeSlot(kTypeSuperBlock), kTypeSuperBlock, isLibrary, context, piece);
  CodeWritePages(*symbols.TreeSlot(kTypeVerificationBlock), kTypeVerificationBlock, 0, context, piece);
  writer.Write(piece);
  writer.Close();
}

}  // namespace

const char* ScriptVersionText(float targetVersion) {
  if (targetVersion >= 8.02f) return "Version 8.03";
  if (targetVersion >= 6.07f) return "Version 6.07 Build 1";
  if (targetVersion >= 5.06f) return "Version 5.06 Build 1";
  return "Version 8.03";
}

int CodeWriteScript(const char* path, std::int32_t customerId, std::int32_t applicationId, int isLibrary,
                    std::ostream* /*log*/, ScriptReport* report) {
  ScriptReport local;
  ScriptReport& out = report != nullptr ? *report : local;
  out = ScriptReport();
  TProgram* program = TProgram::Current();
  if (program == nullptr) {
    out.Message = "No program is current.";
    return kRcNoProgram;
  }
  const std::string scriptPath = path != nullptr ? path : "";
  ScriptContext context;
  context.Program = program;
  context.Symbols = &program->Symbols();
  context.Customs = &program->CustomVavurOrezos();
  context.Window = program->OwnerWindow();
  context.TargetVersion = DefinitionVersion();
  context.Options = ScriptBuildOptionsWord();
  if (!SplitScriptPath(scriptPath, context.Folder, context.FileName)) {
    out.Message = "The script path '" + scriptPath + "' has no extension.";
    return kScriptWriteFailed;
  }
  TheCatalogue();   // the code callbacks are in place once the catalogue is
  PageCheckOff allPages(program->Symbols());
  ContextGuard current(&context);
  ScriptWriter writer;
  if (!writer.Open(scriptPath)) {
    out.Message = "The script " + scriptPath + " cannot be opened for writing.";
    return kScriptWriteFailed;
  }
  try {
    WriteScript(context, scriptPath, customerId, applicationId, isLibrary, writer, out);
  } catch (const ScriptFailure& failure) {
    out.Message = failure.what();
    return failure.Code();
  } catch (const std::bad_alloc&) {
    out.Message = "Out of memory while writing the script " + scriptPath + ".";
    return kErrOutOfMemory;
  }
  return 0;
}

}  // namespace zeph
