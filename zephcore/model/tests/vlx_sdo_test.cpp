// Parameter fields reached by name or goto number, and what misuse reports.
#include "model/interface/vlx.h"

#include <gtest/gtest.h>

#include "vlx_testutil.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/datatypes.h"
#include "model/interface/library.h"
#include "model/pbcat.h"
#include "model/program/program.h"

namespace zeph {
namespace {

// "Run Program": two edits, a variable, the Completed and Failed gotos and a check box.
constexpr int kRunProgram = 122;

class VlxSdo : public test::VlxProgramTest {
 protected:
  VlxSdo() {
    int refused = 0;
    run = static_cast<PBInstance*>(vlxCreateVavurOrezo(kRunProgram, "Run", refused, ""));
    target = static_cast<PBInstance*>(vlxCreateVavurOrezo(kRunProgram, "Next", refused, ""));
    presenter.Clear();
  }
  const PBFieldDef& Field(const char* name) {
    const PBFieldDef* table = GetPBType(kRunProgram)->FieldTable;
    int i = 0;
    while (std::strcmp(table[i].Name, name) != 0) ++i;
    return table[i];
  }
  // The texts of the boxes shown since the last call.
  std::vector<std::string> Reports() {
    std::vector<std::string> texts;
    for (const auto& box : presenter.Boxes()) texts.push_back(box.text);
    presenter.Clear();
    return texts;
  }
  static bool Names(const std::vector<std::string>& reports, const char* condition) {
    return reports.size() == 1 && reports[0].find(condition) != std::string::npos;
  }
  PBInstance* run = nullptr;
  PBInstance* target = nullptr;
};

TEST_F(VlxSdo, FieldsAreFoundByNameWithTheirPlaces) {
  ASSERT_NE(run, nullptr);
  const PBFieldDef& file = Field("Program File");
  const PBFieldDef& wait = Field("Wait for Completion");
  EXPECT_EQ(vlxSDOGetSymbolOffset(kRunProgram, "Program File"), file.FieldOffset);
  EXPECT_EQ(vlxSDOGetSymbolType(kRunProgram, "Program File"), kTypeString);
  // A check box's value is its word in the parameter area.
  EXPECT_EQ(vlxSDOGetSymbolPtr(kRunProgram, "Wait for Completion", run, wait.FieldOffset),
            run->Area.Bytes() + wait.FieldOffset);
  // An edit's value is the text its slot owns; allocating gives the slot a new one.
  void* text = vlxSDOAllocateMem(kRunProgram, "Program File", run, file.FieldOffset);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(vlxSDOGetSymbolPtr(kRunProgram, "Program File", run, file.FieldOffset), text);
  EXPECT_EQ(run->Area.FindSlot(file.FieldOffset)->ConstPtr.size(), static_cast<std::size_t>(file.StrSize));
  EXPECT_EQ(vlxSDOGetAllocatedSize(kRunProgram, "Program File"), file.StrSize);
  EXPECT_EQ(vlxSDOGetAllocatedSize(kRunProgram, "Wait for Completion"), 2);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(VlxSdo, MisuseIsReportedAndGivesTheNeutralValue) {
  EXPECT_EQ(vlxSDOGetSymbolOffset(kRunProgram, "No Such Field"), 0);
  EXPECT_TRUE(Names(Reports(), "(lstrcmpA(pPBV->Name,\"\"))"));
  EXPECT_EQ(vlxSDOGetAllocatedSize(kRunProgram, "No Such Field"), 0);
  EXPECT_TRUE(Names(Reports(), "(lstrcmpA(pPBV->Name,\"\"))"));
  EXPECT_EQ(vlxSDOGetSymbolType(415 + 1, "Program File"), 255);
  EXPECT_TRUE(Names(Reports(), "(pPBType->VerifyTable!=0)"));
  EXPECT_EQ(vlxSDOGetOutputDataConnection(kRunProgram, 5, run), nullptr);
  EXPECT_TRUE(Names(Reports(), "(0)"));
  vlxSDOSetOutputDataRequired(kRunProgram, 0, run, 1);   // no own table yet
  EXPECT_TRUE(Names(Reports(), "(MySS->Tab!=0)"));
  EXPECT_EQ(vlxSDOIsOutputOptionalApplicable(kRunProgram, run, "No Such Exit"), 0xFFFF);
  EXPECT_TRUE(Names(Reports(), "(0)"));
}

TEST_F(VlxSdo, ExitsAreNamedConnectedAndMadeOptional) {
  EXPECT_STREQ(vlxSDOGetOutputDataName(kRunProgram, 0, nullptr), "Completed");
  EXPECT_STREQ(vlxSDOGetOutputDataName(kRunProgram, 1, nullptr), "Failed");
  EXPECT_EQ(vlxSDOGetOutputDataName(kRunProgram, 2, nullptr), nullptr);
  EXPECT_STREQ(vlxSDOGetOutputDataConnection(kRunProgram, 0, run), "<not connected>");
  ASSERT_EQ(vlxCreateGoto(run, target, 0), 0);
  EXPECT_STREQ(vlxSDOGetOutputDataConnection(kRunProgram, 0, run), "Next");

  // Required flags live in the VavurOrezo's own copy of the table.
  unsigned char* blank = vlxSDOGetOutputDataRequired(kRunProgram, 1, run);
  ASSERT_NE(blank, nullptr);
  ASSERT_NE(run->OwnTable, nullptr);
  EXPECT_EQ(vlxSDOGetOutputDataRequired(kRunProgram, 2, run), nullptr);
  vlxSDOSetOutputDataRequired(kRunProgram, 1, run, 1);
  EXPECT_EQ(*blank, 1);
  EXPECT_EQ(GetPBType(kRunProgram)->FieldTable[FindGotoField(GetPBType(kRunProgram)->FieldTable, 1)].CanFieldBeBlank,
            Field("Failed").CanFieldBeBlank);   // the type's table is untouched
  EXPECT_EQ(vlxSDOIsOutputOptionalApplicable(kRunProgram, run, "Completed"), 0x1000 | 0x10);
  EXPECT_EQ(vlxSDOIsOutputOptionalApplicable(kRunProgram, run, "Failed"), 0x1000 | 0x1);

  // An exit with a companion check box is optional only while the box is ticked.
  PBFieldDef* own = run->OwnTable->Entries();
  const int failed = FindGotoField(own, 1);
  ASSERT_EQ(own[failed + 1].UIElement, scribe::kUICheckBox);
  int companion = 0;
  own[failed].ControlPtr = &companion;
  run->Area.SetWord(own[failed + 1].FieldOffset, 0);
  EXPECT_EQ(vlxSDOIsOutputOptionalApplicable(kRunProgram, run, "Failed"), 0x1);
  run->Area.SetWord(own[failed + 1].FieldOffset, 1);
  EXPECT_EQ(vlxSDOIsOutputOptionalApplicable(kRunProgram, run, "Failed"), 0x1000 | 0x1);
  own[failed].ControlPtr = nullptr;
  EXPECT_TRUE(Reports().empty());
}

TEST_F(VlxSdo, CompletenessAndFinishedFlags) {
  EXPECT_EQ(vlxSDOIsPBUnfinished(run, 0), 1);   // not complete: unfinished
  EXPECT_EQ(run->Complete, 0);
  vlxSDOSetIconFinished(run, 1);
  EXPECT_EQ(vlxIsVavurOrezoFinished(run), 1);
  vlxSDOSetIconFinished(run, 0);
  EXPECT_EQ(vlxIsVavurOrezoFinished(run), 0);
}

}  // namespace
}  // namespace zeph
