// Copy and Paste of variables and structure definitions through a clipboard of the test's
// own: the kind checks, pasting into another program, and the conflicts dialog on a clash.
#include "editors/variables/clipcommands.h"

#include <gtest/gtest.h>

#include <memory>

#include "foundation/kvscrpres.h"
#include "model/datatypes.h"
#include "model/structops.h"
#include "programfile/clipboard/clipboard.h"
#include "reporttest_util.h"

namespace zeph {
namespace {

class ClipCommands : public test::ReportProgram {
 protected:
  ClipCommands() : scoped(boxes) {
    source = program.get();
    Symbol* count = nullptr;
    EXPECT_EQ(source->AddNamedSymbol(&count, "Count", kTypeInteger, 1, 1, 0, false), 0);
    variable = count;
    def = NewStructureDef("Address", 0, 0, &source->Symbols());
    InsertMemberAfter(0, &def->FstMem, NewStructureMember("Street", kTypeString, 30, def));
    target = std::make_unique<TProgram>();   // current from now on
  }
  ~ClipCommands() override { target.reset(); }

  ConflictsDialog Answering(bool done) {
    return [this, done](TProgram&) {
      ++dialogs;
      return done;
    };
  }

  KvScriptedPresenter boxes;
  KvScopedMessagePresenter scoped;
  TVlxClipboard clipboard;
  TProgram* source = nullptr;
  Symbol* variable = nullptr;
  StructDef* def = nullptr;
  std::unique_ptr<TProgram> target;
  int dialogs = 0;
};

TEST_F(ClipCommands, EmptyAndWrongKindAreRefused) {
  EXPECT_FALSE(PasteVariables(clipboard, *target, Answering(true)));
  EXPECT_FALSE(PasteStructures(clipboard, *target, Answering(true)));
  ASSERT_TRUE(CopyStructure(clipboard, *def, *source));
  EXPECT_FALSE(PasteVariables(clipboard, *target, Answering(true)));
  ASSERT_TRUE(CopyVariable(clipboard, *variable, *source));
  EXPECT_FALSE(PasteStructures(clipboard, *target, Answering(true)));
  ASSERT_EQ(boxes.Boxes().size(), 4u);
  EXPECT_EQ(boxes.Boxes()[0].text, "The Clipboard Is Empty!");
  EXPECT_EQ(boxes.Boxes()[0].caption, "Error");
  EXPECT_EQ(boxes.Boxes()[1].text, "The Clipboard Is Empty!");
  EXPECT_EQ(boxes.Boxes()[2].text, "The Last Cut/Copy Operation Was Not A Variable!");
  EXPECT_EQ(boxes.Boxes()[3].text, "The Last Cut/Copy Operation Was Not A Structure Defn!");
  EXPECT_EQ(dialogs, 0);
  EXPECT_EQ(LookupSymbol("Count", kTypeInteger, &target->Symbols()), nullptr);
}

TEST_F(ClipCommands, VariablePastesIntoAnotherProgramAndAClashAsksFirst) {
  ASSERT_TRUE(CopyVariable(clipboard, *variable, *source));
  EXPECT_EQ(clipboard.SourceSerial, static_cast<std::int32_t>(source->SerialNumber()));
  ASSERT_TRUE(PasteVariables(clipboard, *target, Answering(true)));
  EXPECT_EQ(dialogs, 0);
  Symbol* pasted = LookupSymbol("Count", kTypeInteger, &target->Symbols());
  ASSERT_NE(pasted, nullptr);
  EXPECT_NE(pasted, variable);

  // Pasting again clashes: the dialog decides.
  EXPECT_FALSE(PasteVariables(clipboard, *target, Answering(false)));
  EXPECT_EQ(dialogs, 1);
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ClipCommands, StructurePastesWithItsMembers) {
  ASSERT_TRUE(CopyStructure(clipboard, *def, *source));
  ASSERT_TRUE(PasteStructures(clipboard, *target, Answering(true)));
  const StructDef* pasted = FindStructureByName("Address", &target->Symbols());
  ASSERT_NE(pasted, nullptr);
  ASSERT_NE(pasted->FstMem, nullptr);
  EXPECT_STREQ(pasted->FstMem->Name, "Street");
  EXPECT_EQ(pasted->FstMem->Size, 30);
  EXPECT_FALSE(PasteStructures(clipboard, *target, Answering(false)));
  EXPECT_EQ(dialogs, 1);
}

}  // namespace
}  // namespace zeph
