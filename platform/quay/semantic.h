#pragma once
// The checked program between parsing and code: resolved types, structure layouts, global
// variables with their initial data, constants and prototypes.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "quay/ast.h"
#include "quay/runimage.h"

namespace quay {

struct Type {
  Base base = Base::Void;
  std::int32_t size = 0;       // bytes of one element
  std::int32_t structIndex = -1;
};

struct StructInfo {
  std::string name;
  std::int32_t size = 0;
  struct Field {
    std::string name;
    Type type;
    std::int32_t count = 1;
    std::int32_t offset = 0;
  };
  std::vector<Field> fields;
  std::unordered_map<std::string, std::size_t> byName;
};

struct GlobalInfo {
  std::string name;
  Type type;
  std::int32_t count = 1;
  int segment = 0;
  std::int32_t offset = 0;
};

struct ProtoInfo {
  const ProtoDecl* decl = nullptr;
  Type result;
  std::vector<Type> params;
  int body = -1;          // index into ParsedProgram::bodies
  std::uint32_t index = 0;  // function or import index in the run file
};

struct Semantic {
  ParsedProgram* program = nullptr;
  std::vector<StructInfo> structs;
  std::unordered_map<std::string, int> structByName;
  std::unordered_map<std::string, TypeSpec> aliases;
  std::unordered_map<std::string, const Expr*> consts;
  std::vector<GlobalInfo> globals;
  std::unordered_map<std::string, int> globalByName;
  std::vector<std::vector<std::uint8_t>> segmentData;
  std::vector<ProtoInfo> protos;
  std::unordered_map<std::string, int> protoByName;
};

// Phase 3: structures (sizes, offsets, structures that contain themselves) and aliases.
void CheckStructures(Semantic& s);
// Phase 4: constants and globals (duplicates, initial values that fit, segment sizes).
void CheckGlobals(Semantic& s);
// Resolves a written type; "any" and "void" only where allowed.
Type ResolveType(const Semantic& s, const TypeSpec& spec, Location at, bool paramOrResult);
std::string TypeText(const Semantic& s, const Type& t);

struct CodeOptions {
  bool lineTable = false;
  bool keepNames = true;
};
// Phase 5: prototypes, bodies, statements and code. Fills the image's code parts.
void CheckFunctions(Semantic& s, RunImage& image, const CodeOptions& options);
// Phase 6 input: the image's strings, types, segments and variables from the checked program.
void FillData(Semantic& s, RunImage& image);

}  // namespace quay
