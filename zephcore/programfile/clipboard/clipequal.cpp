#include "programfile/clipboard/clipequal.h"

#include <algorithm>
#include <cstring>

#include "model/datatypes.h"
#include "model/pbentry_instance.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "model/symtable.h"
#include "model/program/faxeditors.h"
#include "model/varref.h"
#include "model/vsentence.h"

namespace zeph {
namespace {

bool TypesEqual(int a, SymbolTable& pa, int b, SymbolTable& pb, bool compareNames) {
  const bool structA = a >= kFirstStructureId;
  const bool structB = b >= kFirstStructureId;
  if (structA != structB) return false;
  if (!structA) return a == b;
  const StructDef* da = FindStructureById(a, &pa);
  const StructDef* db = FindStructureById(b, &pb);
  return da != nullptr && db != nullptr && StructuresEqual(da, pa, db, pb, compareNames);
}

bool ConstantsEqual(const SymP& a, const SymP& b) {
  if (a.ConstType != b.ConstType) return false;
  if (a.ConstType == kTypeStruct) return true;
  if (a.ConstType == kTypeString || a.ConstPtr.empty() || b.ConstPtr.empty()) {
    return std::strcmp(a.ConstText(), b.ConstText()) == 0;
  }
  return a.ConstPtr == b.ConstPtr;
}

bool AreasEqual(int flagA, const ComponentArea& a, SymbolTable& pa, int flagB, const ComponentArea& b,
                SymbolTable& pb, bool names) {
  if (flagA != flagB) return false;
  if (flagA != 0) return SlotsEqual(a.Ref, pa, b.Ref, pb, names);
  return std::strcmp(a.Path, b.Path) == 0;
}

bool DetailsEqual(const ComponentDetail* a, SymbolTable& pa, const ComponentDetail* b, SymbolTable& pb,
                  bool names) {
  for (; a != nullptr && b != nullptr; a = a->Next, b = b->Next) {
    if (!AreasEqual(a->Flag1, a->Area1, pa, b->Flag1, b->Area1, pb, names)) return false;
    if (a->Flag2 != b->Flag2 || !SlotsEqual(a->Ref2, pa, b->Ref2, pb, names)) return false;
    if (a->Flag3 != b->Flag3 || !SlotsEqual(a->Ref3, pa, b->Ref3, pb, names)) return false;
  }
  return a == nullptr && b == nullptr;
}

bool SentencesEqual(const SentenceData& a, SymbolTable& pa, const SentenceData& b, SymbolTable& pb, bool names) {
  const SentenceComponent* x = a.First;
  const SentenceComponent* y = b.First;
  for (; x != nullptr && y != nullptr; x = x->Next, y = y->Next) {
    if (x->Kind != y->Kind || x->Id != y->Id || x->Text != y->Text) return false;
    if (!AreasEqual(x->RefFlag, x->Area, pa, y->RefFlag, y->Area, pb, names)) return false;
    if (!DetailsEqual(x->Detail, pa, y->Detail, pb, names)) return false;
  }
  return x == nullptr && y == nullptr;
}

bool DataEqual(const Symbol& a, SymbolTable& pa, const Symbol& b, SymbolTable& pb, bool names) {
  const int type = a.Type;
  if (type >= 64 && type < kFirstStructureId) return true;
  switch (type) {
    case kTypeStruct: case kTypeFaxDocument: case kTypeOLEInfo: case kTypeLogFile:
    case kTypeSQLInfo: case kTypeVSentenceVar: case kTypeToneParms:
      return true;
    case kTypeSuperBlock: case kTypeVerificationBlock:
      return std::strcmp(a.Name, b.Name) == 0;
    case kTypeVavurOrezo: {
      const auto* x = dynamic_cast<const PBInstance*>(a.Data.get());
      const auto* y = dynamic_cast<const PBInstance*>(b.Data.get());
      return x != nullptr && y != nullptr && x->Name == y->Name && x->Type == y->Type &&
             x->Companion == y->Companion;
    }
    case kTypeVoiceSentence: {
      const auto* x = dynamic_cast<const SentenceData*>(a.Data.get());
      const auto* y = dynamic_cast<const SentenceData*>(b.Data.get());
      return x != nullptr && y != nullptr && SentencesEqual(*x, pa, *y, pb, names);
    }
    default:
      break;
  }
  const auto* x = dynamic_cast<const ValueBlockData*>(a.Data.get());
  const auto* y = dynamic_cast<const ValueBlockData*>(b.Data.get());
  if (x == nullptr || y == nullptr) return x == y;
  if (type == kTypeLabel) {
    return std::strncmp(reinterpret_cast<const char*>(x->Bytes()), reinterpret_cast<const char*>(y->Bytes()),
                        std::min(x->Size(), y->Size())) == 0;
  }
  // The whole value block: element size times the array count.
  return x->Size() == y->Size() && std::memcmp(x->Bytes(), y->Bytes(), x->Size()) == 0;
}

}  // namespace

bool StructuresEqual(const StructDef* a, SymbolTable& pa, const StructDef* b, SymbolTable& pb, bool compareNames) {
  if (a == nullptr || b == nullptr) return a == b;
  if (compareNames && std::strcmp(a->Name, b->Name) != 0) return false;
  const StructMember* x = a->FstMem;
  const StructMember* y = b->FstMem;
  for (; x != nullptr && y != nullptr; x = x->Next, y = y->Next) {
    if (std::strcmp(x->Name, y->Name) != 0 || x->Size != y->Size) return false;
    // Nested structures are the same when their definitions are, names included.
    if (!TypesEqual(x->Type, pa, y->Type, pb, true)) return false;
  }
  return x == nullptr && y == nullptr;
}

bool SymbolsEqual(const Symbol* a, SymbolTable& pa, const Symbol* b, SymbolTable& pb, bool compareNames) {
  if (a == nullptr || b == nullptr) return a == b;
  if (a->Invisible != 0 && b->Invisible != 0) return true;
  if (compareNames && std::strcmp(a->Name, b->Name) != 0) return false;
  if (a->Size != b->Size || !TypesEqual(a->Type, pa, b->Type, pb, compareNames)) return false;
  if (a->Invisible != b->Invisible || a->CanDelete != b->CanDelete || a->NotInCode != b->NotInCode ||
      a->Deleted != b->Deleted) {
    return false;
  }
  if (a->ArraySize != b->ArraySize && (a->ArraySize > 1 || b->ArraySize > 1)) return false;
  if (!a->Variable() && !b->Variable()) return true;
  if (a->Variable() != b->Variable()) return false;
  return DataEqual(*a, pa, *b, pb, compareNames);
}

bool SlotsEqual(const SymP& a, SymbolTable& pa, const SymP& b, SymbolTable& pb, bool compareNames) {
  if ((a.S == nullptr) != (b.S == nullptr)) return false;
  if (a.S == nullptr) return ConstantsEqual(a, b);
  if (!SymbolsEqual(a.S, pa, b.S, pb, compareNames)) return false;
  if (a.StructMemNum != b.StructMemNum) return false;
  if (a.StructMemNum > 0 && a.Struct2MemNum != b.Struct2MemNum) return false;
  if ((a.ArrayIndex == nullptr) != (b.ArrayIndex == nullptr)) return false;
  return a.ArrayIndex == nullptr || SlotsEqual(*a.ArrayIndex, pa, *b.ArrayIndex, pb, compareNames);
}

}  // namespace zeph
