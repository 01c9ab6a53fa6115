// Page and VavurOrezo exports: pages made, found, used, removed, and VavurOrezos counted as
// they are listed.
#include "model/interface/vlx.h"

#include <gtest/gtest.h>

#include "program_testutil.h"

#include <functional>
#include <string>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/interface/library.h"
#include "model/modelcodes.h"
#include "model/pbaccess_msgtext.h"
#include "model/program/program.h"
#include "model/symtable.h"

namespace zeph {
namespace {


class VlxPages : public ::testing::Test {
 protected:
  VlxPages() {
    SetDialogModuleLoader(&test::FakeDialogModule);
    EnsureLibraryStarted();
  }
  ~VlxPages() override { SetDialogModuleLoader(nullptr); }
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
};

TEST_F(VlxPages, PagesAreMadeFoundUsedAndRemoved) {
  vlxHandleType program = vlxAddProgram(nullptr, 0);
  ASSERT_NE(program, nullptr);
  vlxHandleType main = vlxCreatePage("Main", 1, 0);
  vlxHandleType billing = vlxCreatePage("Billing", 1, 0);
  vlxHandleType check = vlxCreatePage("Check", 2, 0);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(vlxCreatePage("Other", 3, 0), nullptr);
  EXPECT_EQ(vlxFindPage("Billing"), billing);
  EXPECT_EQ(vlxFindPage("Check"), check);
  EXPECT_EQ(vlxGetPageType(program, "Billing"), 0);
  EXPECT_EQ(vlxSetPageType(program, "Billing", 2), 2);
  const char* names[8] = {};
  EXPECT_EQ(vlxGetAllPageNames(names, 8), 2);   // SuperBlock pages only

  // On Billing: two VavurOrezos; on Main a call of Billing keeps Billing in use.
  int refused = 0;
  vlxActivatePage(billing);
  vlxHandleType wait = vlxCreateVavurOrezo(134, "Wait", refused, "");
  ASSERT_NE(wait, nullptr);
  ASSERT_NE(vlxCreateVavurOrezo(134, "Hold", refused, ""), nullptr);
  vlxActivatePage(main);
  vlxHandleType call = vlxCreateVavurOrezo(-101, "CallBilling", refused, "Billing");
  ASSERT_NE(call, nullptr);
  vlxHandleType all[8] = {};
  EXPECT_EQ(vlxGetAllPBSymbols(all), vlxGetNumPBs());
  EXPECT_EQ(vlxGetNumPBs(), 3);
  EXPECT_EQ(vlxPageInUse(billing), 1);
  vlxRemovePage(billing, 0);   // in use: nothing changes
  EXPECT_EQ(vlxFindPage("Billing"), billing);
  EXPECT_EQ(vlxGetNumPBs(), 3);

  EXPECT_EQ(vlxDeleteVavurOrezo(call, 0), 0);
  EXPECT_EQ(vlxPageInUse(billing), 0);
  vlxRemovePage(billing, 0);
  EXPECT_EQ(vlxFindPage("Billing"), nullptr);
  EXPECT_EQ(vlxGetNumPBs(), 0);   // its VavurOrezos went with it
  EXPECT_EQ(vlxGetAllPBSymbols(all), 0);
  EXPECT_EQ(vlxFindVavurOrezo("Billing$Wait", 1, 0), nullptr);
  EXPECT_EQ(vlxRemoveProgram(program), 0);
}

TEST_F(VlxPages, VavurOrezosAreFoundRenamedAndDescribed) {
  vlxHandleType program = vlxAddProgram(nullptr, 0);
  vlxHandleType main = vlxCreatePage("Main", 1, 0);
  vlxActivatePage(main);
  int refused = 0;
  vlxHandleType wait = vlxCreateVavurOrezo(134, "Wait", refused, "");
  ASSERT_NE(wait, nullptr);
  EXPECT_EQ(vlxCreateVavurOrezo(134, "Wait", refused, ""), nullptr);
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(vlxFindVavurOrezo("Wait", 0, 0), wait);
  EXPECT_EQ(vlxRenameVavurOrezo(wait, "Hold", refused), 0);
  EXPECT_EQ(refused, 0);
  EXPECT_EQ(vlxRenameVavurOrezo(wait, "VMenu", refused), -1);
  EXPECT_EQ(refused, 1);
  vlxHandleType symbols[4] = {};
  ASSERT_EQ(vlxGetAllPBSymbols(symbols), 1);
  EXPECT_STREQ(vlxGetSymbolName(symbols[0]), "Hold");
  EXPECT_EQ(vlxGetPBType(symbols[0]), 134);
  EXPECT_EQ(vlxGetSBName(symbols[0]), nullptr);
  EXPECT_EQ(vlxUsesDefaultVavurOrezoInfo(wait), 1);
  EXPECT_EQ(vlxUpdatePBInfo(wait), 0);
  EXPECT_EQ(vlxIsVavurOrezoFinished(wait), vlxIsPBComplete(symbols[0]));
  EXPECT_STREQ(vlxGetVavurOrezoName(134), "Pause");
  EXPECT_EQ(vlxIsPBInPage(symbols[0], nullptr), 1);
  EXPECT_EQ(vlxIsPBInPage(symbols[0], "Billing"), 0);
  EXPECT_EQ(vlxRemoveProgram(program), 0);
}

// A page name belongs to one page of either kind. A second page of that name would share
// the "Name$..." symbols of the first, and removing it would take them away.
TEST_F(VlxPages, PageNameTakenByEitherKindIsRefused) {
  vlxHandleType program = vlxAddProgram(nullptr, 0);
  vlxHandleType billing = vlxCreatePage("Billing", 1, 0);
  vlxHandleType check = vlxCreatePage("Check", 2, 0);
  ASSERT_NE(billing, nullptr);
  ASSERT_NE(check, nullptr);
  int refused = 0;
  vlxActivatePage(billing);
  vlxHandleType wait = vlxCreateVavurOrezo(134, "Wait", refused, "");
  ASSERT_NE(wait, nullptr);

  struct Case { const char* name; int kind; };
  for (const Case& c : {Case{"Billing", 2}, Case{"Billing", 1}, Case{"Check", 1}, Case{"Check", 2}}) {
    SCOPED_TRACE(std::string(c.name) + " kind " + std::to_string(c.kind));
    presenter.Clear();
    EXPECT_EQ(vlxCreatePage(c.name, c.kind, 0), nullptr);
    ASSERT_EQ(presenter.Boxes().size(), 1u);
    EXPECT_EQ(presenter.Boxes()[0].text, PBMessageText(kErrNameInUse));
  }
  EXPECT_EQ(vlxFindPage("Billing"), billing);
  EXPECT_EQ(vlxFindPage("Check"), check);
  EXPECT_EQ(vlxFindVavurOrezo("Billing$Wait", 1, 0), wait);
  EXPECT_EQ(vlxGetNumPBs(), 1);
  EXPECT_EQ(vlxRemoveProgram(program), 0);
}

// A program may still hold two pages of one name (a file written before names were
// checked across kinds); removing one of them leaves the other's symbols in place.
TEST_F(VlxPages, RemovingAPageSparesTheSymbolsOfAnotherPageOfItsName) {
  vlxHandleType program = vlxAddProgram(nullptr, 0);
  TProgram& model = *static_cast<TProgram*>(program);
  vlxHandleType billing = vlxCreatePage("Billing", 1, 0);
  ASSERT_NE(billing, nullptr);
  int refused = 0;
  vlxActivatePage(billing);
  vlxHandleType wait = vlxCreateVavurOrezo(134, "Wait", refused, "");
  ASSERT_NE(wait, nullptr);
  SymbolBody body;
  InitSymbol(body, "Billing", 1, kTypeVerificationBlock, 1, 1, 0, 0, 0);
  Symbol* twin = InsertSymbol(body, kTypeVerificationBlock, true, &model.Symbols());
  ASSERT_NE(twin, nullptr);

  vlxRemovePage(twin, 0);
  EXPECT_EQ(vlxFindPage("Billing"), billing);
  EXPECT_EQ(vlxFindVavurOrezo("Billing$Wait", 1, 0), wait);
  EXPECT_EQ(vlxGetNumPBs(), 1);
  vlxRemovePage(billing, 0);   // the last page of the name takes its symbols
  EXPECT_EQ(vlxFindPage("Billing"), nullptr);
  EXPECT_EQ(vlxGetNumPBs(), 0);
  EXPECT_EQ(vlxRemoveProgram(program), 0);
}

}  // namespace
}  // namespace zeph
