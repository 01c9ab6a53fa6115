// Page exports.
#include <cstring>
#include <string>

#include "foundation/kvassert.h"
#include "model/datatypes.h"
#include "model/interface/exports_common.h"
#include "model/interface/vlx.h"
#include "model/pbentry_instance.h"
#include "model/program/program.h"
#include "model/program/release.h"
#include "model/superblk.h"
#include "model/symtree.h"
#include "programfile/clipboard/clipboard.h"

using zeph::Symbol;
using zeph::TProgram;

namespace {

constexpr int kPageKindSuperBlock = 1;
constexpr int kPageKindVerification = 2;

TProgram* ProgramFor(int clipboard) { return zeph::ExportProgram(clipboard); }

bool IsPage(const Symbol* symbol) {
  return symbol != nullptr && (symbol->Type == zeph::kTypeSuperBlock || symbol->Type == zeph::kTypeVerificationBlock);
}

bool HasPagePrefix(const char* name, const char* page) {
  const std::size_t n = std::strlen(page);
  return std::strncmp(name, page, n) == 0 && name[n] == '$';
}

// A live page of the other kind with the same name: a program read from a file may hold
// one of each, and both own the "Name$..." symbols.
bool NameSharedWithOtherPage(TProgram& program, const Symbol& page) {
  const int other = page.Type == zeph::kTypeSuperBlock ? zeph::kTypeVerificationBlock : zeph::kTypeSuperBlock;
  const Symbol* twin = zeph::SymTreeFind(*program.Symbols().TreeSlot(other), page.Name);
  return twin != nullptr && !twin->Deleted;
}

// A live SuperBlock call of the program names the page.
bool CalledByAnyone(TProgram& program, const char* page) {
  bool called = false;
  zeph::SymTreeWalkPostOrder(*program.Symbols().TreeSlot(zeph::kTypeVavurOrezo), [&](Symbol& s) {
    const zeph::PBInstance* instance = zeph::InstanceOf(&s);
    if (!s.Deleted && instance != nullptr && instance->Type == -101 && instance->Companion == page) called = true;
  });
  return called;
}

}  // namespace

vlxHandleType vlxCreatePage(const char* name, int kind, int clipboard) {
  TProgram* program = ProgramFor(clipboard);
  if (program == nullptr || name == nullptr) return nullptr;
  if (kind != kPageKindSuperBlock && kind != kPageKindVerification) return nullptr;
  const int type = kind == kPageKindSuperBlock ? zeph::kTypeSuperBlock : zeph::kTypeVerificationBlock;
  const bool mainPage = kind == kPageKindSuperBlock && std::strcmp(name, "Main") == 0;
  Symbol* page = nullptr;
  if (program->AddNamedSymbol(&page, name, type, 1, 1, mainPage ? 1 : 0, true) != 0) return nullptr;
  if (clipboard == 0) program->SetCurrentPage(page);
  else zeph::TheClipboard().AddPage(name);   // a page to copy
  return page;
}

void vlxRemovePage(vlxHandleType handle, int clipboard) {
  auto* page = static_cast<Symbol*>(handle);
  TProgram* program = ProgramFor(clipboard);
  if (clipboard != 0 || program == nullptr || !KV_ASSERT(IsPage(page))) return;
  // A page that is still used stays as it is.
  if (vlxPageInUse(page)) return;
  const std::string name = page->Name;
  TProgram::DisableSymbolPageCheck allPages(*program);
  // Symbols of a name another page still holds stay with that page; only this page goes.
  const bool takeSymbols = !NameSharedWithOtherPage(*program, *page);
  // Its VavurOrezos are given back as a delete gives them back, then its symbols go.
  zeph::SymbolTable& symbols = program->Symbols();
  std::vector<zeph::PBInstance*> blocks;
  if (takeSymbols) {
    zeph::SymTreeWalkPostOrder(*symbols.TreeSlot(zeph::kTypeVavurOrezo), [&](Symbol& s) {
      if (!s.Deleted && HasPagePrefix(s.Name, name.c_str())) {
        if (zeph::PBInstance* instance = zeph::InstanceOf(&s)) blocks.push_back(instance);
      }
    });
  }
  for (zeph::PBInstance* instance : blocks) zeph::PBEntryReleaseRefs(*instance, program);
  program->DeleteNamedSymbol(page, true, false);
  for (int slot = 0; takeSymbols && slot < zeph::kBuiltinTypeCount; ++slot) {
    zeph::SymTreeWalkPostOrder(*symbols.TreeSlot(slot), [&](Symbol& s) {
      if (!s.Deleted && HasPagePrefix(s.Name, name.c_str())) zeph::MarkSymbolDeleted(s, symbols);
    });
  }
  if (program->CurrentPage() == page) program->SetCurrentPage(nullptr);
}

void vlxActivatePage(vlxHandleType handle) {
  TProgram* program = ProgramFor(0);
  if (program == nullptr) return;
  program->SetCurrentPage(IsPage(static_cast<Symbol*>(handle)) ? static_cast<Symbol*>(handle) : nullptr);
}

vlxHandleType vlxFindPage(const char* name) {
  TProgram* program = ProgramFor(0);
  if (program == nullptr || name == nullptr || name[0] == '\0') return nullptr;
  TProgram::DisableSymbolPageCheck allPages(*program);
  for (int type : {zeph::kTypeSuperBlock, zeph::kTypeVerificationBlock}) {
    if (Symbol* page = zeph::LookupSymbol(name, type, &program->Symbols())) return page;
  }
  return nullptr;
}

int vlxPageInUse(vlxHandleType handle) {
  auto* page = static_cast<Symbol*>(handle);
  TProgram* program = ProgramFor(0);
  if (program == nullptr || !IsPage(page)) return 0;
  return page->RefCnt > 0 || CalledByAnyone(*program, page->Name) ? 1 : 0;
}

int vlxGetPageType(vlxHandleType handle, const char* name) {
  auto* program = static_cast<TProgram*>(handle);
  if (!TProgram::IsLive(program) || name == nullptr) return -1;
  return program->GetPageKind(name);
}

int vlxSetPageType(vlxHandleType handle, const char* name, int type) {
  auto* program = static_cast<TProgram*>(handle);
  if (!TProgram::IsLive(program) || name == nullptr) return -1;
  return program->SetPageKind(name, type);
}

int vlxGetAllPageNames(const char** names, unsigned short capacity) {
  TProgram* program = ProgramFor(0);
  if (program == nullptr || names == nullptr) return 0;
  int n = 0;
  zeph::SymTreeWalkPostOrder(*program->Symbols().TreeSlot(zeph::kTypeSuperBlock), [&](Symbol& s) {
    if (!s.Deleted && n < capacity) names[n++] = s.Name;
  });
  return n;
}

int vlxIsPBInPage(vlxHandleType handle, const char* pageName) {
  auto* symbol = static_cast<Symbol*>(handle);
  if (ProgramFor(0) == nullptr || symbol == nullptr) return 0;
  if (pageName == nullptr) return std::strchr(symbol->Name, '$') == nullptr ? 1 : 0;
  return HasPagePrefix(symbol->Name, pageName) ? 1 : 0;
}
