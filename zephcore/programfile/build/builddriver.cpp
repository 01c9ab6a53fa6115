#include "programfile/build/builddriver.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "foundation/kvmsgbox.h"
#include "model/custompb.h"
#include "model/interface/vlx.h"
#include "model/pbaccess_msgtext.h"
#include "model/pbentry_instance.h"
#include "model/program/notify.h"
#include "model/program/program.h"
#include "model/symtable.h"
#include "programfile/build/buildnames.h"
#include "programfile/build/codeeditors.h"
#include "quay/quay.h"

namespace zeph {

BuildScriptWriter DefaultBuildScriptWriter();  // the script generator (scriptwriter hook)

namespace {

constexpr int kTypeVavurOrezoCode = 34;
std::int32_t g_stubs = 0;
std::int32_t g_options = 4;
BuildScriptWriter g_writer;

std::string Format(const char* format, int number, const std::string& a, const std::string& b = "") {
  char buffer[1024];
  if (b.empty())
    std::snprintf(buffer, sizeof buffer, format, number, a.c_str());
  else
    std::snprintf(buffer, sizeof buffer, format, number, a.c_str(), b.c_str());
  return buffer;
}

int Box(TProgram& program, const std::string& text, std::uint32_t buttons) {
  KvMessageBoxRequest request;
  request.text = text.c_str();
  request.caption = "Flowsmith";
  request.style = buttons | kKvMbIconExclamation;
  if (program.OwnerWindow()) {
    request.owner = KvBoxOwner::Window;
    request.window = program.OwnerWindow();
  }
  return KvMessageBox(request);
}

// With a log: one "ERROR: " line and both flags; without: a box with OK.
void Report(TProgram& program, std::ostream* log, const std::string& text) {
  if (log) {
    *log << "ERROR: " << text << "\n";
    _appErrorExists = 1;
    _clbFailure = 1;
    return;
  }
  Box(program, text, kKvMbOk);
}

// The model code's text, then what the generator says went wrong (which block, which
// page), on one line so that a log keeps one "ERROR: " line per failure.
std::string ScriptFailureText(int code, const std::string& detail) {
  const char* table = PBMessageText(code);
  std::string text = table && *table ? std::string(table) : "Model error " + std::to_string(code);
  if (detail.empty()) return text;
  text += ". ";
  for (const char c : detail) text += c == '\r' || c == '\n' ? ' ' : c;
  return text;
}

bool SameFile(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x == '/') x = '\\';
    if (y == '/') y = '\\';
    if (std::tolower(static_cast<unsigned char>(x)) != std::tolower(static_cast<unsigned char>(y))) return false;
  }
  return true;
}

int PrototypeLinesOfFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return CountPrototypeLines(text.str());
}

// Maps a compile error to the user's place and reports it; always 1.
int ReportCompileError(TProgram& program, const BuildFileNames& names, std::ostream* log, int prototypeLines) {
  NotifyDesigner(program, kNoticeBuildEnded);
  NotifyCompileError(program, 0);
  char file[QUAY_FILE_MAX] = {};
  char section[QUAY_SECTION_MAX] = {};
  std::uint16_t position = 0, line = 0;
  const int code = _GetErrorLocInfo(file, &position, section, &line);
  const char* reset[2] = {"", nullptr};
  _Compile("NUL", "", reset, 0, 1, 1, 0);
  char message[128] = {};
  _UErrorMess(code, message, 128);

  // Errors in the include files or the program's declarations are not in the script.
  if (!SameFile(file, names.script)) {
    Report(program, log, Format("Error @ %d in %s: %s", position, *file ? file : "the build", message));
    return 1;
  }
  const std::string sectionName = section;
  if (sectionName == "funcdefs:") {
    if (prototypeLines < 0) prototypeLines = PrototypeLinesOfFile(names.script);
    if (line <= prototypeLines) {
      Report(program, log, Format("Error @ %d in the .TSL file: %s", position, message));
      return 1;
    }
    const int dllLine = line - prototypeLines;
    const std::string text = Format("Error on Line %d of DLL Proto Defn: %s. Edit Now?", dllLine, message);
    if (log) {
      Report(program, log, text);
      return 1;
    }
    if (Box(program, text, kKvMbYesNo) == kKvIdYes) ShowDLLLine(program, dllLine);
    return 1;
  }
  PBInstance* instance = nullptr;
  {
    // Blocks of every page, not only of the current one.
    TProgram::DisableSymbolPageCheck allPages(program);
    if (Symbol* symbol = LookupSymbol(sectionName.c_str(), kTypeVavurOrezoCode, &program.Symbols()))
      instance = InstanceOf(symbol);
  }
  CustomPBEntry* entry = nullptr;
  if (instance && instance->Type == kPBTypeCustom)
    entry = CustomPBFind(program.CustomVavurOrezos(), instance->Companion.c_str());
  if (!entry) {
    Report(program, log, Format("Error @ %d in the .TSL file: %s", position, message));
    return 1;
  }
  // The block's label line, then its name line (option 4) and trace line (option 1).
  int customLine = line;
  if (g_options & 4) --customLine;
  if (g_options & 1) --customLine;
  Report(program, log, Format("Error on line %d of Custom VavurOrezo \"%s\": %s", customLine, entry->Name, message));
  if (!log) ShowCustomPBLine(program, *entry, customLine);
  return 1;
}

}  // namespace

void SetBuildScriptWriter(BuildScriptWriter writer) { g_writer = std::move(writer); }
std::int32_t BuildStubsFlag() { return g_stubs; }
std::int32_t BuildOptionBits() { return g_options; }

int CountPrototypeLines(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  bool inFuncdefs = false;
  int count = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!inFuncdefs) {
      inFuncdefs = line == "funcdefs:";
      continue;
    }
    if (line.rfind("\tinteger UserApp(", 0) == 0 || line.rfind("\timport $$_", 0) == 0)
      ++count;
    else
      break;
  }
  return count;
}

int BuildProgram(TProgram* program, const char* path, std::int32_t customerId, std::int32_t applicationId,
                 int isLibrary, int stage, std::ostream* log, int trace, int templates, int stubs) {
  if (!program || !path) return 1;
  g_stubs = stubs;
  g_options = 4 | (trace ? 1 : 0) | (templates ? 2 : 0);
  BuildFileNames names;
  if (isLibrary)
    MakeLibraryBuildFileNames(path, stubs != 0, names);
  else
    MakeBuildFileNames(path, names);
  UpdateOpenEditors(*program);
  NotifyDesigner(*program, kNoticeScriptGenerated);

  BuildScriptResult written;
  if (stage != 2) {
    BuildScriptWriter writer = g_writer ? g_writer : DefaultBuildScriptWriter();
    const int rc = writer ? writer(names.script.c_str(), customerId, applicationId, isLibrary, log, trace,
                                   templates, stubs, &written)
                          : -157;
    if (rc != 0) {
      Report(*program, log, ScriptFailureText(rc, written.message));
      NotifyDesigner(*program, kNoticeBuildEnded);
      return 1;
    }
  }
  if (stage == 1) {
    NotifyDesigner(*program, kNoticeBuildEnded);
    return 0;
  }
  const char* paths[4] = {names.include.c_str(), names.script.c_str(), names.functions.c_str(), names.extra.c_str()};
  if (_Compile(names.output.c_str(), "", paths, 0, 1, 1, 0) == 0) {
    NotifyDesigner(*program, kNoticeBuildEnded);
    return 0;
  }
  return ReportCompileError(*program, names, log, written.prototypeLines);
}

}  // namespace zeph
