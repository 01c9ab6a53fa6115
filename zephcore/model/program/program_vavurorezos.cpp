// VavurOrezo instances of the application object: adding one to the current page,
// deleting, renaming, and connecting or disconnecting its gotos.
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "foundation/kvassert.h"
#include "model/datatypes.h"
#include "model/modelcodes.h"
#include "model/pbaccess.h"
#include "model/pbaccess_msgtext.h"
#include "model/pbcat.h"
#include "model/pbentry.h"
#include "model/pbfield_lookup.h"
#include "model/program/program.h"
#include "model/program/release.h"
#include "model/superblk.h"
#include "model/symnames.h"

namespace zeph {
namespace {

constexpr int kTypeEndBlock = 181;
constexpr int kTypeNotOnMain = 247;
constexpr int kTypeContinue = 401;
constexpr int kTypeImportedApplication = 409;
constexpr int kTypeSuperBlockCall = -101;
constexpr int kErrSelectType = -105;

// End Block exits a page may hold: a verification page answers success or failure only.
constexpr int kMaxEndBlocks = 40;
constexpr int kMaxVerifyEndBlocks = 2;

bool IsKnownType(int type) {
  if (type == kPBTypeCustom || type == kTypeSuperBlockCall) return true;
  const PBType* slot = GetPBType(type);
  return slot != nullptr && slot->InternalName != nullptr && slot->InternalName[0] != '\0';
}

bool IsOwnTypeName(int type, const char* name) {
  const PBType* slot = type >= 0 ? GetPBType(type) : nullptr;
  return slot != nullptr && slot->InternalName != nullptr && std::strcmp(slot->InternalName, name) == 0;
}

int CountExits(Symbol* page) {
  int exits = 0;
  SBInterfaceTable table(page);
  for (const PBFieldDef* e = table.Table(); e != nullptr && !e->IsEnd(); ++e) exits += e->IsGoto() ? 1 : 0;
  return exits;
}

// The page part of a stored name ("Billing" of "Billing$Start"), "Main" without one.
std::string PageOfName(const std::string& stored) {
  const std::size_t dollar = stored.find('$');
  return dollar == std::string::npos ? std::string("Main") : stored.substr(0, dollar);
}

std::string LocalName(const std::string& stored) {
  const std::size_t dollar = stored.find('$');
  return dollar == std::string::npos ? stored : stored.substr(dollar + 1);
}

// Makes a page the one names are qualified with for its lifetime.
class PageScope {
 public:
  PageScope(SymbolTable& symbols, const std::string& page)
      : symbols_(symbols), name_(symbols.CurrentPageName()), unqualified_(symbols.NamesUnqualified) {
    symbols_.SetCurrentPageName(page);
    symbols_.NamesUnqualified = page == "Main" ? 1 : 0;
  }
  ~PageScope() {
    symbols_.SetCurrentPageName(name_);
    symbols_.NamesUnqualified = unqualified_;
  }
  PageScope(const PageScope&) = delete;
  PageScope& operator=(const PageScope&) = delete;

 private:
  SymbolTable& symbols_;
  std::string name_;
  int unqualified_;
};

// The symbol an Imported Application names: a variable or item, or an imported library.
Symbol* FindUsedSymbol(const char* name, SymbolTable& symbols) {
  Symbol* used = LookupSymbolByMask(name, AllTypesMask(), &symbols);
  return used != nullptr ? used : LookupSymbol(name, kLibraryTreeSlot, &symbols);
}

Symbol* FindPageNamed(const std::string& name, SymbolTable& symbols) {
  return LookupSymbolByMask(name.c_str(), MaskOfTypes({kTypeSuperBlock, kTypeVerificationBlock}), &symbols);
}

}  // namespace

PBInstance* TProgram::AddVavurOrezo(int type, const char* name, const char* companion, int* userError) {
  int scratch = 0;
  int& error = userError != nullptr ? *userError : scratch;
  error = 0;
  if (!KV_ASSERT(name != nullptr)) return nullptr;
  if (companion == nullptr) companion = "";
  auto refuseCode = [&](int code, bool byName) -> PBInstance* {
    if (byName) error = 1;
    ShowCode(code);
    return nullptr;
  };
  const std::string stored = QualifiedName(name);
  const bool onMain = CurrentPageName() == "Main" || (symbols_.NamesUnqualified && CurrentPageName().empty());
  if (!IsKnownType(type)) return refuseCode(kErrSelectType, false);
  if (type == kTypeEndBlock && onMain) {
    ShowText("End Block VavurOrezos may not be added to Main");
    return nullptr;
  }
  if (type == kTypeNotOnMain && onMain) {
    ShowText("This vavurorezo may not be added to the Main page");
    return nullptr;
  }
  // Names are never cut: a name a symbol cannot hold is refused.
  if (stored.size() >= static_cast<std::size_t>(kSymbolNameSize)) return refuseCode(kErrNameTooLong, true);
  if (Symbol* taken = LookupSymbol(stored.c_str(), kTypeVavurOrezo, &symbols_); taken != nullptr && !taken->Deleted) {
    return refuseCode(kErrNameInUse, true);
  }
  if (type != kTypeContinue) {
    // A VavurOrezo may bear its own type's name (the Begin block "Start"); any other
    // reserved word is refused.
    if (IsReservedWord(stored.c_str()) && !IsOwnTypeName(type, name)) {
      const bool taken = LookupSymbol(stored.c_str(), kTypeVavurOrezo, &symbols_) != nullptr;
      return refuseCode(taken ? kErrNameInUse : kErrReservedName, true);
    }
    if (const int rc = CheckNewSymbolName(stored.c_str(), 30, '_', &symbols_);
        rc != 0 && !(rc == kErrReservedName && IsOwnTypeName(type, name))) {
      return refuseCode(rc, true);
    }
  }
  // What the VavurOrezo uses must exist before anything is made.
  Symbol* used = nullptr;
  if (type == kPBTypeCustom && CustomPBFind(customs_, companion) == nullptr) {
    ShowText(PBMessageText(kErrInternal2), true);
    return nullptr;
  }
  if (type == kTypeImportedApplication) {
    DisableSymbolPageCheck allPages(*this);
    used = FindUsedSymbol(companion, symbols_);
    if (used == nullptr) {
      ShowText(PBMessageText(kErrInternal2), true);
      return nullptr;
    }
  }
  Symbol* page = currentPage_;
  if (type == kTypeEndBlock) {
    if (page == nullptr) {
      ShowText(PBMessageText(kErrInternal2), true);
      return nullptr;
    }
    const bool verify = page->Type == kTypeVerificationBlock;
    if (CountExits(page) >= (verify ? kMaxVerifyEndBlocks : kMaxEndBlocks)) {
      ShowText(verify ? "End Block VavurOrezos may not be added or deleted on verify SuperBlock"
                      : "A maximum of 40 End Block VavurOrezos are allowed in a SuperBlock");
      return nullptr;
    }
  }

  Symbol* symbol = nullptr;
  PBInstance* instance = nullptr;
  try {
    symbol = AddVavurOrezoSymbol(stored.c_str(), &symbols_);
    if (symbol == nullptr) {
      ShowText(PBMessageText(kErrOutOfMemory), true);
      return nullptr;
    }
    auto made = std::make_unique<PBInstance>();
    made->Name = stored;
    made->Type = static_cast<std::int16_t>(type);
    if (type == kPBTypeCustom || type == kTypeSuperBlockCall || type == kTypeImportedApplication) {
      made->Companion = companion;
    } else if (type == kTypeEndBlock) {
      made->Companion = name;
    }
    instance = made.get();
    symbol->Data = std::move(made);
  } catch (const std::bad_alloc&) {
    if (symbol != nullptr) MarkSymbolDeleted(*symbol, symbols_);
    ShowText(PBMessageText(kErrOutOfMemory), true);
    return nullptr;
  }
  ++VavurOrezoCount;
  if (type == kTypeEndBlock) {
    if (const int rc = SBInterfaceTable(page, &symbols_).AddEntry(name, -1, 0, 0); rc != 0) {
      PBEntryReleaseRefs(*instance, this);
      ShowCode(rc);
      return nullptr;
    }
  }
  if (type == kPBTypeCustom) CustomPBAddRef(customs_, companion);
  if (used != nullptr) ++used->RefCnt;

  {
    // Gotos that named this VavurOrezo before it existed now lead to it.
    DisableSymbolPageCheck allPages(*this);
    pendingGotos_.Relink(symbols_, stored.c_str());
  }
  const std::uint64_t beforeDefaults = pendingGotos_.StampBeforeChange();
  PBFieldAccessor defaults(instance, 0, nullptr, 0, &symbols_);
  if (!defaults.LoadDefaultEntries()) ShowText(PBMessageText(kErrOutOfMemory));
  instance->Filled = static_cast<std::int16_t>(PBEntryIsUnfinished(*instance) ? 0 : 1);
  pendingGotos_.Adopt(*symbol, symbols_, beforeDefaults);
  SendModelWindowMessage(ownerWindow_, kMsgVavurOrezoChanged, 0, 1);
  return instance;
}

int TProgram::DeleteVavurOrezo(PBInstance* instance) {
  if (!KV_ASSERT(instance != nullptr)) return 0;
  DisableSymbolPageCheck allPages(*this);
  if (instance->Type == kTypeEndBlock) {
    Symbol* page = FindPageNamed(PageOfName(instance->Name), symbols_);
    if (page == nullptr) {
      ShowText(PBMessageText(kErrInternal2), true);
    } else if (const int rc = SBInterfaceTable(page, &symbols_).RemoveEntry(instance->Companion.c_str()); rc != 0) {
      ShowCode(rc);
    }
  } else if (instance->Type == kTypeImportedApplication) {
    Symbol* used = FindUsedSymbol(instance->Companion.c_str(), symbols_);
    if (used == nullptr) {
      ShowText(PBMessageText(kErrInternal2), true);
    } else if (used->RefCnt > 0) {
      --used->RefCnt;
    }
  } else if (instance->Type >= 0) {
    const PBType* slot = GetPBType(instance->Type);
    if (slot != nullptr && slot->ExtraHook != nullptr) slot->ExtraHook(instance, 1, nullptr);
  }
  return PBEntryReleaseRefs(*instance, this);
}

int TProgram::RenameVavurOrezo(PBInstance* instance, const char* newName) {
  if (!KV_ASSERT(instance != nullptr && newName != nullptr)) return kErrInternal1;
  if (IsReservedWord(newName)) {
    ShowCode(kErrReservedName);
    return kErrReservedName;
  }
  // The VavurOrezo keeps its page: the new name is qualified with that page.
  const std::string oldStored = instance->Name;
  const std::string pageName = PageOfName(oldStored);
  const bool qualified = oldStored.find('$') != std::string::npos;
  const std::string stored = qualified ? pageName + "$" + newName : std::string(newName);
  if (stored.size() >= static_cast<std::size_t>(kSymbolNameSize)) {
    ShowCode(kErrNameTooLong);
    return kErrNameTooLong;
  }
  DisableSymbolPageCheck allPages(*this);
  // Names are checked in the scope of the VavurOrezo's own page, whichever page is current.
  PageScope ownPage(symbols_, qualified ? pageName : std::string("Main"));
  Symbol* symbol = LookupSymbol(oldStored.c_str(), kTypeVavurOrezo, &symbols_);
  if (symbol == nullptr) return kErrInternal1;
  if (const int rc = RenameSymbol(symbol, stored.c_str(), &symbols_); rc != 0) {
    ShowCode(rc);
    return rc;
  }
  if (instance->Type == kTypeEndBlock && LocalName(oldStored) == instance->Companion) {
    Symbol* page = FindPageNamed(pageName, symbols_);
    const int rc = page != nullptr ? SBInterfaceTable(page, &symbols_).RenameEntry(instance->Companion.c_str(), newName)
                                   : kErrInternal2;
    if (rc != 0) {
      // The exit keeps its name, so the VavurOrezo keeps its own.
      RenameSymbol(symbol, oldStored.c_str(), &symbols_);
      ShowCode(rc);
      return rc;
    }
    instance->Companion = newName;
  }
  if (instance->Type >= 0) {
    const PBType* slot = GetPBType(instance->Type);
    if (slot != nullptr && slot->ExtraHook != nullptr) slot->ExtraHook(instance, 2, stored.c_str());
  }
  instance->Name = stored;
  return 0;
}

template <class SetGoto>
int TProgram::ConnectWith(PBInstance& instance, SetGoto set) {
  DisableSymbolPageCheck allPages(*this);
  const std::uint64_t before = pendingGotos_.StampBeforeChange();
  const int rc = set();
  instance.Filled = static_cast<std::int16_t>(PBEntryIsUnfinished(instance) ? 0 : 1);
  // A goto to a VavurOrezo still to come waits in the index.
  if (!pendingGotos_.Follows(before)) return rc == -1 ? 0 : 1;
  if (Symbol* symbol = LookupSymbol(instance.Name.c_str(), kTypeVavurOrezo, &symbols_)) {
    pendingGotos_.Adopt(*symbol, symbols_, before);
  }
  return rc == -1 ? 0 : 1;
}

int TProgram::ConnectGoto(PBInstance* instance, const char* target, int n) {
  if (!KV_ASSERT(instance != nullptr && target != nullptr)) return 0;
  return ConnectWith(*instance, [&] { return PBEntrySetGoto(target, n, *instance, &symbols_); });
}

int TProgram::ConnectGoto(PBInstance* instance, const PBInstance& target, int n) {
  if (!KV_ASSERT(instance != nullptr)) return 0;
  return ConnectWith(*instance, [&] { return PBEntrySetGotoTo(target, n, *instance, &symbols_); });
}

int TProgram::DisconnectGoto(PBInstance* instance, const char* label) {
  if (!KV_ASSERT(instance != nullptr && label != nullptr)) return 0;
  DisableSymbolPageCheck allPages(*this);
  const PBFieldDef* table = GetFieldTable(instance->Type, instance);
  int n = 0;
  for (int i = 0; table != nullptr && !table[i].IsEnd(); ++i) {
    if (!table[i].IsGoto()) continue;
    if (std::strcmp(table[i].GotoStrs, label) == 0) {
      PBEntryClearGoto(*instance, n, &symbols_);
      instance->Filled = static_cast<std::int16_t>(PBEntryIsUnfinished(*instance) ? 0 : 1);
      return 1;
    }
    ++n;
  }
  return 0;
}

}  // namespace zeph
