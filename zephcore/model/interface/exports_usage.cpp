// Whether a VavurOrezo uses a variable or a voice sentence: its leading text fields are
// read as text.
#include <cstring>
#include <functional>
#include <string>

#include "model/datatypes.h"
#include "model/interface/exports_common.h"
#include "model/interface/vlx.h"
#include "model/pbaccess.h"
#include "model/vsentence.h"

using zeph::Symbol;

namespace {

// Calls `visit` with each leading edit field's value text and scalar type, until it
// answers true; the fields of other kinds end the walk.
bool AnyLeadingText(Symbol* vavurOrezo, zeph::TProgram& program,
                    const std::function<bool(const std::string&, int)>& visit) {
  zeph::TProgram::DisableSymbolPageCheck allPages(program);
  zeph::PBFieldAccessor access(vavurOrezo, 0, nullptr, 0, &program.Symbols());
  if (access.Instance() == nullptr || access.Fields() == nullptr) return false;
  for (int i = 0; i < access.Count() && access.Fields()[i].UIElement == scribe::kUIEdit; ++i) {
    std::string text;
    access.GetEntryText(i, text);
    if (visit(text, access.Fields()[i].ScalarType)) return true;
  }
  return false;
}

bool RefersTo(const zeph::SymP& ref, const char* name) {
  return ref.S != nullptr && std::strcmp(ref.S->Name, name) == 0;
}

bool SentenceUses(Symbol* sentence, const char* name) {
  zeph::SentenceComponent** first = sentence != nullptr ? zeph::SentenceComponents(sentence) : nullptr;
  for (const zeph::SentenceComponent* c = first != nullptr ? *first : nullptr; c != nullptr; c = c->Next) {
    if (c->RefFlag != 0 && RefersTo(c->Area.Ref, name)) return true;
    for (const zeph::ComponentDetail* d = c->Detail; d != nullptr; d = d->Next) {
      if (RefersTo(d->Area1.Ref, name) || RefersTo(d->Ref2, name) || RefersTo(d->Ref3, name)) return true;
    }
  }
  return false;
}

// The text names the variable: itself, one of its members or elements, or after a "?".
bool TextUses(const std::string& text, const char* name) {
  const std::size_t n = std::strlen(name);
  if (text == name) return true;
  if (text.compare(0, n, name) == 0 && text.size() > n && (text[n] == '.' || text[n] == '[')) return true;
  const std::size_t mark = text.find('?');
  return mark != std::string::npos && text.find(name, mark + 1) != std::string::npos;
}

}  // namespace

int vlxIsPBUseVariable(vlxHandleType vavurOrezoSymbol, const char* variableName) {
  zeph::TProgram* program = zeph::ExportProgram();
  if (program == nullptr || vavurOrezoSymbol == nullptr || variableName == nullptr) return 0;
  return zeph::GuardExport(0, [&] {
    return AnyLeadingText(static_cast<Symbol*>(vavurOrezoSymbol), *program, [&](const std::string& text, int type) {
      if (type == zeph::kTypeVoiceSentence) {
        return SentenceUses(zeph::LookupSymbol(text.c_str(), zeph::kTypeVoiceSentence, &program->Symbols()),
                            variableName);
      }
      return TextUses(text, variableName);
    }) ? 1 : 0;
  });
}

int vlxIsPBUseVSentence(vlxHandleType vavurOrezoSymbol, const char* sentenceName) {
  zeph::TProgram* program = zeph::ExportProgram();
  if (program == nullptr || vavurOrezoSymbol == nullptr || sentenceName == nullptr) return 0;
  return zeph::GuardExport(0, [&] {
    return AnyLeadingText(static_cast<Symbol*>(vavurOrezoSymbol), *program, [&](const std::string& text, int type) {
      return type == zeph::kTypeVoiceSentence && text == sentenceName;
    }) ? 1 : 0;
  });
}
