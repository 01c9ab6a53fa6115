// Presetting the pick request from a field's text and reading its choice back.
#include "forms/picker/pickrequest.h"

#include <cstdlib>

#include "model/constvalue.h"
#include "model/symtable.h"

namespace zeph {
namespace {

// A number: after one optional "'", a text that begins with a number other than 0 or is
// wholly a number.
bool ReadsAsNumber(const std::string& text) {
  const char* p = text.c_str();
  if (*p == '\'') ++p;
  char* end = nullptr;
  const double value = std::strtod(p, &end);
  if (end == p) return false;
  return value != 0 || *end == '\0';
}

}  // namespace

void PickRequest::TakeRestrictions(const PBFieldDef& entry) {
  Allowed1 = entry.Allowed1;
  Allowed2 = entry.Allowed2;
  AddStructs = entry.AddStructs;
  StructNum = entry.StructNum;
  WholeArray = entry.WholeArray;
  MinNumber = entry.MinNumber;
}

TypeMask PickRequest::Mask() const {
  TypeMask mask;
  mask.Allowed1 = Allowed1;
  mask.Allowed2 = Allowed2;
  mask.AddStructs = AddStructs;
  mask.StructNum = StructNum;
  return mask;
}

void PickRequest::ClearChoice() {
  Chosen = nullptr;
  MemberNumber = 0;
  Index.reset();
  Member2 = 0;
}

SymP PickRequest::ChosenReference() const {
  SymP ref;
  ref.S = Chosen;
  ref.StructMemNum = static_cast<std::int16_t>(MemberNumber);
  ref.Struct2MemNum = static_cast<std::int16_t>(Member2);
  if (Index) ref.ArrayIndex = std::make_unique<SymP>(*Index);
  return ref;
}

void PresetPickRequest(PickRequest& request, const std::string& text, SymbolTable* program) {
  request.NoSelectionNeeded = 0;
  if (text.empty() || IsBlankText(text.c_str()) || text[0] == '\'' || ReadsAsNumber(text)) {
    request.ClearChoice();
    return;
  }
  SymP ref;
  int type = -1;
  ParseVariableReference(text.c_str(), ref, request.Mask(), &type, program);
  request.Chosen = ref.S;
  request.MemberNumber = ref.StructMemNum;
  request.Member2 = ref.Struct2MemNum;
  request.Index = std::move(ref.ArrayIndex);
}

std::string ChosenReferenceText(const PickRequest& request, SymbolTable* program) {
  if (request.Chosen == nullptr) return std::string();
  SymP ref = request.ChosenReference();
  return FormatVariableReference(ref, program);
}

}  // namespace zeph
