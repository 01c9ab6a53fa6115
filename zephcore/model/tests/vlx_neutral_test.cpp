// Without a current program every export answers its neutral result and changes nothing,
// even when given handles that were good a moment ago.
#include "model/interface/vlx.h"

#include <gtest/gtest.h>

#include "program_testutil.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/datatypes.h"
#include "model/interface/library.h"
#include "model/program/program.h"
#include "model/varref.h"

namespace zeph {
namespace {

class VlxNeutral : public ::testing::Test {
 protected:
  VlxNeutral() {
    SetDialogModuleLoader(&test::FakeDialogModule);
    EnsureLibraryStarted();
  }
  ~VlxNeutral() override { SetDialogModuleLoader(nullptr); }
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
};

TEST_F(VlxNeutral, EveryExportGivesItsNeutralAnswerWithoutAProgram) {
  vlxHandleType program = vlxAddProgram(nullptr, 0);
  vlxHandleType page = vlxCreatePage("Main", 1, 0);
  vlxActivatePage(page);
  int refused = 7;
  vlxHandleType block = vlxCreateVavurOrezo(134, "Wait", refused, "");
  vlxHandleType other = vlxCreateVavurOrezo(134, "Other", refused, "");
  ASSERT_NE(other, nullptr);
  ASSERT_EQ(vlxAddVariable("Count", kTypeInteger, 4, 0, 1, 0), 0);
  auto* symbol = static_cast<Symbol*>(vlxFindSymbol("Count"));
  vlxHandleType blockSymbol = vlxFindSymbol("Wait");
  SymP reference;
  reference.S = symbol;
  const int count = vlxGetNumPBs();
  vlxActivateProgram(nullptr);

  const char* names[4] = {};
  vlxHandleType symbols[4] = {};
  VavurOrezoInfo info;
  IconInfoTable table;
  Symbol* out = nullptr;
  char field[32] = "x";
  using Call = std::function<long long()>;
  auto ptr = [](const void* p) { return static_cast<long long>(reinterpret_cast<std::uintptr_t>(p)); };
  const std::vector<std::tuple<const char*, Call, long long>> calls = {
      {"vlxCreatePage", [&] { return ptr(vlxCreatePage("P", 1, 0)); }, 0},
      {"vlxFindPage", [&] { return ptr(vlxFindPage("Main")); }, 0},
      {"vlxPageInUse", [&] { return vlxPageInUse(page); }, 0},
      {"vlxGetAllPageNames", [&] { return vlxGetAllPageNames(names, 4); }, 0},
      {"vlxIsPBInPage", [&] { return vlxIsPBInPage(blockSymbol, nullptr); }, 0},
      {"vlxCreateVavurOrezo", [&] { return ptr(vlxCreateVavurOrezo(134, "A", refused, "")); }, 0},
      {"vlxDeleteVavurOrezo", [&] { return vlxDeleteVavurOrezo(block, 0); }, -3},
      {"vlxRenameVavurOrezo", [&] { return vlxRenameVavurOrezo(block, "B", refused); }, -3},
      {"vlxFindVavurOrezo", [&] { return ptr(vlxFindVavurOrezo("Wait", 1, 0)); }, 0},
      {"vlxIsVavurOrezoFinished", [&] { return vlxIsVavurOrezoFinished(block); }, 0},
      {"vlxIsPBComplete", [&] { return vlxIsPBComplete(blockSymbol); }, 0},
      {"vlxUsesDefaultVavurOrezoInfo", [&] { return vlxUsesDefaultVavurOrezoInfo(block); }, 0},
      {"vlxUpdatePBInfo", [&] { return vlxUpdatePBInfo(block); }, -3},
      {"vlxGetVavurOrezoInfo", [&] { return ptr(vlxGetVavurOrezoInfo(block, &info)); }, 0},
      {"vlxGetNumPBs", [&] { return vlxGetNumPBs(); }, -3},
      {"vlxGetAllPBSymbols", [&] { return vlxGetAllPBSymbols(symbols); }, 0},
      {"vlxGetSymbolName", [&] { return ptr(vlxGetSymbolName(blockSymbol)); }, 0},
      {"vlxGetSBName", [&] { return ptr(vlxGetSBName(blockSymbol)); }, 0},
      {"vlxGetPBType", [&] { return vlxGetPBType(blockSymbol); }, 0},
      {"vlxGetVavurOrezoName", [&] { return ptr(vlxGetVavurOrezoName(134)); }, 0},
      {"vlxGetPageType(no program)", [&] { return vlxGetPageType(nullptr, "Main"); }, -1},
      {"vlxItsAReservedPB", [&] { return vlxItsAReservedPB("VMenu"); }, 0},
      {"vlxIsPBUseVariable", [&] { return vlxIsPBUseVariable(blockSymbol, "Count"); }, 0},
      {"vlxIsPBUseVSentence", [&] { return vlxIsPBUseVSentence(blockSymbol, "S"); }, 0},
      {"vlxIsNameUsed", [&] { return vlxIsNameUsed("Count", 0); }, 0},
      {"vlxCreateGoto", [&] { return vlxCreateGoto(block, other, 0); }, -3},
      {"vlxGetGotoConnection", [&] { return ptr(vlxGetGotoConnection(block, 0)); }, 0},
      {"vlxAddVariable", [&] { return vlxAddVariable("New", kTypeInteger, 4, 0, 1, 0); }, -3},
      {"vlxDeleteVariable(handle)", [&] { return vlxDeleteVariable(static_cast<vlxHandleType>(&reference), 0); }, -3},
      {"vlxDeleteVariable(text)", [&] { return vlxDeleteVariable("Count", 0); }, -3},
      {"vlxGetVariableInfo(handle)", [&] { return ptr(vlxGetVariableInfo(static_cast<vlxHandleType>(&reference))); }, 0},
      {"vlxGetVariableInfo(text)", [&] { return ptr(vlxGetVariableInfo("Count", 0)); }, 0},
      {"vlxSetupVariable", [&] { return vlxSetupVariable("Count", "3"); }, 0},
      {"vlxAddSymbol", [&] { return vlxAddSymbol(out, "New", kTypeInteger, 4, 0, 1, 0, nullptr) ? 1 : 0; }, 0},
      {"vlxDeleteSymbol", [&] { return vlxDeleteSymbol("Count", kTypeInteger) ? 1 : 0; }, 0},
      {"vlxIsNameInUse", [&] { return vlxIsNameInUse("Count"); }, -3},
      {"vlxFindSymbol", [&] { return ptr(vlxFindSymbol("Count")); }, 0},
      {"vlxGetATypeOfSymbols", [&] { return vlxGetATypeOfSymbols(symbols, kTypeInteger); }, 0},
      {"vlxGetTreeSize", [&] { return vlxGetTreeSize(kTypeInteger); }, 0},
      {"vlxIsTextInVSentence", [&] { return vlxIsTextInVSentence(symbol, "x"); }, 0},
      {"vlxGetVavurOrezoList", [&] { return vlxGetVavurOrezoList(&table, 0, 0, 0, 0, 0); }, -3},
      {"vlxSDOGetSymbolOffset", [&] { return vlxSDOGetSymbolOffset(134, "x"); }, 0},
      {"vlxSDOGetSymbolType", [&] { return vlxSDOGetSymbolType(134, "x"); }, 255},
      {"vlxSDOGetSymbolPtr", [&] { return ptr(vlxSDOGetSymbolPtr(134, "x", block, 0)); }, 0},
      {"vlxSDOAllocateMem", [&] { return ptr(vlxSDOAllocateMem(134, "x", block, 0)); }, 0},
      {"vlxSDOGetAllocatedSize", [&] { return vlxSDOGetAllocatedSize(134, "x"); }, 0},
      {"vlxSDOGetOutputDataName", [&] { return ptr(vlxSDOGetOutputDataName(134, 0, block)); }, 0},
      {"vlxSDOGetOutputDataConnection", [&] { return ptr(vlxSDOGetOutputDataConnection(134, 0, block)); }, 0},
      {"vlxSDOGetOutputDataRequired", [&] { return ptr(vlxSDOGetOutputDataRequired(134, 0, block)); }, 0},
      {"vlxSDOIsPBUnfinished", [&] { return vlxSDOIsPBUnfinished(block, 1); }, 0},
      {"vlxSDOIsOutputOptionalApplicable", [&] { return vlxSDOIsOutputOptionalApplicable(134, block, "x"); }, 0xFFFF},
      {"vlxRenameVoiceFaxItem", [&] { return vlxRenameVoiceFaxItem(symbol, "Other"); }, -3},
      {"vlxCloseGFaxEditor", [&] { return vlxCloseGFaxEditor(nullptr) ? 1 : 0; }, 0},
      {"vlxIdleAction", [&] { return vlxIdleAction(1); }, 0},
      {"vlxActivateMainPage", [&] { return vlxActivateMainPage(block); }, 0},
  };
  for (const auto& [name, call, expected] : calls) EXPECT_EQ(call(), expected) << name;
  EXPECT_EQ(refused, 0);
  EXPECT_EQ(field[0], 'x');
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(table.Groups[0], nullptr);
  // The exports without a result do nothing.
  vlxRenamePage(page, "Renamed", 1, 0);
  vlxRemovePage(page, 0);
  vlxActivatePage(nullptr);
  vlxModifyVavurOrezo(block);
  vlxVerifyPBEntries(block);
  vlxDeleteGoto(block, "Next");
  vlxReferenceVariable("Count", -1);
  vlxReferenceVariable(static_cast<vlxHandleType>(&reference), 1);
  vlxSDOSetOutputDataRequired(134, 0, block, 1);
  vlxSDOSetIconFinished(block, 1);
  vlxSetupPasteSuperVerBlock(5);
  EXPECT_TRUE(presenter.Boxes().empty());

  vlxActivateProgram(program);
  EXPECT_EQ(vlxGetNumPBs(), count);
  EXPECT_STREQ(static_cast<Symbol*>(page)->Name, "Main");
  EXPECT_EQ(vlxFindPage("Main"), page);
  EXPECT_EQ(symbol->RefCnt, 0);
  EXPECT_FALSE(symbol->Deleted);
  EXPECT_EQ(static_cast<PBInstance*>(block)->OwnTable, nullptr);
  EXPECT_EQ(static_cast<TProgram*>(program)->SuperBlockPasteMode, 0);
  reference.S = nullptr;
  vlxRemoveProgram(program);
}

}  // namespace
}  // namespace zeph
