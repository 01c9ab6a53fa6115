// Functions: prototypes, binding bodies to them, per-function labels, the checks of names,
// arity, argument kinds, assignability, members and constant indexes, and the code.
#include <cstring>
#include <unordered_map>

#include "quay/errors.h"
#include "quay/semantic.h"

namespace quay {

namespace {

const std::string kMainPrefix = "UserApp$";
const std::string kEventSuffix = "EVENT$$";

bool IsScalar(Base b) {
  return b == Base::Int8 || b == Base::Int16 || b == Base::Int32 || b == Base::Float ||
         b == Base::Double || b == Base::String;
}
bool IsNumeric(Base b) { return IsScalar(b) && b != Base::String; }

// What an expression yields.
struct Val {
  Type type;
  std::int32_t count = 1;  // above 1: an unindexed array
  bool lvalue = false;
  bool noValue = false;
  bool dataDef = false;
  bool constInt = false;
  std::int64_t intValue = 0;
};

class Strings {
 public:
  explicit Strings(std::vector<std::string>& table) : table_(table) {
    for (std::size_t i = 0; i < table_.size(); ++i) index_.emplace(table_[i], static_cast<std::uint32_t>(i));
  }
  std::uint32_t Get(const std::string& s) {
    const auto it = index_.find(s);
    if (it != index_.end()) return it->second;
    table_.push_back(s);
    const auto i = static_cast<std::uint32_t>(table_.size() - 1);
    index_.emplace(s, i);
    return i;
  }

 private:
  std::vector<std::string>& table_;
  std::unordered_map<std::string, std::uint32_t> index_;
};

class FunctionCompiler {
 public:
  FunctionCompiler(Semantic& s, RunImage& image, Strings& strings, const CodeOptions& options)
      : s_(s), image_(image), strings_(strings), options_(options) {}

  void Compile(ProtoInfo& proto, const BodyDecl& body, const std::string& page) {
    proto_ = &proto;
    body_ = &body;
    page_ = page;
    file_ = body.at.file;
    labels_.clear();
    labelOrder_.clear();
    fixups_.clear();
    params_.clear();
    for (std::size_t i = 0; i < proto.decl->params.size(); ++i)
      params_.emplace(proto.decl->params[i].name, i);
    CollectLabels(body.stmts);
    start_ = static_cast<std::uint32_t>(image_.code.size());
    for (const Stmt& st : body.stmts) Statement(st);
    Emit(Op::Return);
    for (const auto& [at, label] : fixups_) Patch(at, labels_.at(label).offset);
    RunFunction f;
    f.name = strings_.Get(proto.decl->name);
    f.codeOffset = start_;
    f.codeSize = static_cast<std::uint32_t>(image_.code.size()) - start_;
    f.argc = static_cast<std::uint32_t>(proto.params.size());
    const std::uint32_t functionIndex = proto.index;
    if (options_.keepNames) {
      for (const auto& name : labelOrder_)
        image_.labels.push_back({functionIndex, strings_.Get(name), labels_.at(name).offset});
    }
    image_.functions[functionIndex] = f;
  }

 private:
  struct LabelInfo {
    std::int32_t line = 0;
    std::uint32_t offset = 0;
  };

  [[noreturn]] void Error(int code, const std::string& detail, std::int32_t line) {
    Fail(code, detail, file_, line);
  }

  void CollectLabels(const std::vector<Stmt>& stmts) {
    for (const Stmt& st : stmts) {
      if (st.kind == Stmt::Label) {
        if (labels_.count(st.name)) Error(kErrDuplicateLabel, st.name, st.line);
        labels_.emplace(st.name, LabelInfo{st.line, 0});
        labelOrder_.push_back(st.name);
      }
      CollectLabels(st.body);
      CollectLabels(st.elseBody);
    }
  }

  // ---- emitting ----
  void Emit(Op op) { image_.code.push_back(static_cast<std::uint8_t>(op)); }
  void U8(std::uint8_t v) { image_.code.push_back(v); }
  void U32(std::uint32_t v) {
    for (int b = 0; b < 4; ++b) image_.code.push_back(static_cast<std::uint8_t>(v >> (8 * b)));
  }
  void Patch(std::size_t at, std::uint32_t v) {
    for (int b = 0; b < 4; ++b) image_.code[at + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(v >> (8 * b));
  }
  std::uint32_t Here() const { return static_cast<std::uint32_t>(image_.code.size()); }
  // A jump whose target is patched later; returns where its operand sits.
  std::size_t EmitJump(Op op) {
    Emit(op);
    const std::size_t at = image_.code.size();
    U32(0);
    return at;
  }
  void EmitToLabel(Op op, const std::string& label) {
    fixups_.emplace_back(EmitJump(op), label);
  }
  void MarkLine(std::int32_t line) {
    if (!options_.lineTable) return;
    if (!image_.lines.empty() && image_.lines.back().offset == Here()) {
      image_.lines.back().line = static_cast<std::uint32_t>(line);
      return;
    }
    image_.lines.push_back({Here(), static_cast<std::uint32_t>(line)});
  }

  // ---- statements ----
  void Statements(const std::vector<Stmt>& stmts) {
    for (const Stmt& st : stmts) Statement(st);
  }

  void Statement(const Stmt& st) {
    if (st.kind != Stmt::Label && st.kind != Stmt::Block) MarkLine(st.line);
    switch (st.kind) {
      case Stmt::Label:
        labels_.at(st.name).offset = Here();
        break;
      case Stmt::Block:
        Statements(st.body);
        break;
      case Stmt::Goto:
      case Stmt::Gosub:
        Transfer(st);
        break;
      case Stmt::Return:
        if (st.a) {
          const Val v = Expression(*st.a);
          if (!IsScalar(v.type.base) || v.count > 1)
            Error(kErrTypeMismatch, "return value: " + Shown(v) + " is not a plain value", st.line);
          LoadIfScalar(v);
          Emit(Op::ReturnValue);
        } else {
          Emit(Op::Return);
        }
        break;
      case Stmt::Exit:
        Emit(Op::Exit);
        break;
      case Stmt::If: {
        Condition(*st.a);
        const std::size_t skip = EmitJump(Op::JumpIfZero);
        Statements(st.body);
        if (st.elseBody.empty()) {
          Patch(skip, Here());
        } else {
          const std::size_t end = EmitJump(Op::Jump);
          Patch(skip, Here());
          Statements(st.elseBody);
          Patch(end, Here());
        }
        break;
      }
      case Stmt::While: {
        const std::uint32_t top = Here();
        Condition(*st.a);
        const std::size_t exit = EmitJump(Op::JumpIfZero);
        Statements(st.body);
        Emit(Op::Jump);
        U32(top);
        Patch(exit, Here());
        break;
      }
      case Stmt::Assign:
        Assignment(st);
        break;
      case Stmt::CallStmt:
        CallExpr(*st.a, false);
        Emit(Op::Pop);
        break;
      case Stmt::Flags: {
        if (st.flags.size() > 32) Error(kErrSyntax, "more than 32 entry flags", st.line);
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < st.flags.size(); ++i) {
          if (st.flags[i] != 0 && st.flags[i] != 1) Error(kErrSyntax, "entry flags are 0 or 1", st.line);
          if (st.flags[i]) bits |= 1u << i;
        }
        Emit(Op::EntryFlags);
        U32(bits);
        break;
      }
    }
  }

  // The label a goto or gosub names: the label itself, a block name under "UserApp$", or a
  // label variable for an indirect jump.
  void Transfer(const Stmt& st) {
    const Expr& target = *st.a;
    const bool isGoto = st.kind == Stmt::Goto;
    if (const std::string* label = FindLabel(target.text, target.kind == Expr::LabelRef)) {
      EmitToLabel(isGoto ? Op::Jump : Op::Gosub, *label);
      return;
    }
    if (target.kind == Expr::Name) {
      Val v;
      if (TryVariable(target.text, target.line, v) && v.type.base == Base::Label && v.count == 1) {
        Emit(Op::Load);
        U8(static_cast<std::uint8_t>(Base::Label));
        Emit(isGoto ? Op::JumpIndirect : Op::GosubIndirect);
        return;
      }
    }
    Error(kErrUndefinedLabel, target.text, target.line);
  }

  const std::string* FindLabel(const std::string& name, bool exactOnly) {
    auto it = labels_.find(name);
    if (it != labels_.end()) return &it->first;
    if (exactOnly) return nullptr;
    it = labels_.find(kMainPrefix + name);
    return it != labels_.end() ? &it->first : nullptr;
  }

  void Condition(const Expr& e) {
    const Val v = Expression(e);
    if (!IsScalar(v.type.base) || v.count > 1)
      Error(kErrTypeMismatch, "condition: " + Shown(v) + " is not a plain value", e.line);
    LoadIfScalar(v);
  }

  void Assignment(const Stmt& st) {
    const Val left = Expression(*st.a);
    if (!left.lvalue) Error(kErrNotAssignable, Spelling(*st.a), st.line);
    if (left.count > 1) Error(kErrTypeMismatch, Spelling(*st.a) + " is an array", st.line);
    const Val right = Expression(*st.b);
    if (!Assignable(left.type, right))
      Error(kErrTypeMismatch, Shown(right) + " to " + TypeText(s_, left.type), st.line);
    LoadIfScalar(right);
    Emit(Op::Store);
    U8(static_cast<std::uint8_t>(left.type.base));
    U32(static_cast<std::uint32_t>(left.type.size));
  }

  bool Assignable(const Type& to, const Val& from) const {
    if (from.noValue || from.dataDef || from.count > 1) return false;
    const Base f = from.type.base;
    switch (to.base) {
      case Base::Int8: case Base::Int16: case Base::Int32: case Base::Float: case Base::Double:
      case Base::String:
        return IsScalar(f);
      case Base::Struct: return f == Base::Struct && from.type.structIndex == to.structIndex;
      case Base::Label: return f == Base::Label;
      case Base::VSentence: return f == Base::VSentence || f == Base::String;
      case Base::FaxDoc: return f == Base::FaxDoc || f == Base::String;
      default: return false;
    }
  }

  // ---- expressions ----
  void LoadIfScalar(const Val& v) {
    if (v.lvalue && (IsNumeric(v.type.base) || v.type.base == Base::Label)) {
      Emit(Op::Load);
      U8(static_cast<std::uint8_t>(v.type.base));
    }
  }

  std::string Shown(const Val& v) const {
    if (v.noValue) return "no_value";
    if (v.dataDef) return "datadef";
    std::string t = TypeText(s_, v.type);
    if (v.count > 1) t += "[" + std::to_string(v.count) + "]";
    return t;
  }

  static std::string Spelling(const Expr& e) {
    switch (e.kind) {
      case Expr::Name: case Expr::LabelRef: return e.text;
      case Expr::Member: return Spelling(*e.kids[0]) + "." + e.text;
      case Expr::Index: return Spelling(*e.kids[0]) + "[]";
      case Expr::Call: return e.text + "()";
      default: return "value";
    }
  }

  bool TryVariable(const std::string& name, std::int32_t line, Val& out) {
    const auto p = params_.find(name);
    if (p != params_.end()) {
      out = Val{};
      out.type = proto_->params[p->second];
      out.lvalue = true;
      Emit(Op::PushParam);
      U32(static_cast<std::uint32_t>(p->second));
      return true;
    }
    const auto g = s_.globalByName.find(name);
    if (g == s_.globalByName.end()) return false;
    const auto dollar = name.find('$');
    if (dollar != std::string::npos && !page_.empty() && name.compare(0, dollar, page_) != 0)
      Error(kErrOtherPage, name, line);
    const GlobalInfo& info = s_.globals[static_cast<std::size_t>(g->second)];
    out = Val{};
    out.type = info.type;
    out.count = info.count;
    out.lvalue = true;
    Emit(Op::PushGlobal);
    U32(static_cast<std::uint32_t>(g->second));
    return true;
  }

  Val Expression(const Expr& e) {
    Val v;
    switch (e.kind) {
      case Expr::Int:
        if (e.integer < -2147483648ll || e.integer > 4294967295ll)
          Error(kErrValueDoesNotFit, std::string(e.hex ? "hex" : "decimal") + " constant", e.line);
        Emit(Op::PushInt);
        U32(static_cast<std::uint32_t>(e.integer));
        v.type = {Base::Int32, 4, -1};
        v.constInt = true;
        v.intValue = e.integer;
        return v;
      case Expr::Real: {
        Emit(Op::PushReal);
        std::uint64_t bits;
        std::memcpy(&bits, &e.real, 8);
        U32(static_cast<std::uint32_t>(bits));
        U32(static_cast<std::uint32_t>(bits >> 32));
        v.type = {Base::Double, 8, -1};
        return v;
      }
      case Expr::Str:
        Emit(Op::PushString);
        U32(strings_.Get(e.text));
        v.type = {Base::String, static_cast<std::int32_t>(e.text.size()) + 1, -1};
        return v;
      case Expr::NoValue:
        Emit(Op::NoValue);
        v.noValue = true;
        return v;
      case Expr::DataDef: {
        const Val inner = Expression(*e.kids[0]);
        if (!inner.lvalue) Error(kErrTypeMismatch, "datadef of a value", e.line);
        Emit(Op::Pop);  // the address is not needed, only its type
        Emit(Op::DataDef);
        U8(static_cast<std::uint8_t>(inner.type.base));
        U32(inner.type.structIndex < 0 ? kNone : static_cast<std::uint32_t>(inner.type.structIndex));
        U32(static_cast<std::uint32_t>(inner.type.size) * static_cast<std::uint32_t>(inner.count));
        v.dataDef = true;
        return v;
      }
      case Expr::LabelRef:
        if (const std::string* label = FindLabel(e.text, true)) {
          EmitToLabel(Op::LabelAddr, *label);
          v.type = {Base::Label, 4, -1};
          return v;
        }
        Error(kErrUndefinedLabel, e.text, e.line);
      case Expr::Name:
        if (TryVariable(e.text, e.line, v)) return v;
        if (const auto c = s_.consts.find(e.text); c != s_.consts.end()) return Expression(*c->second);
        if (const std::string* label = FindLabel(e.text, false)) {
          EmitToLabel(Op::LabelAddr, *label);
          v.type = {Base::Label, 4, -1};
          return v;
        }
        if (s_.protoByName.count(e.text)) Error(kErrTypeMismatch, e.text + " is a function", e.line);
        Error(kErrUndefinedName, e.text, e.line);
      case Expr::Member: {
        const Val base = Expression(*e.kids[0]);
        if (base.type.base != Base::Struct || base.count > 1 || !base.lvalue)
          Error(kErrTypeMismatch, "'." + e.text + "' of " + Shown(base), e.line);
        const StructInfo& info = s_.structs[static_cast<std::size_t>(base.type.structIndex)];
        const auto f = info.byName.find(e.text);
        if (f == info.byName.end()) Error(kErrNoMember, info.name + "." + e.text, e.line);
        const auto& field = info.fields[f->second];
        Emit(Op::Member);
        U32(static_cast<std::uint32_t>(field.offset));
        v.type = field.type;
        v.count = field.count;
        v.lvalue = true;
        return v;
      }
      case Expr::Index: {
        const Val base = Expression(*e.kids[0]);
        if (base.count <= 1 || !base.lvalue) Error(kErrTypeMismatch, Spelling(*e.kids[0]) + " is not an array", e.line);
        const Val index = Expression(*e.kids[1]);
        if (!IsNumeric(index.type.base) || index.count > 1)
          Error(kErrTypeMismatch, "index " + Shown(index), e.line);
        if (index.constInt && (index.intValue < 0 || index.intValue >= base.count))
          Error(kErrIndexRange, Spelling(*e.kids[0]) + "[" + std::to_string(index.intValue) + "], 0 to " +
                                    std::to_string(base.count - 1),
                e.line);
        LoadIfScalar(index);
        Emit(Op::Index);
        U32(static_cast<std::uint32_t>(base.type.size));
        U32(static_cast<std::uint32_t>(base.count));
        v.type = base.type;
        v.lvalue = true;
        return v;
      }
      case Expr::Call:
        return CallExpr(e, true);
      case Expr::Neg: {
        const Val inner = Expression(*e.kids[0]);
        if (!IsNumeric(inner.type.base) || inner.count > 1) Error(kErrTypeMismatch, "'-' of " + Shown(inner), e.line);
        LoadIfScalar(inner);
        Emit(Op::Neg);
        v.type = inner.type.base == Base::Double || inner.type.base == Base::Float ? Type{Base::Double, 8, -1}
                                                                                   : Type{Base::Int32, 4, -1};
        return v;
      }
      case Expr::Binary:
        return Binary(e);
    }
    Error(kErrSyntax, "expression", e.line);
  }

  Val Binary(const Expr& e) {
    const Val a = Expression(*e.kids[0]);
    LoadIfScalar(a);
    const Val b = Expression(*e.kids[1]);
    LoadIfScalar(b);
    const char* opText = TokName(e.op);
    auto mismatch = [&]() {
      Error(kErrTypeMismatch, Shown(a) + " " + std::string(opText) + " " + Shown(b), e.line);
    };
    if (a.count > 1 || b.count > 1 || a.noValue || b.noValue || a.dataDef || b.dataDef) mismatch();
    Val v;
    v.type = {Base::Int32, 4, -1};
    Op op;
    switch (e.op) {
      case Tok::Eq: op = Op::Eq; break;
      case Tok::Ne: op = Op::Ne; break;
      case Tok::Lt: op = Op::Lt; break;
      case Tok::Gt: op = Op::Gt; break;
      case Tok::Le: op = Op::Le; break;
      case Tok::Ge: op = Op::Ge; break;
      case Tok::Plus: op = Op::Add; break;
      case Tok::Minus: op = Op::Sub; break;
      case Tok::Star: op = Op::Mul; break;
      case Tok::Slash: op = Op::Div; break;
      case Tok::And: op = Op::And; break;
      default: op = Op::Or; break;
    }
    const Base x = a.type.base, y = b.type.base;
    if (op >= Op::Eq && op <= Op::Ge) {
      const bool labels = x == Base::Label && y == Base::Label && (op == Op::Eq || op == Op::Ne);
      if (!labels && !(IsScalar(x) && IsScalar(y))) mismatch();
    } else if (op == Op::And || op == Op::Or) {
      if (!IsNumeric(x) || !IsNumeric(y)) mismatch();
    } else {
      if (!IsScalar(x) || !IsScalar(y)) mismatch();
      if (x == Base::String && y == Base::String && op != Op::Add) mismatch();
      if (x == Base::Double || x == Base::Float || y == Base::Double || y == Base::Float)
        v.type = {Base::Double, 8, -1};
      else if (x == Base::String || y == Base::String)
        v.type = {Base::String, 256, -1};
    }
    Emit(op);
    return v;
  }

  bool ArgumentFits(const Type& param, const Val& arg) const {
    if (arg.noValue) return true;
    if (param.base == Base::Any) return true;
    if (arg.dataDef) return false;
    return Assignable(param, arg);
  }

  Val CallExpr(const Expr& e, bool wantResult) {
    const auto it = s_.protoByName.find(e.text);
    if (it == s_.protoByName.end()) {
      if (s_.globalByName.count(e.text) || params_.count(e.text) || s_.consts.count(e.text))
        Error(kErrNotFunction, e.text, e.line);
      Error(kErrUndefinedName, e.text, e.line);
    }
    const ProtoInfo& callee = s_.protos[static_cast<std::size_t>(it->second)];
    if (e.kids.size() != callee.params.size())
      Error(kErrArity,
            e.text + ": " + std::to_string(callee.params.size()) + " expected, " + std::to_string(e.kids.size()) +
                " given",
            e.line);
    for (std::size_t i = 0; i < e.kids.size(); ++i) {
      const Val arg = Expression(*e.kids[i]);
      if (!ArgumentFits(callee.params[i], arg))
        Error(kErrTypeMismatch,
              e.text + " argument " + std::to_string(i + 1) + ": " + TypeText(s_, callee.params[i]) +
                  " expected, " + Shown(arg) + " given",
              e.kids[i]->line);
      if (!arg.lvalue) LoadIfScalar(arg);
    }
    Emit(callee.body >= 0 ? Op::Call : Op::CallImport);
    U32(callee.index);
    U8(static_cast<std::uint8_t>(e.kids.size()));
    Val v;
    v.type = callee.result;
    if (wantResult && callee.result.base == Base::Void)
      Error(kErrTypeMismatch, e.text + " gives no value", e.line);
    if (callee.result.base == Base::Any) v.type = {Base::Int32, 4, -1};
    return v;
  }

  Semantic& s_;
  RunImage& image_;
  Strings& strings_;
  const CodeOptions& options_;
  ProtoInfo* proto_ = nullptr;
  const BodyDecl* body_ = nullptr;
  std::string page_;
  int file_ = 0;
  std::uint32_t start_ = 0;
  std::unordered_map<std::string, LabelInfo> labels_;
  std::vector<std::string> labelOrder_;
  std::vector<std::pair<std::size_t, std::string>> fixups_;
  std::unordered_map<std::string, std::size_t> params_;
};

// The first label that ends in "EVENT$$", searched through nested blocks.
const Stmt* FindEventLabel(const std::vector<Stmt>& stmts) {
  for (const Stmt& st : stmts) {
    if (st.kind == Stmt::Label && st.name.size() > kEventSuffix.size() &&
        st.name.compare(st.name.size() - kEventSuffix.size(), kEventSuffix.size(), kEventSuffix) == 0)
      return &st;
    if (const Stmt* in = FindEventLabel(st.body)) return in;
    if (const Stmt* in = FindEventLabel(st.elseBody)) return in;
  }
  return nullptr;
}

}  // namespace

void CheckFunctions(Semantic& s, RunImage& image, const CodeOptions& options) {
  ParsedProgram& p = *s.program;
  Strings strings(image.strings);
  s.protos.resize(p.protos.size());
  for (std::size_t i = 0; i < p.protos.size(); ++i) {
    const ProtoDecl& d = p.protos[i];
    ProtoInfo& info = s.protos[i];
    info.decl = &d;
    if (!s.protoByName.emplace(d.name, static_cast<int>(i)).second)
      Fail(kErrDuplicateName, d.name, d.at.file, d.at.line);
    info.result = ResolveType(s, d.result, d.at, true);
    if (info.result.base == Base::Any) Fail(kErrUnknownType, "any", d.at.file, d.at.line);
    for (const Param& param : d.params) {
      const Type t = ResolveType(s, param.type, d.at, true);
      if (t.base == Base::Void) Fail(kErrUnknownType, "void", d.at.file, d.at.line);
      info.params.push_back(t);
    }
  }

  // Bind bodies: a "UserApp" body belongs to the page its "<prefix>EVENT$$" label names.
  std::vector<std::string> pages(p.bodies.size());
  for (std::size_t b = 0; b < p.bodies.size(); ++b) {
    const BodyDecl& body = p.bodies[b];
    std::string protoName = body.name;
    if (body.name == "UserApp") {
      const Stmt* event = FindEventLabel(body.stmts);
      if (!event) Fail(kErrNoPrototype, "UserApp (no EVENT$$ label)", body.at.file, body.at.line);
      const std::string prefix = event->name.substr(0, event->name.size() - kEventSuffix.size());
      if (prefix == kMainPrefix) {
        pages[b] = "Main";
      } else {
        pages[b] = prefix.substr(0, prefix.size() - 1);
        const std::string stem = pages[b].substr(pages[b].rfind('.') == std::string::npos ? 0 : pages[b].rfind('.') + 1);
        protoName = "$$_" + stem + ".AppManager";
      }
    }
    const auto it = s.protoByName.find(protoName);
    if (it == s.protoByName.end()) Fail(kErrNoPrototype, protoName, body.at.file, body.at.line);
    ProtoInfo& proto = s.protos[static_cast<std::size_t>(it->second)];
    if (proto.body >= 0) Fail(kErrDuplicateBody, protoName, body.at.file, body.at.line);
    proto.body = static_cast<int>(b);
  }

  // Functions (with bodies) and imports (without), each numbered in declaration order.
  std::uint32_t functions = 0, imports = 0;
  for (ProtoInfo& proto : s.protos) {
    if (proto.body >= 0) {
      proto.index = functions++;
      continue;
    }
    proto.index = imports++;
    RunImport imp;
    imp.name = strings.Get(proto.decl->name);
    imp.module = strings.Get(proto.decl->module);
    imp.kind = proto.decl->kind == ProtoDecl::Plain ? 0 : proto.decl->kind == ProtoDecl::Import ? 1
               : proto.decl->kind == ProtoDecl::Dll ? 2 : 3;
    imp.argc = static_cast<std::uint32_t>(proto.params.size());
    imp.result = proto.result.base;
    image.imports.push_back(imp);
  }
  image.functions.assign(functions, RunFunction{});
  FunctionCompiler compiler(s, image, strings, options);
  for (ProtoInfo& proto : s.protos) {
    if (proto.body < 0) continue;
    const auto b = static_cast<std::size_t>(proto.body);
    compiler.Compile(proto, p.bodies[b], pages[b]);
  }
}

}  // namespace quay
