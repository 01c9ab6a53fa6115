// The name-conflict decisions and the lines of the clipboard's two dialogs.

#include <algorithm>

#include "clipboard_fixture.h"
#include "programfile/clipboard/clipconflicts.h"

namespace zeph::test {
namespace {

class ClipConflicts : public ClipPaste {
 protected:
  // The blocks copied; the target has its own "Off" (another symbol), its own block "Ask"
  // and is on page "Sub" with qualified names.
  void SetUp() override {
    source = CopiedSource();
    target = NewProgram();
    BuildShared(*target, kTypeInteger, 0);
    Symbol* page = nullptr;
    ASSERT_EQ(target->AddNamedSymbol(&page, "Sub", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
    target->SetCurrentPage(page);
    ASSERT_NE(AddBlock(*target, layout.type, "Ask"), nullptr);
  }

  int Find(ConflictResolver& r, const char* lineStart) {
    for (int i = 0; i < r.Count(); ++i) {
      if (r.Line(i).rfind(lineStart, 0) == 0) return i;
    }
    ADD_FAILURE() << lineStart;
    return 0;
  }

  std::unique_ptr<TProgram> source;
  std::unique_ptr<TProgram> target;
};

TEST_F(ClipConflicts, LinesButtonsAndTheUnresolvedCount) {
  ConflictResolver r(*clip, *target, false, nullptr);
  ASSERT_EQ(r.Count(), 2);
  EXPECT_EQ(r.Unresolved(), 2);
  const int off = Find(r, "Off(");
  const int ask = Find(r, "Ask(");
  EXPECT_EQ(r.Line(off), "Off(integer)\tOff(integer)\tUnresolved Conflict");
  EXPECT_EQ(r.Line(ask), "Ask(VavurOrezo)\tSub$Ask(VavurOrezo)\tUnresolved Conflict");
  // A dependent symbol may use the existing one; what the user copied may be left out.
  EXPECT_TRUE(r.CanUseExisting(off));
  EXPECT_FALSE(r.CanDontCopy(off));
  EXPECT_FALSE(r.CanUseExisting(ask));
  EXPECT_TRUE(r.CanDontCopy(ask));
  EXPECT_EQ(r.EditText(ask), "Ask");
  EXPECT_FALSE(r.CanFinish());

  r.UseExisting(off);
  EXPECT_EQ(r.Unresolved(), 1);
  EXPECT_EQ(r.Line(off), "Off(integer)\tOff(integer)\tUse Existing Symbol");
  EXPECT_EQ(r.EditText(off), "");
  // A second decision on a settled entry does not count again.
  r.DontCopy(off);
  EXPECT_EQ(r.Unresolved(), 1);
  EXPECT_EQ(r.Line(off), "Off(integer)\tOff(integer)\tDon't Copy");
  EXPECT_EQ(clip->FindEntry("Off")->DontCopy, 1);
  EXPECT_EQ(clip->FindEntry("Off")->UseExisting, 0);

  ASSERT_TRUE(r.Rename(ask, "Ask2"));
  EXPECT_EQ(r.Unresolved(), 0);
  EXPECT_TRUE(r.CanFinish());
  EXPECT_EQ(r.Line(ask), "Ask(VavurOrezo)\t\tRename object to Sub$Ask2");
  EXPECT_STREQ(clip->FindEntry("Ask")->NewName, "Sub$Ask2");
  EXPECT_EQ(r.EditText(ask), "Ask2");
  // The next run starts over.
  ConflictResolver again(*clip, *target, false, nullptr);
  EXPECT_EQ(again.Unresolved(), 2);
  EXPECT_FALSE(clip->FindEntry("Ask")->HasNewName());
}

TEST_F(ClipConflicts, RefusedNamesChangeNothing) {
  ConflictResolver r(*clip, *target, false, nullptr);
  const int ask = Find(r, "Ask(");
  ASSERT_TRUE(r.Rename(Find(r, "Off("), "Spare"));
  const char* refused[] = {
      "",                                   // empty
      "two words",                          // not a name
      "Count",                              // a symbol of the target
      "Next",                               // a symbol of the clipboard
      "Spare",                              // another entry's new name (Sub$Spare)
      "ABCDEFGHIJKLMNOPQRSTUVWXYZ12",       // 28 characters: 32 with "Sub$"
  };
  for (const char* text : refused) {
    EXPECT_FALSE(r.Rename(ask, text)) << text;
    EXPECT_FALSE(clip->FindEntry("Ask")->HasNewName()) << text;
    EXPECT_EQ(r.Unresolved(), 1) << text;
  }
  EXPECT_TRUE(r.Rename(ask, "ABCDEFGHIJKLMNOPQRSTUVWXYZ1"));
}

TEST_F(ClipConflicts, OneNameAtATime) {
  ConflictResolver r(*clip, *target, true, "Count");
  ASSERT_EQ(r.Count(), 1);
  EXPECT_EQ(r.Unresolved(), 1);
  EXPECT_EQ(r.Line(0), "Count(integer)\tCount(integer)\tUnresolved Conflict");
  ASSERT_TRUE(r.Rename(0, "Count9"));
  EXPECT_EQ(r.ChosenName(), "Sub$Count9");
  EXPECT_EQ(r.Line(0), "Count(integer)\tCount(integer)\tRename object to Sub$Count9");
  EXPECT_TRUE(r.CanFinish());
  EXPECT_FALSE(clip->FindEntry("Count")->HasNewName());   // the clipboard's own entry is left alone
  ConflictResolver none(*clip, *target, true, "Nowhere");
  EXPECT_EQ(none.Count(), 0);
}

TEST_F(ClipConflicts, TheContentsListOneLinePerVisibleEntry) {
  const std::vector<std::string> lines = ClipContentsLines(*clip);
  auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
  EXPECT_TRUE(has("Ask(VavurOrezo)\tNot Dependent\t0"));
  EXPECT_TRUE(has("Next(VavurOrezo)\tNot Dependent\t1"));
  EXPECT_TRUE(has("Rec(Outer)\tDependent\t2"));
  EXPECT_TRUE(has("Outer(Structure Defn)\tDependent\t1"));
  EXPECT_EQ(lines.size(), static_cast<std::size_t>(clip->GetCount()));
  // Newest first: the last block copied leads.
  EXPECT_EQ(lines.front(), "Call(VavurOrezo)\tNot Dependent\t0");
  clip->FindSymbol(clip->Program(), "Ask")->Invisible = 1;
  EXPECT_EQ(ClipContentsLines(*clip).size(), lines.size() - 1);
}

}  // namespace
}  // namespace zeph::test
