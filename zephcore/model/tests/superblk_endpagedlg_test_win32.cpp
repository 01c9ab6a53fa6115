// The End Block label dialog, run modally from the dialog resource library and driven by
// posted messages: the label it shows, the edit's limit, OK through the exit rename (a
// refused name keeps the dialog open), Cancel.
#include "model/superblk_endpagedlg.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "pane/endpageids.h"
#include "owl/testing/dialog_driver.h"
#include "foundation/tests/dialog_fixture.h"
#include "model/pbaccess_msgtext.h"
#include "model/superblk.h"
#include "pbaccess_testutil.h"

namespace zeph {
namespace {

static_assert(IDC_ENDPAGE_LABEL == kEndPageLabelControl);

class EndPageDialogTest : public test::ModelFixture {
 protected:
  EndPageDialogTest() : end(AddPB("Billing$Finish", 181, "Done")) {
    SymbolBody body;
    InitSymbol(body, "Billing", 1, kTypeSuperBlock, 1, 0, 0, 0, 0);
    body.Data = std::make_unique<SBPageData>();
    page = InsertSymbol(body, kTypeSuperBlock, true, &t);
    SBInterfaceTable table(page);
    table.AddEntry("Done", -1, 0, 0);
    table.AddEntry("Other", -1, 0, 0);
    t.SetCurrentPageName("Billing");
    notifier.pageKinds.clear();
  }
  void SetUp() override { ASSERT_EQ(PaneModule().Status, 0); }

  std::vector<std::string> Exits() {
    std::vector<std::string> names;
    for (const PBFieldDef* e = SBInterfaceTable(page).Table(); !e->IsEnd(); ++e) names.emplace_back(e->Name);
    return names;
  }

  // Runs the dialog; the step gets its window. Answers Execute's result.
  int Run(const DialogDriver::Step& step) {
    TEndPageDialog dialog(nullptr, end);
    DialogDriver driver(step);
    const int result = dialog.Execute();
    EXPECT_TRUE(driver.Ran());
    EXPECT_FALSE(driver.TimedOut());
    return result;
  }

  TestProgramModules modules{&TestProgramModule(), &PaneModule()};
  Symbol* page = nullptr;
  PBInstance& end;
};

TEST_F(EndPageDialogTest, ShowsTheLabelAndLimitsTheEditAndCancelChangesNothing) {
  std::string shown;
  LRESULT limit = 0;
  std::string typed;
  const int result = Run([&](HWND dialog) {
    shown = ControlText(dialog, kEndPageLabelControl);
    HWND edit = ::GetDlgItem(dialog, kEndPageLabelControl);
    limit = ::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    for (int i = 0; i < 60; ++i) ::SendMessageA(edit, WM_CHAR, 'x', 0);
    typed = ControlText(dialog, kEndPageLabelControl);
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(shown, "Done");
  EXPECT_EQ(limit, kEndPageLabelLimit - 1);
  EXPECT_EQ(typed, std::string(kEndPageLabelLimit - 1, 'x'));
  EXPECT_EQ(end.Companion, "Done");
  EXPECT_EQ(Exits(), (std::vector<std::string>{"Done", "Other"}));
  EXPECT_TRUE(notifier.pageKinds.empty());
  EXPECT_TRUE(faults.presenter.Boxes().empty());
}

TEST_F(EndPageDialogTest, AnEndBlockWithoutALabelShowsItsName) {
  end.Companion.clear();
  std::string shown;
  Run([&](HWND dialog) {
    shown = ControlText(dialog, kEndPageLabelControl);
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(shown, "Billing$Finish");
}

struct OkCase {
  const char* name;
  const char* text;
  const char* label;                 // the End Block's label afterwards
  std::vector<std::string> exits;    // the page's exits afterwards
  bool renamed;                      // the page's table changed
};

void PrintTo(const OkCase& c, std::ostream* os) { *os << c.name; }

class EndPageDialogOkTest : public EndPageDialogTest,
                            public ::testing::WithParamInterface<OkCase> {};

TEST_P(EndPageDialogOkTest, OkPassesTheTextThroughTheRename) {
  const OkCase& c = GetParam();
  const int result = Run([&](HWND dialog) {
    ::SetDlgItemTextA(dialog, kEndPageLabelControl, c.text);
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(end.Companion, c.label);
  EXPECT_EQ(Exits(), c.exits);
  EXPECT_EQ(notifier.pageKinds.empty(), !c.renamed);
  EXPECT_TRUE(faults.presenter.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EndPageDialogOkTest,
    ::testing::Values(
        OkCase{"NewName", "Success", "Success", {"Other", "Success"}, true},
        OkCase{"EmptyTakesTheNameAfterTheDollar", "", "Finish", {"Finish", "Other"}, true},
        OkCase{"Unchanged", "Done", "Done", {"Done", "Other"}, false}),
    [](const ::testing::TestParamInfo<OkCase>& info) { return std::string(info.param.name); });

TEST_F(EndPageDialogTest, ARefusedNameIsReportedAndKeepsTheDialogOpen) {
  HWND shownOn = nullptr;
  const int result = Run([&](HWND dialog) {
    shownOn = dialog;
    ::SetDlgItemTextA(dialog, kEndPageLabelControl, "Other");
    PostClick(dialog, IDOK);
    // Still open after the refusal: this click is what ends it.
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  ASSERT_EQ(faults.presenter.Boxes().size(), 1u);
  EXPECT_EQ(faults.presenter.Boxes()[0].text, PBMessageText(kErrGotoExists));
  EXPECT_EQ(faults.presenter.Boxes()[0].window, shownOn);
  EXPECT_EQ(end.Companion, "Done");
  EXPECT_EQ(Exits(), (std::vector<std::string>{"Done", "Other"}));
}

TEST_F(EndPageDialogTest, WithoutAnActivePageTheRenameIsRefused) {
  t.SetCurrentPageName("Elsewhere");
  const int result = Run([&](HWND dialog) {
    ::SetDlgItemTextA(dialog, kEndPageLabelControl, "Success");
    PostClick(dialog, IDOK);
    PostClick(dialog, IDCANCEL);
  });
  // No such page: nothing to rename, so the dialog refuses and the label stays.
  EXPECT_EQ(result, IDCANCEL);
  ASSERT_EQ(faults.presenter.Boxes().size(), 1u);
  EXPECT_EQ(faults.presenter.Boxes()[0].text, PBMessageText(kErrInternal2));
  EXPECT_EQ(end.Companion, "Done");
  EXPECT_EQ(Exits(), (std::vector<std::string>{"Done", "Other"}));
}

TEST_F(EndPageDialogTest, FormFactoryMakesTheDialogForTheOwner) {
  TWindow owner(nullptr, "owner");
  std::unique_ptr<TDialog> dialog(
      static_cast<TDialog*>(NewEndPageDialog(&owner, &end, GetPBType(181))));
  ASSERT_NE(dynamic_cast<TEndPageDialog*>(dialog.get()), nullptr);
  EXPECT_EQ(dialog->Parent, &owner);
  EXPECT_STREQ(dialog->GetTemplateId().GetName(), kEndPageDialogResource);
  EXPECT_EQ(dialog->GetModule(), &PaneModule());
  EXPECT_EQ(NewEndPageDialog(&owner, nullptr, nullptr), nullptr);
  dialog.reset();
}

}  // namespace
}  // namespace zeph
