// The generator's process-wide counters, its current context and text formatting.
#include "programfile/script/scriptcontext.h"

#include <cstdio>
#include <vector>

namespace zeph {
namespace {
ScriptContext* g_context = nullptr;
}  // namespace

ScriptCounters& GeneratorCounters() {
  static ScriptCounters counters;
  return counters;
}

void ResetSegmentCounterForTests() { GeneratorCounters().Segments = 0; }

ScriptContext* CurrentScriptContext() { return g_context; }
void SetCurrentScriptContext(ScriptContext* context) { g_context = context; }

bool EqualsNoCase(const char* a, const char* b) {
  for (;; ++a, ++b) {
    const unsigned char x = static_cast<unsigned char>(*a), y = static_cast<unsigned char>(*b);
    const int lx = x >= 'A' && x <= 'Z' ? x + 32 : x;
    const int ly = y >= 'A' && y <= 'Z' ? y + 32 : y;
    if (lx != ly) return false;
    if (x == 0) return true;
  }
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out;
  if (length > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    out.assign(buffer.data(), static_cast<std::size_t>(length));
  }
  va_end(args);
  return out;
}

}  // namespace zeph
