#include "quay/lexer.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "quay/errors.h"

namespace quay {

namespace {

bool IsIdentStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$';
}
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class Lexer {
 public:
  Lexer(std::string_view text, int fileIndex) : text_(text), file_(fileIndex) {}

  void Run(std::vector<Token>& out) {
    out.reserve(text_.size() / 5 + 16);  // scripts run at about five bytes a token
    int depth = 0;  // parentheses and brackets open
    bool space = true;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
        ++pos_;
        space = true;
        continue;
      }
      if (c == '#') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
        continue;
      }
      if (c == '\n') {
        // Inside parentheses a line ends only the way long argument lists are broken:
        // after "(" or ",". Any other line end still ends the statement, so that an
        // unclosed parenthesis is reported on its own line.
        const bool continues = depth > 0 && !out.empty() &&
                               (out.back().kind == Tok::Comma || out.back().kind == Tok::LParen ||
                                out.back().kind == Tok::LBracket);
        if (!continues && (out.empty() || out.back().kind != Tok::Newline))
          Push(out, Tok::Newline, pos_, 1, space);
        ++pos_;
        ++line_;
        space = true;
        continue;
      }
      Token t;
      t.line = line_;
      t.spaceBefore = space;
      space = false;
      const std::size_t start = pos_;
      if (IsIdentStart(c)) {
        while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
        t.text = text_.substr(start, pos_ - start);
        t.kind = Tok::Ident;
        if (t.text.back() == '$' && pos_ < text_.size() && text_[pos_] == '"') {
          const std::size_t close = StringEnd(pos_ + 1);
          t.kind = Tok::LabelRef;
          t.text = text_.substr(start, close + 1 - start);
          pos_ = close + 1;
        }
        out.push_back(t);
        continue;
      }
      if (IsDigit(c) || (c == '.' && pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1]))) {
        LexNumber(t);
        out.push_back(t);
        continue;
      }
      if (c == '"') {
        const std::size_t close = StringEnd(pos_ + 1);
        t.kind = Tok::String;
        t.text = text_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        out.push_back(t);
        continue;
      }
      if (c == '!' && text_.substr(pos_, 7) == "!VALUE!") Fail(kErrMissingValue, "", file_, line_);
      auto two = [&](char next) { return pos_ + 1 < text_.size() && text_[pos_ + 1] == next; };
      Tok kind;
      std::size_t len = 1;
      switch (c) {
        case ':': kind = two('=') ? (len = 2, Tok::Assign) : Tok::Colon; break;
        case '=': kind = Tok::Eq; break;
        case '!':
          if (!two('=')) Fail(kErrBadCharacter, "!", file_, line_);
          kind = Tok::Ne; len = 2; break;
        case '<': kind = two('=') ? (len = 2, Tok::Le) : Tok::Lt; break;
        case '>': kind = two('=') ? (len = 2, Tok::Ge) : Tok::Gt; break;
        case '&': kind = Tok::And; break;
        case '|': kind = Tok::Or; break;
        case '+': kind = Tok::Plus; break;
        case '-': kind = Tok::Minus; break;
        case '*': kind = Tok::Star; break;
        case '/': kind = Tok::Slash; break;
        case '(': kind = Tok::LParen; ++depth; break;
        case ')': kind = Tok::RParen; if (depth > 0) --depth; break;
        case '[': kind = Tok::LBracket; ++depth; break;
        case ']': kind = Tok::RBracket; if (depth > 0) --depth; break;
        case '{': kind = Tok::LBrace; depth = 0; break;
        case '}': kind = Tok::RBrace; depth = 0; break;
        case ',': kind = Tok::Comma; break;
        case '.': kind = Tok::Dot; break;
        default: {
          const unsigned char u = static_cast<unsigned char>(c);
          std::string shown = (u >= 0x20 && u < 0x7f) ? std::string(1, c) : "\\x" + Hex(u);
          Fail(kErrBadCharacter, shown, file_, line_);
        }
      }
      t.kind = kind;
      t.text = text_.substr(pos_, len);
      pos_ += len;
      out.push_back(t);
    }
    if (out.empty() || out.back().kind != Tok::Newline) Push(out, Tok::Newline, pos_, 0, true);
    Token end;
    end.kind = Tok::End;
    end.line = line_;
    out.push_back(end);
  }

 private:
  static std::string Hex(unsigned v) {
    const char* digits = "0123456789ABCDEF";
    return std::string{digits[v >> 4], digits[v & 15]};
  }

  void Push(std::vector<Token>& out, Tok kind, std::size_t at, std::size_t len, bool space) {
    Token t;
    t.kind = kind;
    t.line = line_;
    t.text = text_.substr(at, len);
    t.spaceBefore = space;
    out.push_back(t);
  }

  // Position of the closing quote of a string whose text starts at from.
  std::size_t StringEnd(std::size_t from) {
    std::size_t p = from;
    while (p < text_.size() && text_[p] != '"' && text_[p] != '\n') ++p;
    if (p >= text_.size() || text_[p] != '"') Fail(kErrUnterminatedString, "", file_, line_);
    return p;
  }

  void LexNumber(Token& t) {
    const std::size_t start = pos_;
    if (text_[pos_] == '0' && pos_ + 1 < text_.size() && (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X')) {
      pos_ += 2;
      std::uint64_t value = 0;
      std::size_t digits = 0;
      while (pos_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_]))) {
        const char d = text_[pos_++];
        const int v = IsDigit(d) ? d - '0' : (d | 0x20) - 'a' + 10;
        if (value <= 0xFFFFFFFFFull) value = value * 16 + static_cast<unsigned>(v);
        ++digits;
      }
      if (digits == 0) Fail(kErrSyntax, "bad number '" + std::string(text_.substr(start, pos_ - start)) + "'", file_, line_);
      t.kind = Tok::Integer;
      t.hex = true;
      t.integer = static_cast<std::int64_t>(value > 0xFFFFFFFFFFull ? 0xFFFFFFFFFFull : value);
    } else {
      bool real = false;
      while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
      if (pos_ < text_.size() && text_[pos_] == '.') {
        real = true;
        ++pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
      }
      if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
        std::size_t p = pos_ + 1;
        if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) ++p;
        if (p < text_.size() && IsDigit(text_[p])) {
          real = true;
          pos_ = p;
          while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
        }
      }
      const std::string spelling(text_.substr(start, pos_ - start));
      if (real) {
        t.kind = Tok::Real;
        t.real = std::strtod(spelling.c_str(), nullptr);
      } else {
        t.kind = Tok::Integer;
        errno = 0;
        const unsigned long long v = std::strtoull(spelling.c_str(), nullptr, 10);
        t.integer = (errno == ERANGE || v > 0xFFFFFFFFFFull) ? 0xFFFFFFFFFFll : static_cast<std::int64_t>(v);
      }
    }
    if (pos_ < text_.size() && IsIdentStart(text_[pos_]))
      Fail(kErrSyntax, "bad number '" + std::string(text_.substr(start, pos_ + 1 - start)) + "'", file_, line_);
    t.text = text_.substr(start, pos_ - start);
  }

  std::string_view text_;
  int file_;
  std::size_t pos_ = 0;
  std::int32_t line_ = 1;
};

}  // namespace

LexResult Lex(std::string_view text, int fileIndex) {
  LexResult result;
  Lexer lexer(text, fileIndex);
  try {
    lexer.Run(result.tokens);
  } catch (const CompileError& e) {
    result.error = e;
    Token t;
    t.kind = Tok::Error;
    t.line = e.line;
    result.tokens.push_back(t);
  }
  return result;
}

const char* TokName(Tok kind) {
  switch (kind) {
    case Tok::End: return "end of file";
    case Tok::Newline: return "end of line";
    case Tok::Ident: return "name";
    case Tok::LabelRef: return "label";
    case Tok::Integer: return "integer";
    case Tok::Real: return "number";
    case Tok::String: return "string";
    case Tok::Assign: return "':='";
    case Tok::Colon: return "':'";
    case Tok::Eq: return "'='";
    case Tok::Ne: return "'!='";
    case Tok::Lt: return "'<'";
    case Tok::Gt: return "'>'";
    case Tok::Le: return "'<='";
    case Tok::Ge: return "'>='";
    case Tok::And: return "'&'";
    case Tok::Or: return "'|'";
    case Tok::Plus: return "'+'";
    case Tok::Minus: return "'-'";
    case Tok::Star: return "'*'";
    case Tok::Slash: return "'/'";
    case Tok::LParen: return "'('";
    case Tok::RParen: return "')'";
    case Tok::LBracket: return "'['";
    case Tok::RBracket: return "']'";
    case Tok::LBrace: return "'{'";
    case Tok::RBrace: return "'}'";
    case Tok::Comma: return "','";
    case Tok::Dot: return "'.'";
    case Tok::Error: return "bad input";
  }
  return "token";
}

}  // namespace quay
