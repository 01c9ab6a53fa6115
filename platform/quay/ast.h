#pragma once
// What the parser builds from the files of one compile: declarations by section and the
// statement trees of the function bodies.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "quay/lexer.h"

namespace quay {

// A type as written: a word ("integer", an alias), "string(N)" or "structure Name".
struct TypeSpec {
  std::string word;        // "string", "structure" or the word itself
  std::string structName;  // for "structure"
  std::int32_t size = 0;   // for "string(N)"
};

struct Expr {
  enum Kind : std::uint8_t { Int, Real, Str, Name, LabelRef, NoValue, DataDef, Member, Index, Call, Neg, Binary };
  Kind kind = Int;
  bool hex = false;
  Tok op = Tok::End;
  std::int32_t line = 0;
  std::int64_t integer = 0;
  double real = 0.0;
  std::string text;  // name, string contents, member name, label, callee
  std::vector<std::unique_ptr<Expr>> kids;
};
using ExprPtr = std::unique_ptr<Expr>;

struct Stmt {
  enum Kind : std::uint8_t { Label, Goto, Gosub, Return, Exit, If, While, Assign, CallStmt, Flags, Block };
  Kind kind = Block;
  std::int32_t line = 0;
  std::string name;         // label
  ExprPtr a, b;             // target / value / condition / left, right
  std::vector<Stmt> body, elseBody;
  std::vector<std::int64_t> flags;
};

struct Location {
  int file = 0;
  std::int32_t line = 0;
};

struct Member {
  TypeSpec type;
  std::string name;
  std::int32_t count = 1;
  Location at;
};

struct StructDecl {
  std::string name;
  std::vector<Member> members;
  Location at;
};

struct AliasDecl {
  std::string word;
  TypeSpec type;
  Location at;
};

// An initial value: a literal, or a brace list of literals.
struct InitValue {
  bool present = false;
  bool list = false;
  std::vector<ExprPtr> values;
};

struct VarDecl {
  TypeSpec type;
  std::string name;
  std::int32_t count = 1;
  InitValue init;
  int segment = 0;  // index into ParsedProgram::segments
  Location at;
};

struct ConstDecl {
  std::string name;
  ExprPtr value;
  Location at;
};

struct Param {
  TypeSpec type;
  std::string name;
};

struct ProtoDecl {
  enum Kind : std::uint8_t { Plain, Import, Dll, Page };
  Kind kind = Plain;
  std::string module;  // import module or DLL file
  TypeSpec result;
  std::string name;    // may be dotted: Module.Function
  std::vector<Param> params;
  Location at;
};

struct BodyDecl {
  std::string name;
  std::vector<Stmt> stmts;
  Location at;
};

struct FaxDecl {
  std::string name;
  std::string path;
  Location at;
};

struct Segment {
  std::string name;  // "variables" for the variables section
  Location at;
};

// A heading or a "$" label of a function: where the error sections start.
struct SectionMark {
  std::int32_t line = 0;
  std::string name;
  std::int32_t baseLine = 0;  // the line an error's section line is counted from
};

struct SourceFile {
  std::string path;
  std::string text;
  std::vector<SectionMark> marks;
};

struct ParsedProgram {
  std::vector<SourceFile> files;
  std::vector<StructDecl> structs;
  std::vector<AliasDecl> aliases;
  std::vector<ConstDecl> consts;
  std::vector<Segment> segments;
  std::vector<VarDecl> vars;
  std::vector<ProtoDecl> protos;
  std::vector<BodyDecl> bodies;
  std::vector<FaxDecl> faxes;
};

// Parses one file (already in program.files[fileIndex]) into the program.
void ParseFile(ParsedProgram& program, int fileIndex);

}  // namespace quay
