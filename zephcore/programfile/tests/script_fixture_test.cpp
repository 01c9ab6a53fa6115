// A small program made through the model interface gives exactly its expected script.
#include <gtest/gtest.h>

#include "script_testutil.h"

#include <cstring>

#include "model/interface/vlx.h"
#include "model/pbaccess_export.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "quay/compiler.h"

namespace zeph::test {
namespace {

class ScriptFixture : public ::testing::Test {
 protected:
  ScriptFixture() {
    SetDialogModuleLoader(&ScriptDialogModule);
    EnsureLibraryStarted();
    InstallFixedServices(MakeScriptBuildOptions(false, true));
    handle = vlxAddProgram(nullptr, 0);
  }
  ~ScriptFixture() override {
    vlxRemoveProgram(handle);
    SetDialogModuleLoader(nullptr);
    ResetScriptServices();
    SetScriptBuildOptionsWord(kBuildBlockNames);
  }
  void* Block(int type, const char* name, const char* companion = "") {
    int refused = 0;
    void* block = vlxCreateVavurOrezo(type, name, refused, companion);
    EXPECT_NE(block, nullptr) << name;
    return block;
  }
  // Main: Begin, an assignment, a compare, a Custom VavurOrezo, a call of page Sub and an
  // end; Sub: Begin, a pause and its End Block; globals, a structure and DLL prototypes.
  void BuildProgram();
  void Set(void* block, const char* field, const char* text) {
    EXPECT_EQ(vlxSetVavurOrezoEntry(block, field, text), 0) << field << " = " << text;
  }

  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  vlxHandleType handle = nullptr;
  test::ScratchFolder folder{"zeph_script_"};
};

constexpr const char* kExpectedScript = R"(#	File: @PATH@
#	Date: Sun Sep  9 01:46:40 2001
#	Version 8.03 - Jun  3 2004	11:29:28



structdefs:
Caller  {
	string(16) Number
	integer Minutes
}


globalseg Ldemo1000000000:
	integer Count
	string(21) Label := "hello"
	structure Caller Who


variables:
	integer    __TRACE__ := 0
	string(65) __FileName__ := "demo"
	integer    __CustID__ := 7
	integer    __AppID__ := 42


funcdefs:
	integer UserApp(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, structure AddrParm CurAddress, structure BodyStruct CurBody)
	import $$_Sub integer $$_Sub.AppManager(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, structure AddrParm CurAddress, structure BodyStruct CurBody)
	integer Twice(integer x)
	integer Half(integer x)


faxdocumentdefs:


vsentencedefs:


functions:

UserApp {

    __TRACE__ := Kvsle_TracingEnabled()
    Error := InitVoiceDBAddrs()

UserApp$Begin:
    goto UserApp$Setup

UserApp$Continue:
    __PBNAME__ := "UserApp$Continue"
    Error := 0
    return 100

UserApp$End:
    __PBNAME__ := "UserApp$End"
    Error := 0
    return 101

UserApp$Bump:
    __PBNAME__ := "UserApp$Bump"
    Count := Count + 1
    Count := Count * 2
    goto CallSub

UserApp$CallSub:
    __PBNAME__ := "UserApp$CallSub"
    Done := Sub(CurMailbox,CurMessage,CurAddress,CurBody , Count )
UserApp$CallSub_$:
    if((LastEvent != 0) | ((Error != 0) & (HandleErr != 0))) goto UserApp$EVENT$$
    if(Done = D_TDL_SUCCESS) goto UserApp$Finish
    if (HandleErr = 0) goto UserApp$ERROR$$
    goto UserApp$EVENT$$

UserApp$Check:
    __PBNAME__ := "UserApp$Check"
    if(Count > 3) goto Bump
    if(Count < 3) goto Finish
    if(Count = 3) goto Finish

UserApp$Finish:
    __PBNAME__ := "UserApp$Finish"
    exit_program

UserApp$Setup:
    __PBNAME__ := "UserApp$Setup"
    Count := 5
    goto Check

@MAIN_EVENTS@}

UserApp {

    __TRACE__ := Kvsle_TracingEnabled()
UserApp$Sub$Begin:
    goto UserApp$Sub$Wait

UserApp$Continue:
    __PBNAME__ := "UserApp$Continue"
    Error := 0
    return 100

UserApp$End:
    __PBNAME__ := "UserApp$End"
    Error := 0
    return 101

UserApp$Sub$Out:
    __PBNAME__ := "UserApp$Sub$Out"
    Error := 0
    return 100

UserApp$Sub$Wait:
    __PBNAME__ := "UserApp$Sub$Wait"
    UPauseProgram(250)
UserApp$Sub$Wait_$:
    if((LastEvent != 0) | ((Error != 0) & (HandleErr != 0))) goto Sub$EVENT$$
    goto Sub$Out

@SUB_EVENTS@}

)";

std::string Replace(std::string text, const std::string& what, const std::string& with) {
  const std::size_t at = text.find(what);
  if (at != std::string::npos) text.replace(at, what.size(), with);
  return text;
}

void ScriptFixture::BuildProgram() {
  TProgram& program = *TProgram::Current();
  vlxCreatePage("Main", 1, 0);
  void* begin = Block(142, "Begin");
  // Global data: a counter, a labelled string with its initial value and a record.
  Symbol* count = nullptr;
  ASSERT_EQ(program.AddNamedSymbol(&count, "Count", 3, 4, 1, 0, false, 0, 3), 0);
  count->RefCnt = 1;
  Symbol* label = nullptr;
  ASSERT_EQ(program.AddNamedSymbol(&label, "Label", 6, 20, 1, 0, false, 0, 3), 0);
  auto value = std::make_unique<ValueBlockData>(20);
  std::memcpy(value->Bytes(), "hello", 6);
  label->Data = std::move(value);
  label->RefCnt = 1;
  StructDef* caller = NewStructureDef("Caller", 0, 0, &program.Symbols());
  InsertMemberAfter(0, &caller->FstMem, NewStructureMember("Number", 6, 16, caller));
  InsertMemberAfter(1, &caller->FstMem, NewStructureMember("Minutes", 3, 1, caller));
  Symbol* who = nullptr;
  ASSERT_EQ(program.AddNamedSymbol(&who, "Who", caller->TypeNum, 1, 1, 0, false, 0, 3), 0);
  who->RefCnt = 1;
  program.DllHeaderText = "\tinteger Twice(integer x)\r\n\tinteger Half(integer x)\r\n";

  // The called page with its interface and its End Block.
  vlxHandleType sub = vlxCreatePage("Sub", 1, 0);
  ASSERT_EQ(SBInterfaceTable(static_cast<Symbol*>(sub), &program.Symbols()).AddEntry("Amount", 3, 0, 0), 0);
  void* subBegin = Block(142, "Begin");
  void* wait = Block(134, "Wait");
  Block(181, "Out");
  Set(subBegin, "Goto", "Sub$Wait");
  Set(wait, "Pause Time (mSec)", "'250");
  Set(wait, "Goto", "Sub$Out");

  vlxActivatePage(vlxFindPage("Main"));
  ASSERT_EQ(CustomPBAdd(program.CustomVavurOrezos(), "Calc", &program.Symbols()), 0);
  CustomPBFind(program.CustomVavurOrezos(), "Calc")->Code = "Count := Count + 1\r\n    Count := Count * 2";
  void* setup = Block(27, "Setup");
  void* check = Block(26, "Check");
  void* bump = Block(-100, "Bump", "Calc");
  void* call = Block(-101, "CallSub", "Sub");
  void* finish = Block(126, "Finish");
  Set(begin, "Goto", "Setup");
  Set(setup, "Assign to", "Count");
  Set(setup, "The Value of", "'5");
  Set(setup, "Goto", "Check");
  Set(check, "Compare", "Count");
  Set(check, "With", "'3");
  Set(check, "Goto if Greater", "Bump");
  Set(check, "Goto if Less", "Finish");
  Set(check, "Goto if Equal", "Finish");
  Set(bump, "Goto", "CallSub");
  Set(call, "Amount", "Count");
  Set(call, "Out", "Finish");
  (void)finish;
}

TEST_F(ScriptFixture, ProgramGivesExactlyItsScript) {
  BuildProgram();
  TProgram& program = *TProgram::Current();

  const std::string path = (folder / "demo.tsl").string();
  ScriptReport report;
  ASSERT_EQ(CodeWriteScript(path.c_str(), 7, 42, 0, nullptr, &report), 0) << report.Message;
  EXPECT_EQ(report.PrototypeLines, 2);
  bool crlf = false;
  const std::string text = ReadScript(path, &crlf);
  EXPECT_TRUE(crlf);

  std::string mainEvents, subEvents;
  ExpandEventTemplate(mainEvents, "Main");
  ExpandEventTemplate(subEvents, "Sub");
  std::string expected = Replace(kExpectedScript, "@PATH@", path);
  expected = Replace(expected, "@MAIN_EVENTS@", mainEvents);
  expected = Replace(expected, "@SUB_EVENTS@", subEvents);
  EXPECT_EQ(text, expected);
  EXPECT_EQ(program.Symbols().SymbolPageCheck, 1) << "the page-scope check is back as it was";
}

}  // namespace
}  // namespace zeph::test

namespace zeph::test {
namespace {

TEST_F(ScriptFixture, TheScriptCompilesAgainstTheSystemIncludes) {
  BuildProgram();
  TProgram::Current()->DllHeaderText.clear();   // no DLL behind these prototypes here
  const std::string path = (folder / "demo.tsl").string();
  ScriptReport report;
  ASSERT_EQ(CodeWriteScript(path.c_str(), 7, 42, 0, nullptr, &report), 0) << report.Message;
  const std::filesystem::path includes =
      std::filesystem::path(ZEPH_TEST_DATA_DIR).parent_path().parent_path() / "build" / "include";
  quay::CompileRequest request;
  request.paths = {(includes / "ulvoinc.tsl").string(), path, (includes / "ulvofunc.tsl").string(), ""};
  // The page's interface, as the build supplies it.
  request.declarations =
      "pagedefs:\n\tinteger Sub(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, "
      "structure AddrParm CurAddress, structure BodyStruct CurBody, any Amount)\n";
  quay::RunImage image;
  quay::ErrorRecord error;
  EXPECT_EQ(quay::CompileProgram(request, image, error), 0)
      << quay::ErrorText(error.code, error.detail) << " in " << error.section << " line " << error.line << "\n"
      << ReadScript(path);
  EXPECT_EQ(image.customerId, 7);
  EXPECT_EQ(image.applicationId, 42);
}

}  // namespace
}  // namespace zeph::test
