#pragma once
// Tokens of the script language. Line ends are tokens (statements end there) except after
// "(", "[" or "," inside parentheses, where long argument lists continue on the next line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "quay/errors.h"

namespace quay {

enum class Tok : std::uint8_t {
  End,
  Newline,
  Ident,      // letters, digits, "_", "$"; never starts with a digit
  LabelRef,   // Prefix$"Name": the label Prefix$Name written with a quoted local name
  Integer,
  Real,
  String,     // no escapes: runs to the next double quote on the same line
  Assign,     // :=
  Colon,
  Eq, Ne, Lt, Gt, Le, Ge,
  And, Or, Plus, Minus, Star, Slash,
  LParen, RParen, LBracket, RBracket, LBrace, RBrace,
  Comma, Dot,
  Error,      // where lexing stopped; the error itself is LexResult::error
};

// A large script has hundreds of thousands of tokens, all held until parsing ends: the
// token stays at 32 bytes (the value of an Integer and of a Real share their place).
struct Token {
  Tok kind = Tok::End;
  bool hex = false;        // an integer written 0x...: a bit pattern, may use all 32 bits
  bool spaceBefore = false;
  std::int32_t line = 0;
  std::string_view text;   // identifier, string contents or the literal's spelling
  union {
    std::int64_t integer = 0;  // Integer
    double real;               // Real
  };
};
static_assert(sizeof(Token) <= 32, "tokens of a large script are held at once");

struct LexResult {
  std::vector<Token> tokens;  // ends with End, or with Error where bad input stopped it
  CompileError error;
};

// Splits one file into tokens. Bad input ends the tokens with an Error token, so that the
// parser reports it with the section it is in.
LexResult Lex(std::string_view text, int fileIndex);

const char* TokName(Tok kind);

}  // namespace quay
