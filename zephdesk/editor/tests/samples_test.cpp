// The program folder's files: a new program's file and the sample call flow, written
// through the editor's writer and loaded back whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "canvas_fixture.h"
#include "editor/file/programfile.h"
#include "editor/notes/textnote.h"
#include "editor/samples/sampleprograms.h"

namespace ed {
namespace {

class SampleFilesTest : public test::CanvasTest {
 protected:
  ~SampleFilesTest() override {
    std::remove(path.c_str());
    std::remove((path.substr(0, path.size() - 3) + ".BAK").c_str());
  }
  std::unique_ptr<Program> WriteAndLoad(int (*write)(const std::string&, std::ostream&)) {
    std::ostringstream made;
    if (write(path, made) != 1) {
      ADD_FAILURE() << made.str();
      return nullptr;
    }
    std::ostringstream log;
    // The model's own imports: the SuperBlock call finds its page among them.
    std::unique_ptr<Program> loaded = ProgramFile::Load(path, &log, host, model, &modelImports);
    EXPECT_EQ(log.str(), "");
    return loaded;
  }
  VlxImports modelImports;
  std::string path = ::testing::TempDir() + "samples_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ed";
};

TEST_F(SampleFilesTest, ANewProgramIsAMainPageWithItsStandardBlocks) {
  std::unique_ptr<Program> loaded = WriteAndLoad(&WriteNewProgramFile);
  ASSERT_NE(loaded, nullptr);
  ASSERT_EQ(loaded->Pages().size(), 1u);
  Page* main = loaded->GetMainPage();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->Name(), "Main");
  VavurOrezo* begin = main->FindVavurOrezo("Begin");
  ASSERT_NE(begin, nullptr);
  EXPECT_EQ(begin->TypeCode(), kTypeBegin);
  EXPECT_NE(main->FindVavurOrezo("End"), nullptr);
}

TEST_F(SampleFilesTest, TheSampleIsACompleteCallFlowOverTwoPages) {
  std::unique_ptr<Program> loaded = WriteAndLoad(&WriteSampleProgramFile);
  ASSERT_NE(loaded, nullptr);
  ASSERT_EQ(loaded->Pages().size(), 2u);
  Page* main = loaded->GetMainPage();
  Page* lookup = loaded->FindPage("AccountLookup");
  ASSERT_NE(main, nullptr);
  ASSERT_NE(lookup, nullptr);
  EXPECT_EQ(lookup->PageType(), kPageSuperBlock);

  // Every line ends at a block of its page and mirrors a model goto.
  int lines = 0;
  for (Page* page : {main, lookup}) {
    for (const auto& block : page->Blocks()) {
      for (const auto& line : block->Gotos()) {
        ASSERT_NE(line->EndBlock(), nullptr);
        EXPECT_EQ(line->EndBlock()->GetPage(), page);
        EXPECT_FALSE(line->TestFlags(kGotoNoModel)) << block->Name() << " " << line->OutputName();
        ++lines;
      }
    }
  }
  EXPECT_GT(lines, 25);

  // Every block has its values and every output a line: the file can be built as it is.
  for (Page* page : {main, lookup})
    for (const auto& block : page->Blocks()) EXPECT_EQ(block->IsFinished(), 1) << page->Name() << " " << block->Name();
  EXPECT_EQ(loaded->SearchPages(0), 1) << "the search for unfinished blocks found one";

  // The menu leads to every part, and the account look-up is a SuperBlock call.
  VavurOrezo* menu = main->FindVavurOrezo("MainMenu");
  ASSERT_NE(menu, nullptr);
  ASSERT_NE(menu->FindGoto("2"), nullptr);
  VavurOrezo* call = main->FindVavurOrezo("LookUpAccount");
  ASSERT_NE(call, nullptr);
  EXPECT_EQ(call->TypeCode(), kTypeSuperBlockCall);
  ASSERT_NE(call->FindGoto("Found"), nullptr);
  EXPECT_EQ(call->FindGoto("Found")->EndBlock()->Name(), "PlayBalance");
  EXPECT_EQ(main->Notes().size(), 2u);
  EXPECT_EQ(lookup->Notes().size(), 1u);
  EXPECT_FALSE(loaded->Comment().empty());
}

}  // namespace
}  // namespace ed
