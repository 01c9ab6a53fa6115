// Paste conflicts: name and ID proposals, the free and valid tests, and the run over all
// entries with its End block, Cancel, Change All, Skip All, Replace All and grown count.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <set>

#include "conflict_fixture.h"
#include "editor/clipboard/kvcopyconflict.h"

namespace ed::test {
namespace {

// Scripted dialogs: each call records (form, index, count) and runs the next script step.
class ScriptedDialogs : public ConflictDialogs {
 public:
  struct Call {
    char form;
    int index;
    int count;
  };
  std::vector<Call> calls;
  std::function<int(KvCopyConflict&, int, bool&)> onName = [](KvCopyConflict&, int, bool&) { return 1; };
  std::function<int(KvCopyConflict&, int, bool&, bool&, bool&)> onIdentical =
      [](KvCopyConflict&, int, bool&, bool&, bool&) { return 1; };

  int AskName(KvCopyConflict& c, int index, bool& allNames) override {
    calls.push_back({'N', index, c.GetCount()});
    return onName(c, index, allNames);
  }
  int AskIdentical(KvCopyConflict& c, int index, bool& allIdentical, bool& replaceAll, bool& lastSkipAll) override {
    calls.push_back({'I', index, c.GetCount()});
    return onIdentical(c, index, allIdentical, replaceAll, lastSkipAll);
  }
};


TEST(ConflictNamesTest, ProposalsCountOnAndFitThirtyCharacters) {
  FakeTarget target;
  target.symbols = {"Menu", "Menu9", "Prompt1", "Prompt2"};
  target.clipboardNames = {"Prompt3"};
  const std::string thirty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";
  const std::string xs(28, 'X');
  struct Case {
    std::string name, proposal;
  } cases[] = {
      {"Menu", "Menu1"},
      {"Menu9", "Menu10"},
      {"Prompt1", "Prompt4"},  // 2 is a symbol, 3 an item of the clipboard
      {thirty, "ABCDEFGHIJKLMNOPQRSTUVWXYZabc1"},
      {xs + "99", std::string(27, 'X') + "100"},
      {"A1234567890", "A1234567891"},  // at most nine digits count: base "A1", number 234567891
  };
  std::vector<zeph::TClipInfo> none;
  KvCopyConflict conflicts(none, target);
  for (const auto& c : cases) {
    zeph::TClipInfo entry = Block(c.name.c_str());
    ASSERT_TRUE(conflicts.SuggestNewName(entry)) << c.name;
    EXPECT_EQ(std::string(entry.NewName), c.proposal) << c.name;
  }
}

TEST(ConflictNamesTest, GivesUpWhenTooMuchWouldBeCut) {
  FakeTarget target;
  std::vector<zeph::TClipInfo> none;
  KvCopyConflict conflicts(none, target);
  zeph::TClipInfo entry = Block(std::string(60, 'N').c_str());
  EXPECT_FALSE(conflicts.SuggestNewName(entry));
  EXPECT_FALSE(entry.HasNewName());
}

TEST(ConflictNamesTest, OtherEntriesNewNamesAndIdsAreTaken) {
  FakeTarget target;
  target.symbols = {"Hello"};
  target.appIds = {{kMediaVoice, 1}, {kMediaVoice, 2}};
  target.clipboardIds = {{kMediaVoice, 4}};
  std::vector<zeph::TClipInfo> entries = {Voice("Hello", 1), Voice("Hello", 2)};
  entries[0].SetNewName("Hello1");
  entries[0].Second = 3;
  KvCopyConflict conflicts(entries, target);
  conflicts.SuggestNewName(entries[1]);
  conflicts.SuggestNewId(entries[1]);
  EXPECT_STREQ(entries[1].NewName, "Hello2");
  EXPECT_EQ(entries[1].Second, 5);  // 1, 2 in the application, 3 chosen above, 4 in the clipboard
  // Without the clipboard 4 is free; the application's fax items are another media.
  EXPECT_TRUE(conflicts.IsItemIdFree(kMediaVoice, 4, false));
  EXPECT_TRUE(conflicts.IsItemIdFree(kMediaFax, 1, true));
}

TEST(ConflictNamesTest, TypedIdsAreValidFromOneToThreeThousandWhenFree) {
  FakeTarget target;
  target.appIds = {{kMediaFax, 7}};
  std::vector<zeph::TClipInfo> none;
  KvCopyConflict conflicts(none, target);
  struct Case {
    std::int32_t id;
    bool valid;
  } cases[] = {{0, false}, {1, true}, {3000, true}, {3001, false}, {-5, false}, {7, false}};
  for (const auto& c : cases) EXPECT_EQ(conflicts.IsItemIdValid(kMediaFax, c.id), c.valid) << c.id;
}

TEST(ConflictNamesTest, NoFreeIdLeavesTheNewIdAsItWas) {
  FakeTarget target;
  for (std::int32_t id = 1; id <= 3000; ++id) target.appIds.insert({kMediaVoice, id});
  std::vector<zeph::TClipInfo> none;
  KvCopyConflict conflicts(none, target);
  zeph::TClipInfo entry = Voice("Full", 9);
  conflicts.SuggestNewId(entry);
  EXPECT_EQ(entry.Second, -1);
}

TEST(ConflictNamesTest, BlockNamesMustAlsoBeOutOfUse) {
  FakeTarget target;
  target.inUse = {"Busy"};
  std::vector<zeph::TClipInfo> none;
  KvCopyConflict conflicts(none, target);
  EXPECT_TRUE(conflicts.IsNameFree("Busy", true));
  EXPECT_FALSE(conflicts.IsBlockNameFree("Busy"));
  EXPECT_TRUE(conflicts.IsBlockNameFree("Idle"));
}

TEST(CopyConflictTest, ItemsFromTheActiveApplicationNeedNoResolvingAndFlagsStartClear) {
  FakeTarget target;
  target.fromActive = true;
  std::vector<zeph::TClipInfo> entries = {Block("Menu"), Voice("Hello", 3),
                                          zeph::TClipInfo("Fax1", zeph::kClipFaxDocument)};
  entries[0].DontCopy = 1;
  entries[0].Marked = 1;
  KvCopyConflict conflicts(entries, target);
  ASSERT_EQ(conflicts.GetCount(), 1);
  EXPECT_EQ(conflicts.GetAt(0), &entries[0]);
  EXPECT_EQ(entries[0].DontCopy, 0);
  EXPECT_EQ(entries[0].Marked, 0);
  EXPECT_EQ(conflicts.GetAt(1), nullptr);
  EXPECT_EQ(conflicts.GetAt(-1), nullptr);
}

TEST(CopyConflictTest, EndBlockIsKeptSilentlyAndCancelStopsTheRun) {
  FakeTarget target;
  target.symbols = {"End", "Menu", "Prompt"};
  std::vector<zeph::TClipInfo> entries = {Block("End"), Block("Menu"), Block("Prompt")};
  KvCopyConflict conflicts(entries, target);
  ScriptedDialogs dialogs;
  dialogs.onName = [](KvCopyConflict&, int, bool&) { return 2; };
  EXPECT_EQ(conflicts.ResolveAll(dialogs), 2);
  EXPECT_EQ(entries[0].UseExisting, 1);
  ASSERT_EQ(dialogs.calls.size(), 1u);  // Menu asked, Prompt never reached
  EXPECT_EQ(dialogs.calls[0].index, 1);
  EXPECT_STREQ(entries[1].NewName, "Menu1");
}

TEST(CopyConflictTest, ChangeAllGivesTheRemainingEntriesTheirProposals) {
  FakeTarget target;
  target.symbols = {"Menu", "Prompt"};
  std::vector<zeph::TClipInfo> entries = {Block("Menu"), Block("Prompt")};
  KvCopyConflict conflicts(entries, target);
  ScriptedDialogs dialogs;
  dialogs.onName = [](KvCopyConflict&, int, bool& all) {
    all = true;
    return 1;
  };
  EXPECT_EQ(conflicts.ResolveAll(dialogs), 1);
  EXPECT_EQ(dialogs.calls.size(), 1u);
  EXPECT_STREQ(entries[0].NewName, "Menu1");
  EXPECT_STREQ(entries[1].NewName, "Prompt1");
}

TEST(CopyConflictTest, SkipAllAndReplaceAllSettleLaterIdenticalItems) {
  for (const bool replace : {false, true}) {
    FakeTarget target;
    target.items = {{"Hi", {kMediaVoice, 1}}, {"Bye", {kMediaVoice, 2}}, {"Ok", {kMediaVoice, 3}}};
    std::vector<zeph::TClipInfo> entries = {Voice("Hi", 1), Voice("Bye", 2), Voice("Ok", 3)};
    KvCopyConflict conflicts(entries, target);
    ScriptedDialogs dialogs;
    dialogs.onIdentical = [&](KvCopyConflict& c, int index, bool& all, bool& replaceAll, bool& skipAll) {
      // The radio chosen writes the entry's flags, then button 105 closes the dialog.
      c.GetAt(index)->DontCopy = replace ? 0 : 1;
      c.GetAt(index)->Marked = replace ? 1 : 0;
      replaceAll = replace;
      skipAll = !replace;
      all = true;
      return 1;
    };
    EXPECT_EQ(conflicts.ResolveAll(dialogs), 1);
    ASSERT_EQ(dialogs.calls.size(), 1u) << replace;
    EXPECT_EQ(dialogs.calls[0].form, 'I');
    for (const auto& e : entries) {
      EXPECT_EQ(e.Marked, replace ? 1 : 0) << e.Name;
      EXPECT_EQ(e.DontCopy, replace ? 0 : 1) << e.Name;
    }
  }
}

TEST(CopyConflictTest, AnEntryAddedWhileResolvingIsAskedWithTheGrownCount) {
  FakeTarget target;
  target.symbols = {"Hello"};
  std::vector<zeph::TClipInfo> entries = {Voice("Hello", 5)};
  zeph::TClipInfo clash = Voice("Hello2", 6);
  KvCopyConflict conflicts(entries, target);
  ScriptedDialogs dialogs;
  dialogs.onName = [&](KvCopyConflict& c, int index, bool&) {
    if (index == 0) {
      c.GetAt(0)->SetNewName("Hello2");  // the user's name clashes with another item
      c.Add(&clash);
    }
    return 1;
  };
  EXPECT_EQ(conflicts.ResolveAll(dialogs), 1);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].index, 1);
  EXPECT_EQ(dialogs.calls[1].count, 2);
  EXPECT_STREQ(clash.NewName, "Hello3");
}

}  // namespace
}  // namespace ed::test
