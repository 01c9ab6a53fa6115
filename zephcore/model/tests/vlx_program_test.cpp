// The library and program exports: constants, start-up, program handles, the current
// program, and where errors go.
#include "model/interface/vlx.h"

#include <gtest/gtest.h>

#include "program_testutil.h"

#include <sstream>

#include "foundation/kvscrpres.h"
#include "model/custompb.h"
#include "model/interface/library.h"
#include "model/program/program.h"
#include "model/symtable.h"

namespace zeph {
namespace {


class VlxProgram : public ::testing::Test {
 protected:
  VlxProgram() { SetDialogModuleLoader(&test::FakeDialogModule); }
  ~VlxProgram() override { SetDialogModuleLoader(nullptr); }
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
};

TEST_F(VlxProgram, ConstantAnswers) {
  EXPECT_EQ(vlxGetVersion(), 512);
  EXPECT_STREQ(vlxGetProductName(), "Flowsmith");
  EXPECT_EQ(vlxGetProductName(), vlxGetProductName());   // one buffer
  EXPECT_STREQ(vlxGetVoiceType(), "Quelbran");
  EXPECT_EQ(vlxMaxVavurOrezoType(), 416);
  EXPECT_EQ(vlxCustomVavurOrezoType(), -100);
}

TEST_F(VlxProgram, TheClipboardProgramIsOneAndStays) {
  vlxHandleType clip = vlxAddProgram(nullptr, 1);
  ASSERT_NE(clip, nullptr);
  EXPECT_EQ(vlxAddProgram(nullptr, 1), clip);
  EXPECT_EQ(static_cast<TProgram*>(clip)->Symbols().SymbolPageCheck, 0);
  EXPECT_EQ(vlxRemoveProgram(clip), 0);
  EXPECT_TRUE(TProgram::IsLive(static_cast<TProgram*>(clip)));   // never destroyed
}

TEST_F(VlxProgram, ProgramsAreMadeCurrentActivatedAndRemoved) {
  vlxHandleType a = vlxAddProgram(nullptr, 0);
  vlxHandleType b = vlxAddProgram(nullptr, 0);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(static_cast<TProgram*>(b)->SerialNumber(), static_cast<TProgram*>(a)->SerialNumber() + 1);
  EXPECT_EQ(TProgram::Current(), b);
  EXPECT_EQ(vlxActivateProgram(a), 0);
  EXPECT_EQ(TProgram::Current(), a);
  EXPECT_EQ(vlxActivateProgram(nullptr), 0);
  EXPECT_EQ(TProgram::Current(), nullptr);
  EXPECT_EQ(ActiveCustomPBList(), nullptr);
  EXPECT_EQ(vlxActivateProgram(a), 0);
  EXPECT_EQ(vlxRemoveProgram(a), 0);   // the current one: none is current after
  EXPECT_EQ(TProgram::Current(), nullptr);
  EXPECT_EQ(CurrentSymbolTable(), nullptr);
  // A handle that is no program is refused, not used.
  EXPECT_EQ(vlxRemoveProgram(a), -3);
  EXPECT_EQ(vlxActivateProgram(a), -3);
  int notAProgram = 0;
  EXPECT_EQ(vlxRemoveProgram(&notAProgram), -3);
  EXPECT_EQ(vlxRemoveProgram(b), 0);
}

TEST_F(VlxProgram, ErrorsGoToTheLogWithTheFlagsOrToABox) {
  _appErrorExists = 0;
  _clbFailure = 0;
  std::ostringstream log;
  ReportModelError(-158, &log);
  EXPECT_EQ(log.str(), "ERROR: The (.ED) file is corrupt or invalid\n");
  EXPECT_EQ(_appErrorExists, 1);
  EXPECT_EQ(_clbFailure, 1);
  EXPECT_TRUE(presenter.Boxes().empty());

  _appErrorExists = 0;
  _clbFailure = 0;
  ReportModelError(-102, nullptr);
  ReportModelError(-99, nullptr);   // no text in the table: named by its number
  ASSERT_EQ(presenter.Boxes().size(), 2u);
  EXPECT_EQ(presenter.Boxes()[0].text, "Out of memory");
  EXPECT_EQ(presenter.Boxes()[0].caption, "");
  EXPECT_EQ(presenter.Boxes()[0].style, kKvMbOk | kKvMbIconHand);
  EXPECT_EQ(presenter.Boxes()[1].text, "Model error -99");
  EXPECT_EQ(_appErrorExists, 0);
  EXPECT_EQ(_clbFailure, 0);
}

}  // namespace
}  // namespace zeph
