// Structures, aliases, constants and global variables: sizes, offsets and initial data.
#include <cstring>
#include <limits>

#include "quay/errors.h"
#include "quay/semantic.h"

namespace quay {

namespace {

constexpr std::int32_t kSegmentMax = 65535;

struct BuiltinWord {
  const char* word;
  Base base;
  std::int32_t size;
};
// The type words the language knows by itself; include files add aliases.
constexpr BuiltinWord kBuiltins[] = {
    {"character", Base::Int8, 1},     {"smallinteger", Base::Int16, 2},
    {"boolean", Base::Int16, 2},      {"Boolean", Base::Int16, 2},
    {"integer", Base::Int32, 4},      {"datenumber", Base::Int32, 4},
    {"smallnumber", Base::Float, 4},  {"number", Base::Double, 8},
    {"datestring", Base::String, 15}, {"label", Base::Label, 4},
    {"vsentence", Base::VSentence, 4}, {"faxdocument", Base::FaxDoc, 4},
    {"any", Base::Any, 0},            {"void", Base::Void, 0},
};

const BuiltinWord* FindBuiltin(const std::string& word) {
  for (const auto& b : kBuiltins)
    if (word == b.word) return &b;
  return nullptr;
}

// The structure a "structure NAME" names: NAME itself, or an alias of a structure.
int FindStruct(const Semantic& s, const std::string& name, int depth = 0) {
  const auto it = s.structByName.find(name);
  if (it != s.structByName.end()) return it->second;
  const auto alias = s.aliases.find(name);
  if (alias == s.aliases.end() || alias->second.word != "structure" || depth > 8) return -1;
  return FindStruct(s, alias->second.structName, depth + 1);
}

Type ResolveInner(const Semantic& s, const TypeSpec& spec, Location at, int depth) {
  if (spec.word == "string") return {Base::String, spec.size, -1};
  if (spec.word == "structure") {
    const int index = FindStruct(s, spec.structName);
    if (index < 0) Fail(kErrUndefinedStructure, spec.structName, at.file, at.line);
    return {Base::Struct, s.structs[static_cast<std::size_t>(index)].size, index};
  }
  if (const BuiltinWord* b = FindBuiltin(spec.word)) return {b->base, b->size, -1};
  const auto alias = s.aliases.find(spec.word);
  if (alias == s.aliases.end() || depth > 8) Fail(kErrUnknownType, spec.word, at.file, at.line);
  return ResolveInner(s, alias->second, at, depth + 1);
}

// Sizes structures depth first; a structure met again while it is being sized contains itself.
class StructSizer {
 public:
  explicit StructSizer(Semantic& s) : s_(s), state_(s.structs.size(), 0) {}

  void Size(std::size_t index) {
    if (state_[index] == 2) return;
    const StructDecl& decl = s_.program->structs[index];
    if (state_[index] == 1) Fail(kErrRecursiveStructure, decl.name, decl.at.file, decl.at.line);
    state_[index] = 1;
    StructInfo& info = s_.structs[index];
    std::int64_t offset = 0;
    for (const Member& m : decl.members) {
      if (info.byName.count(m.name)) Fail(kErrDuplicateName, m.name, m.at.file, m.at.line);
      Type t;
      if (m.type.word == "structure") {
        const int found = FindStruct(s_, m.type.structName);
        if (found < 0) Fail(kErrUndefinedStructure, m.type.structName, m.at.file, m.at.line);
        const auto inner = static_cast<std::size_t>(found);
        if (state_[inner] == 1) Fail(kErrRecursiveStructure, s_.structs[inner].name, decl.at.file, decl.at.line);
        Size(inner);
        t = {Base::Struct, s_.structs[inner].size, found};
      } else {
        t = ResolveType(s_, m.type, m.at, false);
        if (t.base == Base::Struct) Size(static_cast<std::size_t>(t.structIndex));
        if (t.base == Base::Struct) t.size = s_.structs[static_cast<std::size_t>(t.structIndex)].size;
      }
      info.byName[m.name] = info.fields.size();
      info.fields.push_back({m.name, t, m.count, static_cast<std::int32_t>(offset)});
      offset += static_cast<std::int64_t>(t.size) * m.count;
      if (offset > std::numeric_limits<std::int32_t>::max() / 2)
        Fail(kErrSegmentTooLarge, "structure " + decl.name, m.at.file, m.at.line);
    }
    info.size = static_cast<std::int32_t>(offset);
    state_[index] = 2;
  }

 private:
  Semantic& s_;
  std::vector<int> state_;
};

// Writes initial values into a variable's bytes, leaf by leaf in declaration order.
class InitWriter {
 public:
  InitWriter(const Semantic& s, const VarDecl& var, std::uint8_t* out)
      : s_(s), var_(var), out_(out) {}

  void Write(const Type& type, std::int32_t count) {
    for (std::int32_t i = 0; i < count && next_ < var_.init.values.size(); ++i)
      WriteOne(type, static_cast<std::int64_t>(i) * type.size);
    if (next_ < var_.init.values.size())
      Fail(kErrTooManyValues, var_.name, var_.at.file, var_.init.values[next_]->line);
  }

 private:
  void WriteOne(const Type& type, std::int64_t offset) {
    if (type.base == Base::Struct) {
      const StructInfo& info = s_.structs[static_cast<std::size_t>(type.structIndex)];
      for (const auto& f : info.fields)
        for (std::int32_t i = 0; i < f.count && next_ < var_.init.values.size(); ++i)
          WriteOne(f.type, offset + f.offset + static_cast<std::int64_t>(i) * f.type.size);
      return;
    }
    const Expr& v = *var_.init.values[next_++];
    std::uint8_t* at = out_ + offset;
    auto misfit = [&]() { Fail(kErrValueDoesNotFit, var_.name, var_.at.file, v.line); };
    auto store = [&](std::uint64_t bits, int bytes) {
      for (int b = 0; b < bytes; ++b) at[b] = static_cast<std::uint8_t>(bits >> (8 * b));
    };
    switch (type.base) {
      case Base::Int8: case Base::Int16: case Base::Int32: {
        if (v.kind != Expr::Int) misfit();
        const int bytes = type.base == Base::Int8 ? 1 : type.base == Base::Int16 ? 2 : 4;
        const std::int64_t lo = v.hex ? 0 : -(std::int64_t{1} << (8 * bytes - 1));
        const std::int64_t hi = (std::int64_t{1} << (8 * bytes)) - 1;
        if (v.integer < lo || v.integer > hi) misfit();
        store(static_cast<std::uint64_t>(v.integer), bytes);
        break;
      }
      case Base::Float: case Base::Double: {
        if (v.kind != Expr::Int && v.kind != Expr::Real) misfit();
        const double d = v.kind == Expr::Int ? static_cast<double>(v.integer) : v.real;
        if (type.base == Base::Float) {
          const float f = static_cast<float>(d);
          std::uint32_t bits;
          std::memcpy(&bits, &f, 4);
          store(bits, 4);
        } else {
          std::uint64_t bits;
          std::memcpy(&bits, &d, 8);
          store(bits, 8);
        }
        break;
      }
      case Base::String: case Base::VSentence: case Base::FaxDoc:
        if (v.kind != Expr::Str) misfit();
        if (type.base == Base::String) {
          if (static_cast<std::int64_t>(v.text.size()) > type.size) misfit();
          std::memcpy(at, v.text.data(), v.text.size());
        }
        break;
      default:
        misfit();
    }
  }

  const Semantic& s_;
  const VarDecl& var_;
  std::uint8_t* out_;
  std::size_t next_ = 0;
};

}  // namespace

Type ResolveType(const Semantic& s, const TypeSpec& spec, Location at, bool paramOrResult) {
  Type t = ResolveInner(s, spec, at, 0);
  if (!paramOrResult && (t.base == Base::Any || t.base == Base::Void))
    Fail(kErrUnknownType, spec.word, at.file, at.line);
  return t;
}

std::string TypeText(const Semantic& s, const Type& t) {
  switch (t.base) {
    case Base::Void: return "void";
    case Base::Int8: return "character";
    case Base::Int16: return "smallinteger";
    case Base::Int32: return "integer";
    case Base::Float: return "smallnumber";
    case Base::Double: return "number";
    case Base::String: return "string(" + std::to_string(t.size) + ")";
    case Base::Struct: return "structure " + s.structs[static_cast<std::size_t>(t.structIndex)].name;
    case Base::Label: return "label";
    case Base::VSentence: return "vsentence";
    case Base::FaxDoc: return "faxdocument";
    case Base::Any: return "any";
  }
  return "?";
}

void CheckStructures(Semantic& s) {
  ParsedProgram& p = *s.program;
  for (const AliasDecl& a : p.aliases) {
    if (FindBuiltin(a.word) || !s.aliases.emplace(a.word, a.type).second)
      Fail(kErrDuplicateName, a.word, a.at.file, a.at.line);
  }
  s.structs.resize(p.structs.size());
  for (std::size_t i = 0; i < p.structs.size(); ++i) {
    const StructDecl& d = p.structs[i];
    s.structs[i].name = d.name;
    if (!s.structByName.emplace(d.name, static_cast<int>(i)).second)
      Fail(kErrDuplicateName, d.name, d.at.file, d.at.line);
  }
  for (const AliasDecl& a : p.aliases) ResolveType(s, a.type, a.at, false);
  StructSizer sizer(s);
  for (std::size_t i = 0; i < p.structs.size(); ++i) sizer.Size(i);
}

void CheckGlobals(Semantic& s) {
  ParsedProgram& p = *s.program;
  for (const ConstDecl& c : p.consts)
    if (!s.consts.emplace(c.name, c.value.get()).second) Fail(kErrDuplicateName, c.name, c.at.file, c.at.line);

  std::vector<std::int64_t> used(p.segments.size(), 0);
  s.segmentData.assign(p.segments.size(), {});
  for (const VarDecl& v : p.vars) {
    if (s.consts.count(v.name) || s.globalByName.count(v.name))
      Fail(kErrDuplicateName, v.name, v.at.file, v.at.line);
    const Type t = ResolveType(s, v.type, v.at, false);
    const auto seg = static_cast<std::size_t>(v.segment);
    const std::int64_t bytes = static_cast<std::int64_t>(t.size) * v.count;
    if (used[seg] + bytes > kSegmentMax) {
      Fail(kErrSegmentTooLarge,
           p.segments[seg].name + ": " + std::to_string(used[seg] + bytes) + " bytes, at most 65535",
           v.at.file, v.at.line);
    }
    GlobalInfo g{v.name, t, v.count, v.segment, static_cast<std::int32_t>(used[seg])};
    used[seg] += bytes;
    std::vector<std::uint8_t>& data = s.segmentData[seg];
    data.resize(static_cast<std::size_t>(used[seg]), 0);
    if (v.init.present) InitWriter(s, v, data.data() + g.offset).Write(t, v.count);
    s.globalByName.emplace(v.name, static_cast<int>(s.globals.size()));
    s.globals.push_back(std::move(g));
  }
}

}  // namespace quay
