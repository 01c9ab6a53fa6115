// Saving and loading a program gives back the same program and, saved again, the same
// bytes.
#include <gtest/gtest.h>

#include "edfile_testutil.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/interface/fstreams.h"
#include "model/interface/vlx.h"
#include "model/pbentry_instance.h"
#include "model/promptnumbers.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "model/vsentence.h"

namespace zeph::test {
namespace {

using RoundTrip = EdFileTest;

TEST_F(RoundTrip, ARichProgramComesBackUnchanged) {
  auto original = NewProgram();
  FillRich(*original);
  const std::string first = Save(*original);
  const std::string before = DumpProgram(*original);

  auto copy = NewProgram();
  ASSERT_EQ(Load(*copy, first), 0);
  EXPECT_TRUE(SameLines(before, DumpProgram(*copy)));
  EXPECT_TRUE(SameLines(first, Save(*copy)));
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(RoundTrip, TheRichFileHoldsEverySection) {
  auto program = NewProgram();
  FillRich(*program);
  const std::string text = Save(*program);
  if (std::getenv("EDFILE_DUMP")) std::fputs(text.c_str(), stdout);
  for (const char* tag : {"{VERSION}\r\n[VLXV8.03,]\r\n{EndofVersion}\r\n{Structures}\r\n", "{Members}", "{LastMember}",
                          "{EndofStructures}\r\n{Symbols}", "{VerifyTables}", "{EndofSymbols}\r\n{CustomVavurorezos}",
                          "{EndOfCustomVavurorezos}\r\n{DLLs}", "{EndOfDLLs}\r\n{DiskDefaults}",
                          "{EndofDiskDefaults}\r\n{VavurOrezos}", "{EndofVavurOrezos}\r\n"}) {
    EXPECT_NE(text.find(tag), std::string::npos) << tag;
  }
  // Texts keep their commas and line breaks, and a value six decimals would change is
  // written exactly.
  EXPECT_NE(text.find("[MyCode,1,a = 1~, b = 2;^Enter^if (a) { b~ },0,]"), std::string::npos);
  EXPECT_NE(text.find("<0.33333333333333331d,>"), std::string::npos);
  EXPECT_NE(text.find("<1.00000001e-07d,>"), std::string::npos);
}

TEST_F(RoundTrip, ReferencesReadBackToTheSymbolsTheyName) {
  auto original = NewProgram();
  FillRich(*original);
  auto copy = NewProgram();
  ASSERT_EQ(Load(*copy, Save(*original)), 0);
  SymbolTable& t = copy->Symbols();
  TProgram::DisableSymbolPageCheck all(*copy);

  Symbol* sentence = LookupSymbol("Welcome", kTypeVoiceSentence, &t);
  ASSERT_NE(sentence, nullptr);
  SentenceComponent* second = (*SentenceComponents(sentence))->Next;
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Area.Ref.S, LookupSymbol("_PR_USER", kTypeString, &t));
  ASSERT_NE(second->Detail, nullptr);
  EXPECT_EQ(second->Detail->Area1.Ref.S, LookupSymbol("Count", kTypeInteger, &t));
  ASSERT_TRUE(second->Detail->Area1.Ref.ArrayIndex);
  EXPECT_EQ(second->Detail->Ref2.S, LookupSymbol("Off", kTypeInteger, &t));

  PBInstance* wait = InstanceOf(LookupSymbol("Wait", kTypeVavurOrezo, &t));
  ASSERT_NE(wait, nullptr);
  EXPECT_EQ(wait->GotoMask & 1, 1);
  PBInstance* call = InstanceOf(LookupSymbol("CallBilling", kTypeVavurOrezo, &t));
  ASSERT_NE(call, nullptr);
  EXPECT_EQ(call->Companion, "Billing");
  EXPECT_EQ(copy->VavurOrezoCount, original->VavurOrezoCount);

  // The structured variable's members came back into their places.
  Symbol* rec = LookupSymbol("Rec", FindStructureByName("Outer", &t)->TypeNum, &t);
  ASSERT_NE(rec, nullptr);
  const auto* block = dynamic_cast<const ValueBlockData*>(rec->Data.get());
  ASSERT_NE(block, nullptr);
  EXPECT_STREQ(reinterpret_cast<const char*>(block->Bytes() + 26 + 6), "second");
}

// Deleted symbols are not written, so the first load may shape a tree differently; from
// then on the file stays the same.
TEST_F(RoundTrip, AfterDeletionsTheSecondAndThirdSavesAgree) {
  auto original = NewProgram();
  FillRich(*original);
  {
    TProgram::DisableSymbolPageCheck all(*original);
    for (const char* name : {"T10", "T11", "T12", "T20", "T134"}) {
      if (Symbol* s = LookupSymbol(name, kTypeVavurOrezo, &original->Symbols())) {
        original->DeleteVavurOrezo(InstanceOf(s));
      }
    }
    original->DeleteNamedSymbol(LookupSymbol("Flag", kTypeBoolean, &original->Symbols()), true, false);
  }
  auto second = NewProgram();
  ASSERT_EQ(Load(*second, Save(*original)), 0);
  const std::string secondText = Save(*second);
  auto third = NewProgram();
  ASSERT_EQ(Load(*third, secondText), 0);
  EXPECT_TRUE(SameLines(secondText, Save(*third)));
  EXPECT_TRUE(SameLines(DumpProgram(*second), DumpProgram(*third)));
}

TEST_F(RoundTrip, TheExportsReadAndWriteTheCurrentProgram) {
  auto original = NewProgram();
  FillRich(*original);
  const std::string path = "edfile_exports.tmp";
  {
    fstreams saved(path, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    ASSERT_EQ(vlxWriteProgram(file, &saved, 1), 0);
  }
  const std::string before = DumpProgram(*original);

  auto copy = NewProgram();   // now current
  {
    fstreams in(path, std::ios::in | std::ios::out | std::ios::binary);
    ASSERT_EQ(vlxReadProgram(file, &in, 1, nullptr), 0);
  }
  EXPECT_EQ(copy->Symbols().SymbolPageCheck, 1);
  EXPECT_TRUE(SameLines(before, DumpProgram(*copy)));

  fstreams none(path, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
  EXPECT_EQ(vlxWriteProgram(nullptr, &none, 1), kRcFileError);
  none.seekg(0, std::ios::end);
  EXPECT_EQ(none.tellg(), std::streampos(0));
  none.close();
  std::remove(path.c_str());
}

// Reading a program raises the remembered prompt numbers from its sentences' recordings;
// making a program sets them back to 999.
TEST_F(RoundTrip, ReadingAProgramRaisesTheRememberedPromptNumbers) {
  auto original = NewProgram();
  FillRich(*original);
  SymbolTable& t = original->Symbols();
  auto component = [&](int kind, const char* folder, const char* prompt) {
    SentenceComponent* c = NewSentenceComponent();
    c->Kind = static_cast<std::int16_t>(kind);
    c->RefFlag = 1;
    ParseVariableReference(folder, c->Area.Ref, AllTypesMask(), nullptr, &t);
    UpdateReferenceCount(c->Area.Ref, 1, &t);
    c->Detail = NewComponentDetail();
    std::strcpy(c->Detail->Area1.Path, prompt);
    return c;
  };
  Symbol* prompts = nullptr;
  ASSERT_EQ(original->AddNamedSymbol(&prompts, "Prompts", kTypeVoiceSentence, 1, 1, 0, false), 0);
  SentenceComponent* first = component(kKindFileVoice, "_PR_DATABASE2", "2345.vox");
  first->Next = component(kKindTextToSpeechFile, "_PR_USER", "1500");
  prompts->Data = std::make_unique<SentenceData>(first);
  const std::string path = "edfile_prompts.tmp";
  {
    fstreams saved(path, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    ASSERT_EQ(vlxWriteProgram(file, &saved, 1), 0);
  }

  RaiseRememberedPromptNumber(0, 4000);
  vlxHandleType made = vlxAddProgram(nullptr, 0);   // now current
  ASSERT_NE(made, nullptr);
  for (int i = 0; i < 11; ++i) EXPECT_EQ(RememberedPromptNumber(i), 999u) << i;
  {
    fstreams in(path, std::ios::in | std::ios::out | std::ios::binary);
    ASSERT_EQ(vlxReadProgram(file, &in, 1, nullptr), 0);
  }
  std::vector<std::uint32_t> expected(11, 999);
  expected[1] = 1500;
  expected[3] = 2345;
  for (int i = 0; i < 11; ++i) EXPECT_EQ(RememberedPromptNumber(i), expected[static_cast<std::size_t>(i)]) << i;

  // The numbers belong to the library: reading the file again into another program
  // keeps them, and a program made afterwards resets them.
  RaiseRememberedPromptNumber(3, 3000);
  {
    fstreams in(path, std::ios::in | std::ios::out | std::ios::binary);
    ASSERT_EQ(vlxReadProgram(file, &in, 1, nullptr), 0);
  }
  EXPECT_EQ(RememberedPromptNumber(3), 3000u);
  EXPECT_EQ(vlxRemoveProgram(made), 0);
  vlxHandleType next = vlxAddProgram(nullptr, 0);
  EXPECT_EQ(RememberedPromptNumber(3), 999u);
  EXPECT_EQ(vlxRemoveProgram(next), 0);
  std::remove(path.c_str());
}

}  // namespace
}  // namespace zeph::test
