// Saving a program to its application file and loading it back.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "canvas_fixture.h"
#include "editor/file/programfile.h"
#include "editor/notes/textnote.h"
#include "foundation/kvtextstm.h"

namespace ed {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

class ProgramFileTest : public test::CanvasTest {
 protected:
  ProgramFileTest() {
    const std::string base = ::testing::TempDir() + "pf_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    path = base + ".ed";
    again = base + "_again.ed";
  }
  ~ProgramFileTest() override {
    for (const std::string& p : {path, again}) {
      std::remove(p.c_str());
      std::remove((p.substr(0, p.size() - 3) + ".BAK").c_str());
    }
  }

  KvTextUI* AddNote(Page* page, const char* text, std::int32_t left) {
    auto* note = new KvTextUI();
    page->AddTextNote(note);
    note->SetRect(left, left + 100, 20, 60);
    note->SetText(text);
    note->SetFontSpec({"Courier New", -12, 700, 1});
    return note;
  }

  // A program with lines, hand-edited segments, notes with commas and line breaks, and
  // comments.
  void BuildRichProgram() {
    program->SetComment("Program, first");
    main->SetComment("Main page\nnotes");
    VavurOrezo* previous = nullptr;
    for (int i = 0; i < 12; ++i) {
      const std::string name = i == 0 ? std::string(30, 'N') : "Block" + std::to_string(i);
      VavurOrezo* block = Add(main, name.c_str(), 404, 100 + 150 * i, 80 + 40 * (i % 3));
      ASSERT_NE(block, nullptr) << name;
      block->SetDescription(i % 2 ? "Plays, then waits" : "");
      if (previous != nullptr) {
        program->Activate();
        Goto* line = previous->CreateGoto(block, "Done", 0);
        ASSERT_NE(line, nullptr);
        line->AddSegment(previous->X() + 10, previous->Y(), previous->X() + 10, block->Y() + 5, 0);
        if (i % 4 == 0) line->SetFlags(kGotoHandEdited);
      }
      previous = block;
    }
    AddNote(main, "Call flow, v2\r\nsee ~ notes", 40);
    other->Activate();
  }

  std::string path;
  std::string again;
};

TEST_F(ProgramFileTest, SavedLoadedAndSavedAgainIsByteIdentical) {
  BuildRichProgram();
  ASSERT_EQ(ProgramFile::Save(path, *program, nullptr, ""), 1);
  EXPECT_FALSE(program->IsModified());
  std::unique_ptr<Program> loaded = ProgramFile::Load(path, nullptr, host, model, &imports);
  ASSERT_NE(loaded, nullptr) << ReadAll(path);
  ASSERT_EQ(ProgramFile::Save(again, *loaded, nullptr, ""), 1);
  // A load clears the blocks' own-record flag; from then on the file stays as it is.
  std::unique_ptr<Program> reloaded = ProgramFile::Load(again, nullptr, host, model, &imports);
  ASSERT_NE(reloaded, nullptr);
  ASSERT_EQ(ProgramFile::Save(path, *reloaded, nullptr, ""), 1);
  EXPECT_EQ(ReadAll(path), ReadAll(again));

  // What came back: names whole, positions, lines with their segments, notes and comments.
  Page* page = loaded->GetMainPage();
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(page->Blocks().size(), main->Blocks().size());
  EXPECT_EQ(page->Blocks()[0]->Name(), std::string(30, 'N'));
  EXPECT_EQ(page->Blocks()[3]->X(), main->Blocks()[3]->X());
  EXPECT_EQ(page->Blocks()[1]->GetDescription(), std::string("Plays, then waits"));
  ASSERT_EQ(page->Blocks()[2]->Gotos().size(), 1u);
  EXPECT_EQ(page->Blocks()[2]->Gotos()[0]->EndBlock(), page->Blocks()[3].get());
  EXPECT_EQ(page->Blocks()[2]->Gotos()[0]->GetSegments().size(), main->Blocks()[2]->Gotos()[0]->GetSegments().size());
  ASSERT_EQ(page->Notes().size(), 1u);
  EXPECT_EQ(page->Notes()[0]->Base().Text(), "Call flow, v2\r\nsee ~ notes");
  EXPECT_EQ(page->Notes()[0]->FontSpec().face, "Courier New");
  EXPECT_EQ(page->Notes()[0]->FontSpec().italic, 1);
  EXPECT_EQ(loaded->Comment(), "Program, first");
  EXPECT_EQ(page->Comment(), "Main page\nnotes");
  // New objects get ids above the loaded ones.
  EXPECT_GE(loaded->IdCounter(), program->IdCounter());
  EXPECT_FALSE(loaded->IsModified());
}

TEST_F(ProgramFileTest, AFileCutAtAnyLineIsAReadErrorNeverAProgram) {
  BuildRichProgram();
  ASSERT_EQ(ProgramFile::Save(path, *program, nullptr, ""), 1);
  const std::string whole = ReadAll(path);
  std::size_t cuts = 0;
  const std::size_t headerEnd = whole.find("{EndofFileHeader}");
  for (std::size_t at = whole.find('\n'); at != std::string::npos && at + 1 < whole.size(); at = whole.find('\n', at + 1)) {
    std::ofstream(again, std::ios::binary | std::ios::trunc) << whole.substr(0, at + 1);
    std::ostringstream log;
    std::unique_ptr<Program> loaded = ProgramFile::Load(again, &log, host, model, &imports);
    EXPECT_EQ(loaded, nullptr) << "cut after byte " << at;
    // A cut header is declined quietly; any later cut is reported.
    if (at > headerEnd) {
      EXPECT_NE(log.str().find("ERROR: "), std::string::npos) << "cut after byte " << at;
    }
    ++cuts;
  }
  EXPECT_GT(cuts, 40u);
}

TEST_F(ProgramFileTest, AMissingFileIsReported) {
  std::ostringstream log;
  EXPECT_EQ(ProgramFile::Load(path + ".none", &log, host, model, &imports), nullptr);
  EXPECT_EQ(log.str(), "ERROR: Error opening selected file.\n");
}

}  // namespace
}  // namespace ed
