// Exports of a program's libraries of SuperBlocks, its headers and the palette groups of
// its own blocks. Each names the program it works on; a handle that is no live program
// does nothing.
#include <fstream>

#include "model/interface/exports_common.h"
#include "model/interface/vlx.h"
#include "model/symtable.h"
#include "programfile/imports/header_import.h"
#include "programfile/imports/library_import.h"
#include "programfile/imports/palette_groups.h"

using zeph::TProgram;

namespace {

TProgram* Live(vlxHandleType handle) {
  zeph::EnsureLibraryStarted();
  auto* program = static_cast<TProgram*>(handle);
  return TProgram::IsLive(program) ? program : nullptr;
}

}  // namespace

void vlxGetRLList(vlxHandleType handle, std::vector<std::string>& names) {
  names.clear();
  if (TProgram* program = Live(handle)) zeph::ImportedNames(*program, zeph::kTypeLibrary, names);
}

int vlxImportAllRLLs(vlxHandleType handle, std::ofstream*) {
  if (TProgram* program = Live(handle)) return zeph::ImportAllLibraries(*program);
  return 1;
}

const char* vlxImportRLL(vlxHandleType handle, const char* name, std::ofstream*) {
  TProgram* program = Live(handle);
  if (!program || !name) return name;
  const std::string stored = zeph::ImportLibrary(*program, name);
  // The library symbol keeps the name; without it, the last name given back here does.
  if (zeph::Symbol* s = zeph::LookupSymbol(stored.c_str(), zeph::kTypeLibrary, &program->Symbols())) return s->Name;
  static std::string last;
  last = stored;
  return last.c_str();
}

int vlxRemoveRLL(vlxHandleType handle, const char* name) {
  if (TProgram* program = Live(handle)) return zeph::RemoveLibrary(*program, name);
  return 0;
}

int vlxRLLInUse(vlxHandleType handle, const char* name) {
  if (TProgram* program = Live(handle)) return zeph::LibraryInUse(*program, name);
  return 0;
}

void vlxGetHeaderList(vlxHandleType handle, std::vector<std::string>& names) {
  names.clear();
  if (TProgram* program = Live(handle)) zeph::ImportedNames(*program, zeph::kTypeHeader, names);
}

int vlxImportAllHeaders(vlxHandleType handle, vlxHandleType scratch, std::ofstream* log) {
  TProgram* program = Live(handle);
  TProgram* other = Live(scratch);
  if (!program || !other) return 0;
  return zeph::ImportAllHeaders(*program, *other, log);
}

int vlxImportHeader(vlxHandleType handle, vlxHandleType scratch, const char* name, std::ofstream* log) {
  TProgram* program = Live(handle);
  TProgram* other = Live(scratch);
  if (!program || !other || !name) return 0;
  return zeph::ImportHeader(*program, *other, name, log);
}

int vlxRemoveHeader(vlxHandleType handle, vlxHandleType scratch, const char* name) {
  TProgram* program = Live(handle);
  TProgram* other = Live(scratch);
  if (!program || !other || !name) return 2;
  return zeph::RemoveHeader(*program, *other, name);
}

zeph::VlxPaletteGroup* vlxGetCustomVavurOrezos(vlxHandleType handle) {
  TProgram* program = Live(handle);
  return program ? zeph::PaletteGroupsOf(*program).Customs(*program) : nullptr;
}

zeph::VlxPaletteGroup* vlxGetPageVavurOrezos(vlxHandleType handle, int which) {
  TProgram* program = Live(handle);
  return program ? zeph::PaletteGroupsOf(*program).Pages(*program, which) : nullptr;
}

zeph::VlxPaletteGroup* vlxGetRLLPageVavurOrezos(vlxHandleType handle, const char* library) {
  TProgram* program = Live(handle);
  return program ? zeph::LibraryPaletteGroup(*program, library).release() : nullptr;
}
