// Whether a VavurOrezo uses a variable, and the quiet check of its entries.
#include "model/interface/vlx.h"

#include <gtest/gtest.h>

#include "vlx_testutil.h"

#include <string>

#include "foundation/kvscrpres.h"
#include "model/datatypes.h"
#include "model/interface/library.h"
#include "model/pbaccess.h"
#include "model/program/program.h"

namespace zeph {
namespace {

constexpr int kRunProgram = 122;   // edits "Program File", "Arguments", "Exit Code"

class VlxUsage : public test::VlxProgramTest {
 protected:
  VlxUsage() {
    EXPECT_EQ(vlxAddVariable("Code", kTypeInteger, 4, 0, 1, 0), 0);
    int refused = 0;
    run = static_cast<PBInstance*>(vlxCreateVavurOrezo(kRunProgram, "Run", refused, ""));
    runSymbol = vlxFindSymbol("Run");
    presenter.Clear();
  }
  void Set(const char* field, const char* text) {
    PBFieldAccessor access(run, 0, nullptr, 0);
    ASSERT_EQ(access.SetEntryText(field, text), 1) << field << " " << text;
  }
  PBInstance* run = nullptr;
  vlxHandleType runSymbol = nullptr;
};

TEST_F(VlxUsage, AVariableIsUsedByNameOrAfterAQuestionMark) {
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(vlxIsPBUseVariable(runSymbol, "Code"), 0);
  Set("Exit Code", "Code");
  EXPECT_EQ(vlxIsPBUseVariable(runSymbol, "Code"), 1);
  EXPECT_EQ(vlxIsPBUseVariable(runSymbol, "Cod"), 0);
  Set("Arguments", "'-v ?Total");
  EXPECT_EQ(vlxIsPBUseVariable(runSymbol, "Total"), 1);
  EXPECT_EQ(vlxIsPBUseVSentence(runSymbol, "Code"), 0);   // not a sentence field
}

TEST_F(VlxUsage, EntriesAreCheckedWithoutAWord) {
  Set("Exit Code", "Code");
  static_cast<Symbol*>(vlxFindSymbol("Code"))->Deleted = 1;   // the variable it names is gone
  ASSERT_EQ(vlxVerifyVavurOrezoEntry(run, "Exit Code", "Code", nullptr), 0);
  run->Filled = 1;
  vlxVerifyPBEntries(run);
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(VlxUsage, ReservedNames) {
  EXPECT_EQ(vlxItsAReservedPB("VMenu"), 1);
  EXPECT_EQ(vlxItsAReservedPB("Wait"), 0);
}

}  // namespace
}  // namespace zeph
