// The voice sentence editor's working list: insert and replace with the prompt checks,
// remembered numbers and the next free number, description files, comments, and the Done
// and Cancel rules that keep the sentence whole until Done.
#include "editors/sentences/sentedit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editors/sentences/sentlist.h"
#include "editors/variables/scopes.h"
#include "foundation/kvfsys.h"
#include "foundation/kvscrpres.h"
#include "model/promptnumbers.h"
#include "reporttest_util.h"
#include "sentencetest_util.h"
#include "../../programfile/tests/scratch_folder.h"

namespace zeph {
namespace {

class SentenceEditorTest : public test::ReportProgram {
 protected:
  SentenceEditorTest() : scoped(boxes) {
    std::filesystem::create_directories(root / "USER");
    std::filesystem::create_directories(root / "SYS");
    files.MapDrive('Q', root);
    KvSetFileSystem(&files);
    test::SetVariableText(Var("_PR_USER"), "Q:\\USER\\");
    test::SetVariableText(Var("_PR_SYSTEM"), "Q:\\SYS\\");
    Symbol* s = nullptr;
    EXPECT_EQ(program->AddNamedSymbol(&s, "Amount", kTypeInteger, 1, 1, 0, false), 0);
    EXPECT_EQ(program->AddNamedSymbol(&s, "Words", kTypeString, 40, 1, 0, false), 0);
    sentence = AddSentence(*program, "Greeting", kScopeGlobal);
    VS2ResetKindNumbers();
  }
  ~SentenceEditorTest() override {
    KvSetFileSystem(nullptr);
    VS2ResetKindNumbers();
  }
  Symbol* Var(const char* name) { return LookupSymbol(name, kTypeString, &program->Symbols()); }
  void Touch(const std::string& relative, const std::string& text = "x") {
    std::ofstream(root / relative, std::ios::binary) << text;
  }
  std::string Read(const std::string& relative) {
    std::ifstream in(root / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  int Count() {
    int n = 0;
    for (SentenceComponent* c = *SentenceComponents(sentence); c != nullptr; c = c->Next) ++n;
    return n;
  }

  // Its own folder: parallel test processes can share the fixture's address.
  test::ScratchFolder root{"sentedit_"};
  KvPortableFileSystem files;
  KvScriptedPresenter boxes;
  KvScopedMessagePresenter scoped;
  Symbol* sentence = nullptr;
};

TEST_F(SentenceEditorTest, InsertReplaceDeleteAtTheEndLine) {
  SentenceEditor editor(*program, "Greeting");
  EXPECT_EQ(editor.Lines(), std::vector<std::string>{" "});
  ASSERT_EQ(editor.InsertPhrase(0, false, 0, "USER", "1005", ""), "");
  ASSERT_EQ(editor.InsertPhrase(1, false, 9, "SYSTEM", "Amount", ""), "");
  // Insert before the first line.
  ASSERT_EQ(editor.InsertPhrase(0, false, 33, "", "'Hello", ""), "");
  std::vector<std::string> lines = editor.Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].substr(0, lines[0].find('\t')), "Text to Speech");
  EXPECT_EQ(lines[1].rfind("Recording\tUSER\t\"1005\"\t", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2].rfind("Integer\tSYSTEM\tAmount\t", 0), 0u) << lines[2];
  EXPECT_EQ(lines[3], " ");
  // Replace with the end line selected inserts at the end.
  ASSERT_EQ(editor.InsertPhrase(3, true, 7, "SYSTEM", "Amount", ""), "");
  EXPECT_EQ(editor.PhraseCount(), 4);
  EXPECT_EQ(editor.View(3).KindName, "Digits");
  // Replace of a phrase takes its place.
  ASSERT_EQ(editor.InsertPhrase(1, true, 0, "USER", "'77", "note"), "");
  EXPECT_EQ(editor.PhraseCount(), 4);
  const PhraseView v = editor.View(1);
  EXPECT_EQ(v.KindName, "Recording");
  EXPECT_EQ(v.Database, "USER");
  EXPECT_EQ(v.Prompt, "77");   // a number shows as is
  EXPECT_EQ(v.Comment, "note");
  editor.DeletePhrase(0);
  EXPECT_EQ(editor.PhraseCount(), 3);
  EXPECT_EQ(editor.View(0).KindName, "Recording");
  // The sentence itself is untouched until Done.
  EXPECT_EQ(Count(), 0);
  int flag = -1;
  ASSERT_TRUE(editor.Done(flag));
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(Count(), 3);
}

TEST_F(SentenceEditorTest, PromptChecksLeaveTheListUnchanged) {
  SentenceEditor editor(*program, "Greeting");
  struct Row {
    int Kind;
    std::string Prompt;
    std::string Refusal;
  };
  const Row rows[] = {
      {0, "   ", "You must completely specify the voice sentence phrase before inserting or updating"},
      {0, "abc", "Prompt specification is invalid or does not exist"},
      {12, "Amount", "Prompt specification is invalid or does not exist"},   // date kinds want dates
      {33, "Amount", "Prompt specification is invalid or does not exist"},   // direct kinds want texts
      {9, "'12x", ""},                                                      // CheckFieldValue's text
  };
  for (const Row& r : rows) {
    const std::string refusal = editor.InsertPhrase(0, false, r.Kind, "USER", r.Prompt, "");
    if (r.Refusal.empty()) EXPECT_NE(refusal, "") << r.Prompt;
    else EXPECT_EQ(refusal, r.Refusal) << r.Prompt;
    EXPECT_EQ(editor.PhraseCount(), 0) << r.Prompt;
  }
  // The same text with an apostrophe is a constant that the kind's check accepts.
  EXPECT_EQ(editor.InsertPhrase(0, false, 0, "USER", "'abc", ""), "");
  EXPECT_EQ(editor.InsertPhrase(0, false, 33, "", "Words", ""), "");
  EXPECT_EQ(editor.PhraseCount(), 2);
}

TEST_F(SentenceEditorTest, RememberedNumbersAndNextNumber) {
  SentenceEditor editor(*program, "Greeting");
  ASSERT_EQ(editor.InsertPhrase(0, false, 0, "USER", "1005", ""), "");
  EXPECT_EQ(RememberedPromptNumber(1), 1005u);
  Touch("USER/1006");
  Touch("USER/1007");
  EXPECT_EQ(editor.NextNumber("USER"), "1008");
  EXPECT_EQ(RememberedPromptNumber(1), 1005u);   // not changed by Next Number
  EXPECT_EQ(editor.NextNumber("SYSTEM"), "1000");
  // '57 raises nothing now (no leading digit); the scan of the stored 57 does later.
  ASSERT_EQ(editor.InsertPhrase(0, false, 0, "SYSTEM", "'57", ""), "");
  EXPECT_EQ(RememberedPromptNumber(0), 999u);
  int flag = 0;
  ASSERT_TRUE(editor.Done(flag));
  VS2ResetKindNumbers();
  RaiseRememberedPromptNumber(0, 0);
  VS2ScanKindNumbers(&program->Symbols());
  EXPECT_EQ(RememberedPromptNumber(0), 999u);   // 57 is below the reset value
}

TEST_F(SentenceEditorTest, DescriptionsWrittenAndComments) {
  SentenceEditor editor(*program, "Greeting");
  ASSERT_EQ(editor.InsertPhrase(0, false, 0, "USER", "'1010", "Welcome text"), "");
  EXPECT_EQ(Read("USER/1010.dsc"), "Welcome text");
  // A variable prompt writes no description.
  ASSERT_EQ(editor.InsertPhrase(0, false, 0, "USER", "Amount", "about amount"), "");
  EXPECT_FALSE(std::filesystem::exists(root / "USER" / "Amount.dsc"));
  // A folder that does not exist: the phrase stays, the failure is reported.
  test::SetVariableText(Var("_PR_SYSTEM"), "Q:\\NOWHERE\\");
  std::string warning;
  ASSERT_EQ(editor.InsertPhrase(0, false, 0, "SYSTEM", "'5", "lost", &warning), "");
  EXPECT_EQ(warning, "Failed to create description file.");
  EXPECT_EQ(editor.PhraseCount(), 3);

  std::string refusal;
  Touch("USER/2000.DSC", "From the file");
  EXPECT_EQ(editor.CommentFor(0, "USER", "2000", refusal), "From the file");
  EXPECT_EQ(editor.CommentFor(0, "USER", "'2000.VOX", refusal), "From the file");
  EXPECT_EQ(editor.CommentFor(0, "USER", "2001", refusal), "<Play speech from Database \"USER\" in File \"2001\">");
  EXPECT_EQ(editor.CommentFor(9, "SYSTEM", "Amount", refusal), "<Play \"Amount\" as an Integer Number>");
  EXPECT_EQ(refusal, "");
  EXPECT_EQ(editor.CommentFor(0, "USER", "abc", refusal), "");
  EXPECT_EQ(refusal, "Prompt specification is invalid or does not exist");
}

TEST_F(SentenceEditorTest, DoneOnAnEmptySentenceKeepsItWhole) {
  SymbolTable& t = program->Symbols();
  *SentenceComponents(sentence) = test::Phrase(t, 0, "_PR_USER", "1");
  sentence->RefCnt = 1;
  {
    SentenceEditor editor(*program, "Greeting");
    editor.DeletePhrase(0);
    int flag = -1;
    EXPECT_FALSE(editor.Done(flag));
    EXPECT_EQ(boxes.Boxes().back().text, std::string(
        "Can not exit from an empty Voice Sentence; also, the Voice Sentence can not be deleted because it is being "
        "referenced"));
    EXPECT_EQ(Count(), 1);   // the referenced sentence keeps its phrase
    EXPECT_EQ(editor.Cancel(), 1);
  }
  sentence->RefCnt = 0;
  {
    SentenceEditor editor(*program, "Greeting");
    editor.DeletePhrase(0);
    int flag = -1;
    boxes.Answer(kKvIdNo);
    EXPECT_FALSE(editor.Done(flag));
    EXPECT_EQ(Count(), 1);
    boxes.Answer(kKvIdYes);
    EXPECT_TRUE(editor.Done(flag));
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(Count(), 0);
  }
}

TEST_F(SentenceEditorTest, CancelLeavesTheSentenceAsItWas) {
  {
    SentenceEditor editor(*program, "Greeting");
    ASSERT_EQ(editor.InsertPhrase(0, false, 0, "USER", "1005", ""), "");
    EXPECT_EQ(editor.Cancel(), 0);   // the sentence is still empty
  }
  EXPECT_EQ(Count(), 0);
  // References taken by the working list are given back.
  Symbol* user = Var("_PR_USER");
  const int before = user->RefCnt;
  {
    SentenceEditor editor(*program, "Greeting");
    ASSERT_EQ(editor.InsertPhrase(0, false, 0, "USER", "1", ""), "");
    EXPECT_EQ(user->RefCnt, before + 1);
  }
  EXPECT_EQ(user->RefCnt, before);
}

TEST_F(SentenceEditorTest, DefaultDatabasesFollowInserts) {
  SentenceEditor editor(*program, "Greeting");
  EXPECT_STREQ(program->DefaultFolder(0), "_PR_USER");
  EXPECT_STREQ(program->DefaultFolder(3), "_PR_SYSTEM");
  ASSERT_EQ(editor.InsertPhrase(0, false, 0, "SYSTEM", "1", ""), "");
  ASSERT_EQ(editor.InsertPhrase(0, false, 9, "USER", "Amount", ""), "");
  EXPECT_STREQ(program->DefaultFolder(0), "_PR_SYSTEM");
  EXPECT_STREQ(program->DefaultFolder(3), "_PR_USER");
}

}  // namespace
}  // namespace zeph
