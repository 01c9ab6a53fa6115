// The prompt database folders of the prompt database dialog.
#include "editors/sentences/promptpaths.h"

#include <cstring>

#include "editors/sentences/componentline.h"
#include "editors/sentences/kinds.h"
#include "model/datatypes.h"
#include "model/symtable.h"

namespace zeph {
namespace {

// The buffer gets its defaults when the library is loaded.
const bool kDefaultsSet = (InitPromptPathDefaults(), true);

}  // namespace

PromptPaths& PromptPathBuffer() {
  static PromptPaths paths;
  return paths;
}

void InitPromptPathDefaults() {
  PromptPaths& paths = PromptPathBuffer();
  paths[0] = "\\VLX\\VOICE\\";
  paths[1] = "\\VLX\\UVOICE\\";
  for (std::size_t i = 2; i < paths.size(); ++i) paths[i] = "\\VLX\\PRMT\\";
}

void LoadPromptPaths(PromptPaths& paths, SymbolTable& program) {
  const char* const* names = PromptDatabaseVariables();
  for (std::size_t i = 0; i < paths.size(); ++i) {
    Symbol* variable = LookupSymbol(names[i], kTypeString, &program);
    if (variable == nullptr) continue;
    if (auto text = VariableText(variable)) paths[i] = text->substr(0, kPromptPathChars);
  }
}

bool CloseFolderText(std::string& text) {
  if (text.size() > kPromptPathChars) text.resize(kPromptPathChars);
  if (text.empty() || text.back() == '\\') return true;
  if (text.size() >= kPromptPathChars) return false;
  text += '\\';
  return true;
}

void StorePromptPaths(const PromptPaths& paths, SymbolTable& program) {
  const char* const* names = PromptDatabaseVariables();
  for (std::size_t i = 0; i < paths.size(); ++i) {
    Symbol* variable = LookupSymbol(names[i], kTypeString, &program);
    auto* block = variable != nullptr ? dynamic_cast<ValueBlockData*>(variable->Data.get()) : nullptr;
    if (block == nullptr || block->Size() == 0) continue;
    const std::string text = paths[i].substr(0, std::min<std::size_t>(kPromptPathChars, block->Size() - 1));
    std::memset(block->Bytes(), 0, block->Size());
    std::memcpy(block->Bytes(), text.data(), text.size());
  }
}

}  // namespace zeph
