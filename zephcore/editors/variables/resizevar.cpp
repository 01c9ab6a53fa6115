// Resizing variables and string members.
#include "editors/variables/resizevar.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "editors/variables/scopes.h"
#include "model/datatypes.h"
#include "model/interface/variable_place.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "model/symtable.h"

namespace zeph {
namespace {


// A whole decimal number, blanks around it allowed; false for anything else.
bool ReadNumber(const std::string& text, int& value) {
  const char* p = text.c_str();
  while (*p == ' ') ++p;
  if (*p < '0' || *p > '9') return false;   // signs are refused: no size is negative
  char* end = nullptr;
  const long n = std::strtol(p, &end, 10);
  while (*end == ' ') ++end;
  if (*end != '\0' || n > 100000000L) return false;
  value = static_cast<int>(n);
  return true;
}

bool IsString(const Symbol& s) { return s.Type == kTypeString; }
bool IsArray(const Symbol& s) { return s.ArraySize > 1; }

int ElementSize(const Symbol& s, SymbolTable* program) {
  if (s.Type >= kFirstStructureId) return GetStructureSize(FindStructureById(s.Type, program), program);
  return GetSymbolSize(&s);
}

// Replaces the value block, when there is one, by a zero-filled one of the size that
// keeps at most `keep` of the old one's first bytes.
void ReplaceStorage(Symbol& symbol, int bytes, int keep) {
  ValueBlockData* old = VariableStorage(symbol);
  if (old == nullptr) return;
  auto made = std::make_unique<ValueBlockData>(static_cast<std::size_t>(bytes));
  const std::size_t kept = std::min({old->Size(), static_cast<std::size_t>(bytes), static_cast<std::size_t>(keep)});
  std::memcpy(made->Bytes(), old->Bytes(), kept);
  symbol.Data = std::move(made);
}

std::string ElementTypeName(const Symbol& s, SymbolTable* program) {
  if (s.Type > 63) {
    const StructDef* def = FindStructureById(s.Type, program);
    return def != nullptr ? def->Name : "";
  }
  const char* name = GetListedTypeName(s.Type);
  return name != nullptr ? name : "";
}

ResizeOutcome Refuse(const std::string& text, ResizeFocus focus) {
  ResizeOutcome out;
  out.Done = false;
  out.Message = text;
  out.Focus = focus;
  return out;
}

std::string ShortName(const char* name) {
  const char* dollar = std::strrchr(name, '$');
  return dollar != nullptr ? dollar + 1 : name;
}

}  // namespace

ResizeView DescribeResize(const Symbol& symbol, TProgram& program) {
  ResizeView view;
  view.Name = symbol.Name;
  if (IsString(symbol)) {
    view.StringEnabled = true;
    view.StringSize = std::to_string(symbol.Size);
    if (!IsArray(symbol)) view.TypeText = "*STRING";
  }
  if (IsArray(symbol)) {
    view.ArrayEnabled = true;
    view.Count = std::to_string(symbol.ArraySize);
    if (symbol.Type > 63 && FindStructureById(symbol.Type, &program.Symbols()) == nullptr) {
      view.TypeText = "Array of Structures";
    } else {
      view.TypeText = "Array of " + ElementTypeName(symbol, &program.Symbols()) + "'s";
    }
  }
  return view;
}

ResizeView DescribeResize(const StructMember& member) {
  ResizeView view;
  if (member.Type == kTypeString) {
    view.Name = member.Name;
    view.TypeText = "*STRING";
    view.StringEnabled = true;
    view.StringSize = std::to_string(member.Size);
  }
  return view;
}

ResizeOutcome ApplyResize(Symbol& symbol, const std::string& sizeText, const std::string& countText,
                          TProgram& program) {
  SymbolTable* table = &program.Symbols();
  ResizeOutcome out;
  if (IsString(symbol) && !IsArray(symbol)) {
    int size = 0;
    if (!ReadNumber(sizeText, size) || size < kMinStringSize || size > kMaxStringSize) {
      return Refuse(kSizeRangeText, ResizeFocus::StringSize);
    }
    // The string keeps its head and its terminating zero.
    const int keep = std::min<int>(symbol.Size, size);
    symbol.Size = static_cast<std::int16_t>(size);
    ReplaceStorage(symbol, size + 1, keep);
    if (symbol.Scope == kScopeParameter) {
      SBInterfaceTable entries(program.CurrentPage(), table);
      out.InterfaceCode = entries.SetEntryValue(ShortName(symbol.Name).c_str(), static_cast<std::int16_t>(size));
    }
    return out;
  }
  if (!IsArray(symbol)) return out;   // nothing to resize
  int count = 0;
  const bool countRead = ReadNumber(countText, count);
  if (IsString(symbol)) {
    int size = 0;
    if (!ReadNumber(sizeText, size) || size < kMinStringSize || size > kMaxStringSize || !countRead || count <= 1 ||
        static_cast<long>(count) * size > kMaxArrayBytes) {
      return Refuse(kSizeRangeText, ResizeFocus::StringSize);
    }
    symbol.Size = static_cast<std::int16_t>(size);
    symbol.ArraySize = static_cast<std::int16_t>(count);
    ReplaceStorage(symbol, size * count, size * count);
    return out;
  }
  const int element = std::max(1, ElementSize(symbol, table));
  if (!countRead || count <= 1 || static_cast<long>(count) * element > kMaxArrayBytes) {
    return Refuse("Invalid Array Size:  Value must be between 2 and " + std::to_string(kMaxArrayBytes / element),
                  ResizeFocus::Count);
  }
  symbol.ArraySize = static_cast<std::int16_t>(count);
  ReplaceStorage(symbol, element * count, element * count);
  return out;
}

ResizeOutcome ApplyResize(StructMember& member, const std::string& sizeText) {
  int size = 0;
  if (!ReadNumber(sizeText, size) || size < kMinStringSize || size > kMaxStringSize) {
    return Refuse(kSizeRangeText, ResizeFocus::StringSize);
  }
  member.Size = static_cast<std::int16_t>(size);
  return ResizeOutcome{};
}

}  // namespace zeph
