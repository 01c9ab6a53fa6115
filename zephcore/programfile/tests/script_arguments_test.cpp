// Argument texts by template kind, the wrapping of long argument lists, exit lines, the
// menu's choice lines and the mailbox key lines.
#include <gtest/gtest.h>

#include "script_testutil.h"

#include "programfile/script/arguments.h"
#include "programfile/script/emitters.h"
#include "scribe/fielddesc.h"

namespace zeph::test {
namespace {

// Fields of the block the argument kinds are tried on.
constexpr const char* kFields =
    "eNum:int,?|eText:str,len=40,?|eReq:int|xFlag|rRadio:base=1,radio=A/B/C/D|cMode:list=9|"
    "vVar:any,?|eName:str,len=40|gGo:next";
enum Field { kNum, kText, kReq, kFlag, kRadio, kMode, kVar, kName, kGo };

class ScriptArguments : public ScriptTest {
 protected:
  ScriptArguments() {
    AddVariable("Count", 3, 4);
    AddVariable("Label", 6, 20);
    block = Custom(kFields, 134);
  }
  // A block (not filed in the program) with a field table of its own.
  PBInstance* Custom(const char* fields, int type) {
    std::string error;
    tables.push_back(scribe::BuildFieldTable(fields, scribe::ParmLayout::Extended, &error));
    EXPECT_EQ(error, "");
    auto made = std::make_unique<PBInstance>();
    made->Name = "Blk";
    made->Type = static_cast<std::int16_t>(type);
    made->OwnTable = std::make_unique<PBOwnFieldTable>(tables.back()->Entries());
    instances.push_back(std::move(made));
    return instances.back().get();
  }
  void Put(PBInstance* b, int field, const char* text) {
    PBFieldAccessor access(b, 0, nullptr, 0, &program->Symbols());
    ASSERT_EQ(access.SetEntryText(field, text), 1) << field << " = " << text;
  }
  std::string Arg(int kind, int field, PBInstance* b = nullptr) {
    ScriptContext c = Context();
    return ArgumentText(kind, field, BlockFields(b != nullptr ? *b : *block, program->Symbols()), c);
  }

  std::vector<std::unique_ptr<scribe::FieldTable>> tables;
  std::vector<std::unique_ptr<PBInstance>> instances;
  PBInstance* block = nullptr;
};

TEST_F(ScriptArguments, FieldsAsTheyStand) {
  EXPECT_EQ(Arg(0, kNum), "no_value");
  EXPECT_EQ(Arg(0, kText), "\"\"");
  EXPECT_EQ(Arg(0, kReq), "!VALUE!");
  Put(block, kNum, "'12");
  Put(block, kText, "'hello");
  Put(block, kReq, "Count");
  EXPECT_EQ(Arg(0, kNum), "12");
  EXPECT_EQ(Arg(0, kText), "\"hello\"");
  EXPECT_EQ(Arg(0, kReq), "Count");
}

TEST_F(ScriptArguments, WordsOfCheckBoxesAndRadioGroups) {
  struct Case {
    int kind;
    const char* radio;   // button number set, or null for none
    bool flag;
    const char* text;
  };
  const Case cases[] = {
      {-270, nullptr, false, "0"}, {-270, nullptr, true, "1"},
      {-272, nullptr, false, "R_CREATE"}, {-272, nullptr, true, "R_APPEND"},
      {-284, "3", false, "2"}, {-282, "3", false, "300"}, {-303, "2", false, "5101"}, {-292, "3", false, "3"},
      {-273, "1", false, "V_NONE"}, {-273, "2", false, "V_RANGE"}, {-273, "3", false, "V_DB"},
      {-273, "4", false, "V_ROUTINE"},
      {-285, "1", false, "FILEMODE_R"}, {-285, "2", false, "FILEMODE_W"}, {-285, "3", false, "FILEMODE_A"},
  };
  for (const Case& c : cases) {
    PBInstance* b = Custom(kFields, 134);
    if (c.radio != nullptr) Put(b, kRadio, c.radio);
    if (c.flag) Put(b, kFlag, "1");
    const int field = c.kind == -270 || c.kind == -272 ? kFlag : kRadio;
    EXPECT_EQ(Arg(c.kind, field, b), c.text) << c.kind << " " << (c.radio ? c.radio : "-");
  }
}

TEST_F(ScriptArguments, NumbersReadFromTexts) {
  struct Case {
    int kind;
    const char* text;   // null: no value
    const char* arg;
  };
  const Case cases[] = {
      {-300, "'12", "12"},    {-301, "'12", "10012"},   {-302, "'12", "20012"}, {-300, nullptr, "\"\""},
      {-311, "'12:34", "12"}, {-312, "'12:34", "34"},   {-313, "'5/6", "5"},    {-314, "'5/6", "6"},
      {-312, "'12", "0"},     {-311, nullptr, "0"},
      {-309, "'x", "1"},      {-310, nullptr, "0"},
  };
  for (const Case& c : cases) {
    PBInstance* b = Custom(kFields, 134);
    if (c.text != nullptr) Put(b, kText, c.text);
    EXPECT_EQ(Arg(c.kind, kText, b), c.arg) << c.kind << " " << (c.text ? c.text : "-");
  }
}

TEST_F(ScriptArguments, PasswordsAreEncodedIntoADouble) {
  std::string seen;
  ScriptServices services;
  services.Now = [] { return kFixedNow; };
  services.EncodePassword = [&](const char* text, unsigned char out[8]) {
    seen = text;
    const double value = 1.5;
    std::memcpy(out, &value, 8);
    return 0;
  };
  SetScriptServices(services);
  EXPECT_EQ(Arg(-315, kText), "0");
  Put(block, kText, "'secret");
  EXPECT_EQ(Arg(-315, kText), "1.500000000000000000e+00");
  EXPECT_EQ(seen, "secret") << "passed without its quotes";

  ResetScriptServices();   // stand-alone: nothing is written, the zeroed bytes give 0.0
  EXPECT_EQ(Arg(-315, kText), "0.000000000000000000e+00");

  services.EncodePassword = [](const char*, unsigned char out[8]) {
    std::memset(out, 0x7F, 8);
    return 62;
  };
  SetScriptServices(services);
  try {
    Arg(-315, kText);
    ADD_FAILURE() << "a failed encoding must stop the build";
  } catch (const ScriptFailure& failure) {
    EXPECT_EQ(failure.Code(), kErrInternal1);
    EXPECT_NE(std::string(failure.what()).find("'Blk'"), std::string::npos) << failure.what();
  }
}

TEST_F(ScriptArguments, FixedWordsAndNamesBuiltFromFields) {
  for (auto [kind, text] : std::initializer_list<std::pair<int, const char*>>{
           {-304, "CurAddress"}, {-305, "CurMailbox"}, {-306, "CurMessage"}, {-307, "CurBody"},
           {-299, "__MISAFID__"}, {-290, "_SysFaxHandle"}, {-275, "__MenuResult__"}}) {
    EXPECT_EQ(Arg(kind, 0), text) << kind;
  }
  EXPECT_EQ(Arg(-297, kVar), "_NULLTEMPSTRUCT");
  EXPECT_EQ(Arg(-296, kText), "\"\"");
  EXPECT_EQ(Arg(-295, kVar), "no_value");
  EXPECT_EQ(Arg(-291, kVar), "no_value,no_value");
  Put(block, kVar, "Count");
  Put(block, kText, "'greet");
  Put(block, kReq, "Label");
  EXPECT_EQ(Arg(-297, kVar), "_T_Count");
  EXPECT_EQ(Arg(-296, kText), "\"_F1\\cust\\cust1\\flowsmith\\demo\\_Rgreet\"");
  EXPECT_EQ(Arg(-295, kVar), "\"integer\"");
  EXPECT_EQ(Arg(-294, kVar), "no_value");
  EXPECT_EQ(Arg(-291, kVar), "no_value,no_value") << "an optional field";
  EXPECT_EQ(Arg(-291, kReq), "Label, datadef Label");
  EXPECT_EQ(Arg(-289, kVar), "Count, datadef Count");
  Put(block, kVar, "Label");
  EXPECT_EQ(Arg(-295, kVar), "\"string(21)\"");
}

TEST_F(ScriptArguments, ChoicesWriteTheirStoredWords) {
  EXPECT_EQ(Arg(-293, kMode), "R_READ") << "no value: the list's first text";
  Put(block, kMode, "Append");
  EXPECT_EQ(Arg(-293, kMode), "R_APPEND");
  PBInstance* play = Custom(kFields, 178);   // the play and record calls quote the word
  Put(play, kMode, "Create");
  EXPECT_EQ(Arg(-293, kMode, play), "\"R_CREATE^\"");
  PBInstance* defaulted = Custom("cMode:list=9,=Exclusive", 134);
  EXPECT_EQ(Arg(-293, 0, defaulted), "R_EXCLUSIVE") << "no value: the default text";
}

TEST_F(ScriptArguments, BitWords) {
  std::string boxes;
  for (int i = 0; i < 12; ++i) boxes += "xB" + std::to_string(i) + "|";
  PBInstance* b = Custom((boxes + "gGo:next").c_str(), 134);
  EXPECT_EQ(Arg(-287, 0, b), "0x0");
  EXPECT_EQ(Arg(-283, 0, b), "0x0");
  Put(b, 0, "1");
  Put(b, 2, "1");
  Put(b, 11, "1");
  EXPECT_EQ(Arg(-287, 0, b), "0x1100A") << "0x10002 | 0x10008 | 0x11000";
  EXPECT_EQ(Arg(-283, 0, b), "0x5");

  std::string radios;
  for (int i = 0; i < 13; ++i) radios += "xP" + std::to_string(i) + "|";
  for (int i = 0; i < 16; ++i) radios += "rR" + std::to_string(i) + ":base=1,radio=a/b/c/d/e/f|";
  PBInstance* r = Custom((radios + "gGo:next").c_str(), 134);
  for (int i = 0; i < 16; ++i) Put(r, 13 + i, std::to_string(i % 6 + 1).c_str());
  // Word i of the bit table goes into the word its field selects (1 to 6).
  EXPECT_EQ(Arg(-286, 0, r), Format("%#lx,%#lx,%#lx,%#lx,%#lx,%#lx", 0x10002ul | 0x10080ul | 0x12000ul,
                                    0x10004ul | 0x10100ul | 0x14000ul, 0x10008ul | 0x10200ul | 0x18000ul,
                                    0x10010ul | 0x10400ul | 0x10001ul, 0x10020ul | 0x10800ul,
                                    0x10040ul | 0x11000ul));
}

TEST_F(ScriptArguments, ScratchNamesAndTheEntryFlagList) {
  GeneratorCounters().ResetScratch();
  EXPECT_EQ(Arg(-271, 0), "__ScrapMail1__");
  EXPECT_EQ(Arg(-279, 0), "__ScrapMail1__");
  EXPECT_EQ(Arg(-271, 0), "__ScrapMail2__");
  GeneratorCounters().MailboxMin = 4;
  GeneratorCounters().MailboxMax = 5;
  EXPECT_EQ(Arg(-280, 0), "__ScrapMBMin4__");
  EXPECT_EQ(Arg(-281, 0), "__ScrapMBMax5__");
  std::string gotos;
  for (int i = 0; i < 12; ++i) gotos += "gK" + std::to_string(i) + ":?|";
  PBInstance* menu = Custom((gotos + "eX:int").c_str(), 134);
  Put(menu, 1, "Count");
  Put(menu, 11, "Somewhere");   // a target not made yet still counts
  EXPECT_EQ(Arg(-276, 0, menu), "0,1,0,0,0,0,0,0,0,0,0,1");
}

TEST_F(ScriptArguments, FaxSelectionPlacesItsFieldsByTheChosenKind) {
  const char* fields = "eA:int,?|eB:int,?|eC:int,?|eD:int,?|eE:int,?|eF:int,?|cKind:list=5|gGo:next";
  struct Case {
    const char* kind;   // text of list 5; null: none chosen
    const char* text;
  };
  const Case cases[] = {
      {"NONE_SELECTED", "1, no_value, no_value, no_value, no_value, no_value"},
      {"CP_DTMFDELAY", "no_value, 1, 2, no_value, 5, no_value"},
      {"CP_ABTIMEOUT", "no_value, 1, no_value, 2, no_value, no_value"},
      {"CP_DTMFTIMEOUT", "no_value, no_value, no_value, 2, no_value, no_value"},
      {"CP_SOUND", "1, no_value, no_value, no_value, no_value, no_value"},
      {"CP_SILENCE", "1, no_value, no_value, no_value, no_value, no_value"},
      {"CP_SILENCEDLY", "no_value, 1, 2, no_value, no_value, no_value"},
      {nullptr, "no_value, no_value, no_value, no_value, no_value, no_value"},
  };
  for (const Case& c : cases) {
    PBInstance* b = Custom(fields, 134);
    Put(b, 0, "'1");
    Put(b, 1, "'2");
    Put(b, 4, "'5");
    if (c.kind != nullptr) Put(b, 6, c.kind);
    EXPECT_EQ(Arg(-298, 0, b), c.text) << (c.kind ? c.kind : "-");
  }
}

TEST_F(ScriptArguments, AnUnknownKindStopsTheBuild) {
  EXPECT_THROW(Arg(-999, 0), ScriptFailure);
}

TEST_F(ScriptArguments, LongListsBreakBeforeAnArgumentPastColumn67) {
  const char* names[] = {"Alphaaaaaaaaaaaaaaaaaaaaaaaa1", "Bravobbbbbbbbbbbbbbbbbbbbbbb2", "Charlieccccccccccccccccccccc3", "Deltaddddddddddddddddddddddd4"};   // 29 characters each
  for (const char* name : names) AddVariable(name, 3, 4);
  PBInstance* b = Custom("vA:int|vB:int|vC:int|vD:int|gGo:next", 134);
  for (int i = 0; i < 4; ++i) Put(b, i, names[i]);
  const PBTemplatePair list[] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, scribe::kTemplateEndField}};
  std::string out = "    Call(";
  ScriptContext c = Context();
  AppendArgumentList(list, BlockFields(*b, program->Symbols()), c, 0, out);
  // 9 + 29 + 1 = 39 characters before the second argument stay on the line; 69 before the
  // third break it; the fourth is measured from the break's last blank (1 + 29 + 1 = 31).
  EXPECT_EQ(out, std::string("    Call(") + names[0] + "," + names[1] + ",\n        " + names[2] + "," + names[3] +
                     ")\n");
}

class ScriptExits : public ScriptArguments {};

TEST_F(ScriptExits, CompletionCodeLines) {
  struct Case {
    int code;
    float version;
    const char* line;
  };
  const Case cases[] = {
      {0, 8.03f, "    if(Done = D_COMPLETED) goto UserApp$Next\n"},
      {103, 5.06f, "    if(Done = D_TDL_ROTARY) goto UserApp$Rotary\n"},
      {114, 6.06f, "    if(Done = D_FSL_ROTARY) goto UserApp$Rotary\n"},
      {155, 6.07f, "    if(Done = D_PWD_ROTARY) goto UserApp$Next\n"},
      {103, 0.0f, "    if(Done = D_TDL_ROTARY) goto UserApp$Next\n"},
      {103, 8.03f, "    if(Done = D_TDL_ROTARY) goto UserApp$Next\n"},
      {105, 8.03f, "    if(Done = D_TDL_END) goto UserApp$End\n"},
      {166, 8.03f, "    if(Done = D_SRT_DONE) goto UserApp$End\n"},
      {39, 8.03f, "    if(Done =  ) goto UserApp$Next\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(CompletionExitLine(c.code, "Next", c.version), c.line) << c.code;
}

TEST_F(ScriptExits, OptionalExitsLeftOpenAreLeftOut) {
  Add(126, "Next");
  PBInstance* b = Add(21, "Multi");   // user keys 1 and 2 may stay open
  Set(b, "Goto on User Key 2", "Next");
  const std::string code = BlockCode(b);
  EXPECT_EQ(code.find("D_MENUCHOICE1"), std::string::npos) << code;
  EXPECT_NE(code.find("    if(Done = D_MENUCHOICE2) goto UserApp$Next\n"), std::string::npos) << code;
  EXPECT_NE(code.find("    if(Done = D_ABORT) goto UserApp$!VALUE!\n"), std::string::npos)
      << "a required exit left open names the missing target";
}

TEST_F(ScriptExits, MenuLinesByTargetVersion) {
  Add(126, "Next");
  PBInstance* menu = Add(0, "Menu");
  Set(menu, "Key 1", "Next");
  Set(menu, "Key *", "Next");
  Set(menu, "Timeout", "Next");
  Set(menu, "Rotary (Server 6)", "Six");
  Set(menu, "Goto on Rotary", "Eight");
  const std::string keys = "    if(Done = D_MENUCHOICE1) goto UserApp$Next\n    if(Done = D_MENUSTAR) goto UserApp$Next\n"
                           "    if(Done = D_MENUTIMEOUT) goto UserApp$Next\n";
  const std::string end = "    if(Done = D_MENUEND) goto UserApp$End\n";
  struct Case {
    float version;
    const char* rotary;
  };
  const Case cases[] = {
      {8.03f, "    if(Done = D_MENUROTARY) goto UserApp$Eight\n"},
      {0.0f, "    if(Done = D_MENUROTARY) goto UserApp$Eight\n"},
      {6.07f, "    if(Done = D_MENUROTARY) goto UserApp$Six\n"},
      {5.06f, "    if(Done = D_MENUROTARY) goto UserApp$Rotary\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MenuChoiceLines(BlockFields(*menu, program->Symbols()), c.version), keys + c.rotary + end) << c.version;
  }
  PBInstance* bare = Add(0, "Bare");
  EXPECT_EQ(MenuChoiceLines(BlockFields(*bare, program->Symbols()), 8.03f), end) << "an open rotary exit is left out";
  // The whole block: the entry flags stand on their own line before the call.
  const std::string code = BlockCode(menu);
  EXPECT_EQ(code.substr(0, code.find("    VMenu(")),
            "UserApp$Menu:\n    __PBNAME__ := \"UserApp$Menu\"\n    1,0,0,0,0,0,0,0,0,0,1,0\n");
}

TEST_F(ScriptExits, MailboxKeyLinesFillBothScratchKeys) {
  GeneratorCounters().ResetScratch();
  PBInstance* b = Add(50, "Last");
  Set(b, "Min State", "'2");
  Set(b, "Min Owner ID", "'ann");
  Set(b, "Max Category 4", "Count");
  EXPECT_EQ(MailboxKeyLines(BlockFields(*b, program->Symbols())),
            "    __ScrapMBMin1__.MBState := 2\n    __ScrapMBMin1__.OwnerID := \"ann\"\n"
            "    __ScrapMBMax1__.Category4 := Count\n\n");
  EXPECT_EQ(MailboxKeyLines(BlockFields(*Add(51, "Rnd"), program->Symbols())), "\n");
  EXPECT_EQ(GeneratorCounters().MailboxMin, 2);
  EXPECT_EQ(GeneratorCounters().MailboxMax, 2);
}

}  // namespace
}  // namespace zeph::test
