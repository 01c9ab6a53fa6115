// Symbols the application object files itself: variables, pages, libraries and headers,
// their deletion, page kinds and the renaming of voice and fax items.
#include <cstring>
#include <new>
#include <string>

#include "model/datatypes.h"
#include "model/modelcodes.h"
#include "model/pbaccess_notify.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "model/symnames.h"
#include "model/symtree.h"
#include "model/sysvars.h"

namespace zeph {
namespace {

bool IsPageType(int type) { return type == kTypeSuperBlock || type == kTypeVerificationBlock; }

// Pages of both kinds qualify their symbols as "Name$...", so a name belongs to one page:
// a second page of it would share, and on removal take, the first one's symbols.
bool IsLivePageName(const char* name, SymbolTable& symbols) {
  for (int type : {kTypeSuperBlock, kTypeVerificationBlock}) {
    const Symbol* page = SymTreeFind(*symbols.TreeSlot(type), name);
    if (page != nullptr && !page->Deleted) return true;
  }
  return false;
}

// Libraries, headers and the pages of an imported library may hold a "." in their names.
char ExtraNameCharacter(int type, int pageKind) {
  return type == kLibraryTreeSlot || type == kHeaderTreeSlot || pageKind == 2 ? '.' : '_';
}

}  // namespace

int TProgram::AddNamedSymbol(Symbol** out, const char* name, int type, int size, int canDelete,
                             int invisible, bool showMessages, int pageKind, int scope) {
  if (out != nullptr) *out = nullptr;
  auto refuse = [&](int code) {
    if (showMessages) ShowCode(code);
    return code;
  };
  if (name == nullptr || name[0] == '\0') return refuse(kErrBadName);
  // A symbol holds 31 characters; a longer name would be stored cut and then name
  // something else, so it is refused whatever the type.
  if (std::strlen(name) >= static_cast<std::size_t>(kSymbolNameSize)) return refuse(kErrNameTooLong);
  if (IsPageType(type) && IsLivePageName(name, symbols_)) return refuse(kErrNameInUse);
  if (!IsPageType(type)) {
    const int limit = pageKind == 2 ? 86 : 30;
    if (const int rc = CheckNewSymbolName(name, limit, ExtraNameCharacter(type, pageKind), &symbols_); rc != 0) {
      return refuse(rc);
    }
  }
  SymbolBody body;
  InitSymbol(body, name, size, type, canDelete, invisible, scope, 0, 0);
  if (IsPageType(type)) {
    try {
      auto data = std::make_unique<SBPageData>();
      data->PageType = static_cast<std::int16_t>(pageKind);
      body.Data = std::move(data);
    } catch (const std::bad_alloc&) {
      return refuse(kErrOutOfMemory);
    }
  }
  Symbol* symbol = InsertSymbol(body, type, true, &symbols_);
  if (symbol == nullptr) return refuse(kErrOutOfMemory);
  if (IsPageType(type) && invisible == 0) {
    CurrentPBNotifier().PageListChanged(type == kTypeSuperBlock ? 1 : 2);
  }
  if (out != nullptr) *out = symbol;
  return 0;
}

int TProgram::DeleteNamedSymbol(Symbol* symbol, bool force, bool showMessages, bool internal) {
  if (symbol == nullptr) return kErrNotDeletable;
  auto refuse = [&](int code) {
    if (showMessages) ShowCode(code);
    return code;
  };
  if (symbol->RefCnt > 0) return refuse(kErrVariableInUse);
  if (symbol->CanDelete == 0 && !force) return refuse(kErrNotDeletable);
  const int type = symbol->Type;
  MarkSymbolDeleted(*symbol, symbols_);
  if (type >= kFirstStructureId) {
    StructDef* def = FindStructureById(type, &symbols_);
    if (def != nullptr && def->RefCnt > 0) --def->RefCnt;
  }
  if (IsPageType(type) && !internal) CurrentPBNotifier().PageListChanged(type == kTypeSuperBlock ? 1 : 2);
  return 0;
}

int TProgram::GetPageKind(const char* pageName) {
  DisableSymbolPageCheck allPages(*this);
  for (int type : {kTypeSuperBlock, kTypeVerificationBlock}) {
    Symbol* page = pageName != nullptr ? LookupSymbol(pageName, type, &symbols_) : nullptr;
    if (auto* data = page != nullptr ? dynamic_cast<SBPageData*>(page->Data.get()) : nullptr) {
      return data->PageType;
    }
  }
  return -1;
}

int TProgram::SetPageKind(const char* pageName, int kind) {
  DisableSymbolPageCheck allPages(*this);
  for (int type : {kTypeSuperBlock, kTypeVerificationBlock}) {
    Symbol* page = pageName != nullptr ? LookupSymbol(pageName, type, &symbols_) : nullptr;
    if (auto* data = page != nullptr ? dynamic_cast<SBPageData*>(page->Data.get()) : nullptr) {
      data->PageType = static_cast<std::int16_t>(kind);
      return kind;
    }
  }
  return -1;
}

int TProgram::RenameVoiceFaxItem(Symbol* item, const char* newName) {
  if (item == nullptr || newName == nullptr) return kErrBadName;
  int rc = 0;
  if (IsReservedWord(newName) || IsSystemVariableName(newName)) {
    rc = kErrReservedName;
  } else {
    // Items are named on their page: "Page$Name" except on Main.
    std::string stored = symbols_.NamesUnqualified ? std::string(newName)
                                                   : symbols_.CurrentPageName() + "$" + newName;
    if (stored.size() >= static_cast<std::size_t>(kSymbolNameSize)) {
      rc = kErrNameTooLong;
    } else {
      rc = RenameSymbol(item, stored.c_str(), &symbols_);
    }
  }
  if (rc != 0) ShowCode(rc);
  return rc;
}

}  // namespace zeph
