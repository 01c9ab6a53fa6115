// What the generator guarantees beyond the text: line ends, an untouched model, long code,
// and failures that name their culprit instead of writing wrong text.
#include <gtest/gtest.h>

#include "script_testutil.h"

#include <functional>

#include "model/custompb.h"
#include "model/structops.h"

namespace zeph::test {
namespace {

class ScriptFailures : public ScriptTest {
 protected:
  // A Custom VavurOrezo block whose code is no longer in the program's list.
  void AddOrphan() {
    ASSERT_EQ(CustomPBAdd(program->CustomVavurOrezos(), "Real", &program->Symbols()), 0);
    PBInstance* block = Add(-100, "Orphan", "Real");
    ASSERT_NE(block, nullptr);
    block->Companion = "NoSuchCode";
  }
  int Build(ScriptReport& report, const std::string& path) {
    return CodeWriteScript(path.c_str(), 1, 2, 0, nullptr, &report);
  }
};

TEST_F(ScriptFailures, EveryLineEndsWithCrLfWhateverTheTextsHeld) {
  ASSERT_EQ(CustomPBAdd(program->CustomVavurOrezos(), "Mixed", &program->Symbols()), 0);
  CustomPBFind(program->CustomVavurOrezos(), "Mixed")->Code = "A := 1\r\n    B := 2\r    C := 3\n    D := 4";
  Add(-100, "Use", "Mixed");
  program->DllHeaderText = "\tinteger F(integer x)\r\r\n\tinteger G(integer x)\n";
  const std::string script = Generate();   // fails unless every line end is CR LF
  EXPECT_NE(script.find("UserApp$Use:\n    __PBNAME__ := \"UserApp$Use\"\n    A := 1\n    B := 2\n    C := 3\n"
                        "    D := 4\n    goto !VALUE!\n\n"),
            std::string::npos)
      << script;
  EXPECT_NE(script.find("\tinteger F(integer x)\n\n\tinteger G(integer x)\n"), std::string::npos);
}

TEST_F(ScriptFailures, LongCodeIsWrittenWhole) {
  ASSERT_EQ(CustomPBAdd(program->CustomVavurOrezos(), "Big", &program->Symbols()), 0);
  std::string code;
  for (int i = 0; i < 2000; ++i) code += "Count := Count + " + std::to_string(i) + "\n    ";
  code += "Count := 0";
  CustomPBFind(program->CustomVavurOrezos(), "Big")->Code = code;
  Add(-100, "Huge", "Big");
  const std::string script = Generate();
  EXPECT_GT(code.size(), 40000u);
  EXPECT_NE(script.find("    " + code + "\n    goto !VALUE!\n"), std::string::npos);
}

TEST_F(ScriptFailures, TheModelIsLeftAsItWas) {
  program->Symbols().SymbolPageCheck = 1;
  Symbol* handle = AddVariable("File", 22, 12);
  handle->RefCnt = 1;
  auto data = std::make_unique<ValueBlockData>(12);
  data->Bytes()[0] = 9;
  handle->Data = std::move(data);
  Generate();
  EXPECT_EQ(program->Symbols().SymbolPageCheck, 1);
  ASSERT_NE(dynamic_cast<ValueBlockData*>(handle->Data.get()), nullptr);
  EXPECT_EQ(static_cast<ValueBlockData*>(handle->Data.get())->Bytes()[0], 9);
  // A failing build puts the check back too.
  AddOrphan();
  ScriptReport report;
  EXPECT_NE(Build(report, ScriptPath()), 0);
  EXPECT_EQ(program->Symbols().SymbolPageCheck, 1);
}

TEST_F(ScriptFailures, FailuresNameTheirCulprit) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
    int code;
    const char* named;
  };
  const std::vector<Case> cases = {
      {"missing Custom VavurOrezo", [&] { AddOrphan(); }, kErrInternal1, "NoSuchCode"},
      {"unknown structure id",
       [&] {
         Symbol* v = AddVariable("Stray", 3, 4);
         v->Type = 177;   // no structure has this id
         v->RefCnt = 1;
       },
       kErrInternal1, "Stray"},
      {"call of a page that is gone",
       [&] {
         program->SetCurrentPage(AddPage("Gone"));
         Add(142, "Begin");
         program->SetCurrentPage(main);
         PBInstance* call = Add(-101, "CallGone", "Gone");
         ASSERT_NE(call, nullptr);
         call->Companion = "Vanished";
       },
       kErrInternal1, "Vanished"},
      {"page without Begin", [&] { AddPage("Lonely"); }, kErrInternal1, "Lonely"},
      {"password not encoded",
       [&] {
         ScriptServices services;
         services.EncodePassword = [](const char*, unsigned char*) { return 64; };
         SetScriptServices(services);
         Set(Add(328, "Pwd"), "Password", "'pw");
       },
       kErrInternal1, "Pwd"},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].what);
    program.reset();
    program = std::make_unique<TProgram>();
    main = AddPage("Main", 1);
    program->SetCurrentPage(main);
    begin = Add(142, "Begin");
    cases[i].arrange();
    ScriptReport report;
    EXPECT_EQ(Build(report, ScriptPath()), cases[i].code);
    EXPECT_NE(report.Message.find(cases[i].named), std::string::npos) << report.Message;
    InstallFixedServices(kBuildBlockNames);
  }
}

TEST_F(ScriptFailures, PathsThatCannotBeWritten) {
  ScriptReport report;
  EXPECT_EQ(Build(report, (folder / "noextension").string()), kErrWritingFile);
  EXPECT_NE(report.Message.find("noextension"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder / "noextension"));
  EXPECT_EQ(Build(report, (folder / "missing" / "demo.tsl").string()), kErrWritingFile);
}

}  // namespace
}  // namespace zeph::test
