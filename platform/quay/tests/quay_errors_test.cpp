// One injected fault per row: each gives its exact code, detail, position, section and line.
#include <gtest/gtest.h>

#include "quay_fixture.h"

using namespace quaytest;

namespace {

int LineOf(const std::string& text, const std::string& marker) {
  const auto at = text.find(marker);
  if (at == std::string::npos) return -1;
  int line = 1;
  for (std::size_t i = 0; i < at; ++i) line += text[i] == '\n';
  return line;
}

struct FaultRow {
  const char* what;
  const char* from;
  const char* to;
  int code;
  const char* detail;
  const char* section;
  const char* sectionStart;  // the heading or label an error's line counts from
};

const FaultRow kFaults[] = {
    {"undefined name", "Counter := Add2(Counter, 1)", "Countr := Add2(Counter, 1)", quay::kErrUndefinedName,
     "Countr", "Calc", "UserApp$Calc:"},
    {"undefined label", "    goto UserApp$Play1\n", "    goto UserApp$Play9\n", quay::kErrUndefinedLabel,
     "UserApp$Play9", "Calc", "UserApp$Calc:"},
    {"wrong arity", "Add2(Counter, 1)", "Add2(Counter)", quay::kErrArity, "Add2: 2 expected, 1 given", "Calc",
     "UserApp$Calc:"},
    {"type mismatch", "Counter := Add2(Counter, 1)", "Who := Add2(Counter, 1)", quay::kErrTypeMismatch,
     "integer to structure Caller", "Calc", "UserApp$Calc:"},
    {"index out of range", "_EventHandler[EVENT_STOPPED]", "_EventHandler[32]", quay::kErrIndexRange,
     "_EventHandler[32], 0 to 31", "functions:", "functions:"},
    {"member", "SaveEvent := LastEvent\n    }", "SaveEvent := CurMailbox.Nope\n    }", quay::kErrNoMember,
     "MbxStruct.Nope", "EVENT$$", "UserApp$EVENT$$:"},
    {"unmatched brace", "    return Done\n}\n\n", "    return Done\n\n\n", quay::kErrUnmatchedBrace, "",
     nullptr, nullptr},
    {"section out of order", "faxdocumentdefs:", "constdefs:", quay::kErrSectionOrder, "constdefs:",
     "funcdefs:", "funcdefs:"},
    {"oversized segment", "integer Table[4]", "integer Table[20000]", quay::kErrSegmentTooLarge,
     "LDemo1765000000: 80049 bytes, at most 65535", "globalseg LDemo1765000000:", "globalseg LDemo1765000000:"},
    {"missing value", "goto UserApp$\"Play1\"", "goto !VALUE!", quay::kErrMissingValue, "", "Begin",
     "UserApp$Begin:"},
    {"bad DLL line", "dll \"tools.dll\" integer Add2", "dll tools.dll integer Add2", quay::kErrBadDllLine,
     "DLL file name expected, 'tools' found", "funcdefs:", "funcdefs:"},
    {"value does not fit", "Counter := 3", "Counter := \"three\"", quay::kErrValueDoesNotFit, "Counter",
     "globalseg LDemo1765000000:", "globalseg LDemo1765000000:"},
    {"duplicate label", "UserApp$Sub1:\n", "UserApp$Calc:\n", quay::kErrDuplicateLabel, "UserApp$Calc",
     "Calc", "UserApp$Calc:\n    __PBNAME__ := \"UserApp$Sub1\""},
    {"other page's name", "    Counter := Add2(Counter, 1)", "    Counter := Sub$Local", quay::kErrOtherPage,
     "Sub$Local", "Calc", "UserApp$Calc:"},
};

class QuayFaultTable : public ::testing::TestWithParam<FaultRow> {};

}  // namespace

TEST_P(QuayFaultTable, ReportsCodeAndPlace) {
  const FaultRow& row = GetParam();
  const std::string script = Replace(ReadText(DataPath("fixture.tsl")), row.from, row.to);
  ASSERT_EQ(script.find("not in fixture"), std::string::npos) << row.what;
  const Outcome o = CompileText(script);
  ASSERT_EQ(o.code, row.code) << row.what << ": " << quay::ErrorText(o.error.code, o.error.detail);
  EXPECT_EQ(o.error.detail, row.detail) << row.what;
  EXPECT_EQ(o.error.file, "script.tsl") << row.what;
  if (row.code == quay::kErrUnmatchedBrace) {
    EXPECT_EQ(o.error.position, LineOf(script + "\x01", "\x01")) << row.what;
    return;
  }
  // The fault sits on the first line of the injected text, except for the duplicate label,
  // reported where it is met the second time.
  const std::string marker = row.code == quay::kErrDuplicateLabel ? "UserApp$Calc:\n    __PBNAME__ := \"UserApp$Sub1\""
                                                                   : row.to;
  const int position = LineOf(script, marker);
  EXPECT_EQ(o.error.position, position) << row.what;
  EXPECT_EQ(o.error.section, row.section) << row.what;
  const std::string start = row.sectionStart;
  const int base = start == "functions:" || start == "funcdefs:" || start.rfind("globalseg", 0) == 0
                       ? LineOf(script, "\n" + start) + 1
                       : LineOf(script, start);
  EXPECT_EQ(o.error.line, position - base) << row.what;
}

INSTANTIATE_TEST_SUITE_P(Faults, QuayFaultTable, ::testing::ValuesIn(kFaults));

TEST(QuayErrors, StructureThatContainsItselfIsRefused) {
  const std::string script =
      "structdefs:\n"
      "A  {\n\tinteger x\n\tstructure B inner\n}\n"
      "B  {\n\tstructure A back\n}\n";
  const Outcome o = CompileText(script);
  EXPECT_EQ(o.code, quay::kErrRecursiveStructure);
  EXPECT_EQ(o.error.position, 6);
}

TEST(QuayErrors, MissingIncludeIsReportedWithItsPath) {
  quay::CompileRequest request;
  request.paths = {DataPath("no_such_include.tsl"), "script.tsl", "", ""};
  request.scriptText = "functions:\n";
  quay::RunImage image;
  quay::ErrorRecord error;
  EXPECT_EQ(quay::CompileProgram(request, image, error), quay::kErrCannotOpen);
  EXPECT_EQ(error.file, DataPath("no_such_include.tsl"));
  EXPECT_EQ(quay::ErrorText(error.code, error.detail), "Cannot open file '" + DataPath("no_such_include.tsl") + "'");
}

TEST(QuayErrors, CustomCodeLabelsWithoutDollarOpenNoSection) {
  const std::string script =
      "funcdefs:\n"
      "\tinteger UserApp(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, "
      "structure AddrParm CurAddress, structure BodyStruct CurBody)\n"
      "functions:\n"
      "UserApp {\n"
      "UserApp$Calc1:\n"
      "    __PBNAME__ := \"UserApp$Calc1\"\n"
      "    goto again\n"
      "again:\n"
      "    Bogus := 1\n"
      "UserApp$EVENT$$:\n"
      "    return 0\n"
      "}\n";
  const Outcome o = CompileText(script);
  ASSERT_EQ(o.code, quay::kErrUndefinedName);
  EXPECT_EQ(o.error.section, "Calc1");
  EXPECT_EQ(o.error.position, 9);
  EXPECT_EQ(o.error.line, 4);
}
