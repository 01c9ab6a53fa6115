#pragma once
// What one script generation works with: the program, the names taken from the script's
// path, the options and version it reads, and the generator's process-wide counters. A
// failure anywhere ends the generation through ScriptFailure, carrying a model code and a
// text that names the culprit.

#include <cstdarg>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "model/modelcodes.h"
#include "model/symbol.h"

namespace zeph {

class TProgram;
class SymbolTable;
struct CustomPBList;

inline constexpr int kScriptWriteFailed = kErrWritingFile;
inline constexpr int kScriptInternalError = kErrInternal1;

class ScriptFailure : public std::runtime_error {
 public:
  ScriptFailure(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

// Counters that outlive one generation: the global segment headers written in this process,
// and the three scratch counters (mail, mailbox-key minimum and maximum), which the
// generation resets where the script's sections need it.
struct ScriptCounters {
  std::int32_t Segments = 0;
  std::int32_t Mail = 0;
  std::int32_t MailboxMin = 0;
  std::int32_t MailboxMax = 0;
  void ResetScratch() { Mail = MailboxMin = MailboxMax = 0; }
};
ScriptCounters& GeneratorCounters();
// Tests only: the segment counter starts again at 0.
void ResetSegmentCounterForTests();

struct ScriptContext {
  TProgram* Program = nullptr;
  SymbolTable* Symbols = nullptr;
  CustomPBList* Customs = nullptr;
  void* Window = nullptr;            // the program's window, for the code callbacks
  float TargetVersion = 0;           // 0 until a server version is chosen
  std::int32_t Options = 0;          // the build options word
  std::string FileName;              // the script's name without folder and extension
  std::string Folder;                // the script's folder with its separator, or empty
};

// The context of the generation running now (the code callbacks reach it this way); null
// outside a generation.
ScriptContext* CurrentScriptContext();
void SetCurrentScriptContext(ScriptContext* context);

// printf into a string.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Equal texts, letter case aside (ASCII).
bool EqualsNoCase(const char* a, const char* b);

// Passes the symbol filter of every walk: neither deleted nor marked as the server's own.
inline bool PassesSymbolFilter(const Symbol& s) { return s.Deleted == 0 && s.NotInCode == 0; }

// Visits a tree in name order (left, node, right).
template <class F>
void WalkInNameOrder(Symbol* node, F&& visit) {
  if (node == nullptr) return;
  WalkInNameOrder(node->Left, visit);
  visit(*node);
  WalkInNameOrder(node->Right, visit);
}

}  // namespace zeph
