// Which types the operands of the assignment and arithmetic forms may hold.
#include "forms/assign/operandtypes.h"

#include "foundation/kvassert.h"
#include "model/constvalue.h"
#include "model/datatypes.h"
#include "model/pbaccess_fields.h"
#include "model/symtable.h"
#include "model/varref.h"

namespace zeph {
namespace {

using namespace typeset;

bool IsNumber(int t) { return (t >= kTypeCharacter && t <= kTypeNumber) || t == kTypeResPerm; }
bool IsNumberOnly(int t) { return t >= kTypeCharacter && t <= kTypeNumber; }

// Record types whose operands must be of the same type.
bool IsSameTypeCode(int t) {
  return (t >= 8 && t <= 18) || (t >= 23 && t <= 29) || t == 32 || (t >= 36 && t <= 39) || t == 42 ||
         (t >= 44 && t <= 52) || (t >= 54 && t <= 63) || t >= kFirstStructureId;
}

}  // namespace

int ResolveFieldType(const std::string& text, SymbolTable* program) {
  if (text.empty()) return kUnknownType;
  const TypeMask all = AllTypesMask();
  if (Symbol* s = LookupSymbolByMask(text.c_str(), all, program)) return s->Type;
  SymP ref;
  int type = kUnknownType;
  ParseVariableReference(text.c_str(), ref, all, &type, program);
  return ref.S != nullptr && type >= 0 ? type : kUnknownType;
}

OperandMasks::OperandMasks(PBFieldDef* table, int fields) : table_(table), fields_(fields) {
  KV_ASSERT(table != nullptr && fields >= 0 && fields <= 3);
  if (table_ == nullptr) fields_ = 0;
  if (fields_ > 3) fields_ = 3;
  for (int i = 0; i < fields_; ++i) {
    const PBFieldDef& e = table_[i];
    saved_[static_cast<std::size_t>(i)] = {e.Allowed1, e.Allowed2, e.AddStructs, e.StructNum, e.WholeArray, e.MinNumber};
  }
}

void OperandMasks::Restore(int field) {
  if (field < 0 || field >= fields_) return;
  const Restriction& r = saved_[static_cast<std::size_t>(field)];
  PBFieldDef& e = table_[field];
  e.Allowed1 = r.Allowed1;
  e.Allowed2 = r.Allowed2;
  e.AddStructs = r.AddStructs;
  e.StructNum = r.StructNum;
  e.WholeArray = r.WholeArray;
  e.MinNumber = r.MinNumber;
}

void OperandMasks::Admit(int field, std::uint32_t allowed1, std::uint32_t allowed2) {
  if (field < 0 || field >= fields_) return;
  Restore(field);
  table_[field].Allowed1 = allowed1;
  table_[field].Allowed2 = allowed2;
}

void OperandMasks::AdmitSameType(int field, int type) {
  if (type >= kFirstStructureId) {
    // A user structure: only variables of that one structure.
    Admit(field, 0, 0);
    if (field >= 0 && field < fields_) {
      table_[field].AddStructs = kStructsOne;
      table_[field].StructNum = static_cast<std::int16_t>(type);
    }
    return;
  }
  Admit(field, type < 32 ? 1u << type : 0, type >= 32 ? 1u << (type - 32) : 0);
}

bool AssignUpdateSource(OperandMasks& m, int t) {
  if (IsNumber(t)) {
    m.Admit(1, kScalars1, kScalars2);
  } else if (t == kTypeString) {
    m.Admit(1, kText);
  } else if (t == kTypeDateNumber) {
    m.Admit(1, kNumbersDates);
  } else if (t == kTypeDateString) {
    m.Admit(1, kDateText);
  } else if (t == kTypeBoolean) {
    m.Admit(1, kSmallOrBoolean1, kSmallOrBoolean2);
    return true;
  } else if (IsSameTypeCode(t)) {
    m.AdmitSameType(1, t);
  } else {
    m.Restore(1);
  }
  return false;
}

void AssignUpdateTarget(OperandMasks& m, int s) {
  if (IsNumber(s)) {
    m.Admit(0, kScalars1, kScalars2);
  } else if (s == kTypeString) {
    m.Admit(0, kText);
  } else if (s == kTypeDateNumber) {
    m.Admit(0, kNumbersDates);
  } else if (s == kTypeDateString) {
    m.Admit(0, kDateText);
  } else if (s == kTypeBoolean) {
    m.Admit(0, kSmallOrBoolean1, kSmallOrBoolean2);
  } else if (IsSameTypeCode(s)) {
    m.AdmitSameType(0, s);
  } else {
    m.Restore(0);
  }
}

void CompareUpdateSecond(OperandMasks& m, int t) {
  if (IsNumber(t)) {
    m.Admit(1, kNumbers);
  } else if (t == kTypeString || t == kTypeDateString) {
    m.Admit(1, kStringOrDateString);
  } else if (t == kTypeDateNumber) {
    m.Admit(1, kNumbersDateNumber);
  } else {
    m.Restore(1);
  }
}

void CompareUpdateFirst(OperandMasks& m, int s) {
  if (IsNumber(s)) {
    m.Admit(0, kNumbersDateNumber);
  } else if (s == kTypeString || s == kTypeDateString) {
    m.Admit(0, kStringOrDateString);
  } else if (s == kTypeDateNumber) {
    m.Admit(0, kDateNumber);
  } else {
    m.Restore(0);
  }
}

namespace {

// Date number and date string results keep their kind; any other is a number.
std::uint32_t DateKindOr(int t, std::uint32_t otherwise) {
  if (t == kTypeDateNumber) return kDateNumber;
  if (t == kTypeDateString) return kDateString;
  return otherwise;
}

// Add with one operand known (op), setting the other operand and the result.
void AddOneOperand(OperandMasks& m, int op, int other, int result) {
  if (IsNumber(op)) {
    m.Admit(other, kNumbersDates);
    m.Admit(result, kNumbersDates);
  } else if (op == kTypeDateNumber || op == kTypeDateString) {
    m.Admit(other, kNumbers);
    m.Admit(result, DateKindOr(op, kNumbers));
  } else {
    m.Restore(other);
    m.Restore(result);
  }
}

// Add or subtract with the result and one operand known, setting the other operand.
void AddFromOperandAndResult(OperandMasks& m, int op, int r, int field) {
  if (IsNumber(op)) {
    m.Admit(field, DateKindOr(r, kNumbers));
  } else if (op == kTypeDateNumber || op == kTypeDateString) {
    m.Admit(field, kNumbers);
  } else {
    m.Restore(field);
  }
}

}  // namespace

void AddUpdateOperands(OperandMasks& m, int a, int b, int r) {
  const bool ka = a != kUnknownType, kb = b != kUnknownType, kr = r != kUnknownType;
  if (!ka && !kb && !kr) {
    m.Restore(0);
    m.Restore(1);
    m.Restore(2);
  } else if (ka && !kb && !kr) {
    AddOneOperand(m, a, 1, 2);
  } else if (!ka && kb && !kr) {
    AddOneOperand(m, b, 0, 2);
  } else if (!ka && !kb && kr) {
    if (IsNumber(r)) {
      m.Admit(0, kNumbers);
      m.Admit(1, kNumbers);
    } else if (r == kTypeDateNumber) {
      m.Admit(0, kNumbersDateNumber);
      m.Admit(1, kNumbersDateNumber);
    } else if (r == kTypeDateString) {
      m.Admit(0, kNumbersDateString);
      m.Admit(1, kNumbersDateString);
    } else {
      m.Restore(0);
      m.Restore(1);
    }
  } else if (ka && kb && !kr) {
    if (IsNumber(a)) {
      m.Admit(2, DateKindOr(b, kNumbers));
    } else if (a == kTypeDateNumber || a == kTypeDateString) {
      m.Admit(2, DateKindOr(a, kNumbers));
    } else {
      m.Restore(2);
    }
  } else if (ka && !kb && kr) {
    AddFromOperandAndResult(m, a, r, 1);
  } else if (!ka && kb && kr) {
    AddFromOperandAndResult(m, b, r, 0);
  }
}

void SubtractUpdateOperands(OperandMasks& m, int a, int b, int r) {
  const bool ka = a != kUnknownType, kb = b != kUnknownType, kr = r != kUnknownType;
  if (!ka && !kb && !kr) {
    m.Restore(0);
    m.Restore(1);
    m.Restore(2);
  } else if (ka && !kb && !kr) {
    if (IsNumber(a)) {
      m.Admit(1, kNumbers);
      m.Admit(2, kNumbers);
    } else if (a == kTypeDateNumber) {
      m.Admit(1, kNumbersDateNumber);
      m.Admit(2, kNumbersDateNumber);
    } else if (a == kTypeDateString) {
      m.Admit(1, kNumbersDateString);
      m.Admit(2, kNumbersDateString);
    } else {
      m.Restore(1);
      m.Restore(2);
    }
  } else if (!ka && kb && !kr) {
    if (IsNumberOnly(b)) {
      m.Admit(0, kNumbersDates);
      m.Admit(2, kNumbersDates);
    } else if (b == kTypeDateNumber || b == kTypeDateString) {
      m.Admit(0, DateKindOr(b, kNumbers));
      m.Admit(2, kNumbers);
    } else {
      m.Restore(0);
      m.Restore(2);
    }
  } else if (!ka && !kb && kr) {
    if (IsNumber(r)) {
      m.Admit(0, kNumbersDates);
      m.Admit(1, kNumbersDates);
    } else if (r == kTypeDateNumber || r == kTypeDateString) {
      m.Admit(0, DateKindOr(r, kNumbers));
      m.Admit(1, kNumbers);
    } else {
      m.Restore(0);
      m.Restore(1);
    }
  } else if (ka && kb && !kr) {
    if (IsNumber(a)) {
      m.Admit(2, kNumbers);
    } else if (a == kTypeDateNumber || a == kTypeDateString) {
      m.Admit(2, b == a ? kNumbers : DateKindOr(a, kNumbers));
    } else {
      m.Restore(2);
    }
  } else if (ka && !kb && kr) {
    if (IsNumber(a)) {
      m.Admit(1, kNumbers);
    } else if (a == kTypeDateNumber || a == kTypeDateString) {
      m.Admit(1, r == a ? kNumbers : DateKindOr(a, kNumbers));
    } else {
      m.Restore(1);
    }
  } else if (!ka && kb && kr) {
    if (IsNumber(b)) {
      m.Admit(0, DateKindOr(r, kNumbers));
    } else if (b == kTypeDateNumber || b == kTypeDateString) {
      m.Admit(0, DateKindOr(b, kNumbers));
    } else {
      m.Restore(0);
    }
  }
}

void AddStoreTypes(int& a, int& b, int& r) {
  if (r == kTypeDateString) {
    if (a != kTypeDateString) b = kTypeDateString;
    if (b != kTypeDateString) a = kTypeDateString;
  } else if ((a == kTypeDateString) != (b == kTypeDateString)) {
    r = kTypeDateString;
  }
}

void SubtractStoreTypes(int& a, int& b, int& r) {
  if (r == kTypeDateString) {
    if (a == kTypeDateString) b = kTypeNumber;
    if (b == kTypeDateString) a = kTypeNumber;
  } else {
    if (a == kTypeDateString) b = kTypeDateString;
    if (b == kTypeDateString) a = kTypeDateString;
  }
}

int OperandStoreType(const std::string& text, const PBFieldDef& entry, SymbolTable* program) {
  if (text.empty()) return 0;
  if (!IsQuotedText(text.c_str())) {
    SymP ref;
    int type = kUnknownType;
    ParseVariableReference(text.c_str(), ref, FieldTypeMask(entry), &type, program);
    return ref.S != nullptr && type >= 0 ? type : 0;
  }
  if (text[0] == '\'' && CheckDateTime14(text.c_str() + 1, false) == 0) return kTypeDateString;
  return 0;
}

}  // namespace zeph
