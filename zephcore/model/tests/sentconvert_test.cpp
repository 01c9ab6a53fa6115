#include "model/sentconvert.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/kvmsgbox.h"
#include "model/launcher.h"
#include "model/sysvars.h"
#include "modeltest_util.h"

namespace zeph {
namespace {

namespace fs = std::filesystem;

// Answers the message boxes and records them; starts nothing.
struct ScriptedUi : KvMessagePresenter, ProgramLauncher {
  int Show(const KvMessageBoxRequest& r) override {
    std::string entry = std::string(r.text) + "|" + r.caption;
    if ((r.style & kKvMbTypeMask) == kKvMbYesNo) {
      EXPECT_EQ(r.style & kKvMbIconMask, static_cast<std::uint32_t>(kKvMbIconQuestion));
      questions.push_back(entry);
      return answerYes ? kKvIdYes : kKvIdNo;
    }
    EXPECT_EQ(r.style & kKvMbIconMask, static_cast<std::uint32_t>(kKvMbIconHand));
    stops.push_back(entry);
    return kKvIdOk;
  }
  bool Start(const std::string& commandLine) override {
    started.push_back(commandLine);
    return startWorks;
  }
  bool answerYes = true;
  bool startWorks = false;
  std::vector<std::string> questions, stops, started;
};

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

class Conversion : public ::testing::Test {
 protected:
  Conversion() {
    // One folder per test: CTest runs the tests as parallel processes, in which the
    // fixture's address can repeat.
    dir = fs::temp_directory_path() /
          ("zeph_vscvt_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    table.LogFolder = dir.string();
    SetupSystemVariables(&t);
    system = LookupSymbol("_PR_SYSTEM", kTypeString, &t);
  }
  ~Conversion() override { fs::remove_all(dir); }

  Symbol* Folder(int i) { return LookupSymbol(FolderVariableName(i), kTypeString, &t); }

  SentenceComponent* PathComponent(int kind, const char* path) {
    SentenceComponent* c = NewSentenceComponent();
    c->Kind = static_cast<std::int16_t>(kind);
    std::strcpy(c->Area.Path, path);
    return c;
  }
  SentenceComponent* RefComponent(int kind, Symbol* s) {
    SentenceComponent* c = NewSentenceComponent();
    c->Kind = static_cast<std::int16_t>(kind);
    c->RefFlag = 1;
    c->Area.Ref.S = s;
    UpdateReferenceCount(c->Area.Ref, 1, &t);
    return c;
  }
  Symbol* Sentence(const char* name, const std::vector<SentenceComponent*>& components) {
    return test::AddSentence(t, name, components);
  }

  test::CurrentTable ct;
  SymbolTable& t = ct.table;
  fs::path dir;
  PromptDatabaseTable table;
  Symbol* system = nullptr;
  ScriptedUi ui;
  KvScopedMessagePresenter presenter{ui};
};

TEST_F(Conversion, RewritesKindsPathsAndVariablesAndLogsIt) {
  Symbol* myDir = test::AddVariable(t, "MyDir", kTypeString, 0, 48);
  SentenceComponent* split = RefComponent(2, system);
  for (Symbol* s : {myDir, myDir, myDir}) {
    ComponentDetail* d = NewComponentDetail();
    d->Flag2 = 1;
    d->Ref2.S = s;
    UpdateReferenceCount(d->Ref2, 1, &t);
    d->Next = split->Detail;
    split->Detail = d;
  }
  Symbol* s1 = Sentence("S1", {PathComponent(22, "c:\\voice\\a\\"), PathComponent(1, "C:\\VOICE\\a\\"),
                               RefComponent(0, myDir), RefComponent(32, system), split});
  // Earlier logs are kept: the log goes under the next free name.
  std::ofstream(dir / "VS_CVT.LOG") << "old";
  std::ofstream(dir / "VS_CVT00.LOG") << "old";

  ASSERT_EQ(ConvertOldSentences(table, &t, &ui), 0);

  SentenceComponent* c = *SentenceComponents(s1);
  Symbol* user = Folder(1);
  Symbol* db1 = Folder(2);
  // 22 (IndexDigits) becomes 7 (Digits) and its path the first free prompt database.
  EXPECT_EQ(c->Kind, 7);
  EXPECT_EQ(*c->Text, "<Conversion warning:  the original type (IndexDigits) is no longer supported.>");
  EXPECT_EQ(c->RefFlag, 1);
  EXPECT_EQ(c->Area.Ref.S, user);
  // Kind 1 becomes 0; a path differing only in case shares the database.
  c = c->Next;
  EXPECT_EQ(c->Kind, 0);
  EXPECT_EQ(c->Area.Ref.S, user);
  EXPECT_EQ(user->RefCnt, 2);
  auto* userFolder = dynamic_cast<ValueBlockData*>(user->Data.get());
  EXPECT_STREQ(reinterpret_cast<const char*>(userFolder->Bytes()), "C:\\VOICE\\A\\");
  // A folder variable of the user's becomes the next database.
  c = c->Next;
  EXPECT_EQ(c->Area.Ref.S, db1);
  EXPECT_EQ(*c->Text, "<Warning:  reference to variable MyDir changed to prompt database _PR_DATABASE1.> ");
  EXPECT_EQ(db1->RefCnt, 1);
  // A full path gets a detail holding its own counted copy of the area.
  c = c->Next;
  ASSERT_NE(c->Detail, nullptr);
  EXPECT_EQ(c->Detail->Flag1, 1);
  EXPECT_EQ(c->Detail->Area1.Ref.S, system);
  // Three details become three components, one detail each.
  c = c->Next;
  int parts = 0;
  for (SentenceComponent* p = c; p; p = p->Next, ++parts) {
    EXPECT_EQ(p->Kind, 2);
    ASSERT_NE(p->Detail, nullptr);
    EXPECT_EQ(p->Detail->Next, nullptr);
    EXPECT_EQ(p->Area.Ref.S, system);
  }
  EXPECT_EQ(parts, 3);
  EXPECT_EQ(system->RefCnt, 2 + 3);  // full path and its detail, three split parts
  EXPECT_EQ(myDir->RefCnt, 3);           // the three details; the area reference moved

  EXPECT_EQ(fs::path(table.LogPath).filename().string(), "VS_CVT01.LOG");
  EXPECT_EQ(ReadFile(dir / "VS_CVT01.LOG"),
            "Voice Sentence S1:  Component of type IndexDigits converted to type Digits.\r\n"
            "Voice Sentence S1:  Component of type IndexVoice converted to type Recording.\r\n"
            "Voice Sentence S1:  Variable MyDir converted to prompt database variable _PR_DATABASE1.\r\n\r\n");
  EXPECT_EQ(ReadFile(dir / "VS_CVT.LOG"), "old");
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0], "Log file " + table.LogPath +
                                 " contains voice sentence conversion infomation.  Would you like to view this file now?|");
  ASSERT_EQ(ui.started.size(), 1u);
  EXPECT_EQ(ui.started[0], "notepad " + table.LogPath);
  ASSERT_EQ(ui.stops.size(), 1u);
  EXPECT_EQ(ui.stops[0], "Unable to start notepad.  Please view the file " + table.LogPath +
                             " using your favorite editor.|Error!");
}

TEST_F(Conversion, ElevenPathsFallBackToTheSystemDatabase) {
  std::vector<SentenceComponent*> components;
  for (int i = 0; i < 11; ++i) {
    std::string path = "\\P" + std::to_string(i) + "\\";
    components.push_back(PathComponent(0, path.c_str()));
  }
  Symbol* other = test::AddVariable(t, "Other", kTypeString, 0, 48);
  components.push_back(RefComponent(0, other));
  Symbol* s = Sentence("Many", components);
  ui.answerYes = false;
  ASSERT_EQ(ConvertOldSentences(table, &t, &ui), 0);
  SentenceComponent* c = *SentenceComponents(s);
  for (int i = 0; i < 10; ++i, c = c->Next) EXPECT_EQ(c->Area.Ref.S, Folder(i + 1)) << i;
  EXPECT_EQ(c->Area.Ref.S, system);
  c = c->Next;
  EXPECT_EQ(c->Area.Ref.S, system);
  EXPECT_EQ(*c->Text, "<Error:  reference to variable Other changed to system prompt database.>");
  EXPECT_EQ(other->RefCnt, 0);
  EXPECT_EQ(table.InUse, 11);
  EXPECT_EQ(ReadFile(dir / "VS_CVT.LOG"),
            "Voice Sentence Many:  Path \\P10\\ replace by SYSTEM prompt database.\r\n"
            "Voice Sentence Many:  Prompt directory variable Other replaced with SYSTEM prompt database.\r\n");
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_TRUE(ui.started.empty());
}

TEST_F(Conversion, NothingToLogOpensNoFileAndAsksNothing) {
  Symbol* s = Sentence("Plain", {RefComponent(0, system)});
  ASSERT_EQ(ConvertOldSentences(table, &t, &ui), 0);
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_EQ((*SentenceComponents(s))->Area.Ref.S, system);
  EXPECT_EQ(system->RefCnt, 1);
}

TEST_F(Conversion, DeletedSentencesAreLeftAlone) {
  Symbol* s = Sentence("Gone", {PathComponent(22, "\\X\\")});
  s->Deleted = 1;
  ASSERT_EQ(ConvertOldSentences(table, &t, &ui), 0);
  EXPECT_EQ((*SentenceComponents(s))->Kind, 22);
  EXPECT_TRUE(fs::is_empty(dir));
}

}  // namespace
}  // namespace zeph
