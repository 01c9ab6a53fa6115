// The paste-conflict dialog's texts, its identical-item choices and the checks of a typed
// name and ID.
#include <gtest/gtest.h>

#include <cstdlib>

#include "conflict_fixture.h"
#include "editor/clipboard/conflictform.h"

namespace ed::test {
namespace {

TEST(ConflictFormTest, TextsByMediaAndForm) {
  FakeTarget target;
  std::vector<zeph::TClipInfo> entries = {Block("Menu1"), Voice("Hello", 12), Fax("Order", 7)};
  entries[0].SetNewName("Menu2");
  entries[2].Second = 9;
  KvCopyConflict conflicts(entries, target);

  const ConflictFormTexts block = ConflictTexts(conflicts, 0, false);
  EXPECT_TRUE(block.block);
  EXPECT_EQ(block.title, "Block Name conflict (1 of 3)");
  EXPECT_EQ(block.already, "The application already contains a block called 'Menu1'");
  EXPECT_EQ(block.question, "Would you like to change the name of the block being pasted?");
  EXPECT_EQ(block.helpName, "Block Conflict");
  EXPECT_EQ(block.defaultName, "Menu2");

  const ConflictFormTexts voice = ConflictTexts(conflicts, 1, false);
  EXPECT_FALSE(voice.block);
  EXPECT_EQ(voice.title, "Voice item conflict (2 of 3)");
  EXPECT_EQ(voice.already, "The application already contains a voice item called 'Hello' or with ID '12'");
  EXPECT_EQ(voice.question, "Would you like to change the name and/or ID of the item being pasted?");
  EXPECT_EQ(voice.helpName, "Item Conflict");
  EXPECT_EQ(voice.defaultName, "Hello");   // no proposal: the entry's own name
  EXPECT_EQ(voice.defaultId, "12");        // no new ID chosen: the entry's own

  const ConflictFormTexts fax = ConflictTexts(conflicts, 2, true);
  EXPECT_EQ(fax.title, "Fax item conflict (3 of 3)");
  EXPECT_EQ(fax.already, "The application already contains a fax item called 'Order' or with ID '7'");
  EXPECT_EQ(fax.helpName, "Idential Item Conflict");
  EXPECT_EQ(fax.defaultId, "9");
}

TEST(ConflictFormTest, IdenticalChoicesSetTheFlagsAndTheButton) {
  struct Case {
    int radio;
    const char* caption;
    int skip, replace;
    bool replaceAll;
  } cases[] = {
      {kConflictSkip, "Skip All", 1, 0, false},
      {kConflictReplace, "Replace All", 0, 1, true},
      {kConflictChange, "Change All", 0, 0, false},
  };
  for (const auto& c : cases) {
    zeph::TClipInfo entry = Voice("Hello", 1);
    entry.DontCopy = 1 - c.skip;
    entry.Marked = static_cast<std::uint8_t>(1 - c.replace);
    bool replaceAll = !c.replaceAll;
    EXPECT_STREQ(ApplyIdenticalChoice(entry, c.radio, replaceAll), c.caption);
    EXPECT_EQ(entry.DontCopy, c.skip) << c.radio;
    EXPECT_EQ(entry.Marked, c.replace) << c.radio;
    EXPECT_EQ(replaceAll, c.replaceAll) << c.radio;
  }
}

TEST(ConflictFormTest, TypedNamesAndIdsAreCheckedBeforeTheyAreTaken) {
  FakeTarget target;
  target.symbols = {"Taken"};
  target.inUse = {"Busy"};
  target.reserved = {"Menu"};
  target.appIds = {{kMediaVoice, 5}};
  struct Case {
    const char* what;
    bool voice;
    const char* name;
    const char* id;
    int message;
    int control;
  } cases[] = {
      {"a free block name", false, "Fresh", "", 0, 0},
      {"a block name the application has", false, "Taken", "", 8124, kConflictNewName},
      {"a block name in use", false, "Busy", "", 8124, kConflictNewName},
      {"a reserved block name", false, "Menu", "", 8124, kConflictNewName},
      {"an empty name", false, "", "", 8124, kConflictNewName},
      {"a voice name the application has", true, "Taken", "3", 8047, kConflictNewName},
      {"ID 0", true, "Fresh", "0", 8046, kConflictNewId},
      {"ID 3001", true, "Fresh", "3001", 8046, kConflictNewId},
      {"an ID the application has", true, "Fresh", "5", 8046, kConflictNewId},
      {"an ID that is no number", true, "Fresh", "1x", 8046, kConflictNewId},
      {"ID 3000", true, "Fresh", "3000", 0, 0},
  };
  for (const auto& c : cases) {
    std::vector<zeph::TClipInfo> entries = {c.voice ? Voice("Hello", 1) : Block("Block")};
    KvCopyConflict conflicts(entries, target);
    const ConflictRefusal refusal = AcceptTypedChoice(conflicts, 0, c.name, c.id, nullptr);
    EXPECT_EQ(refusal.messageId, c.message) << c.what;
    EXPECT_EQ(refusal.control, c.control) << c.what;
    if (c.message == 0) {
      EXPECT_STREQ(entries[0].NewName, c.name) << c.what;
      if (c.voice) EXPECT_EQ(entries[0].Second, std::atoi(c.id)) << c.what;
    } else {
      EXPECT_FALSE(entries[0].HasNewName()) << c.what;
      EXPECT_EQ(entries[0].Second, -1) << c.what;
    }
  }

  // The fax messages.
  std::vector<zeph::TClipInfo> faxes = {Fax("Order", 1)};
  KvCopyConflict faxConflicts(faxes, target);
  EXPECT_EQ(AcceptTypedChoice(faxConflicts, 0, "Taken", "2", nullptr).messageId, 8049);
  EXPECT_EQ(AcceptTypedChoice(faxConflicts, 0, "Fresh", "0", nullptr).messageId, 8048);

  // Typing the proposal itself is accepted; a refusal leaves the proposal as it was.
  std::vector<zeph::TClipInfo> proposed = {Voice("Hello", 1)};
  KvCopyConflict withProposal(proposed, target);
  proposed[0].SetNewName("Hello1");
  proposed[0].Second = 3;
  EXPECT_EQ(AcceptTypedChoice(withProposal, 0, "Hello1", "0", nullptr).messageId, 8046);
  EXPECT_STREQ(proposed[0].NewName, "Hello1");
  EXPECT_EQ(proposed[0].Second, 3);
  EXPECT_EQ(AcceptTypedChoice(withProposal, 0, "Hello1", "3", nullptr).messageId, 0);
}

TEST(ConflictFormTest, AnItemThatNowClashesJoinsTheConflicts) {
  FakeTarget target;
  std::vector<zeph::TClipInfo> clipboard = {Voice("Hello", 1), Voice("Chosen", 8), Voice("Other", 4),
                                            Fax("Chosen", 9), Voice("Plain", 2)};
  // Only the first entry of the clipboard's list is a conflict to begin with.
  std::vector<zeph::TClipInfo> conflictsList = {clipboard[0]};
  KvCopyConflict one(conflictsList, target);
  ASSERT_EQ(AcceptTypedChoice(one, 0, "Chosen", "4", &clipboard).messageId, 0);
  // The voice items named "Chosen" or with ID 4 join; the fax item and the rest do not.
  ASSERT_EQ(one.GetCount(), 3);
  EXPECT_STREQ(one.GetAt(1)->Name, "Chosen");
  EXPECT_STREQ(one.GetAt(2)->Name, "Other");
  // Accepting again adds nobody twice.
  ASSERT_EQ(AcceptTypedChoice(one, 0, "Chosen", "4", &clipboard).messageId, 0);
  EXPECT_EQ(one.GetCount(), 3);
}

}  // namespace
}  // namespace ed::test
