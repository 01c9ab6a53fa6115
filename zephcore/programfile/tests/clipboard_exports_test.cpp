// The clipboard's exports over the library's one clipboard.

#include "clipboard_fixture.h"
#include "model/interface/library.h"
#include "model/interface/vlx.h"

namespace zeph::test {
namespace {

class ClipExports : public ClipPaste {
 protected:
  ClipExports() { vlxEmptyClipboard(); }
  ~ClipExports() override { vlxEmptyClipboard(); }
};

TEST_F(ClipExports, TheKindHeldDecidesWhatCanBePasted) {
  EXPECT_EQ(TheClipboard().GetCount(), 0);
  struct Case {
    int kind;
    int blocks;
    int pages;
  } cases[] = {{0, 0, 0}, {1, 1, 0}, {2, 0, 1}, {5, 0, 0}};
  int previous = 0;
  for (const Case& c : cases) {
    EXPECT_EQ(vlxSetClipType(c.kind), previous);
    previous = c.kind;
    EXPECT_EQ(vlxCanIPaste(0), c.blocks) << c.kind;
    EXPECT_EQ(vlxCanIPaste(1), c.pages) << c.kind;
    EXPECT_EQ(vlxCanIPaste(7), 0);
  }
  vlxEmptyClipboard();
  EXPECT_EQ(vlxCanIPaste(0), 0);
  EXPECT_EQ(vlxCanIPaste(1), 0);
}

TEST_F(ClipExports, NamesThatNameNothingAddNothing) {
  auto source = NewProgram();
  BuildShared(*source);
  EXPECT_EQ(vlxAddSymToClipboard("Nobody"), 1);
  EXPECT_EQ(vlxCopyVavurorezos("Nobody"), 1);
  EXPECT_EQ(vlxAddSymToClipboard(nullptr), 1);
  EXPECT_EQ(vlxCopyVavurorezos(nullptr), 1);
  EXPECT_EQ(TheClipboard().GetCount(), 0);
  // A variable by its reference text brings itself and its structure.
  EXPECT_EQ(vlxAddSymToClipboard("Rec[1].In.Count"), 0);
  EXPECT_NE(TheClipboard().FindEntry("Rec"), nullptr);
  EXPECT_EQ(TheClipboard().FindEntry("Rec")->Dependent, 1);
  EXPECT_NE(TheClipboard().FindEntry("Outer"), nullptr);
}

TEST_F(ClipExports, CopyAndPasteThroughTheExports) {
  auto source = NewProgram();
  BuildShared(*source);
  BuildBlocks(*source);
  vlxSetClipType(1);
  for (const char* name : {"Ask", "Next", "Call", "Hook"}) ASSERT_EQ(vlxCopyVavurorezos(name), 0) << name;
  EXPECT_EQ(TheClipboard().SourceSerial, static_cast<std::int32_t>(source->SerialNumber()));
  auto target = NewProgram();
  BuildShared(*target);
  std::vector<TClipInfo> conflicts;
  EXPECT_EQ(vlxGetAllNameConflicts(conflicts), 0);
  EXPECT_EQ(vlxResolveNameConflicts(), 0);
  char buffer[kClipNameSize] = "x";
  EXPECT_EQ(vlxWhatIsNewName("Ask", buffer), 0);
  EXPECT_STREQ(buffer, "Ask");
  EXPECT_EQ(vlxPasteVavurorezos(0, -1), 0);
  EXPECT_NE(Block(*target, "Ask"), nullptr);
  EXPECT_EQ(SlotText(*target, Block(*target, "Ask"), layout.gotos[0]), "Next");
  EXPECT_EQ(RecountDifferences(*target), "");
  EXPECT_EQ(vlxGetClipboardList(), &TheClipboard().Entries());
  // A clash: the paste says why in a box and returns 1.
  auto clashing = NewProgram();
  BuildShared(*clashing, kTypeBoolean);
  presenter.Clear();
  EXPECT_EQ(vlxGetAllNameConflicts(conflicts), 1);
  EXPECT_EQ(vlxPasteVavurorezos(0, -1), 1);
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_NE(presenter.Boxes()[0].text.find("Off"), std::string::npos);
  EXPECT_EQ(Block(*clashing, "Ask"), nullptr);
}

TEST_F(ClipExports, ABlockOfAnotherPageIsCopiedAsDependent) {
  auto source = NewProgram();
  BuildShared(*source);
  BuildBlocks(*source);   // page P1 is current
  vlxSetClipType(1);
  ASSERT_EQ(vlxCopyVavurorezos("P1$Ask"), 0);
  source->SetCurrentPage(main);
  ASSERT_EQ(vlxCopyVavurorezos("P1$Next"), 0);
  EXPECT_EQ(TheClipboard().FindEntry("Ask")->Dependent, 0);
  EXPECT_EQ(TheClipboard().FindEntry("Next")->Dependent, 1);
  // On Main names are unqualified: "Ask" alone names nothing there.
  EXPECT_EQ(vlxCopyVavurorezos("Ask"), 1);
}

TEST_F(ClipExports, ClipboardPagesAreRecordedAndRenamedWithTheirEntries) {
  auto source = NewProgram();
  BuildShared(*source);
  vlxSetClipType(2);
  vlxHandleType page = vlxCreatePage("Pg", 1, 1);
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(TheClipboard().PageInfos().size(), 1u);
  EXPECT_EQ(TheClipboard().PageInfos().front().Source, "Pg");
  // The page stays out of the designer's program.
  EXPECT_EQ(LookupSymbol("Pg", kTypeSuperBlock, &source->Symbols()), nullptr);
  TheClipboard().AddClipInfo("Pg$Item", kClipSymbol, 1);
  TheClipboard().AddClipInfo("Elsewhere$Item", kClipSymbol, 1);
  vlxRenamePage(page, "Pg2", 1, 1);
  EXPECT_NE(TheClipboard().FindEntry("Pg2$Item"), nullptr);
  EXPECT_NE(TheClipboard().FindEntry("Elsewhere$Item"), nullptr);
  EXPECT_EQ(TheClipboard().PageInfos().front().Source, "Pg2");

  vlxPageToCopy("Pg2", 0);
  EXPECT_EQ(TheClipboard().SourcePage, "Pg2");
  vlxPageToCopy("Pg3", 1);
  EXPECT_EQ(TheClipboard().PageInfos().size(), 2u);
  TheClipboard().AddClipInfo("Pg3", kClipPage, 1);
  EXPECT_EQ(vlxIsSuperBeingPasted("Pg3$X"), 1);
  TheClipboard().FindEntry("Pg3")->DontCopy = 1;
  EXPECT_EQ(vlxIsSuperBeingPasted("Pg3$X"), 0);
  EXPECT_EQ(vlxIsSuperBeingPasted("Pg3"), 0);
}

}  // namespace
}  // namespace zeph::test
