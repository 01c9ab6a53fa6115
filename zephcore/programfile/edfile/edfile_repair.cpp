#include "programfile/edfile/edfile_repair.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "model/custompb.h"
#include "model/datatypes.h"
#include "model/pbentry_instance.h"
#include "model/program/program.h"
#include "model/superblk.h"
#include "model/superblk_pages.h"
#include "model/symtable.h"
#include "model/symtree.h"
#include "model/sysvars.h"

namespace zeph {
namespace {

constexpr int kEndBlockType = 181;

void CountCustomUse(CustomPBList& list, const std::string& name) {
  if (name.empty() || name.size() > static_cast<std::size_t>(kCustomPBNameMax)) return;
  CustomPBEntry* entry = CustomPBFind(list, name.c_str());
  if (entry == nullptr) {
    std::unique_ptr<CustomPBEntry>* tail = &list.Head;
    while (*tail != nullptr) tail = &(*tail)->Next;
    *tail = std::make_unique<CustomPBEntry>();
    entry = tail->get();
    std::memcpy(entry->Name, name.c_str(), name.size() + 1);
  }
  ++entry->RefCount;
}

// The exits an End Block gives its page, when the page's table lacks them.
void AddEndBlockExit(SymbolTable& table, const PBInstance& endBlock) {
  const std::string::size_type dollar = endBlock.Name.find('$');
  const std::string pageName = dollar == std::string::npos ? std::string(kMainPageName) : endBlock.Name.substr(0, dollar);
  Symbol* page = FindPage(pageName.c_str(), &table);
  if (page == nullptr || endBlock.Companion.empty()) return;
  SBInterfaceTable interface(page, &table);
  const PBFieldDef* entries = interface.Table();
  for (int i = 0; entries != nullptr && !entries[i].IsEnd(); ++i) {
    if (endBlock.Companion == entries[i].Name) return;
  }
  interface.AddEntry(endBlock.Companion.c_str(), -1, 0, kSBLeaveCallers);
}

}  // namespace

int CompleteAfterRead(TProgram& program, bool fileHadCustoms) {
  SymbolTable& table = program.Symbols();
  try {
    for (int type : {static_cast<int>(kTypeSuperBlock), static_cast<int>(kTypeVerificationBlock)}) {
      SymTreeWalkPostOrder(*table.TreeSlot(type), [&](Symbol& s) {
        if (!s.Deleted && dynamic_cast<SBPageData*>(s.Data.get()) == nullptr) s.Data = std::make_unique<SBPageData>();
      });
    }

    program.VavurOrezoCount = 0;
    SymTreeWalkPostOrder(*table.TreeSlot(kTypeVavurOrezo), [&](Symbol& s) {
      PBInstance* instance = s.Deleted ? nullptr : InstanceOf(&s);
      if (instance == nullptr) return;
      ++program.VavurOrezoCount;
      if (instance->Type == kPBTypeCustom && !fileHadCustoms) CountCustomUse(program.CustomVavurOrezos(), instance->Companion);
      if (instance->Type == kEndBlockType) AddEndBlockExit(table, *instance);
    });

    // System variables read without their value take a new program's.
    SymbolTable defaults;
    if (SetupSystemVariables(&defaults) != 0) return -102;
    for (int type = 0; type < kBuiltinTypeCount; ++type) {
      SymTreeWalkPostOrder(*table.TreeSlot(type), [&](Symbol& s) {
        if (s.Deleted || s.Data != nullptr || !IsSystemVariableName(s.Name)) return;
        if (Symbol* d = LookupSymbol(s.Name, s.Type, &defaults); d != nullptr && d->Data != nullptr) {
          s.Data = std::move(d->Data);
        }
      });
    }
  } catch (const std::bad_alloc&) {
    return -102;
  }
  return 0;
}

}  // namespace zeph
