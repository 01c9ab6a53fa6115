#pragma once
// The pick request: what a pick button asks of the variable picker and what the picker
// answers. Forms hold one; callers outside a form make one of their own.

#include <cstdint>
#include <memory>
#include <string>

#include "model/datatypes.h"
#include "model/pbfielddef.h"
#include "model/varref.h"

namespace zeph {

struct Symbol;
class SymbolTable;

struct PickRequest {
  // Restrictions, copied from the field's entry.
  std::uint32_t Allowed1 = 0;
  std::uint32_t Allowed2 = 0;
  std::int16_t AddStructs = 0;   // -1 every structure, 1 the one StructNum, 2 marked ones only
  std::int16_t StructNum = 0;
  std::int16_t WholeArray = 0;   // -1 no arrays, 1 whole arrays only, 0 both
  std::int16_t MinNumber = 0;
  // The choice, in and out.
  Symbol* Chosen = nullptr;
  std::int32_t MemberNumber = 0;
  std::int32_t NoSelectionNeeded = 0;
  std::unique_ptr<SymP> Index;   // the element chosen; null = whole array or no array
  std::int32_t Member2 = 0;

  void TakeRestrictions(const PBFieldDef& entry);
  TypeMask Mask() const;
  void ClearChoice();
  // The choice as a reference (a copy; counts untouched).
  SymP ChosenReference() const;
};

// Presets the choice from a field's text: an empty, blank, quoted or numeric text clears
// it; any other text is parsed as a reference under the request's types.
void PresetPickRequest(PickRequest& request, const std::string& text, SymbolTable* program = nullptr);

// The text of the chosen reference (empty when nothing is chosen).
std::string ChosenReferenceText(const PickRequest& request, SymbolTable* program = nullptr);

}  // namespace zeph
