#include "quay/compiler.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "quay/ast.h"
#include "quay/runfile.h"
#include "quay/semantic.h"

namespace quay {

const char* const kDeclarationsName = "<declarations>";

namespace {

bool ReadWholeFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return !in.bad();
}

// Writes through a temporary file beside the output and renames it into place, so that a
// reader never sees half a run file.
bool WriteAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::remove(temp.c_str());
      return false;
    }
  }
  std::remove(path.c_str());
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

void Locate(const ParsedProgram& program, const CompileError& e, ErrorRecord& record) {
  record.code = e.code;
  record.detail = e.detail;
  record.position = e.line;
  record.section.clear();
  record.line = e.line;
  if (e.fileIndex < 0 || static_cast<std::size_t>(e.fileIndex) >= program.files.size()) return;
  const SourceFile& file = program.files[static_cast<std::size_t>(e.fileIndex)];
  record.file = file.path;
  const SectionMark* mark = nullptr;
  for (const SectionMark& m : file.marks) {
    if (m.line > e.line) break;
    mark = &m;
  }
  if (mark) {
    record.section = mark->name;
    record.line = e.line - mark->baseLine;
  }
}

}  // namespace

int CompileProgram(const CompileRequest& request, RunImage& image, ErrorRecord& error) {
  error = ErrorRecord{};
  image = RunImage{};
  ParsedProgram program;
  // Phase 1: the files, then the program's own declarations.
  for (std::size_t i = 0; i < request.paths.size(); ++i) {
    SourceFile file;
    file.path = request.paths[i];
    if (i == 1 && !request.scriptText.empty()) {
      file.text = request.scriptText;
    } else {
      if (file.path.empty()) continue;
      if (!ReadWholeFile(file.path, file.text)) {
        error.code = kErrCannotOpen;
        error.detail = file.path;
        error.file = file.path;
        return error.code;
      }
    }
    program.files.push_back(std::move(file));
  }
  if (!request.declarations.empty()) {
    SourceFile file;
    file.path = kDeclarationsName;
    file.text = request.declarations;
    program.files.push_back(std::move(file));
  }
  try {
    // Phase 2: lex and parse.
    for (std::size_t i = 0; i < program.files.size(); ++i) ParseFile(program, static_cast<int>(i));
    Semantic s;
    s.program = &program;
    CheckStructures(s);                       // phase 3
    CheckGlobals(s);                          // phase 4
    CodeOptions options;                      // phase 5
    options.lineTable = request.lineTable;
    options.keepNames = request.keepNames;
    image.hasLineTable = request.lineTable;
    CheckFunctions(s, image, options);
    FillData(s, image);
  } catch (const CompileError& e) {
    Locate(program, e, error);
    image = RunImage{};
    if (request.deleteOnError && !request.output.empty()) std::remove(request.output.c_str());
    return error.code;
  }
  // Phase 6: the run file.
  if (!request.output.empty() && !WriteAtomically(request.output, WriteRunImage(image))) {
    error.code = kErrCannotWrite;
    error.detail = request.output;
    error.file = request.output;
    if (request.deleteOnError) std::remove(request.output.c_str());
    return error.code;
  }
  return 0;
}

}  // namespace quay
