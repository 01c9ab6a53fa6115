// Declarations of the script: which variables are declared, segments, scratch records,
// prototypes, fax documents and the header lines.
#include <gtest/gtest.h>

#include "script_testutil.h"

#include "model/structops.h"
#include "programfile/script/declarations.h"

namespace zeph::test {
namespace {

class ScriptDeclarations : public ScriptTest {
 protected:
  std::string Globals() {
    std::string out;
    ScriptContext c = Context();
    TProgram::DisableSymbolPageCheck all(*program);
    CodeGlobalDeclarations(c, "Lbase", out);
    return out;
  }
  // The text between two section headings of a whole script.
  static std::string Section(const std::string& script, const std::string& from, const std::string& to) {
    const std::size_t a = script.find(from);
    const std::size_t b = script.find(to, a);
    if (a == std::string::npos || b == std::string::npos) return "<missing>";
    return script.substr(a + from.size(), b - a - from.size());
  }
};

TEST_F(ScriptDeclarations, OnlyUsedGlobalVariablesAreDeclared) {
  struct Case {
    const char* name;
    int refCount;
    int scope;
    bool declared;
  };
  const Case cases[] = {
      {"Used", 1, 3, true},
      {"Unused", 0, 3, false},     // a global with no use and its tag set
      {"DefUsed", 1, 3, true},
      {"DefPlain", 0, 3, false},
      {"Local", 1, 2, false},      // only global variables go into the segments
      {"Zero", 1, 0, false},
  };
  for (const Case& c : cases) {
    Symbol* s = AddVariable(c.name, 3, 4, c.scope);
    s->RefCnt = static_cast<std::int16_t>(c.refCount);
  }
  Symbol* serverOwn = AddVariable("ServerOwn", 3, 4, 3);
  serverOwn->RefCnt = 1;
  serverOwn->NotInCode = 1;
  Symbol* gone = AddVariable("Gone", 3, 4, 3);
  gone->RefCnt = 1;
  gone->Deleted = 1;
  const std::string out = Globals();
  for (const Case& c : cases) {
    EXPECT_EQ(out.find(std::string("\tinteger ") + c.name + "\n") != std::string::npos, c.declared) << c.name << "\n" << out;
  }
  EXPECT_EQ(out.find("ServerOwn"), std::string::npos);
  EXPECT_EQ(out.find("Gone"), std::string::npos);
}

TEST_F(ScriptDeclarations, DeclarationForms) {
  Symbol* text = AddVariable("Text", 6, 20);
  Symbol* list = AddVariable("List", 3, 4, 3, 5);
  Symbol* listWithData = AddVariable("Seeded", 3, 4, 3, 3);
  listWithData->Data = std::make_unique<ValueBlockData>(12);
  Symbol* sentence = AddVariable("Say", 46, 0);
  Symbol* handle = AddVariable("File", 22, 12);
  handle->Data = std::make_unique<ValueBlockData>(12);
  Symbol* number = AddVariable("Rate", 5, 8);
  auto rate = std::make_unique<ValueBlockData>(8);
  const double quarter = 0.25;
  std::memcpy(rate->Bytes(), &quarter, 8);
  number->Data = std::move(rate);
  for (Symbol* s : {text, list, listWithData, sentence, handle, number}) s->RefCnt = 1;
  const std::string out = Globals();
  EXPECT_NE(out.find("\tstring(21) Text\n"), std::string::npos) << out;
  EXPECT_NE(out.find("\tinteger List[5]\n"), std::string::npos);
  EXPECT_NE(out.find("\tinteger Seeded[3] \n"), std::string::npos) << "arrays never take a value";
  EXPECT_NE(out.find("\tstructure _TemplateStruct _T_Say\n"), std::string::npos);
  EXPECT_NE(out.find("\tstructure bFileHandle File\n"), std::string::npos) << "a file handle's data is not written";
  EXPECT_NE(out.find("\tnumber Rate := 0.250000\n"), std::string::npos);
  EXPECT_NE(handle->Data, nullptr) << "the handle's data is left in the model";
}

TEST_F(ScriptDeclarations, SegmentsHoldAtMost59999Bytes) {
  // Strings of 19999 bytes: three fill one segment to 59997, a string of 2 then reaches
  // exactly 59999; one byte more opens the next segment.
  for (const char* name : {"A1", "A2", "A3"}) AddVariable(name, 6, 19999)->RefCnt = 1;
  AddVariable("A4", 6, 2)->RefCnt = 1;
  AddVariable("A5", 6, 1)->RefCnt = 1;
  const std::string out = Globals();
  EXPECT_EQ(out,
            "\n\nglobalseg Lbase:\n\tstring(20000) A1\n\tstring(20000) A2\n\tstring(20000) A3\n\tstring(3) A4\n"
            "\n\nglobalseg Lbase_1:\n\tstring(2) A5\n");
}

TEST_F(ScriptDeclarations, ArraysAndStructuresCountTheirWholeSize) {
  StructDef* big = NewStructureDef("Big", 0, 0, &program->Symbols());
  InsertMemberAfter(0, &big->FstMem, NewStructureMember("Text", 6, 30000, big));
  AddVariable("One", big->TypeNum, 1)->RefCnt = 1;
  AddVariable("Two", big->TypeNum, 1)->RefCnt = 1;   // 60000 bytes with One: a new segment
  AddVariable("Row", 3, 4, 3, 15000)->RefCnt = 1;    // 60000 bytes alone
  const std::string out = Globals();
  EXPECT_EQ(out,
            "\n\nglobalseg Lbase:\n\tinteger Row[15000]\n"
            "\n\nglobalseg Lbase_1:\n\tstructure Big One\n"
            "\n\nglobalseg Lbase_2:\n\tstructure Big Two\n");
}

TEST_F(ScriptDeclarations, TheSecondBuildNumbersItsSegmentsOn) {
  AddVariable("Count", 3, 4)->RefCnt = 1;
  std::string first = Generate();
  EXPECT_NE(first.find("\n\nglobalseg Ldemo1000000000:\n\tinteger Count\n"), std::string::npos) << first;
  std::string second = Generate();
  EXPECT_NE(second.find("\n\nglobalseg Ldemo1000000000_1:\n\tinteger Count\n"), std::string::npos) << second;
}

TEST_F(ScriptDeclarations, ScratchRecordsForMailAndMailboxKeys) {
  Add(45, "Forward");
  Add(46, "AddMail");
  Add(49, "First");
  Add(51, "Random");
  Add(134, "Other");
  const std::string script = Generate();
  EXPECT_EQ(Section(script, "\tinteger    __AppID__ := 42\n", "\n\nfuncdefs:"),
            // VavurOrezos in post-order: AddMail, First, Random, Forward (Begin and Other need none)
            "\tstructure bMail __ScrapMail1__\n"
            "\tstructure bMailBoxKey0 __ScrapMBMin1__\n"
            "\tstructure bMailBoxKey0 __ScrapMBMax1__\n"
            "\tstructure bMailBoxKey0 __ScrapMBMin2__\n"
            "\tstructure bMailBoxKey0 __ScrapMBMax2__\n"
            "\tstructure bMail __ScrapMail2__\n");
  // The code uses exactly the records declared, counted again from 1.
  EXPECT_NE(script.find("bMMailFwdAssign(__ScrapMail"), std::string::npos);
  EXPECT_NE(script.find("__ScrapMail2__"), std::string::npos);
  EXPECT_EQ(script.find("__ScrapMail3__"), std::string::npos);
  EXPECT_NE(script.find("bMMBGetRndRnge(!VALUE!,__ScrapMBMin2__,__ScrapMBMax2__)"), std::string::npos) << script;
}

TEST_F(ScriptDeclarations, PrototypesForProgramAndLibraryBuilds) {
  AddPage("Billing");
  AddPage("MYLIB.Rates", 1);
  AddPage("Check", 0, 43);
  std::string out;
  EXPECT_EQ(CodePagePrototypes(*program->Symbols().TreeSlot(41), 0, out), 3);
  EXPECT_EQ(CodePagePrototypes(*program->Symbols().TreeSlot(43), 0, out), 1);
  const char* tail = "(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, structure AddrParm CurAddress, "
                     "structure BodyStruct CurBody)\n";
  EXPECT_EQ(out, std::string("\timport $$_Billing integer $$_Billing.AppManager") + tail +
                     "\tinteger UserApp" + tail + "\timport $$_Rates integer $$_Rates.AppManager" + tail +
                     "\timport $$_Check integer $$_Check.AppManager" + tail);
  std::string library;
  EXPECT_EQ(CodePagePrototypes(*program->Symbols().TreeSlot(41), 1, library), 2);
  EXPECT_EQ(library.find("UserApp("), std::string::npos);
}

TEST_F(ScriptDeclarations, FaxDocumentsSitBesideTheScript) {
  Symbol* fax = AddVariable("Cover", 30, 0);
  fax->Data = std::make_unique<ValueBlockData>(4);
  AddVariable("NoData", 30, 0);
  const std::filesystem::path dotted = folder / "v1.2.data";
  std::filesystem::create_directories(dotted);
  const std::string path = (dotted / "demo.tsl").string();
  ScriptReport report;
  ASSERT_EQ(CodeWriteScript(path.c_str(), 1, 2, 0, nullptr, &report), 0) << report.Message;
  const std::string script = ReadScript(path);
  const std::string document = (dotted / "Cover.ftl").string();
  EXPECT_NE(script.find("\n\nfaxdocumentdefs:\n\tCover := \"" + document + "\"\n\n\nvsentencedefs:\n"), std::string::npos)
      << script;
  EXPECT_TRUE(std::filesystem::exists(document));
  EXPECT_EQ(std::filesystem::file_size(document), 0u);
  EXPECT_FALSE(std::filesystem::exists(dotted / "NoData.ftl"));
}

TEST_F(ScriptDeclarations, HeaderLinesByStubAndVersion) {
  struct Case {
    int stub;
    float target;
    const char* line;
  };
  const Case cases[] = {
      {0, 8.03f, "#\tVersion 8.03 - Jun  3 2004\t11:29:28\n"},
      {1, 8.03f, "#\tVersion 8.03 - (STUB) - Jun  3 2004\t11:29:28\n"},
      {2, 8.03f, "#\tVersion 8.03 - Jun  3 2004\t11:29:28\n"},
      {0, 6.07f, "#\tVersion 6.07 Build 1 - Jun  3 2004\t11:29:28\n"},
      {0, 5.06f, "#\tVersion 5.06 Build 1 - Jun  3 2004\t11:29:28\n"},
      {0, 0.0f, "#\tVersion 8.03 - Jun  3 2004\t11:29:28\n"},
  };
  for (const Case& c : cases) {
    SetScriptStubFlag(c.stub);
    EXPECT_EQ(std::string("#\t") + ScriptVersionText(c.target) + " - " + (c.stub == 1 ? "(STUB) - " : "") +
                  kFixedStamp + "\n",
              c.line);
    if (c.target == 8.03f) {
      const std::string script = Generate();
      EXPECT_EQ(script.substr(0, script.find("\n\n\n")),
                "#\tFile: " + ScriptPath() + "\n#\tDate: " + kFixedDate + "\n" +
                    std::string(c.line).substr(0, std::string(c.line).size() - 1))
          << c.stub;
    }
  }
}

TEST_F(ScriptDeclarations, AnEmptyProgramStillHasEverySection) {
  const std::string script = Generate();
  std::size_t at = 0;
  for (const char* heading : {"\n\n\nstructdefs:\n", "\n\nvariables:\n", "\n\nfuncdefs:\n", "\n\nfaxdocumentdefs:\n",
                              "\n\nvsentencedefs:\n", "\n\nfunctions:\n\n"}) {
    const std::size_t found = script.find(heading, at);
    ASSERT_NE(found, std::string::npos) << heading;
    at = found;
  }
  EXPECT_NE(script.find("\n\nvsentencedefs:\n\n\nfunctions:\n\nUserApp {\n"), std::string::npos);
}

}  // namespace
}  // namespace zeph::test
