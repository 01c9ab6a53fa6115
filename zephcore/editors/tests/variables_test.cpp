// The variable list's commands: resizing strings, arrays and string members with their
// storage, renaming (page-local names, Parameters and their interface entries, all or
// nothing) and deleting, each refusal with its message and nothing changed.
#include "editors/variables/resizevar.h"
#include "editors/variables/varcommands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "foundation/kvscrpres.h"
#include "model/datatypes.h"
#include "model/interface/variable_place.h"
#include "model/modelcodes.h"
#include "model/pbaccess_msgtext.h"
#include "model/superblk.h"
#include "reporttest_util.h"

namespace zeph {
namespace {

class VariableCommandsTest : public test::ReportProgram {
 protected:
  VariableCommandsTest() : scoped(boxes) {}

  Symbol* Var(const char* name, int type, int size = 1, int scope = 0, int canDelete = 1) {
    Symbol* s = nullptr;
    EXPECT_EQ(program->AddNamedSymbol(&s, name, type, size, canDelete, 0, false, 0, scope), 0) << name;
    return s;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& b : boxes.Boxes()) out.push_back(b.text);
    return out;
  }
  // A name dialog that answers with the name (or is cancelled when null).
  static VariableCommands::NameAsker Answer(const char* name, std::string* caption = nullptr) {
    return [name, caption](const std::string& c, std::string& out) {
      if (caption != nullptr) *caption = c;
      if (name == nullptr) return false;
      out = name;
      return true;
    };
  }

  KvScriptedPresenter boxes;
  KvScopedMessagePresenter scoped;
};

TEST_F(VariableCommandsTest, StringResizeKeepsTheHeadAndRefusesOutOfRange) {
  Symbol* text = Var("Text", kTypeString, 64);
  ValueBlockData& block = MakeVariableStorage(*text, 65);
  std::memcpy(block.Bytes(), "abcdefghijklmnopqrstuvwxyz", 26);

  const ResizeView view = DescribeResize(*text, *program);
  EXPECT_EQ(view.Name, "Text");
  EXPECT_EQ(view.TypeText, "*STRING");
  EXPECT_TRUE(view.StringEnabled);
  EXPECT_EQ(view.StringSize, "64");
  EXPECT_FALSE(view.ArrayEnabled);

  for (const char* bad : {"1001", "1", "", "12x", "-5"}) {
    const ResizeOutcome refused = ApplyResize(*text, bad, "", *program);
    EXPECT_FALSE(refused.Done) << bad;
    EXPECT_EQ(refused.Message, "Size is not within the acceptable range (2 - 1000)");
    EXPECT_EQ(refused.Focus, ResizeFocus::StringSize);
    EXPECT_EQ(text->Size, 64);
  }
  const ResizeOutcome done = ApplyResize(*text, "10", "", *program);
  EXPECT_TRUE(done.Done);
  EXPECT_EQ(text->Size, 10);
  ValueBlockData* now = VariableStorage(*text);
  ASSERT_NE(now, nullptr);
  EXPECT_EQ(now->Size(), 11u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(now->Bytes()), 10), "abcdefghij");
  EXPECT_EQ(now->Bytes()[10], 0);
}

TEST_F(VariableCommandsTest, ArrayOfAStructureIsBoundedBy64000Bytes) {
  StructDef* big = NewStructureDef("Big", 0, 0, &program->Symbols());
  StructMember* m = NewStructureMember("Body", kTypeString, 400, big);
  InsertMemberAfter(0, &big->FstMem, m);
  ASSERT_EQ(GetStructureSize(big, &program->Symbols()), 400);
  Symbol* records = Var("Records", big->TypeNum, 1);
  records->ArraySize = 10;
  ValueBlockData& block = MakeVariableStorage(*records, 4000);
  block.Bytes()[3999] = 7;
  block.Bytes()[0] = 9;

  const ResizeView view = DescribeResize(*records, *program);
  EXPECT_EQ(view.TypeText, "Array of Big's");
  EXPECT_TRUE(view.ArrayEnabled);
  EXPECT_EQ(view.Count, "10");
  EXPECT_FALSE(view.StringEnabled);

  const ResizeOutcome refused = ApplyResize(*records, "", "161", *program);
  EXPECT_FALSE(refused.Done);
  EXPECT_EQ(refused.Message, "Invalid Array Size:  Value must be between 2 and 160");
  EXPECT_EQ(refused.Focus, ResizeFocus::Count);
  EXPECT_EQ(ApplyResize(*records, "", "1", *program).Focus, ResizeFocus::Count);
  EXPECT_EQ(records->ArraySize, 10);

  EXPECT_TRUE(ApplyResize(*records, "", "160", *program).Done);
  EXPECT_EQ(records->ArraySize, 160);
  ValueBlockData* grown = VariableStorage(*records);
  ASSERT_EQ(grown->Size(), 64000u);
  EXPECT_EQ(grown->Bytes()[0], 9);
  EXPECT_EQ(grown->Bytes()[3999], 7);
  EXPECT_EQ(grown->Bytes()[4000], 0);

  EXPECT_TRUE(ApplyResize(*records, "", "2", *program).Done);
  EXPECT_EQ(VariableStorage(*records)->Size(), 800u);
}

TEST_F(VariableCommandsTest, StringArraysCheckSizeAndCountTogether) {
  Symbol* names = Var("Names", kTypeString, 20);
  names->ArraySize = 5;
  EXPECT_EQ(DescribeResize(*names, *program).TypeText, "Array of *STRING's");
  const struct {
    const char* size;
    const char* count;
    bool done;
  } cases[] = {{"100", "640", true}, {"100", "641", false}, {"1", "5", false}, {"30", "1", false}, {"30", "", false}};
  for (const auto& c : cases) {
    names->Size = 20;
    names->ArraySize = 5;
    const ResizeOutcome out = ApplyResize(*names, c.size, c.count, *program);
    EXPECT_EQ(out.Done, c.done) << c.size << " x " << c.count;
    if (!c.done) {
      EXPECT_EQ(out.Focus, ResizeFocus::StringSize);
      EXPECT_EQ(names->Size, 20);
      EXPECT_EQ(names->ArraySize, 5);
    }
  }
}

TEST_F(VariableCommandsTest, StringMembersResizeWithinTheRange) {
  StructMember member;
  std::strcpy(member.Name, "Street");
  member.Type = kTypeString;
  member.Size = 64;
  const ResizeView view = DescribeResize(member);
  EXPECT_EQ(view.TypeText, "*STRING");
  EXPECT_FALSE(view.ArrayEnabled);
  EXPECT_FALSE(ApplyResize(member, "1001").Done);
  EXPECT_EQ(member.Size, 64);
  EXPECT_TRUE(ApplyResize(member, "32").Done);
  EXPECT_EQ(member.Size, 32);
}

TEST_F(VariableCommandsTest, RenameKeepsALocalNameOnItsPage) {
  Symbol* page = nullptr;
  ASSERT_EQ(program->AddNamedSymbol(&page, "Page1", kTypeSuperBlock, 1, 1, 1, false), 0);
  program->SetCurrentPage(page);
  Symbol* total = Var("Page1$Total", kTypeInteger, 1, 1);
  VariableCommands commands(*program);
  std::string caption;
  ASSERT_TRUE(commands.Rename({total, false}, Answer("Sum", &caption)));
  EXPECT_EQ(caption, "Renaming Page1$Total.");
  EXPECT_STREQ(total->Name, "Page1$Sum");
  EXPECT_EQ(LookupSymbol("Page1$Sum", kTypeInteger, &program->Symbols()), total);
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(VariableCommandsTest, RefusalsInOrderChangeNothing) {
  Symbol* system = Var("SysCount", kTypeInteger, 1, 0, 0);
  Symbol* plain = Var("Count", kTypeInteger);
  Symbol* other = Var("Taken", kTypeInteger);
  Symbol* constant = Var("Limit", kTypeInteger);
  constant->IsConst = 1;
  VariableCommands commands(*program);
  EXPECT_FALSE(commands.Rename({nullptr, false}, Answer("X")));
  EXPECT_FALSE(commands.Rename({plain, true}, Answer("X")));
  EXPECT_FALSE(commands.Rename({constant, false}, Answer("X")));
  EXPECT_FALSE(commands.Rename({system, false}, Answer("X")));
  EXPECT_FALSE(commands.Rename({plain, false}, Answer(nullptr)));   // cancelled: no box
  EXPECT_FALSE(commands.Rename({plain, false}, Answer("Taken")));
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         "You must select a variable",
                         "You can not select a structure member reference (@Variable); Double-click on it to see "
                         "the structure members",
                         "Cannot rename constants.", "System variables can not be renamed!",
                         PBMessageText(kErrNameInUse)}));
  EXPECT_STREQ(plain->Name, "Count");
  EXPECT_STREQ(other->Name, "Taken");
  for (const auto& b : boxes.Boxes()) EXPECT_EQ(b.style, static_cast<std::uint32_t>(kKvMbIconHand));
}

TEST_F(VariableCommandsTest, ParameterRenameIsUndoneWhenTheInterfaceRefuses) {
  Symbol* page = nullptr;
  ASSERT_EQ(program->AddNamedSymbol(&page, "Billing", kTypeSuperBlock, 1, 1, 1, false, 1), 0);
  program->SetCurrentPage(page);
  Symbol* amount = Var("Billing$Amount", kTypeInteger, 1, 2);
  SBInterfaceTable entries(page, &program->Symbols());
  ASSERT_EQ(entries.AddEntry("Amount", kTypeInteger, 0, 0), 0);
  ASSERT_EQ(entries.AddEntry("Done", -1, 0, 0), 0);   // an exit
  VariableCommands commands(*program);

  // The exit owns "Done": the interface refuses, the variable keeps its name.
  EXPECT_FALSE(commands.Rename({amount, false}, Answer("Done")));
  EXPECT_STREQ(amount->Name, "Billing$Amount");
  EXPECT_EQ(LookupSymbol("Billing$Amount", kTypeInteger, &program->Symbols()), amount);
  ASSERT_EQ(boxes.Boxes().size(), 1u);

  ASSERT_TRUE(commands.Rename({amount, false}, Answer("Total")));
  EXPECT_STREQ(amount->Name, "Billing$Total");
  bool found = false;
  for (const PBFieldDef* f = entries.Table(); !f->IsEnd(); ++f) {
    EXPECT_STRNE(f->Name, "Amount");
    if (std::strcmp(f->Name, "Total") == 0) found = true;
  }
  EXPECT_TRUE(found);
}

TEST_F(VariableCommandsTest, DeleteAsksAndRefusesUsedSystemAndConstantSymbols) {
  Symbol* used = Var("Used", kTypeInteger);
  used->RefCnt = 1;
  Symbol* system = Var("SysCount", kTypeInteger, 1, 0, 0);
  Symbol* constant = Var("Limit", kTypeInteger);
  constant->IsConst = 1;
  Symbol* plain = Var("Count", kTypeInteger);
  VariableCommands commands(*program);

  EXPECT_FALSE(commands.Delete({plain, true}));
  EXPECT_FALSE(commands.Delete({constant, false}));
  EXPECT_FALSE(commands.Delete({used, false}));
  EXPECT_FALSE(commands.Delete({system, false}));
  boxes.Answer(kKvIdCancel);
  EXPECT_FALSE(commands.Delete({plain, false}));
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         "Structure members may not be deleted", "Cannot delete constants.",
                         PBMessageText(kErrVariableInUse),
                         "This variable can not be deleted because it is a system variable, structure member or "
                         "VavurOrezo",
                         "Delete Count ?"}));
  EXPECT_EQ(boxes.Boxes().back().style, static_cast<std::uint32_t>(kKvMbOkCancel | kKvMbIconQuestion));
  EXPECT_EQ(LookupSymbol("Count", kTypeInteger, &program->Symbols()), plain);
  EXPECT_EQ(LookupSymbol("Used", kTypeInteger, &program->Symbols()), used);

  boxes.Answer(kKvIdOk);
  EXPECT_TRUE(commands.Delete({plain, false}));
  EXPECT_EQ(LookupSymbol("Count", kTypeInteger, &program->Symbols()), nullptr);
}

TEST_F(VariableCommandsTest, CopyAndResizeChecks) {
  Symbol* page = nullptr;
  ASSERT_EQ(program->AddNamedSymbol(&page, "Other", kTypeSuperBlock, 1, 1, 1, false), 0);
  Symbol* number = Var("Number", kTypeInteger);
  Symbol* text = Var("Text", kTypeString, 20);
  Symbol* constant = Var("Fixed", kTypeString, 20);
  constant->IsConst = 1;
  VariableCommands commands(*program);
  EXPECT_FALSE(commands.MayCopy({page, false}));
  EXPECT_TRUE(commands.MayCopy({number, false}));
  EXPECT_FALSE(commands.MayResize({number, false}));   // silently
  EXPECT_TRUE(commands.MayResize({text, false}));
  EXPECT_FALSE(commands.MayResize({constant, false}));
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         "To copy a vavurorezo, select it with the mouse and choose copy from the main menu.",
                         "Cannot resize constants."}));
}

}  // namespace
}  // namespace zeph
