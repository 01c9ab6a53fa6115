// Goto exports, the exits a VavurOrezo draws, and the walk over a program's VavurOrezos.
#include "model/interface/vlx.h"

#include <gtest/gtest.h>

#include "vlx_testutil.h"

#include <cstring>
#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/interface/exits.h"
#include "model/interface/library.h"
#include "model/program/program.h"
#include "model/symtable.h"

namespace zeph {
namespace {

// A field table of goto fields only, each with a label and its icon bits.
class GotoTable {
 public:
  void Add(const char* label, std::uint8_t bits) {
    labels_.push_back(label);
    PBFieldDef field;
    std::snprintf(field.Name, sizeof field.Name, "Goto%zu", entries_.size());
    field.UIElement = scribe::kUIEdit;
    field.FieldOffset = static_cast<std::int16_t>(18 * entries_.size());
    field.GotoStrs = labels_.back().c_str();
    field.GotoNotOnIcon = bits;
    entries_.push_back(field);
  }
  const PBFieldDef* Entries() {
    table_ = entries_;
    table_.push_back(PBFieldDef());
    return table_.data();
  }

 private:
  std::deque<std::string> labels_;
  std::vector<PBFieldDef> entries_;
  std::vector<PBFieldDef> table_;
};

constexpr std::uint8_t kGrouped = scribe::kGotoGrouped;
constexpr std::uint8_t kFailed = scribe::kGotoGrouped | scribe::kGotoFailedGroup;

class VlxGotos : public test::VlxProgramTest {
 protected:
  PBInstance* Make(const char* name, int type = 134) {
    int refused = 0;
    return static_cast<PBInstance*>(vlxCreateVavurOrezo(type, name, refused, ""));
  }
};

TEST_F(VlxGotos, ExitsCarryGroupHeadingsIdsAndFlags) {
  GotoTable table;
  table.Add("Done", kGrouped | scribe::kGotoHidden);   // the Completed group's only member, not drawn
  table.Add("Busy", kFailed);
  table.Add("Other", scribe::kGotoMarked);
  table.Add("Plain", scribe::kGotoPlain | scribe::kGotoFailedGroup);
  table.Add("Fixed", scribe::kGotoPlain);
  VavurOrezoInfo info;
  ASSERT_TRUE(FillVavurOrezoExits(info, table.Entries(), -100));
  struct Expected {
    const char* label;
    int flags, id, group;
  };
  const Expected expected[] = {
      {"Completed*", 3, 1, 1},   // heading without a drawn member: not drawn either
      {"Done", 2, 5, 1},
      {"Failed*", 1, 2, 2},
      {"Busy", 0, 6, 2},
      {"Other", 4, 7, 0},
      {"Plain", 16, 8, 0},
      {"Fixed", 8, 9, 0},
  };
  ASSERT_EQ(info.ExitCount, std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    EXPECT_STREQ(info.Exits[i].Label, expected[i].label);
    EXPECT_EQ(info.Exits[i].Flags, expected[i].flags);
    EXPECT_EQ(info.Exits[i].Id, expected[i].id);
    EXPECT_EQ(info.Exits[i].Group, expected[i].group);
  }
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(VlxGotos, HeadingsCountTowardFortyExits) {
  GotoTable table;
  for (int i = 0; i < 37; ++i) table.Add("Exit", 0);
  table.Add("Done", kGrouped);
  VavurOrezoInfo info;
  ASSERT_TRUE(FillVavurOrezoExits(info, table.Entries(), -100));   // 37 + heading + member
  EXPECT_EQ(info.ExitCount, 39);
  table.Add("Busy", kFailed);   // 39 goto fields need 41 exits
  EXPECT_FALSE(FillVavurOrezoExits(info, table.Entries(), -100));
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(presenter.Boxes()[0].text, "Internal Error:  Too many gotos defined.");
  EXPECT_EQ(presenter.Boxes()[0].style & kKvMbIconMask, kKvMbIconHand);

  PBInstance* block = Make("Big");
  ASSERT_NE(block, nullptr);
  block->OwnTable = std::make_unique<PBOwnFieldTable>(table.Entries());
  EXPECT_EQ(vlxGetVavurOrezoInfo(block, &info), nullptr);
}

TEST_F(VlxGotos, GotosAreConnectedReadAndCleared) {
  PBInstance* from = Make("From");
  PBInstance* to = Make("To");
  ASSERT_NE(from, nullptr);
  ASSERT_NE(to, nullptr);
  VavurOrezoInfo info;
  ASSERT_EQ(vlxGetVavurOrezoInfo(from, &info), &info);
  ASSERT_GT(info.ExitCount, 0);
  const int gotos = [&] {
    int n = 0;
    for (int i = 0; i < info.ExitCount; ++i) n += (info.Exits[i].Flags & kExitHeading) ? 0 : 1;
    return n;
  }();
  // The page-scope check comes back as it was, whatever it was.
  auto& symbols = static_cast<TProgram*>(program)->Symbols();
  symbols.SymbolPageCheck = 0;
  EXPECT_EQ(vlxCreateGoto(from, to, 0), 0);
  EXPECT_EQ(symbols.SymbolPageCheck, 0);
  symbols.SymbolPageCheck = 1;
  EXPECT_EQ(vlxGetGotoConnection(from, 0), to);
  EXPECT_EQ(vlxGetGotoConnection(from, gotos), nullptr);
  EXPECT_EQ(vlxCreateGoto(from, to, gotos), -11);
  EXPECT_EQ(static_cast<TProgram*>(program)->Symbols().SymbolPageCheck, 1);

  const char* label = nullptr;
  for (int i = 0; i < info.ExitCount && label == nullptr; ++i) {
    if (!(info.Exits[i].Flags & kExitHeading)) label = info.Exits[i].Label;
  }
  vlxDeleteGoto(from, "no such exit");
  EXPECT_EQ(vlxGetGotoConnection(from, 0), to);
  vlxDeleteGoto(from, label);
  EXPECT_EQ(vlxGetGotoConnection(from, 0), nullptr);

  // The goto drawn again on the same block (a loaded program's lines) keeps one counted
  // use; drawn to another block, the use moves there.
  PBInstance* other = Make("Other");
  ASSERT_NE(other, nullptr);
  symbols.SymbolPageCheck = 0;
  Symbol* toSymbol = LookupSymbol("To", kTypeVavurOrezo, &symbols);
  Symbol* otherSymbol = LookupSymbol("Other", kTypeVavurOrezo, &symbols);
  ASSERT_NE(toSymbol, nullptr);
  ASSERT_NE(otherSymbol, nullptr);
  struct Step {
    PBInstance* target;
    int toUses;
    int otherUses;
  };
  for (const Step& step : {Step{to, 1, 0}, Step{to, 1, 0}, Step{other, 0, 1}, Step{other, 0, 1}, Step{to, 1, 0}}) {
    EXPECT_EQ(vlxCreateGoto(from, step.target, 0), 0);
    EXPECT_EQ(vlxGetGotoConnection(from, 0), step.target);
    EXPECT_EQ(toSymbol->RefCnt, step.toUses);
    EXPECT_EQ(otherSymbol->RefCnt, step.otherUses);
  }
  symbols.SymbolPageCheck = 1;

  vlxActivateProgram(nullptr);
  EXPECT_EQ(vlxCreateGoto(from, to, 0), -3);
  EXPECT_EQ(vlxGetGotoConnection(from, 0), nullptr);
  vlxActivateProgram(program);
}

TEST_F(VlxGotos, TheWalkVisitsEachLiveVavurOrezoOnceAndRestarts) {
  const char* names[] = {"Delta", "Alpha", "Echo", "Bravo", "Charlie", "Golf", "Foxtrot"};
  for (const char* name : names) ASSERT_NE(Make(name), nullptr) << name;
  vlxDeleteVavurOrezo(vlxFindVavurOrezo("Echo", 1, 0), 0);
  auto walk = [&](vlxHandleType p) {
    std::vector<std::string> seen;
    while (const VlxVavurOrezoSummary* s = vlxGetVavurOrezoInfo(p)) {
      seen.push_back(s->Instance->Name);
      EXPECT_EQ(s->SameInstance, s->Instance);
      EXPECT_EQ(s->Type, 134);
      if (seen.size() > 20) break;
    }
    return seen;
  };
  const std::vector<std::string> first = walk(program);
  EXPECT_EQ(first.size(), 6u);
  EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), 6u);
  EXPECT_EQ(std::count(first.begin(), first.end(), "Echo"), 0);
  EXPECT_EQ(walk(program), first);   // after the end, a new walk

  // Another program starts its own walk; coming back starts again too.
  vlxHandleType other = vlxAddProgram(nullptr, 0);
  vlxActivatePage(vlxCreatePage("Main", 1, 0));
  ASSERT_NE(Make("Solo"), nullptr);
  ASSERT_NE(vlxGetVavurOrezoInfo(program), nullptr);
  ASSERT_NE(vlxGetVavurOrezoInfo(other), nullptr);
  EXPECT_EQ(vlxGetVavurOrezoInfo(other), nullptr);
  EXPECT_EQ(walk(program), first);

  // Emptying the program under a walk ends it.
  ASSERT_NE(vlxGetVavurOrezoInfo(other), nullptr);
  static_cast<TProgram*>(other)->Reset();
  EXPECT_EQ(vlxGetVavurOrezoInfo(other), nullptr);
  vlxRemoveProgram(other);
  EXPECT_EQ(vlxGetVavurOrezoInfo(other), nullptr);
  vlxActivateProgram(program);
}

}  // namespace
}  // namespace zeph
