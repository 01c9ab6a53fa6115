// Renaming a page: every name on it and every call of it follow, or nothing changes.
#include "model/interface/vlx.h"

#include <gtest/gtest.h>

#include "program_testutil.h"

#include <cstdint>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/datatypes.h"
#include "model/interface/library.h"
#include "model/program/notify.h"
#include "model/program/program.h"
#include "model/symtable.h"

namespace zeph {
namespace {

struct PageNotice {
  unsigned message;
  std::uintptr_t code;
  VlxNotifyRecord record;
};
std::vector<PageNotice> g_notices;

void Record(HWND, unsigned message, std::uintptr_t code, std::intptr_t lParam, bool) {
  PageNotice n{message, code, {}};
  if (code == 6 && lParam != 0) n.record = *reinterpret_cast<const VlxNotifyRecord*>(lParam);
  g_notices.push_back(n);
}

class VlxRenamePage : public ::testing::Test {
 protected:
  VlxRenamePage() {
    SetDialogModuleLoader(&test::FakeDialogModule);
    EnsureLibraryStarted();
    program = vlxAddProgram(nullptr, 0);
    main = vlxCreatePage("Main", 1, 0);
    billing = vlxCreatePage("Billing", 1, 0);
    int refused = 0;
    wait = static_cast<PBInstance*>(vlxCreateVavurOrezo(134, "Wait", refused, ""));
    Symbol* amount = nullptr;
    EXPECT_TRUE(vlxAddSymbol(amount, "Billing$Amount", kTypeInteger, 4, 2, 1, 0, nullptr));
    vlxActivatePage(main);
    call = static_cast<PBInstance*>(vlxCreateVavurOrezo(-101, "Pay", refused, "Billing"));
    SetWindowMessageSender(&Record);
    g_notices.clear();
  }
  ~VlxRenamePage() override {
    SetWindowMessageSender(nullptr);
    vlxRemoveProgram(program);
    SetDialogModuleLoader(nullptr);
  }
  Symbol* Lookup(const char* name, int type) {
    TProgram::DisableSymbolPageCheck all(*static_cast<TProgram*>(program));
    Symbol* s = LookupSymbol(name, type, &static_cast<TProgram*>(program)->Symbols());
    return s != nullptr && !s->Deleted ? s : nullptr;
  }
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  vlxHandleType program = nullptr;
  vlxHandleType main = nullptr;
  vlxHandleType billing = nullptr;
  PBInstance* wait = nullptr;
  PBInstance* call = nullptr;
};

TEST_F(VlxRenamePage, NamesOnThePageAndCallsOfItFollow) {
  ASSERT_NE(wait, nullptr);
  ASSERT_NE(call, nullptr);
  vlxRenamePage(billing, "Invoice", 1, 0);
  EXPECT_STREQ(static_cast<Symbol*>(billing)->Name, "Invoice");
  EXPECT_NE(Lookup("Invoice$Wait", kTypeVavurOrezo), nullptr);
  EXPECT_EQ(Lookup("Billing$Wait", kTypeVavurOrezo), nullptr);
  EXPECT_NE(Lookup("Invoice$Amount", kTypeInteger), nullptr);
  EXPECT_EQ(wait->Name, "Invoice$Wait");
  EXPECT_EQ(call->Companion, "Invoice");
  EXPECT_EQ(vlxFindPage("Invoice"), billing);
  EXPECT_EQ(static_cast<TProgram*>(program)->CurrentPage(), main);   // the active page comes back
  ASSERT_EQ(g_notices.size(), 1u);
  EXPECT_EQ(g_notices[0].code, 6u);
  EXPECT_EQ(g_notices[0].record.Program, program);
  EXPECT_EQ(g_notices[0].record.Value, 1);
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(VlxRenamePage, ARefusedNameChangesNothing) {
  // "Billing$Amount" would become 33 characters long; "Main" is taken, and so is "Check",
  // by a page of the other kind.
  ASSERT_NE(vlxCreatePage("Check", 2, 0), nullptr);
  vlxActivatePage(main);
  g_notices.clear();
  for (const char* newName : {"AVeryLongInvoicePageNameX", "Main", "Check"}) {
    SCOPED_TRACE(newName);
    presenter.Clear();
    vlxRenamePage(billing, newName, 1, 0);
    EXPECT_STREQ(static_cast<Symbol*>(billing)->Name, "Billing");
    EXPECT_NE(Lookup("Billing$Wait", kTypeVavurOrezo), nullptr);
    EXPECT_NE(Lookup("Billing$Amount", kTypeInteger), nullptr);
    EXPECT_EQ(wait->Name, "Billing$Wait");
    EXPECT_EQ(call->Companion, "Billing");
    EXPECT_EQ(presenter.Boxes().size(), 1u);
  }
  EXPECT_TRUE(g_notices.empty());
}

}  // namespace
}  // namespace zeph
