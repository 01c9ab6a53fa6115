// Parser of the script language: sections in their fixed order, declarations and the
// statements of function bodies.
#include <array>
#include <string>

#include "quay/ast.h"
#include "quay/errors.h"

namespace quay {

namespace {

// Section words in their required order; "globalseg NAME:" may repeat.
constexpr std::array<const char*, 9> kSections = {
    "structdefs", "constdefs", "globalseg", "variables", "funcdefs",
    "pagedefs", "faxdocumentdefs", "vsentencedefs", "functions"};
constexpr int kGlobalSeg = 2;
constexpr int kVariables = 3;
constexpr int kFuncdefs = 4;
constexpr int kPagedefs = 5;
constexpr int kFunctions = 8;

int SectionRank(std::string_view word) {
  for (std::size_t i = 0; i < kSections.size(); ++i)
    if (word == kSections[i]) return static_cast<int>(i);
  return -1;
}

class Parser {
 public:
  Parser(ParsedProgram& program, int fileIndex)
      : program_(program), file_(fileIndex), source_(program.files[static_cast<std::size_t>(fileIndex)]) {}

  void Run() {
    LexResult lexed = Lex(source_.text, file_);
    tokens_ = std::move(lexed.tokens);
    lexError_ = lexed.error;
    while (!At(Tok::End)) {
      if (At(Tok::Newline)) { ++pos_; continue; }
      if (TryHeading()) continue;
      if (At(Tok::RBrace)) Fail(kErrUnmatchedBrace, "", file_, Cur().line);
      switch (section_) {
        case -1: SyntaxError("declaration before the first section"); break;
        case 0: ParseStructOrAlias(); break;
        case 1: ParseConst(); break;
        case kGlobalSeg: case kVariables: case 7: ParseVar(); break;
        case kFuncdefs: case kPagedefs: ParseProto(); break;
        case 6: ParseFax(); break;
        case kFunctions: ParseBody(); break;
      }
    }
  }

 private:
  const Token& Cur() const {
    if (tokens_[pos_].kind == Tok::Error) throw lexError_;
    return tokens_[pos_];
  }
  const Token& Peek(std::size_t n = 1) const {
    return tokens_[pos_ + n < tokens_.size() ? pos_ + n : tokens_.size() - 1];
  }
  bool At(Tok kind) const { return Cur().kind == kind; }
  bool AtWord(std::string_view word) const { return At(Tok::Ident) && Cur().text == word; }

  [[noreturn]] void SyntaxError(const std::string& what) {
    if (section_ == kFuncdefs) Fail(kErrBadDllLine, what, file_, Cur().line);
    Fail(kErrSyntax, what, file_, Cur().line);
  }
  [[noreturn]] void Unexpected(const char* wanted) {
    std::string got = TokName(Cur().kind);
    if (At(Tok::Ident)) got = "'" + std::string(Cur().text) + "'";
    SyntaxError(std::string(wanted) + " expected, " + got + " found");
  }
  const Token& Expect(Tok kind, const char* wanted) {
    if (!At(kind)) Unexpected(wanted);
    return tokens_[pos_++];
  }
  std::string ExpectIdent(const char* wanted) { return std::string(Expect(Tok::Ident, wanted).text); }
  void ExpectEnd() {
    if (At(Tok::End)) return;
    Expect(Tok::Newline, "end of line");
  }
  void SkipNewlines() { while (At(Tok::Newline)) ++pos_; }
  Location Here() const { return {file_, Cur().line}; }

  bool TryHeading() {
    if (!At(Tok::Ident)) return false;
    const int rank = SectionRank(Cur().text);
    if (rank < 0) return false;
    const Token& head = Cur();
    std::string name;
    if (rank == kGlobalSeg) {
      if (Peek().kind != Tok::Ident || Peek(2).kind != Tok::Colon) return false;
      name = "globalseg " + std::string(Peek().text) + ":";
      pos_ += 3;
    } else {
      if (Peek().kind != Tok::Colon) return false;
      name = std::string(head.text) + ":";
      pos_ += 2;
    }
    if (rank < section_ || (rank == section_ && rank != kGlobalSeg))
      Fail(kErrSectionOrder, name, file_, head.line);
    section_ = rank;
    source_.marks.push_back({head.line, name, head.line});
    headingLine_ = head.line;
    headingName_ = name;
    if (rank == kGlobalSeg) {
      program_.segments.push_back({std::string(tokens_[pos_ - 2].text), {file_, head.line}});
      segment_ = static_cast<int>(program_.segments.size()) - 1;
    } else if (rank == kVariables || rank == 7 || (segment_ < 0 && rank > kGlobalSeg)) {
      program_.segments.push_back({rank == kVariables ? "variables" : std::string(head.text), {file_, head.line}});
      segment_ = static_cast<int>(program_.segments.size()) - 1;
    }
    ExpectEnd();
    return true;
  }

  TypeSpec ParseType() {
    TypeSpec t;
    t.word = ExpectIdent("type");
    if (t.word == "string") {
      Expect(Tok::LParen, "'('");
      const Token& n = Expect(Tok::Integer, "string size");
      if (n.integer <= 0 || n.integer > 65535) SyntaxError("bad string size");
      t.size = static_cast<std::int32_t>(n.integer);
      Expect(Tok::RParen, "')'");
    } else if (t.word == "structure") {
      t.structName = ExpectIdent("structure name");
    }
    return t;
  }

  std::int32_t ParseCount() {
    if (!At(Tok::LBracket)) return 1;
    ++pos_;
    const Token& n = Expect(Tok::Integer, "array size");
    if (n.integer <= 0 || n.integer > 65535) SyntaxError("bad array size");
    Expect(Tok::RBracket, "']'");
    return static_cast<std::int32_t>(n.integer);
  }

  void ParseStructOrAlias() {
    const Location at = Here();
    if (AtWord("alias")) {
      ++pos_;
      AliasDecl alias;
      alias.at = at;
      alias.word = ExpectIdent("alias name");
      alias.type = ParseType();
      ExpectEnd();
      program_.aliases.push_back(std::move(alias));
      return;
    }
    StructDecl decl;
    decl.at = at;
    decl.name = ExpectIdent("structure name");
    Expect(Tok::LBrace, "'{'");
    ExpectEnd();
    for (;;) {
      SkipNewlines();
      if (At(Tok::RBrace)) break;
      if (At(Tok::End)) Fail(kErrUnmatchedBrace, "", file_, Cur().line);
      Member m;
      m.at = Here();
      m.type = ParseType();
      m.name = ExpectIdent("member name");
      m.count = ParseCount();
      ExpectEnd();
      decl.members.push_back(std::move(m));
    }
    ++pos_;
    ExpectEnd();
    program_.structs.push_back(std::move(decl));
  }

  ExprPtr ParseLiteral() {
    auto e = std::make_unique<Expr>();
    e->line = Cur().line;
    bool negative = false;
    if (At(Tok::Minus)) { negative = true; ++pos_; }
    if (At(Tok::Integer)) {
      e->kind = Expr::Int;
      e->integer = negative ? -Cur().integer : Cur().integer;
      e->hex = Cur().hex;
    } else if (At(Tok::Real)) {
      e->kind = Expr::Real;
      e->real = negative ? -Cur().real : Cur().real;
    } else if (At(Tok::String) && !negative) {
      e->kind = Expr::Str;
      e->text = std::string(Cur().text);
    } else {
      Unexpected("value");
    }
    ++pos_;
    return e;
  }

  void ParseConst() {
    ConstDecl c;
    c.at = Here();
    c.name = ExpectIdent("constant name");
    Expect(Tok::Eq, "'='");
    c.value = ParseLiteral();
    ExpectEnd();
    program_.consts.push_back(std::move(c));
  }

  void ParseVar() {
    VarDecl v;
    v.at = Here();
    v.segment = segment_;
    v.type = ParseType();
    v.name = ExpectIdent("variable name");
    v.count = ParseCount();
    if (At(Tok::Assign)) {
      ++pos_;
      v.init.present = true;
      if (At(Tok::LBrace)) {
        ++pos_;
        v.init.list = true;
        if (!At(Tok::RBrace)) {
          for (;;) {
            v.init.values.push_back(ParseLiteral());
            if (!At(Tok::Comma)) break;
            ++pos_;
          }
        }
        Expect(Tok::RBrace, "'}'");
      } else {
        v.init.values.push_back(ParseLiteral());
      }
    }
    ExpectEnd();
    program_.vars.push_back(std::move(v));
  }

  std::string ParseDottedName() {
    std::string name = ExpectIdent("function name");
    while (At(Tok::Dot)) {
      ++pos_;
      name += "." + ExpectIdent("function name");
    }
    return name;
  }

  void ParseProto() {
    ProtoDecl p;
    p.at = Here();
    p.kind = section_ == kPagedefs ? ProtoDecl::Page : ProtoDecl::Plain;
    if (AtWord("import")) {
      ++pos_;
      p.kind = ProtoDecl::Import;
      p.module = ExpectIdent("module name");
    } else if (AtWord("dll")) {
      ++pos_;
      p.kind = ProtoDecl::Dll;
      p.module = std::string(Expect(Tok::String, "DLL file name").text);
      if (p.module.empty()) SyntaxError("empty DLL file name");
    }
    p.result = ParseType();
    p.name = ParseDottedName();
    if (p.kind == ProtoDecl::Import && p.name.rfind(p.module + ".", 0) != 0)
      SyntaxError("'" + p.name + "' is not in module '" + p.module + "'");
    Expect(Tok::LParen, "'('");
    if (!At(Tok::RParen)) {
      for (;;) {
        Param param;
        param.type = ParseType();
        param.name = ExpectIdent("parameter name");
        p.params.push_back(std::move(param));
        if (!At(Tok::Comma)) break;
        ++pos_;
      }
    }
    Expect(Tok::RParen, "')'");
    ExpectEnd();
    program_.protos.push_back(std::move(p));
  }

  void ParseFax() {
    FaxDecl f;
    f.at = Here();
    f.name = ExpectIdent("fax document name");
    Expect(Tok::Assign, "':='");
    f.path = std::string(Expect(Tok::String, "file name").text);
    ExpectEnd();
    program_.faxes.push_back(std::move(f));
  }

  // ---- function bodies ----

  void ParseBody() {
    BodyDecl body;
    body.at = Here();
    body.name = ParseDottedName();
    Expect(Tok::LBrace, "'{'");
    // Until its first "$" label, a body reports errors under the functions heading.
    source_.marks.push_back({Cur().line, headingName_, headingLine_});
    ParseBlockContents(body.stmts);
    ExpectEnd();
    program_.bodies.push_back(std::move(body));
  }

  // Statements up to and including the closing brace.
  void ParseBlockContents(std::vector<Stmt>& out) {
    for (;;) {
      SkipNewlines();
      if (At(Tok::RBrace)) { ++pos_; return; }
      if (At(Tok::End)) Fail(kErrUnmatchedBrace, "", file_, Cur().line);
      out.push_back(ParseStatement());
    }
  }

  void ParseBranch(std::vector<Stmt>& out) {
    SkipNewlines();
    if (At(Tok::LBrace)) {
      ++pos_;
      ParseBlockContents(out);
      return;
    }
    if (At(Tok::RBrace) || At(Tok::End)) Unexpected("statement");
    out.push_back(ParseStatement());
  }

  Stmt ParseStatement() {
    Stmt s;
    s.line = Cur().line;
    if (At(Tok::LBrace)) {
      ++pos_;
      s.kind = Stmt::Block;
      ParseBlockContents(s.body);
      return s;
    }
    if (At(Tok::Integer) && (Peek().kind == Tok::Comma || Peek().kind == Tok::Newline)) {
      s.kind = Stmt::Flags;
      for (;;) {
        s.flags.push_back(Expect(Tok::Integer, "flag").integer);
        if (!At(Tok::Comma)) break;
        ++pos_;
      }
      ExpectEnd();
      return s;
    }
    if (At(Tok::Ident) && Peek().kind == Tok::Colon) {
      s.kind = Stmt::Label;
      s.name = std::string(Cur().text);
      if (s.name.find('$') != std::string::npos)
        source_.marks.push_back({s.line, s.name.substr(s.name.find('$') + 1), s.line});
      pos_ += 2;
      ExpectEnd();
      return s;
    }
    if (At(Tok::Ident)) {
      const std::string_view word = Cur().text;
      if (word == "goto" || word == "gosub") {
        ++pos_;
        s.kind = word == "goto" ? Stmt::Goto : Stmt::Gosub;
        s.a = ParseTarget();
        ExpectEnd();
        return s;
      }
      if (word == "return") {
        ++pos_;
        s.kind = Stmt::Return;
        if (!At(Tok::Newline) && !At(Tok::End) && !At(Tok::RBrace)) s.a = ParseExpr();
        if (!At(Tok::RBrace)) ExpectEnd();
        return s;
      }
      if (word == "exit_program") {
        ++pos_;
        s.kind = Stmt::Exit;
        ExpectEnd();
        return s;
      }
      if (word == "if" || word == "while") {
        ++pos_;
        s.kind = word == "if" ? Stmt::If : Stmt::While;
        Expect(Tok::LParen, "'('");
        s.a = ParseExpr();
        Expect(Tok::RParen, "')'");
        ParseBranch(s.body);
        if (s.kind == Stmt::If) {
          const std::size_t keep = pos_;
          SkipNewlines();
          if (AtWord("else")) {
            ++pos_;
            ParseBranch(s.elseBody);
          } else {
            pos_ = keep;
          }
        }
        if (At(Tok::Newline)) ++pos_;
        return s;
      }
      if (word == "else") SyntaxError("'else' without 'if'");
    }
    ExprPtr left = ParsePostfix();
    if (At(Tok::Assign)) {
      ++pos_;
      s.kind = Stmt::Assign;
      s.a = std::move(left);
      s.b = ParseExpr();
    } else {
      if (left->kind != Expr::Call) Unexpected("':=' or '('");
      s.kind = Stmt::CallStmt;
      s.a = std::move(left);
    }
    if (!At(Tok::RBrace)) ExpectEnd();
    return s;
  }

  ExprPtr ParseTarget() {
    auto e = std::make_unique<Expr>();
    e->line = Cur().line;
    if (At(Tok::LabelRef)) {
      const std::string_view t = Cur().text;
      e->kind = Expr::LabelRef;
      const std::size_t quote = t.find('"');
      e->text = std::string(t.substr(0, quote)) + std::string(t.substr(quote + 1, t.size() - quote - 2));
      ++pos_;
      return e;
    }
    e->kind = Expr::Name;
    e->text = ExpectIdent("label");
    return e;
  }

  // Expressions, loosest first: | then & then comparisons, + -, * /, unary minus, postfix.
  ExprPtr ParseExpr() { return ParseBinary(0); }

  static int Precedence(Tok t) {
    switch (t) {
      case Tok::Or: return 1;
      case Tok::And: return 2;
      case Tok::Eq: case Tok::Ne: case Tok::Lt: case Tok::Gt: case Tok::Le: case Tok::Ge: return 3;
      case Tok::Plus: case Tok::Minus: return 4;
      case Tok::Star: case Tok::Slash: return 5;
      default: return 0;
    }
  }

  ExprPtr ParseBinary(int minPrec) {
    ExprPtr left = ParseUnary();
    for (;;) {
      const int prec = Precedence(Cur().kind);
      if (prec == 0 || prec <= minPrec) return left;
      auto e = std::make_unique<Expr>();
      e->kind = Expr::Binary;
      e->op = Cur().kind;
      e->line = Cur().line;
      ++pos_;
      e->kids.push_back(std::move(left));
      e->kids.push_back(ParseBinary(prec));
      left = std::move(e);
    }
  }

  ExprPtr ParseUnary() {
    if (At(Tok::Minus)) {
      auto e = std::make_unique<Expr>();
      e->line = Cur().line;
      ++pos_;
      if (At(Tok::Integer) || At(Tok::Real)) {
        --pos_;
        return ParseLiteral();
      }
      e->kind = Expr::Neg;
      e->kids.push_back(ParseUnary());
      return e;
    }
    return ParsePostfix();
  }

  ExprPtr ParsePrimary() {
    auto e = std::make_unique<Expr>();
    e->line = Cur().line;
    switch (Cur().kind) {
      case Tok::Integer: case Tok::Real: case Tok::String: return ParseLiteral();
      case Tok::LabelRef: return ParseTarget();
      case Tok::LParen: {
        ++pos_;
        ExprPtr inner = ParseExpr();
        Expect(Tok::RParen, "')'");
        return inner;
      }
      case Tok::Ident: {
        const std::string_view word = Cur().text;
        ++pos_;
        if (word == "no_value") { e->kind = Expr::NoValue; return e; }
        if (word == "datadef") {
          e->kind = Expr::DataDef;
          e->kids.push_back(ParsePostfix());
          return e;
        }
        e->kind = Expr::Name;
        e->text = std::string(word);
        return e;
      }
      default: Unexpected("value");
    }
  }

  ExprPtr ParsePostfix() {
    ExprPtr e = ParsePrimary();
    for (;;) {
      if (At(Tok::Dot)) {
        ++pos_;
        auto m = std::make_unique<Expr>();
        m->kind = Expr::Member;
        m->line = Cur().line;
        m->text = ExpectIdent("member name");
        m->kids.push_back(std::move(e));
        e = std::move(m);
      } else if (At(Tok::LBracket)) {
        ++pos_;
        auto x = std::make_unique<Expr>();
        x->kind = Expr::Index;
        x->line = Cur().line;
        x->kids.push_back(std::move(e));
        x->kids.push_back(ParseExpr());
        Expect(Tok::RBracket, "']'");
        e = std::move(x);
      } else if (At(Tok::LParen)) {
        auto c = std::make_unique<Expr>();
        c->kind = Expr::Call;
        c->line = Cur().line;
        c->text = CalleeName(*e);
        if (c->text.empty()) Unexpected("function name");
        ++pos_;
        if (!At(Tok::RParen)) {
          for (;;) {
            c->kids.push_back(ParseExpr());
            if (!At(Tok::Comma)) break;
            ++pos_;
          }
        }
        Expect(Tok::RParen, "')'");
        e = std::move(c);
      } else {
        return e;
      }
    }
  }

  // "F" or "Module.F": the name a call is made through.
  static std::string CalleeName(const Expr& e) {
    if (e.kind == Expr::Name) return e.text;
    if (e.kind == Expr::Member && e.kids[0]->kind == Expr::Name) return e.kids[0]->text + "." + e.text;
    return {};
  }

  ParsedProgram& program_;
  int file_;
  SourceFile& source_;
  std::vector<Token> tokens_;
  CompileError lexError_;
  std::size_t pos_ = 0;
  int section_ = -1;
  int segment_ = -1;
  std::int32_t headingLine_ = 0;
  std::string headingName_;
};

}  // namespace

void ParseFile(ParsedProgram& program, int fileIndex) { Parser(program, fileIndex).Run(); }

}  // namespace quay
