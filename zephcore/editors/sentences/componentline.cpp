// List lines of voice sentence phrases.
#include "editors/sentences/componentline.h"

#include <cstring>

#include "editors/sentences/filestamp.h"
#include "editors/sentences/kinds.h"
#include "model/symtable.h"
#include "model/varref.h"
#include "model/vsentence.h"

namespace zeph {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool PromptIsText(const SentenceComponent& c) {
  if (IsDirectKind(c.Kind)) return c.RefFlag == 0;
  return c.Detail == nullptr || c.Detail->Flag1 == 0;
}

}  // namespace

std::optional<std::string> VariableText(const Symbol* variable) {
  if (variable == nullptr) return std::nullopt;
  const auto* block = dynamic_cast<const ValueBlockData*>(variable->Data.get());
  if (block == nullptr || block->Size() == 0) return std::nullopt;
  const char* bytes = reinterpret_cast<const char*>(block->Bytes());
  return std::string(bytes, strnlen(bytes, block->Size()));
}

std::string ComponentFolder(SentenceComponent& c, SymbolTable* program) {
  (void)program;
  if (c.RefFlag == 0) return c.Area.Path;
  return VariableText(c.Area.Ref.S).value_or(std::string());
}

std::string ComponentDatabase(SentenceComponent& c, SymbolTable* program) {
  if (IsDirectKind(c.Kind) || c.RefFlag == 0) return std::string();
  return DatabaseDisplayName(FormatVariableReference(c.Area.Ref, program));
}

std::string ComponentPrompt(SentenceComponent& c, SymbolTable* program) {
  if (IsDirectKind(c.Kind)) {
    if (c.RefFlag == 0) return Quoted(c.Area.Path);
    if (auto text = VariableText(c.Area.Ref.S)) return Quoted(*text);
    return FormatVariableReference(c.Area.Ref, program);
  }
  if (c.Detail == nullptr) return Quoted("");
  if (c.Detail->Flag1 != 0) return FormatVariableReference(c.Detail->Area1.Ref, program);
  return Quoted(c.Detail->Area1.Path);
}

std::string FormatComponentLine(SentenceComponent& c, SymbolTable* program) {
  std::string size = " ";
  std::string date = " ";
  std::string time = " ";
  if (PromptIsText(c)) {
    size.clear();
    date.clear();
    time.clear();
    std::string path;
    if (IsDirectKind(c.Kind)) path = c.Area.Path;
    else path = ComponentFolder(c, program) + (c.Detail != nullptr ? c.Detail->Area1.Path : "");
    FileStamp stamp;
    if (!path.empty() && CurrentFileStamps().Find(path, stamp)) {
      size = std::to_string(stamp.Size);
      date = FormatDosDate(stamp.DosDate);
      time = FormatDosTime(stamp.DosTime);
    }
  }
  return KindName(c.Kind) + "\t" + ComponentDatabase(c, program) + "\t" + ComponentPrompt(c, program) + "\t" +
         size + "   " + date + " " + time;
}

}  // namespace zeph
