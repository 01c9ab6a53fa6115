// Remembered prompt numbers: reset, raised by a scan of the program's sentences, kept
// across scans and programs.
#include "model/promptnumbers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/sysvars.h"
#include "model/vsentence.h"
#include "modeltest_util.h"

namespace zeph {
namespace {

class PromptNumbers : public ::testing::Test {
 protected:
  PromptNumbers() {
    SetupSystemVariables(&t);
    VS2ResetKindNumbers();
  }
  ~PromptNumbers() override { VS2ResetKindNumbers(); }

  // A component of the kind playing from the named folder variable; the prompt is a text
  // (flag 0) or a reference to `Count` (flag 1).
  SentenceComponent* Component(int kind, const char* folder, const char* prompt, bool promptIsReference = false) {
    SentenceComponent* c = NewSentenceComponent();
    c->Kind = static_cast<std::int16_t>(kind);
    c->RefFlag = 1;
    c->Area.Ref.S = LookupSymbol(folder, kTypeString, &t);
    if (c->Area.Ref.S == nullptr) c->Area.Ref.S = test::AddVariable(t, folder, kTypeString, 0, 48);
    ComponentDetail* d = NewComponentDetail();
    if (promptIsReference) {
      d->Flag1 = 1;
      d->Area1.Ref.S = test::AddVariable(t, "Count", kTypeInteger);
    } else {
      std::strcpy(d->Area1.Path, prompt);
    }
    c->Detail = d;
    return c;
  }
  Symbol* Sentence(const char* name, const std::vector<SentenceComponent*>& components) {
    return test::AddSentence(t, name, components);
  }
  std::vector<std::uint32_t> All() {
    std::vector<std::uint32_t> out;
    for (int i = 0; i < kFolderVariableCount; ++i) out.push_back(RememberedPromptNumber(i));
    return out;
  }

  test::CurrentTable ct;
  SymbolTable& t = ct.table;
};

TEST_F(PromptNumbers, ResetSetsEveryDatabaseTo999) {
  RaiseRememberedPromptNumber(0, 5000);
  RaiseRememberedPromptNumber(10, 7000);
  VS2ResetKindNumbers();
  EXPECT_EQ(All(), std::vector<std::uint32_t>(11, 999));
  // Outside the eleven databases there is nothing to read or raise.
  RaiseRememberedPromptNumber(11, 5000);
  RaiseRememberedPromptNumber(-1, 5000);
  EXPECT_EQ(RememberedPromptNumber(11), 0u);
  EXPECT_EQ(All(), std::vector<std::uint32_t>(11, 999));
}

TEST_F(PromptNumbers, LeadingNumbers) {
  struct Case {
    const char* text;
    std::uint32_t number;
  } cases[] = {
      {"4711", 4711},          {"1200.vox", 1200},       {"'57", 0},     {"", 0},
      {" 12", 0},              {"-5", 0},                {"0042x", 42},  {"4294967295", 4294967295u},
      {"4294967296", 4294967295u}, {"99999999999999999999", 4294967295u},
  };
  for (const Case& c : cases) EXPECT_EQ(LeadingPromptNumber(c.text), c.number) << c.text;
  EXPECT_EQ(LeadingPromptNumber(nullptr), 0u);
}

TEST_F(PromptNumbers, DatabaseIndexesCompareExactly) {
  EXPECT_EQ(PromptDatabaseIndex("_PR_SYSTEM"), 0);
  EXPECT_EQ(PromptDatabaseIndex("_PR_USER"), 1);
  EXPECT_EQ(PromptDatabaseIndex("_PR_DATABASE9"), 10);
  EXPECT_EQ(PromptDatabaseIndex("_pr_user"), -1);
  EXPECT_EQ(PromptDatabaseIndex("MyDir"), -1);
  EXPECT_EQ(PromptDatabaseIndex(""), -1);
  EXPECT_EQ(PromptDatabaseIndex(nullptr), -1);
}

TEST_F(PromptNumbers, TheScanRaisesFromRecordingsAndSpeechFilesOnly) {
  Sentence("S1", {Component(kKindFileVoice, "_PR_USER", "1500"),
                  Component(kKindFileVoice, "_PR_USER", "1200"),            // smaller: the largest counts
                  Component(kKindTextToSpeechFile, "_PR_DATABASE3", "2000.txt"),
                  Component(kKindFileNumber, "_PR_DATABASE1", "9000"),      // a number kind: not a prompt
                  Component(kKindFileVoice, "_PR_DATABASE2", "", true),     // prompt held in a variable
                  Component(kKindFileVoice, "MyDir", "8000"),               // no prompt database
                  Component(kKindFileVoice, "_PR_SYSTEM", "500")});         // below the remembered 999
  Sentence("S2", {Component(kKindFileVoice, "_PR_USER", "1700")});
  Symbol* gone = Sentence("Gone", {Component(kKindFileVoice, "_PR_DATABASE9", "6000")});
  gone->Deleted = 1;

  VS2ScanKindNumbers(&t);

  std::vector<std::uint32_t> expected(11, 999);
  expected[1] = 1700;
  expected[4] = 2000;
  EXPECT_EQ(All(), expected);
}

TEST_F(PromptNumbers, AScanNeverLowersAndUsesTheCurrentProgram) {
  RaiseRememberedPromptNumber(1, 3000);
  Sentence("S1", {Component(kKindFileVoice, "_PR_USER", "57"), Component(kKindFileVoice, "_PR_DATABASE1", "1234")});
  VS2ScanKindNumbers();   // the current program
  EXPECT_EQ(RememberedPromptNumber(1), 3000u);
  EXPECT_EQ(RememberedPromptNumber(2), 1234u);
  // A folder given as a path text names no database.
  SentenceComponent* path = Component(kKindFileVoice, "_PR_DATABASE5", "4000");
  path->Area.Ref.Clear();
  path->RefFlag = 0;
  std::strcpy(path->Area.Path, "_PR_DATABASE5");
  Sentence("S2", {path});
  VS2ScanKindNumbers();
  EXPECT_EQ(RememberedPromptNumber(6), 999u);
}

TEST(PromptNumbersWithoutProgram, TheScanDoesNothing) {
  SymbolTable* previous = CurrentSymbolTable();
  SetCurrentSymbolTable(nullptr);
  VS2ResetKindNumbers();
  VS2ScanKindNumbers();
  EXPECT_EQ(RememberedPromptNumber(0), 999u);
  SetCurrentSymbolTable(previous);
}

}  // namespace
}  // namespace zeph
