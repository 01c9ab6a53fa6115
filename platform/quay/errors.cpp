#include "quay/errors.h"

#include <array>

namespace quay {

namespace {
// Index = code. Texts are part of the compiler's documented interface (README.md).
constexpr std::array<const char*, kErrLast + 1> kFormats = {
    "No error",
    "Cannot open file '%s'",
    "Missing value (!VALUE!)",
    "Syntax error: %s",
    "Unexpected character '%s'",
    "Unterminated string",
    "Unmatched brace",
    "Section '%s' out of order",
    "Unknown type '%s'",
    "Undefined structure '%s'",
    "Structure '%s' contains itself",
    "Duplicate name '%s'",
    "Initial value does not fit '%s'",
    "Segment too large (%s)",
    "Undefined name '%s'",
    "Undefined label '%s'",
    "Duplicate label '%s'",
    "Wrong number of arguments (%s)",
    "Type mismatch (%s)",
    "No member '%s'",
    "Index out of range (%s)",
    "Body without prototype '%s'",
    "Not a function '%s'",
    "Bad DLL prototype: %s",
    "Cannot write run file '%s'",
    "Name '%s' belongs to another page",
    "Duplicate body '%s'",
    "Not assignable '%s'",
    "Statement outside a function",
    "Too many initial values for '%s'",
};
}  // namespace

const char* ErrorFormat(int code) {
  if (code < 0 || code > kErrLast) return "Unknown error";
  return kFormats[static_cast<std::size_t>(code)];
}

std::string ErrorText(int code, const std::string& detail) {
  std::string format = ErrorFormat(code);
  const auto at = format.find("%s");
  if (at == std::string::npos) return format;
  return format.substr(0, at) + detail + format.substr(at + 2);
}

void Fail(int code, const std::string& detail, int fileIndex, std::int32_t line) {
  throw CompileError{code, detail, fileIndex, line};
}

}  // namespace quay
