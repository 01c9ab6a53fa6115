// Saving a program to its application file and loading it back.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
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

// The saved file with one line changed by edit(lines, index of the line after the tag).
std::string EditAfter(const std::string& whole, const std::string& tag, std::string (*edit)(const std::string&)) {
  const std::size_t at = whole.find(tag + "\r\n");
  if (at == std::string::npos) return whole;
  const std::size_t begin = at + tag.size() + 2;
  const std::size_t end = whole.find("\r\n", begin);
  return whole.substr(0, begin) + edit(whole.substr(begin, end - begin)) + whole.substr(end);
}

TEST_F(ProgramFileTest, AGotoWhoseOutputIsGoneLoadsAsObsoleteAndIsNotSavedAgain) {
  BuildRichProgram();
  ASSERT_EQ(ProgramFile::Save(path, *program, nullptr, ""), 1);
  // The first goto line: [id,bit,colour,flags,start,end,] with bit 40, which no output has.
  const std::string edited = EditAfter(ReadAll(path), "{Gotos}", [](const std::string& line) {
    const std::size_t first = line.find(',');
    return line.substr(0, first + 1) + "40" + line.substr(line.find(',', first + 1));
  });
  std::ofstream(again, std::ios::binary | std::ios::trunc) << edited;
  std::ostringstream log;
  std::unique_ptr<Program> loaded = ProgramFile::Load(again, &log, host, model, &imports);
  ASSERT_NE(loaded, nullptr) << log.str();
  EXPECT_EQ(log.str(), "ERROR: Unknown or obsolete goto encountered in VavurOrezo " + std::string(30, 'N') + "\n");
  const VavurOrezo& first = *loaded->GetMainPage()->Blocks()[0];
  ASSERT_FALSE(first.Gotos().empty());
  EXPECT_EQ(first.Gotos()[0]->OutputName(), "Obsolete");
  // Saved again without the line or its segments, and that file loads without a word.
  ASSERT_EQ(ProgramFile::Save(path, *loaded, nullptr, ""), 1);
  std::ostringstream quiet;
  EXPECT_NE(ProgramFile::Load(path, &quiet, host, model, &imports), nullptr);
  EXPECT_EQ(quiet.str(), "");
}

TEST_F(ProgramFileTest, ANoteOfAVersion8FileHasNoItalicColumn) {
  BuildRichProgram();
  ASSERT_EQ(ProgramFile::Save(path, *program, nullptr, ""), 1);
  std::string edited = ReadAll(path);
  edited.replace(edited.find("V9.01"), 5, "V8.02");
  // Drop the last column of the note line.
  edited = EditAfter(edited, "{TextNotes}", [](const std::string& line) {
    const std::size_t last = line.rfind(',', line.size() - 3);
    return line.substr(0, last + 1) + "]";
  });
  std::ofstream(again, std::ios::binary | std::ios::trunc) << edited;
  std::ostringstream log;
  std::unique_ptr<Program> loaded = ProgramFile::Load(again, &log, host, model, &imports);
  ASSERT_NE(loaded, nullptr) << log.str();
  const auto& notes = loaded->GetMainPage()->Notes();
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0]->FontSpec().italic, 0);
  EXPECT_EQ(notes[0]->FontSpec().weight, 700);
  // The same line in a version 9 file lacks a column: the load stops.
  edited.replace(edited.find("V8.02"), 5, "V9.01");
  std::ofstream(again, std::ios::binary | std::ios::trunc) << edited;
  EXPECT_EQ(ProgramFile::Load(again, &log, host, model, &imports), nullptr);
}

TEST_F(ProgramFileTest, AFailedWriteKeepsThePreviousFileAndTheProgramModified) {
  BuildRichProgram();
  ASSERT_EQ(ProgramFile::Save(path, *program, nullptr, ""), 1);
  const std::string before = ReadAll(path);
  program->SetModified();
  // The temporary file cannot be made: a folder of its name, not empty, is in the way.
  const std::string temp = path.substr(0, path.size() - 3) + ".$ED";
  ASSERT_TRUE(std::filesystem::create_directory(temp));
  std::ofstream(temp + "/inside") << "x";
  std::ostringstream log;
  EXPECT_EQ(ProgramFile::Save(path, *program, &log, ""), 0);
  std::filesystem::remove_all(temp);
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_TRUE(program->IsModified());
  EXPECT_EQ(log.str(), "Error opening " + path + "\n");
}

TEST_F(ProgramFileTest, AMissingFileIsReported) {
  std::ostringstream log;
  EXPECT_EQ(ProgramFile::Load(path + ".none", &log, host, model, &imports), nullptr);
  EXPECT_EQ(log.str(), "ERROR: Error opening selected file.\n");
}

}  // namespace
}  // namespace ed
