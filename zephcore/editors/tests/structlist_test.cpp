// The structure list: user structures only, name checks, delete refusals and renames.
#include "editors/structures/structlist.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/modelcodes.h"
#include "model/pbaccess_msgtext.h"
#include "model/structops.h"
#include "reporttest_util.h"

namespace zeph {
namespace {

class StructList : public test::ReportProgram {};

TEST_F(StructList, AddDeleteAndRename) {
  const std::size_t before = UserStructureNames(*program).size();
  EXPECT_EQ(CheckStructureNameEntry("Address", *program), "");
  ASSERT_NE(AddEmptyStructure("Address", *program), nullptr);
  ASSERT_NE(AddEmptyStructure("Order", *program), nullptr);
  std::vector<std::string> names = UserStructureNames(*program);
  EXPECT_EQ(names.size(), before + 2);
  EXPECT_EQ(std::count(names.begin(), names.end(), "Address"), 1);
  // Predefined structures are not the user's to edit.
  int predefined = 0;
  for (const StructDef* d = program->Symbols().Structures().First; d != nullptr; d = d->NextDef) {
    if (d->CantDelete == 0) continue;
    ++predefined;
    EXPECT_EQ(std::count(names.begin(), names.end(), d->Name), 0) << d->Name;
  }
  EXPECT_GT(predefined, 0);

  EXPECT_EQ(CheckStructureNameEntry("Address", *program), PBMessageText(kErrStructureExists));
  EXPECT_EQ(CheckStructureNameEntry("2nd", *program), PBMessageText(kErrBadStructureName));

  std::string message;
  EXPECT_FALSE(RenameStructureTo("Order", "Address", *program, message));
  EXPECT_EQ(message, PBMessageText(kErrStructureExists));
  ASSERT_TRUE(RenameStructureTo("Order", "Purchase", *program, message));
  EXPECT_NE(FindStructureByName("Purchase", &program->Symbols()), nullptr);
  EXPECT_EQ(FindStructureByName("Order", &program->Symbols()), nullptr);

  std::string question;
  FindStructureByName("Address", &program->Symbols())->RefCnt = 1;
  EXPECT_EQ(CheckStructureDelete("Address", *program, question),
            "This structure definition can not be deleted or edited because there are variables of this type");
  EXPECT_EQ(question, "");
  EXPECT_EQ(CheckStructureDelete("Missing", *program, question),
            "You must select a structure definition before performing this operation");
  EXPECT_EQ(CheckStructureDelete("Purchase", *program, question), "");
  EXPECT_EQ(question, "Delete Purchase ?");
  ASSERT_TRUE(DeleteStructure("Purchase", *program));
  EXPECT_EQ(FindStructureByName("Purchase", &program->Symbols()), nullptr);
  EXPECT_FALSE(DeleteStructure("Address", *program));
}

}  // namespace
}  // namespace zeph
