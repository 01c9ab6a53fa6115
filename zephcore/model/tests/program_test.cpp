// The application object: construction and the current program, pages and named symbols,
// deletion, page kinds and the renaming of items.
#include "model/program/program.h"

#include <gtest/gtest.h>

#include "program_testutil.h"

#include <memory>
#include <string>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/datatypes.h"
#include "model/modelcodes.h"
#include "model/pbaccess_notify.h"
#include "model/pbcat.h"
#include "model/sysvars.h"

namespace zeph {
namespace {

void* NoDialogModule() { return nullptr; }

struct PageNotices : PBNotifier {
  PageNotices() { SetPBNotifier(this); }
  ~PageNotices() override { SetPBNotifier(nullptr); }
  void PageListChanged(int pageKind) override { kinds.push_back(pageKind); }
  std::vector<int> kinds;
};

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    TheCatalogue();
    SetDialogModuleLoader(&test::FakeDialogModule);
  }
  ~ProgramTest() override { SetDialogModuleLoader(nullptr); }

  std::vector<std::string> Boxes() const {
    std::vector<std::string> out;
    for (const auto& b : presenter.Boxes()) out.push_back(b.caption + "|" + b.text);
    return out;
  }
  Symbol* Page(TProgram& p, const char* name, int type = kTypeSuperBlock, int kind = 0) {
    Symbol* page = nullptr;
    EXPECT_EQ(p.AddNamedSymbol(&page, name, type, 1, 1, 0, true, kind), 0) << name;
    return page;
  }

  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  PageNotices notices;
};

TEST_F(ProgramTest, EachProgramTakesTheNextSerialAndBecomesCurrent) {
  const std::uint32_t first = NextProgramSerial();
  TProgram a;
  TProgram b;
  EXPECT_EQ(a.SerialNumber(), first);
  EXPECT_EQ(b.SerialNumber(), first + 1);
  EXPECT_EQ(TProgram::Current(), &b);
  EXPECT_EQ(CurrentSymbolTable(), &b.Symbols());
  EXPECT_EQ(ActiveCustomPBList(), &b.CustomVavurOrezos());
  a.Activate();
  EXPECT_EQ(CurrentSymbolTable(), &a.Symbols());
  EXPECT_EQ(ActiveCustomPBList(), &a.CustomVavurOrezos());
}

TEST_F(ProgramTest, ANewProgramHasTheStructuresSystemVariablesAndFolders) {
  TProgram p;
  ASSERT_NE(p.Symbols().Structures().First, nullptr);
  EXPECT_STREQ(p.Symbols().Structures().First->Name, "bMail");
  EXPECT_EQ(p.Symbols().Structures().NextId, 100);
  // Every system variable is there: making them again adds nothing.
  auto count = [&] {
    int n = 0;
    for (int code = 0; code < kBuiltinTypeCount; ++code) CountVisibleSymbols(*p.Symbols().TreeSlot(code), n);
    return n;
  };
  const int before = count();
  EXPECT_GT(before, 30);
  ASSERT_EQ(SetupSystemVariables(&p.Symbols()), 0);
  EXPECT_EQ(count(), before);
  EXPECT_NE(LookupSymbol("Error", kTypeSmallInteger, &p.Symbols()), nullptr);
  EXPECT_NE(LookupSymbol("_PR_DATABASE9", kTypeString, &p.Symbols()), nullptr);
  EXPECT_STREQ(p.DefaultFolder(0), "'\\VLX\\PRMT\\");
  EXPECT_STREQ(p.DefaultFolder(1), "'\\VLX\\UVOICE\\");
  EXPECT_STREQ(p.DefaultFolder(2), "'\\VLX\\VOICE\\SYS.IDX");
  EXPECT_STREQ(p.DefaultFolder(3), "'\\VLX\\VOICE\\");
  EXPECT_EQ(p.DefaultFolder(4), nullptr);
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(ProgramTest, WithoutTheDialogLibraryItSaysSoAndStillWorks) {
  SetDialogModuleLoader(&NoDialogModule);
  TProgram p;
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0], "Flowsmith|Unable to load application dialog module");
  EXPECT_EQ(presenter.Boxes()[0].style, kKvMbOk | kKvMbIconHand);
  EXPECT_EQ(p.DialogModule(), nullptr);
  EXPECT_NE(Page(p, "Main"), nullptr);
}

TEST_F(ProgramTest, TheCurrentPageDecidesWhetherNamesAreQualified) {
  TProgram p;
  EXPECT_EQ(p.Symbols().NamesUnqualified, 1);
  Symbol* main = Page(p, "Main");
  Symbol* other = Page(p, "Page1");
  p.SetCurrentPage(main);
  EXPECT_EQ(p.Symbols().NamesUnqualified, 1);
  p.SetCurrentPage(other);
  EXPECT_EQ(p.Symbols().NamesUnqualified, 0);
  EXPECT_EQ(p.CurrentPageName(), "Page1");
  p.SetCurrentPage(nullptr);
  EXPECT_EQ(p.Symbols().NamesUnqualified, 0);
  EXPECT_EQ(p.CurrentPage(), nullptr);
  EXPECT_EQ(p.CurrentPageName(), "");
}

TEST_F(ProgramTest, PagesTakeTheirNamesAsGivenAndTellTheDesigner) {
  TProgram p;
  EXPECT_NE(Page(p, "1stPage"), nullptr);                      // no syntax check for pages
  EXPECT_NE(Page(p, "LIB.Menu", kTypeSuperBlock, 2), nullptr);  // a library's page
  EXPECT_NE(Page(p, "Check", kTypeVerificationBlock), nullptr);
  Symbol* hidden = nullptr;
  EXPECT_EQ(p.AddNamedSymbol(&hidden, "Main", kTypeSuperBlock, 1, 1, 1, true), 0);
  EXPECT_EQ(notices.kinds, (std::vector<int>{1, 1, 2}));   // the hidden Main sends none
  EXPECT_EQ(p.GetPageKind("LIB.Menu"), 2);
  EXPECT_EQ(p.GetPageKind("Check"), 0);
  EXPECT_EQ(p.SetPageKind("Check", 2), 2);
  EXPECT_EQ(p.GetPageKind("Check"), 2);
  EXPECT_EQ(p.GetPageKind("Nowhere"), -1);
  EXPECT_EQ(p.SetPageKind("Nowhere", 2), -1);
}

// Names are never cut: what a symbol cannot hold is refused, pages of a library included.
TEST_F(ProgramTest, NamesLongerThanASymbolHoldsAreRefused) {
  TProgram p;
  const std::string longName(32, 'a');
  struct Case {
    int type;
    int kind;
  } cases[] = {{kTypeSuperBlock, 0}, {kTypeSuperBlock, 2}, {kLibraryTreeSlot, 0},
               {kHeaderTreeSlot, 0}, {kTypeInteger, 0}};
  for (const Case& c : cases) {
    Symbol* made = nullptr;
    EXPECT_EQ(p.AddNamedSymbol(&made, longName.c_str(), c.type, 1, 1, 0, true, c.kind), kErrNameTooLong) << c.type;
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(LookupSymbol(longName.substr(0, 31).c_str(), c.type, &p.Symbols()), nullptr);
  }
  EXPECT_EQ(presenter.Boxes().size(), 5u);
  EXPECT_TRUE(notices.kinds.empty());
  Symbol* library = nullptr;
  EXPECT_EQ(p.AddNamedSymbol(&library, "SALES.RLL", kLibraryTreeSlot, 1, 1, 0, false), 0);
  EXPECT_EQ(p.AddNamedSymbol(&library, "1bad", kTypeInteger, 1, 1, 0, false), kErrBadName);
}

TEST_F(ProgramTest, DeletionRefusesWhatIsUsedOrProtected) {
  TProgram p;
  Symbol* used = nullptr;
  Symbol* fixed = nullptr;
  ASSERT_EQ(p.AddNamedSymbol(&used, "Used", kTypeInteger, 1, 1, 0, false), 0);
  ASSERT_EQ(p.AddNamedSymbol(&fixed, "Fixed", kTypeInteger, 1, 0, 0, false), 0);
  used->RefCnt = 1;
  EXPECT_EQ(p.DeleteNamedSymbol(used, true, true), kErrVariableInUse);
  EXPECT_EQ(p.DeleteNamedSymbol(fixed, false, false), kErrNotDeletable);
  EXPECT_EQ(presenter.Boxes().size(), 1u);   // only the one asked to show
  EXPECT_EQ(p.DeleteNamedSymbol(fixed, true, false), 0);
  EXPECT_EQ(fixed->Deleted, 1);
  Symbol* page = Page(p, "Gone", kTypeVerificationBlock);
  notices.kinds.clear();
  EXPECT_EQ(p.DeleteNamedSymbol(page, false, false), 0);
  EXPECT_EQ(notices.kinds, std::vector<int>{2});
  Symbol* quiet = Page(p, "Quiet");
  notices.kinds.clear();
  EXPECT_EQ(p.DeleteNamedSymbol(quiet, false, false, true), 0);
  EXPECT_TRUE(notices.kinds.empty());
}

TEST_F(ProgramTest, ItemsAreRenamedOnTheirPageAndReservedNamesRefused) {
  TProgram p;
  p.SetCurrentPage(Page(p, "Sales"));
  Symbol* item = nullptr;
  ASSERT_EQ(p.AddNamedSymbol(&item, "Sales$Hello", kTypeInteger, 1, 1, 0, false), 0);
  EXPECT_EQ(p.RenameVoiceFaxItem(item, "Welcome"), 0);
  EXPECT_STREQ(item->Name, "Sales$Welcome");
  EXPECT_EQ(p.RenameVoiceFaxItem(item, "Error"), kErrReservedName);     // a system variable
  EXPECT_EQ(p.RenameVoiceFaxItem(item, "VMenu"), kErrReservedName);     // a VavurOrezo's name
  EXPECT_EQ(p.RenameVoiceFaxItem(item, std::string(30, 'w').c_str()), kErrNameTooLong);
  EXPECT_STREQ(item->Name, "Sales$Welcome");
  ASSERT_EQ(presenter.Boxes().size(), 3u);
  EXPECT_EQ(presenter.Boxes()[0].caption, "Flowsmith");
  EXPECT_EQ(presenter.Boxes()[0].style, kKvMbOk | kKvMbIconExclamation);
}

TEST_F(ProgramTest, DestroyingAProgramLeavesTheOthersCurrentState) {
  auto a = std::make_unique<TProgram>();
  auto b = std::make_unique<TProgram>();
  a.reset();   // not current: b stays current
  EXPECT_EQ(TProgram::Current(), b.get());
  EXPECT_EQ(CurrentSymbolTable(), &b->Symbols());
  b.reset();   // current: nothing of it stays current
  EXPECT_EQ(TProgram::Current(), nullptr);
  EXPECT_EQ(CurrentSymbolTable(), nullptr);
  EXPECT_EQ(ActiveCustomPBList(), nullptr);
}

TEST_F(ProgramTest, ThePageScopeGuardRestoresWhatItFound) {
  TProgram p;
  {
    TProgram::DisableSymbolPageCheck off(p);
    EXPECT_EQ(p.Symbols().SymbolPageCheck, 0);
  }
  EXPECT_EQ(p.Symbols().SymbolPageCheck, 1);
  p.Symbols().SymbolPageCheck = 0;   // the clipboard's program keeps 0
  { TProgram::DisableSymbolPageCheck off(p); }
  EXPECT_EQ(p.Symbols().SymbolPageCheck, 0);
}

}  // namespace
}  // namespace zeph
