#include "model/interface/variable_place.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "model/datatypes.h"
#include "model/structops.h"
#include "model/symtable.h"

namespace zeph {
namespace {

// The element number of "name[n]...": 1 without brackets, 0 when the index is no number.
int ElementNumber(const std::string& text) {
  const std::size_t open = text.find('[');
  if (open == std::string::npos) return 1;
  const char* start = text.c_str() + open + 1;
  char* end = nullptr;
  const long n = std::strtol(start, &end, 10);
  if (end == start || *end != ']') return 0;
  return static_cast<int>(n);
}

}  // namespace

VariablePlace LocateVariable(const SymP& ref, const std::string& text, SymbolTable* program) {
  VariablePlace place;
  Symbol* variable = ref.S;
  if (variable == nullptr) return place;
  program = ResolveProgram(program);
  int elementSize = GetSymbolSize(variable);
  const StructDef* def = variable->IsStructType ? FindStructureById(variable->Type, program) : nullptr;
  if (def != nullptr) elementSize = GetStructureSize(def, program);
  const int elements = variable->ArraySize > 0 ? variable->ArraySize : 1;
  place.StorageSize = elementSize * elements;
  const int element = ElementNumber(text);
  if (element < 1 || element > elements) return place;
  place.Offset = (element - 1) * elementSize;
  place.Type = GetReferenceType(ref, &place.Size, program);
  if (def == nullptr) place.Size = elementSize;
  const std::size_t dot = text.find('.');
  if (ref.StructMemNum != 0 && def != nullptr && dot != std::string::npos) {
    StructMember* member = nullptr;
    const int offset = GetMemberOffset(def, text.c_str() + dot + 1, &member, program);
    if (offset < 0 || member == nullptr) return place;
    place.Offset += offset;
    place.Size = GetMemberSize(member);
  } else if (def != nullptr) {
    place.Size = elementSize;
  }
  place.Valid = place.Type >= 0 && place.Size > 0 && place.Offset + place.Size <= place.StorageSize;
  return place;
}

ValueBlockData* VariableStorage(Symbol& variable) {
  return dynamic_cast<ValueBlockData*>(variable.Data.get());
}

ValueBlockData& MakeVariableStorage(Symbol& variable, int storageSize) {
  ValueBlockData* block = VariableStorage(variable);
  if (block != nullptr && block->Size() >= static_cast<std::size_t>(storageSize)) return *block;
  auto made = std::make_unique<ValueBlockData>(static_cast<std::size_t>(storageSize));
  if (block != nullptr) std::memcpy(made->Bytes(), block->Bytes(), block->Size());
  ValueBlockData& result = *made;
  variable.Data = std::move(made);
  return result;
}

}  // namespace zeph
