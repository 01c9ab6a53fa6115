// Variable references: parsing reference text, writing it back, the type of what a
// reference names, and the reference counts of symbols and members.

#include "model/varref.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/symtable.h"

namespace zeph {
namespace {

template <class T>
T LoadConst(const std::vector<char>& block) {
  T value{};
  if (block.size() >= sizeof value) std::memcpy(&value, block.data(), sizeof value);
  return value;
}

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

// The parts of a reference text: name[index].member.member2.
struct ReferenceParts {
  std::string name;
  std::string index;
  std::string member;
  std::string member2;
  bool hasIndex = false;
};

// Splits at "." into at most two members; false when there are more or an empty one.
bool SplitMembers(const std::string& text, ReferenceParts& parts) {
  std::size_t dot = text.find('.');
  parts.member = text.substr(0, dot);
  if (parts.member.empty()) return false;
  if (dot == std::string::npos) return true;
  parts.member2 = text.substr(dot + 1);
  return !parts.member2.empty() && parts.member2.find('.') == std::string::npos;
}

bool SplitReferenceText(const std::string& text, ReferenceParts& parts) {
  std::size_t stop = text.find_first_of("[.");
  parts.name = text.substr(0, stop);
  if (stop == std::string::npos) return true;
  if (text[stop] == '.') return SplitMembers(text.substr(stop + 1), parts);
  // An index: find its closing bracket (indexes may themselves hold indexes).
  int depth = 0;
  std::size_t close = std::string::npos;
  for (std::size_t i = stop; i < text.size(); ++i) {
    if (text[i] == '[') ++depth;
    if (text[i] == ']' && --depth == 0) {
      close = i;
      break;
    }
  }
  if (close == std::string::npos) return false;
  parts.hasIndex = true;
  parts.index = text.substr(stop + 1, close - stop - 1);
  std::string rest = text.substr(close + 1);
  if (rest.empty()) return true;
  if (rest[0] != '.') return false;
  return SplitMembers(rest.substr(1), parts);
}

// The mask for index variables: character, smallinteger, integer, smallnumber, *NUMBER
// and every structure type.
TypeMask IndexMask() {
  TypeMask mask = MaskOfTypes({kTypeCharacter, kTypeSmallInteger, kTypeInteger, kTypeSmallNumber, kTypeNumber});
  mask.AddStructs = kStructsAll;
  return mask;
}

// Parses the index text into a new index node; null when the index is not valid.
std::unique_ptr<SymP> ParseIndex(const std::string& index, SymbolTable* program) {
  auto node = std::make_unique<SymP>();
  ParseVariableReference(index.c_str(), *node, IndexMask(), nullptr, program);
  if (node->S != nullptr) return node;
  if (!AllDigits(index)) return nullptr;
  std::vector<char> block(std::max<std::size_t>(index.size() + 1, 8), 0);
  int type = GuessConstantType(index.c_str(), block.data());
  if (type == 0) return nullptr;
  node->Clear();
  node->SetConstBytes(block.data(), block.size());
  node->ConstType = static_cast<std::int16_t>(type);
  return node;
}

StructMember* MemberOf(int structId, int memberId, SymbolTable* program) {
  return FindMemberById(structId, memberId, program);
}

void ChangeCount(std::int16_t& count, int add) {
  if (add) ++count;
  else if (count > 0) --count;
}

}  // namespace

namespace {

std::atomic<std::uint64_t> constantStamp{0};

// A plain load and store: whatever the interleaving, the stamp differs from any value read
// before the change.
void NoteConstantChange() { constantStamp.store(constantStamp.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed); }

}  // namespace

std::uint64_t ReferenceConstantStamp() { return constantStamp.load(std::memory_order_relaxed); }

SymP::SymP(const SymP& other)
    : S(other.S),
      StructMemNum(other.StructMemNum),
      ConstPtr(other.ConstPtr),
      ConstType(other.ConstType),
      ArrayIndex(other.ArrayIndex ? std::make_unique<SymP>(*other.ArrayIndex) : nullptr),
      Struct2MemNum(other.Struct2MemNum) {
  if (!ConstPtr.empty()) NoteConstantChange();
}

SymP::SymP(SymP&& other) noexcept
    : S(other.S),
      StructMemNum(other.StructMemNum),
      ConstPtr(std::move(other.ConstPtr)),
      ConstType(other.ConstType),
      ArrayIndex(std::move(other.ArrayIndex)),
      Struct2MemNum(other.Struct2MemNum) {
  other.ConstPtr.clear();
  if (!ConstPtr.empty()) NoteConstantChange();
}

SymP& SymP::operator=(SymP&& other) noexcept {
  if (this != &other) {
    if (!ConstPtr.empty() || !other.ConstPtr.empty()) NoteConstantChange();
    S = other.S;
    StructMemNum = other.StructMemNum;
    ConstPtr = std::move(other.ConstPtr);
    other.ConstPtr.clear();
    ConstType = other.ConstType;
    ArrayIndex = std::move(other.ArrayIndex);
    Struct2MemNum = other.Struct2MemNum;
  }
  return *this;
}

SymP::~SymP() {
  if (!ConstPtr.empty()) NoteConstantChange();
}

SymP& SymP::operator=(const SymP& other) {
  if (this != &other) {
    SymP copy(other);
    *this = std::move(copy);
  }
  return *this;
}

void SymP::Clear() {
  S = nullptr;
  StructMemNum = 0;
  if (!ConstPtr.empty()) NoteConstantChange();
  ConstPtr.clear();
  ConstType = 0;
  ArrayIndex.reset();
  Struct2MemNum = 0;
}

void SymP::SetConstText(const char* text) {
  const char* t = text ? text : "";
  ConstPtr.assign(t, t + std::strlen(t) + 1);
  NoteConstantChange();
}

void SymP::SetConstBytes(const void* bytes, std::size_t size) {
  const char* b = static_cast<const char*>(bytes);
  ConstPtr.assign(b, b + size);
  NoteConstantChange();
}

char* SymP::SetConstZeroed(std::size_t size) {
  ConstPtr.assign(size, '\0');
  NoteConstantChange();
  return ConstPtr.data();
}

void ParseVariableReference(const char* text, SymP& ref, const TypeMask& mask, int* outType,
                            SymbolTable* program) {
  ref.Clear();
  if (outType) *outType = -1;
  if (text == nullptr) return;
  // Work on a bounded copy; the caller's text stays as it is.
  std::string copy(text, std::min<std::size_t>(std::strlen(text), kReferenceTextMax));
  ReferenceParts parts;
  if (!SplitReferenceText(copy, parts) || parts.name.empty()) return;
  if (parts.name.size() > static_cast<std::size_t>(kReferenceNameMax)) return;

  auto fail = [&] {
    ref.Clear();
    if (outType) *outType = -1;
  };

  if (parts.hasIndex) {
    ref.ArrayIndex = ParseIndex(parts.index, program);
    if (!ref.ArrayIndex) return fail();
  }

  int type = -1;
  Symbol* s = nullptr;
  if (!parts.member.empty()) {
    if (parts.member.size() > static_cast<std::size_t>(kReferenceNameMax) ||
        parts.member2.size() > static_cast<std::size_t>(kReferenceNameMax)) {
      return fail();
    }
    s = LookupSymbolByMask(parts.name.c_str(), AllTypesMask(), program);
    if (s == nullptr || !s->IsStructType) return fail();
    StructMember* m = FindMemberByName(FindStructureById(s->Type, program), parts.member.c_str());
    if (m == nullptr) return fail();
    ref.StructMemNum = m->ElemNum;
    type = m->Type;
    if (!parts.member2.empty()) {
      // The second member must lie in the structure of a record-typed first member.
      if (!IsRecordTypeCode(m->Type)) return fail();
      StructMember* m2 = FindMemberByName(FindStructureById(m->Type, program), parts.member2.c_str());
      if (m2 == nullptr) return fail();
      ref.Struct2MemNum = m2->ElemNum;
      type = m2->Type;
    }
  } else {
    s = LookupSymbolByMask(parts.name.c_str(), mask, program);
    if (s == nullptr) return fail();
    type = s->Type;
  }

  if (ref.ArrayIndex && ref.ArrayIndex->S == nullptr) {
    // A constant index must lie within the array.
    double value = std::strtod(parts.index.c_str(), nullptr);
    if (value < 1 || value > s->ArraySize) return fail();
  }
  ref.S = s;
  if (outType) *outType = type;
}

std::string FormatVariableReference(SymP& ref, SymbolTable* program) {
  if (ref.S == nullptr) return std::string();
  if (ref.S->Name[0] == 0) {
    ref.S = nullptr;
    return std::string();
  }
  std::string out = ref.S->Name;
  if (ref.S->ArraySize != 0 && ref.ArrayIndex) {
    SymP& index = *ref.ArrayIndex;
    char buf[64] = {};
    if (index.S == nullptr) {
      switch (index.ConstType) {
        case kTypeSmallInteger:
          std::snprintf(buf, sizeof buf, "[%d]", static_cast<int>(LoadConst<std::int16_t>(index.ConstPtr)));
          break;
        case kTypeInteger:
        case kTypeResPerm:
          std::snprintf(buf, sizeof buf, "[%d]", static_cast<int>(LoadConst<std::int32_t>(index.ConstPtr)));
          break;
        case kTypeSmallNumber:
          std::snprintf(buf, sizeof buf, "[%g]", static_cast<double>(LoadConst<float>(index.ConstPtr)));
          break;
        case kTypeNumber:
          std::snprintf(buf, sizeof buf, "[%lg]", LoadConst<double>(index.ConstPtr));
          break;
        default:
          break;
      }
      out += buf;
    } else {
      out += "[" + FormatVariableReference(index, program) + "]";
    }
  }
  if (ref.StructMemNum != 0) {
    StructMember* m = MemberOf(ref.S->Type, ref.StructMemNum, program);
    if (m == nullptr) return out;
    out += ".";
    out += m->Name;
    if (ref.Struct2MemNum > 0 && IsRecordTypeCode(m->Type)) {
      if (StructMember* m2 = MemberOf(m->Type, ref.Struct2MemNum, program)) {
        out += ".";
        out += m2->Name;
      }
    }
  }
  return out;
}

int GetReferenceType(const SymP& ref, int* outSize, SymbolTable* program) {
  if (outSize) *outSize = 1;
  if (ref.S == nullptr) return ref.ConstType;
  if (ref.StructMemNum == 0) {
    if (outSize) *outSize = ref.S->Size;
    return ref.S->Type;
  }
  if (FindStructureById(ref.S->Type, program) == nullptr) return -1;
  StructMember* m = MemberOf(ref.S->Type, ref.StructMemNum, program);
  if (m != nullptr && ref.Struct2MemNum > 0 && IsRecordTypeCode(m->Type)) {
    if (FindStructureById(m->Type, program) == nullptr) return -1;
    m = MemberOf(m->Type, ref.Struct2MemNum, program);
  }
  if (m == nullptr) return -1;
  if (outSize) *outSize = m->Size;
  return m->Type;
}

int UpdateReferenceCount(const SymP& ref, int add, SymbolTable* program) {
  if (ref.HasConst() || ref.S == nullptr) return 0;
  ChangeCount(ref.S->RefCnt, add);
  if (ref.StructMemNum == 0) return 0;
  StructMember* m = MemberOf(ref.S->Type, ref.StructMemNum, program);
  if (m == nullptr) return -1;
  if (ref.Struct2MemNum != 0) {
    if (!IsRecordTypeCode(m->Type)) return -1;
    m = MemberOf(m->Type, ref.Struct2MemNum, program);
    if (m == nullptr) return -1;
  }
  ChangeCount(m->RefCnt, add);
  return 0;
}

int SplitReference(const char* text, std::string& part1, std::string& part2, std::string& part3) {
  part1.clear();
  part2.clear();
  part3.clear();
  if (text == nullptr) return 0;
  std::string copy(text, std::min<std::size_t>(std::strlen(text), kSplitReferenceTextMax));
  std::string* parts[3] = {&part1, &part2, &part3};
  int count = 0;
  std::size_t pos = 0;
  while (count < 3 && pos < copy.size()) {
    std::size_t dot = copy.find('.', pos);
    std::size_t end = dot == std::string::npos ? copy.size() : dot;
    if (end > pos) *parts[count++] = copy.substr(pos, end - pos);
    pos = end + 1;
  }
  return count;
}

}  // namespace zeph
