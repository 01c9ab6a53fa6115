// The statements of the types that write their whole block, the fixed heads of the
// assignment types, the SuperBlock call and the code callbacks.
#include <gtest/gtest.h>

#include "script_testutil.h"

#include "model/structops.h"
#include "model/superblk.h"

namespace zeph::test {
namespace {

class ScriptEmitters : public ScriptTest {
 protected:
  ScriptEmitters() {
    for (const char* name : {"Next", "Gt", "Lt", "Eq", "Other"}) Add(126, name);
    for (auto [name, type, size] : std::initializer_list<std::tuple<const char*, int, int>>{
             {"Count", 3, 4}, {"Total", 3, 4}, {"Text", 6, 20}, {"Text2", 6, 20}, {"DateS", 20, 15},
             {"DateS2", 20, 15}, {"DateN", 19, 4}, {"Flag", 53, 2}, {"Small", 2, 2}}) {
      AddVariable(name, type, size);
    }
  }
  // A block's code without its label and name lines.
  std::string Statements(const PBInstance* block) {
    const std::string code = BlockCode(block);
    const std::string head = "UserApp$" + block->Name + ":\n    __PBNAME__ := \"UserApp$" + block->Name + "\"\n";
    EXPECT_EQ(code.substr(0, head.size()), head);
    return code.substr(std::min(head.size(), code.size()));
  }
  PBInstance* Make(int type, std::initializer_list<std::pair<const char*, const char*>> fields, const char* name = "B",
                   const char* companion = "") {
    PBInstance* block = Add(type, name, companion);
    for (const auto& [field, text] : fields) Set(block, field, text);
    return block;
  }
};

TEST_F(ScriptEmitters, CompareInBothForms) {
  struct Case {
    const char* a;
    const char* b;
    const char* code;
  };
  const Case cases[] = {
      {"Count", "'3", "    if(Count > 3) goto Gt\n    if(Count < 3) goto Lt\n    if(Count = 3) goto Eq\n\n"},
      {"Text", "Text2", "    if(Text > Text2) goto Gt\n    if(Text < Text2) goto Lt\n    if(Text = Text2) goto Eq\n\n"},
      {"Text", "DateS",
       "    SStringNumComp(Text, DateS)\n    if(Done = D_GREATER) goto Gt\n    if(Done = D_LESS) goto Lt\n    goto Eq\n\n"},
      {"DateS", "DateS2",
       "    SStringNumComp(DateS, DateS2)\n    if(Done = D_GREATER) goto Gt\n    if(Done = D_LESS) goto Lt\n"
       "    goto Eq\n\n"},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "C" + std::to_string(n++);
    PBInstance* b = Make(26, {{"Compare", c.a}, {"With", c.b}, {"Goto if Greater", "Gt"}, {"Goto if Less", "Lt"},
                              {"Goto if Equal", "Eq"}},
                         name.c_str());
    EXPECT_EQ(Statements(b), c.code) << c.a << " " << c.b;
  }
}

TEST_F(ScriptEmitters, AssignmentByOperandTypes) {
  AddVariable("R1", 42, 18);   // records are copied
  AddVariable("R2", 42, 18);
  struct Case {
    const char* to;
    const char* from;
    const char* code;
  };
  const Case cases[] = {
      {"Count", "'5", "    Count := 5\n    goto Next\n\n"},
      {"Text", "'hi", "    Text := \"hi\"\n    goto Next\n\n"},
      {"Small", "Count", "    Small := Count\n    goto Next\n\n"},
      {"DateN", "DateS", "    UDateStrToNum(DateS, DateN)\n    goto Next\n\n"},
      {"DateS", "DateN", "    UDateNumToStr(DateN, DateS)\n    goto Next\n\n"},
      {"DateN", "Count", "    DateN := Count\n    goto Next\n\n"},
      {"DateS", "DateS2", "    DateS := DateS2\n    goto Next\n\n"},
      {"R1", "R2", "    UVarCopy(R2, R1)\n    goto Next\n\n"},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "A" + std::to_string(n++);
    PBInstance* b = Make(27, {{"Assign to", c.to}, {"The Value of", c.from}, {"Goto", "Next"}}, name.c_str());
    EXPECT_EQ(Statements(b), c.code) << c.to << " := " << c.from;
  }
}

TEST_F(ScriptEmitters, GosubReturnAndExit) {
  EXPECT_EQ(Statements(Make(103, {{"Subroutine", "Other"}, {"Goto on Return", "Next"}}, "Sub1")),
            "    gosub  Other\n    goto Next\n\n");
  EXPECT_EQ(Statements(Make(104, {}, "Ret0")), "    return \n\n");
  EXPECT_EQ(Statements(Make(104, {{"Return Value", "'7"}}, "Ret1")), "    return 7\n\n");
  EXPECT_EQ(Statements(Make(126, {}, "Stop")), "    exit_program\n\n");
}

TEST_F(ScriptEmitters, ChannelParametersNoneAndAllSet) {
  EXPECT_EQ(Statements(Make(135, {}, "None")),
            "    UClearVariable(__ScrapCP__)\n\n    VChannelParms(__ScrapCP__)\n"
            "    if((Error != 0) & (HandleErr != 0)) goto UserApp$EVENT$$\n    goto !VALUE!\n\n");
  static const char* const kMembers[] = {
      "DtmfDetect", "DtmfDelay", "SilenceDly", "NoAnswerRings", "CallProgDly", "AbTimeout", "LcValid",
      "LcWait", "CabTimeout", "BusyCycles", "Glitch", "Spike", "NumRings", "Silence", "LoopFlag",
      "RecordBeep", "DtmfStart", "DtmfTimeout", "Sound", "Gain", "Rate"};
  PBInstance* all = Add(135, "All");
  std::string expected = "    UClearVariable(__ScrapCP__)\n";
  for (int i = 0; i < 21; ++i) {
    if (i == 5) {
      Set(all, kMembers[i], "Small");   // a variable instead of a constant
      expected += "    __ScrapCP__.AbTimeout := Small\n";
      continue;
    }
    const int value = i == 19 ? -300 : (i % 2);
    Set(all, kMembers[i], ("'" + std::to_string(value)).c_str());
    expected += std::string("    __ScrapCP__.") + kMembers[i] + " := " + std::to_string(value) + "\n";
  }
  Set(all, "Goto", "Next");
  expected += "\n    VChannelParms(__ScrapCP__)\n    if((Error != 0) & (HandleErr != 0)) goto UserApp$EVENT$$\n"
              "    goto Next\n\n";
  EXPECT_EQ(Statements(all), expected);
}

TEST_F(ScriptEmitters, ArithmeticAndItsDateForms) {
  struct Case {
    int type;
    const char* a;
    const char* b;
    const char* result;
    const char* code;
  };
  const Case cases[] = {
      {137, "Count", "'2", "Total", "    Total := Count + (2.000000)\n    goto Next\n\n"},
      {138, "Count", "Total", "Total", "    Total := Count - (Total)\n    goto Next\n\n"},
      {139, "Count", "Total", "Total", "    Total := Count * (Total)\n    goto Next\n\n"},
      {140, "Count", "Total", "Total", "    Total := Count / (Total)\n    goto Next\n\n"},
      {138, "DateS", "DateS2", "Count", "    USubDate2(Count,DateS,DateS2)\n    goto Next\n\n"},
      {138, "DateS", "DateS2", "DateS", "    DateS := DateS - (DateS2)\n    goto Next\n\n"},
      {137, "DateS", "Count", "DateS2", "    UAddDate(DateS2,DateS,Count)\n    goto Next\n\n"},
      {138, "DateS", "Count", "DateS2", "    USubDate(DateS2,DateS,Count)\n    goto Next\n\n"},
      {137, "Count", "DateS", "DateS2", "    UAddDate(DateS2,DateS,Count)\n    goto Next\n\n"},
      {137, "'20010101120000", "Count", "DateS", "    UAddDate(DateS,\"20010101120000\",Count)\n    goto Next\n\n"},
      {137, "Count", "Total", "DateS", "    DateS := Count + (Total)\n    goto Next\n\n"},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "M" + std::to_string(n++);
    PBInstance* b = Add(c.type, name.c_str());
    SetIndex(b, 0, c.a);
    SetIndex(b, 1, c.b);
    SetIndex(b, 2, c.result);
    SetIndex(b, 3, "Next");
    EXPECT_EQ(Statements(b), c.code) << c.type << " " << c.a << " " << c.b << " " << c.result;
  }
}

TEST_F(ScriptEmitters, CounterLoopAndEventLabels) {
  EXPECT_EQ(Statements(Make(141, {{"Counter", "Count"}, {"Limit", "'10"}, {"Goto when Limit Reached", "Eq"},
                                  {"Goto while Below Limit", "Lt"}},
                            "Loop")),
            "    Count := Count + 1\n    if(Count < 10) goto Lt\n    Count := 0\n    goto Eq\n\n");
  EXPECT_EQ(Statements(Make(143, {{"Event Label 1", "'11"}, {"Event Label 3", "Count"}, {"Goto on Match", "Eq"},
                                  {"Goto Otherwise", "Other"}},
                            "Events")),
            "    if(EventLabel = 11) goto Eq\n    if(EventLabel = Count) goto Eq\n    goto Other\n\n");
}

TEST_F(ScriptEmitters, SelectionCallsSkipUnchosenParameters) {
  PBInstance* b = Make(148, {{"Value 1", "'3"}, {"Parameter 1", "CP_GAIN"}, {"Value 2", "'4"},
                             {"Parameter 2", "NONE_SELECTED"}, {"Value 3", "Count"}, {"Parameter 3", "CP_RATE"},
                             {"Parameter 4", "CP_SOUND"}, {"Value 5", "'9"}, {"Goto", "Next"}},
                       "ParmSet");
  EXPECT_EQ(Statements(b), "    VParmSet(CP_GAIN, 3)\n    VParmSet(CP_RATE, Count)\n    goto Next\n\n");
}

TEST_F(ScriptEmitters, SuperBlockExitOnBothPageKinds) {
  Symbol* sub = AddPage("Sub");
  program->SetCurrentPage(sub);
  PBInstance* alpha = Add(181, "Alpha");
  PBInstance* beta = Add(181, "Beta");
  SBInterfaceTable(sub, &program->Symbols()).AddEntry("Amount", 3, 0, 0);
  EXPECT_EQ(BlockCode(alpha, "Sub", "Sub$"), "UserApp$Sub$Alpha:\n    __PBNAME__ := \"UserApp$Sub$Alpha\"\n"
                                             "    Error := 0\n    return 100\n\n");
  EXPECT_EQ(BlockCode(beta, "Sub", "Sub$"), "UserApp$Sub$Beta:\n    __PBNAME__ := \"UserApp$Sub$Beta\"\n"
                                            "    Error := 0\n    return 101\n\n");
  Symbol* verify = AddPage("Check", 0, 43);
  program->SetCurrentPage(verify);
  struct Case {
    const char* name;
    int value;
  };
  for (const Case& c : {Case{"Success", 100}, Case{"Failure", 101}}) {
    PBInstance* end = Add(181, c.name);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(BlockCode(end, "Check", "Check$", 43),
              std::string("UserApp$Check$") + c.name + ":\n    __PBNAME__ := \"UserApp$Check$" + c.name +
                  "\"\n    Error := 0\n    return " + std::to_string(c.value) + "\n\n");
  }
}

TEST_F(ScriptEmitters, FlagSetAndTest) {
  struct Case {
    const char* action;
    const char* code;
  };
  const Case cases[] = {
      {"1", "    Flag := 1\n    goto Next\n\n"},
      {"2", "    Flag := 0\n    goto Next\n\n"},
      {"3", "    if (Flag != 0)  Flag := 0\n    else  Flag := 1\n    goto Next\n\n"},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "F" + std::to_string(n++);
    PBInstance* b = Make(282, {{"Flag", "Flag"}, {"Goto", "Next"}, {"Action", c.action}}, name.c_str());
    EXPECT_EQ(Statements(b), c.code) << c.action;
  }
  EXPECT_EQ(Statements(Make(283, {{"Flag", "Flag"}, {"Goto if True", "Eq"}, {"Goto if False", "Other"}}, "T")),
            "    if (Flag != 0)  goto Eq\n    goto Other\n\n");
}

TEST_F(ScriptEmitters, MakeAndSplitDateInBothForms) {
  auto make = [&](const char* name, const char* date) {
    PBInstance* b = Add(284, name);
    const char* texts[] = {date, "'2001", "'2", "Count", "'4", "'5", "'6", "Next"};
    for (int i = 0; i < 8; ++i) SetIndex(b, i, texts[i]);
    return b;
  };
  EXPECT_EQ(Statements(make("MS", "DateS")), "    UMakeDate(DateS,2001,2,Count,4,5,6)\n    goto Next\n\n");
  EXPECT_EQ(Statements(make("MN", "DateN")), "    UMakeDateDelta(DateN,Count,4,5,6)\n    goto Next\n\n");
  PBInstance* s1 = Make(285, {{"Date", "DateS"}, {"Year", "Small"}, {"Day", "Count"}, {"Goto", "Next"}}, "SS");
  EXPECT_EQ(Statements(s1),
            "    USplitDate(DateS,Small,NotDefined,Count,NotDefined,NotDefined,NotDefined,NotDefined)\n"
            "    goto Next\n\n");
  PBInstance* s2 = Make(285, {{"Date", "DateN"}, {"Day", "Count"}, {"Hour", "Total"}, {"Goto", "Next"}}, "SN");
  EXPECT_EQ(Statements(s2), "    USplitDateDelta(DateN,Count,Total,NotDefined,NotDefined)\n    goto Next\n\n");
}

TEST_F(ScriptEmitters, ContinueDocumentStructureCopyAndPageCall) {
  AddVariable("Doc", 30, 0);
  EXPECT_EQ(Statements(Make(291, {{"Fax Document", "Doc"}, {"Goto", "Next"}, {"Page Mode", "2"}}, "Cont")),
            "\tXContinueDocument( 1, Doc)\n    goto Next\n\n");
  AddVariable("Say1", 46, 0);
  AddVariable("Say2", 46, 0);
  EXPECT_EQ(Statements(Make(391, {{"Target", "Say1"}, {"Source", "Say2"}, {"Goto", "Next"}}, "Copy")),
            "    Say1 := Say2\n    _T_Say1 := _T_Say2\n    goto Next\n\n");
  AddPage("MYLIB.Rates", 1);
  PBInstance* call = Make(409, {{"Continue", "Next"}}, "Imp", "MYLIB.Rates");
  ASSERT_NE(call, nullptr);
  EXPECT_EQ(Statements(call), "    Done := $$_Rates.AppManager(CurMailbox,CurMessage,CurAddress,CurBody)\n"
                              "    if(Done = D_ULVO_CONTINUE) goto UserApp$Next\n"
                              "    if(Done = D_ULVO_END) goto UserApp$End\n\n");
}

TEST_F(ScriptEmitters, FixedHeadsWriteBothPasses) {
  PBInstance* b = Make(46, {{"Owner ID", "'Ann"}, {"Mail File", "Text"}, {"Mail Record", "Count"}, {"Added", "Eq"},
                            {"Failed", "Other"}, {"Private", "1"}},
                       "MailAdd");
  const std::string exits = "    if(Done = D_COMPLETED) goto UserApp$Eq\n    if(Done = D_FAILED) goto UserApp$Other\n"
                            "    if (HandleErr = 0) goto UserApp$ERROR$$\n    goto UserApp$EVENT$$\n\n";
  const std::string test = "    if((LastEvent != 0) | ((Error != 0) & (HandleErr != 0))) goto UserApp$EVENT$$\n";
  EXPECT_EQ(Statements(b), "    bMMailAssign(__ScrapMail1__,\"Ann\",\"\",Text,0,0,1)\nUserApp$MailAdd_$:\n" + test + exits +
                               "    bMMailAdd(__ScrapMail1__,Count)\n" + test + exits);
}

TEST_F(ScriptEmitters, SuperBlockCallPassesItsInterface) {
  Symbol* sub = AddPage("Sub");
  SBInterfaceTable table(sub, &program->Symbols());
  table.AddEntry("Amount", 3, 0, 0);
  table.AddEntry("Greeting", 46, 0, 0);
  table.AddEntry("Name", 6, 20, 0);
  program->SetCurrentPage(sub);
  Add(181, "Done1");
  program->SetCurrentPage(main);
  AddVariable("Hello", 46, 0);
  PBInstance* call = Make(-101, {{"Amount", "Count"}, {"Greeting", "Hello"}, {"Name", "'Bob"}, {"Done1", "Next"}},
                          "Call", "Sub");
  const std::string code = Statements(call);
  EXPECT_EQ(code.substr(0, code.find('\n') + 1),
            "    Done := Sub(CurMailbox,CurMessage,CurAddress,CurBody , Count, Hello, _T_Hello, \"Bob\" )\n");
  PBInstance* empty = Add(-101, "Bare", "Sub");
  const std::string bare = Statements(empty);
  EXPECT_EQ(bare.substr(0, bare.find('\n') + 1),
            "    Done := Sub(CurMailbox,CurMessage,CurAddress,CurBody , !VALUE!, !VALUE!, !VALUE! )\n")
      << "values left out are named, never dropped";
}

TEST_F(ScriptEmitters, CodeCallbacks) {
  Set(Make(144, {{"Goto", "Next"}}, "EndErr"), "Goto", "Next");
  EXPECT_EQ(BlockCode(Make(246, {{"Goto", "Next"}}, "BeginErr")),
            "UserApp$BeginErr:\n    __PBNAME__ := \"UserApp$BeginErr\"\n    HandleErr := 0\n    goto Next\n\n");
  TProgram::DisableSymbolPageCheck all(*program);
  EXPECT_EQ(BlockCode(LookupSymbol("EndErr", 34, &program->Symbols()) != nullptr
                          ? InstanceOf(LookupSymbol("EndErr", 34, &program->Symbols()))
                          : nullptr),
            "UserApp$EndErr:\n    __LASTPBNAME__ := \"\" \n    __PBNAME__ := \"UserApp$EndErr\"\n"
            "    HandleErr := 1\n    goto Next\n\n");
  program->SetCurrentPage(AddPage("Sub"));   // not allowed on Main
  PBInstance* returnEvent = Make(247, {}, "RetEv");
  program->SetCurrentPage(main);
  EXPECT_EQ(Statements(returnEvent),
            "    Error := SaveErr\n    LastEvent := SaveEvent\n    __PBNAME__ := __LASTPBNAME__\n"
            "    TSuspendEventPollingOnce()\n    return SaveDone\n\n\n");
  EXPECT_EQ(Statements(Make(215, {{"Event Data", "'3"}, {"Goto", "Next"}, {"Event", "Tone"}}, "On1")),
            "    Error := TOnEvent(SysInfo, EVENT_TONE,3,0,no_value)\nUserApp$On1_$:\n"
            "    if((LastEvent != 0) | ((Error != 0) & (HandleErr != 0))) goto UserApp$EVENT$$\n    goto Next\n\n");
  EXPECT_EQ(Statements(Make(215, {{"Event Handler", "Other"}, {"Once Only", "1"}, {"Goto", "Next"}}, "On2")),
            "    Error := TOnEvent(SysInfo, EVENT_ERROR,0,1,Other)\nUserApp$On2_$:\n"
            "    if((LastEvent != 0) | ((Error != 0) & (HandleErr != 0))) goto UserApp$EVENT$$\n    goto Next\n\n");
  EXPECT_EQ(Statements(Make(261, {{"Compare", "Count"}, {"Goto Otherwise", "Other"}, {"Value 1", "'1"},
                                  {"Goto on Value 1", "Eq"}, {"Value 2", "'2"}, {"Value 3", "Total"},
                                  {"Goto on Value 3", "Gt"}},
                            "Multi")),
            "    if(Count = \"1\") goto Eq\n    if(Count = Total) goto Gt\n    goto Other\n\n\n")
      << "the values are texts unless they name a variable";
  EXPECT_EQ(Statements(Make(261, {{"Goto Otherwise", "Other"}}, "Unset")), "\n")
      << "without a value to compare nothing is written";
}

}  // namespace
}  // namespace zeph::test
