// The four C functions of the compiler. State is process-wide, like the model that calls it:
// the registered provider and the record of the last failure.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "quay/compiler.h"
#include "quay/quay.h"

namespace {

struct CompilerState {
  QuayDeclarationProvider provider = nullptr;
  void* context = nullptr;
  quay::ErrorRecord last;
};

CompilerState& State() {
  static CompilerState state;
  return state;
}

void CopyOut(char* out, std::size_t capacity, const std::string& text) {
  if (!out || capacity == 0) return;
  const std::size_t n = std::min(text.size(), capacity - 1);
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
}

std::uint16_t Saturated(std::int32_t v) {
  return static_cast<std::uint16_t>(std::clamp<std::int32_t>(v, 0, 65535));
}

bool IsNullDevice(const char* output) {
  if (!output) return false;
  std::string s(output);
  for (auto& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s == "NUL";
}

}  // namespace

extern "C" {

int _InitCompiler(QuayDeclarationProvider provider, void* context) {
  CompilerState& s = State();
  s.provider = provider;
  s.context = context;
  s.last = quay::ErrorRecord{};
  return 0;
}

int _Compile(const char* output, const char* text, const char* const* paths, int lineTable, int keepNames,
             int deleteOnError, int /*reserved*/) {
  // "NUL" resets between compiles; the record of the last failure stays for the caller.
  if (IsNullDevice(output)) return 0;
  try {
    quay::CompileRequest request;
    request.output = output ? output : "";
    for (int i = 0; i < 4; ++i) request.paths.push_back(paths && paths[i] ? paths[i] : "");
    request.scriptText = text ? text : "";
    CompilerState& s = State();
    if (s.provider) {
      const char* declarations = s.provider(s.context);
      if (declarations) request.declarations = declarations;
    }
    request.lineTable = lineTable != 0;
    request.keepNames = keepNames != 0;
    request.deleteOnError = deleteOnError != 0;
    quay::RunImage image;
    return quay::CompileProgram(request, image, s.last);
  } catch (const std::exception& e) {
    // Out of memory and the like: a failure with a text, never an escaping exception.
    State().last = quay::ErrorRecord{quay::kErrCannotWrite, e.what(), output ? output : "", 0, "", 0};
    return quay::kErrCannotWrite;
  }
}

int _GetErrorLocInfo(char* file, std::uint16_t* position, char* section, std::uint16_t* line) {
  const quay::ErrorRecord& r = State().last;
  CopyOut(file, QUAY_FILE_MAX, r.file);
  CopyOut(section, QUAY_SECTION_MAX, r.section);
  if (position) *position = Saturated(r.position);
  if (line) *line = Saturated(r.line);
  return r.code;
}

int _UErrorMess(int code, char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  const quay::ErrorRecord& r = State().last;
  std::string text = code == r.code ? quay::ErrorText(code, r.detail) : quay::ErrorFormat(code);
  // Past 65535 the position no longer fits the caller's 16 bits: the text carries the line.
  if (code == r.code && r.position > 65535) text += " (line " + std::to_string(r.position) + ")";
  CopyOut(buffer, static_cast<std::size_t>(size), text);
  return static_cast<int>(std::min<std::size_t>(text.size(), static_cast<std::size_t>(size) - 1));
}
}
