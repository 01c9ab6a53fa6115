// The build driver: file names, stages, and each compile error reported where the user
// fixes it (a Custom VavurOrezo line, a DLL prototype line or a script position), as a box
// and as a log line, with the editors opened only when asked for, and no run file left.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "foundation/kvmsgbox.h"
#include "foundation/kvreg.h"
#include "foundation/kvscrpres.h"
#include "foundation/kvvif.h"
#include "model/custompb.h"
#include "model/interface/library.h"
#include "model/interface/vlx.h"
#include "model/pbentry_instance.h"
#include "model/program/program.h"
#include "programfile/build/builddriver.h"
#include "programfile/build/buildnames.h"
#include "programfile/build/codeeditors.h"
#include "programfile/build/declarations.h"
#include "model/superblk.h"
#include "model/symtable.h"
#include "quay/quay.h"
#include "scratch_folder.h"

namespace zeph {
namespace {

// Sets or clears an environment variable on both targets.
void SetEnv(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value ? value : "");
#else
  if (value)
    ::setenv(name, value, 1);
  else
    ::unsetenv(name);
#endif
}

void* FakeDialogModule() {
  static int module = 1;
  return &module;
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

const std::filesystem::path kData = ZEPH_TEST_DATA_DIR;
const std::filesystem::path kIncludes = kData.parent_path().parent_path() / "build" / "include";

// Records what the driver asks of the editor windows.
struct FakeEditors : CodeEditorHost {
  int MakeFileWindow(HWND, const char* title, std::string* text, int* openFlag, void** buffer, int line) override {
    opened.push_back(std::string(title) + " @" + std::to_string(line));
    lastText = text;
    *buffer = this;
    (void)openFlag;
    return 0;
  }
  void UpdateBuffer(void*) override { ++updates; }
  void GotoLine(void*, int line) override { gotos.push_back(line); }
  void Focus(void*) override { ++focuses; }
  std::vector<std::string> opened;
  std::vector<int> gotos;
  int focuses = 0;
  int updates = 0;
  std::string* lastText = nullptr;
};

class BuildDriver : public ::testing::Test {
 protected:
  BuildDriver() {
    SetDialogModuleLoader(&FakeDialogModule);
    EnsureLibraryStarted();
    registry.Set(kKvProductKey, "IncludeDir", kIncludes.string());
    KvSetRegistry(&registry);
    SetCodeEditorHost(&editors);
    handle = vlxAddProgram(nullptr, 0);
    program = TProgram::Current();
    vlxCreatePage("Main", 1, 0);
    EXPECT_EQ(CustomPBAdd(program->CustomVavurOrezos(), "Calc", &program->Symbols()), 0);
    int refused = 0;
    EXPECT_NE(vlxCreateVavurOrezo(-100, "Bump", refused, "Calc"), nullptr);
    script = ReadText(kData / "generated_demo.tsl");
    SetBuildScriptWriter([this](const char* path, std::int32_t, std::int32_t, int, std::ostream*, int, int, int,
                                BuildScriptResult* result) {
      ++writes;
      std::ofstream(path, std::ios::binary) << script;
      result->prototypeLines = 2;
      result->message = writerMessage;
      return writerResult;
    });
    _appErrorExists = 0;
    _clbFailure = 0;
  }
  ~BuildDriver() override {
    SetBuildScriptWriter(nullptr);
    SetCodeEditorHost(nullptr);
    vlxRemoveProgram(handle);
    KvSetRegistry(nullptr);
    SetDialogModuleLoader(nullptr);
  }
  // The page "Sub" is called by the script; the program supplies its interface.
  static const char* Declarations(void*) {
    return "pagedefs:\n\tinteger Sub(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, "
           "structure AddrParm CurAddress, structure BodyStruct CurBody, any Amount)\n";
  }
  int Build(std::ostream* log, int stage = 3, int trace = 0) {
    _InitCompiler(&Declarations, nullptr);
    const int rc = BuildProgram(program, (folder / "demo.ed").string().c_str(), 7, 42, 0, stage, log, trace, 0, 0);
    _InitCompiler(nullptr, nullptr);
    return rc;
  }
  void Inject(const std::string& from, const std::string& to) {
    const auto at = script.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    script.replace(at, from.size(), to);
  }
  std::filesystem::path RunFile() const { return folder / "demo.run"; }

  KvMemoryRegistry registry;
  FakeEditors editors;
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  test::ScratchFolder folder{"zeph_build_"};
  vlxHandleType handle = nullptr;
  TProgram* program = nullptr;
  std::string script;
  int writes = 0;
  int writerResult = 0;
  std::string writerMessage;
};

}  // namespace

TEST(BuildNames, ProgramAndLibraryForms) {
  KvMemoryRegistry registry;
  registry.Set(kKvProductKey, "IncludeDir", "C:\\vlx\\inc\\");
  KvSetRegistry(&registry);
  BuildFileNames names;
  EXPECT_EQ(MakeBuildFileNames("C:\\prog.d\\demo.ed", names), 0);
  EXPECT_EQ(names.include, "C:\\vlx\\inc\\ulvoinc.tsl");
  EXPECT_EQ(names.functions, "C:\\vlx\\inc\\ulvofunc.tsl");
  EXPECT_EQ(names.script, "C:\\prog.d\\demo.tsl");
  EXPECT_EQ(names.output, "C:\\prog.d\\demo.run");
  EXPECT_TRUE(names.extra.empty());
  KvSetRegistry(nullptr);

  SetEnv("KVULVO_INCLUDE", "D:\\inc\\");
  EXPECT_EQ(MakeLibraryBuildFileNames("lib.ed", true, names), 0);
  EXPECT_EQ(names.include, "D:\\inc\\sysincst.tsl");
  EXPECT_EQ(names.functions, "D:\\inc\\sysfunst.tsl");
  EXPECT_EQ(names.output, "lib.rll");
  SetEnv("KVULVO_INCLUDE", nullptr);
  EXPECT_EQ(MakeLibraryBuildFileNames("lib.ed", false, names), 0);
  EXPECT_EQ(names.include, "\\vlx\\include\\sysinc.tsl");
  EXPECT_EQ(names.functions, "\\vlx\\include\\sysfuncs.tsl");
}

TEST_F(BuildDriver, GoodBuildWritesTheRunFile) {
  ASSERT_EQ(Build(nullptr), 0) << (presenter.Boxes().empty() ? "" : presenter.Boxes()[0].text);
  EXPECT_TRUE(std::filesystem::exists(RunFile()));
  EXPECT_TRUE(presenter.Boxes().empty());
  EXPECT_EQ(BuildOptionBits(), 4);
}

TEST_F(BuildDriver, StageOneWritesOnlyAndSucceeds) {
  EXPECT_EQ(Build(nullptr, 1), 0);
  EXPECT_EQ(writes, 1);
  EXPECT_TRUE(std::filesystem::exists(folder / "demo.tsl"));
  EXPECT_FALSE(std::filesystem::exists(RunFile()));
}

TEST_F(BuildDriver, StageTwoCompilesTheExistingScript) {
  std::ofstream(folder / "demo.tsl", std::ios::binary) << script;
  EXPECT_EQ(Build(nullptr, 2), 0);
  EXPECT_EQ(writes, 0);
  EXPECT_TRUE(std::filesystem::exists(RunFile()));
}

TEST_F(BuildDriver, ScriptWriterFailureShowsTheModelTextAndCompilesNothing) {
  writerResult = -156;
  std::ostringstream log;
  EXPECT_EQ(Build(&log), 1);
  EXPECT_EQ(log.str(), "ERROR: Error writing file, check to see if disk is full or busy\n");
  EXPECT_FALSE(std::filesystem::exists(RunFile()));
  EXPECT_EQ(_appErrorExists, 1);
}

// The generator's own account of the failure follows the model text, in the box and as
// one log line.
TEST_F(BuildDriver, ScriptWriterFailureShowsTheGeneratorsMessage) {
  writerResult = -157;
  writerMessage = "The page 'Sub' has no Begin VavurOrezo\r\n('Sub$Begin').";
  const std::string text =
      "Internal Error #1, contact the technical support staff. The page 'Sub' has no Begin VavurOrezo  ('Sub$Begin').";
  EXPECT_EQ(Build(nullptr), 1);
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(presenter.Boxes()[0].text, text);
  std::ostringstream log;
  EXPECT_EQ(Build(&log), 1);
  EXPECT_EQ(log.str(), "ERROR: " + text + "\n");
  EXPECT_FALSE(std::filesystem::exists(RunFile()));
}

// The real generator: a page without its Begin block stops the build with the generator's
// words naming the page.
TEST_F(BuildDriver, GeneratorFailureNamesThePage) {
  SetBuildScriptWriter(nullptr);
  vlxCreatePage("Lonely", 1, 0);
  std::ostringstream log;
  EXPECT_EQ(Build(&log), 1);
  EXPECT_NE(log.str().find("Lonely"), std::string::npos) << log.str();
  EXPECT_EQ(log.str().rfind("ERROR: Internal Error #1, contact the technical support staff. ", 0), 0u) << log.str();
}

struct DriverFault {
  const char* what;
  const char* from;
  const char* to;
  const char* text;  // the driver's text
  int trace;
};

const DriverFault kDriverFaults[] = {
    {"Custom VavurOrezo line", "Count := Count * 2", "Count := Cnt * 2",
     "Error on line 2 of Custom VavurOrezo \"Calc\": Undefined name 'Cnt'", 0},
    {"Custom VavurOrezo line with trace", "    __PBNAME__ := \"UserApp$Bump\"\n",
     "    __PBNAME__ := \"UserApp$Bump\"\n    if (__TRACE__ = 1) OTrace(__PBNAME__)\n    Cnt := 1\n",
     "Error on line 1 of Custom VavurOrezo \"Calc\": Undefined name 'Cnt'", 1},
    {"DLL line", "\tinteger Half(integer x)", "\tinteger Half(integer x",
     "Error on Line 2 of DLL Proto Defn: Bad DLL prototype: ')' expected, end of line found. Edit Now?", 0},
    {"script position", "    goto Check\n", "    goto Chek\n",
     "Error @ 88 in the .TSL file: Undefined label 'Chek'", 0},
    {"generated prototype", "structure  MsgStruct CurMessage, structure AddrParm CurAddress, structure BodyStruct "
                            "CurBody)\n\timport",
     "structure  MsgStrct CurMessage, structure AddrParm CurAddress, structure BodyStruct CurBody)\n\timport",
     "Error @ 28 in the .TSL file: Undefined structure 'MsgStrct'", 0},
    {"missing value", "    goto UserApp$Setup\n", "    goto !VALUE!\n",
     "Error @ 48 in the .TSL file: Missing value (!VALUE!)", 0},
};

class BuildDriverFaults : public BuildDriver, public ::testing::WithParamInterface<DriverFault> {};

TEST_P(BuildDriverFaults, BoxAndLogCarryTheSameTextAndNoRunFileIsLeft) {
  const DriverFault& row = GetParam();
  // A run file from an earlier build must not survive a failed one.
  ASSERT_EQ(Build(nullptr), 0);
  ASSERT_TRUE(std::filesystem::exists(RunFile()));
  Inject(row.from, row.to);

  presenter.Answer(kKvIdNo);
  EXPECT_EQ(Build(nullptr, 3, row.trace), 1);
  ASSERT_EQ(presenter.Boxes().size(), 1u) << row.what;
  EXPECT_EQ(presenter.Boxes()[0].text, row.text) << row.what;
  EXPECT_EQ(presenter.Boxes()[0].caption, "Flowsmith");
  EXPECT_FALSE(std::filesystem::exists(RunFile())) << row.what;
  EXPECT_EQ(_appErrorExists, 0);

  std::ostringstream log;
  editors.opened.clear();
  EXPECT_EQ(Build(&log, 3, row.trace), 1);
  EXPECT_EQ(log.str(), "ERROR: " + std::string(row.text) + "\n") << row.what;
  EXPECT_EQ(presenter.Boxes().size(), 1u) << "a batch build shows no box";
  EXPECT_TRUE(editors.opened.empty()) << "a batch build opens no editor";
  EXPECT_EQ(_appErrorExists, 1);
  EXPECT_EQ(_clbFailure, 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, BuildDriverFaults, ::testing::ValuesIn(kDriverFaults));

TEST_F(BuildDriver, DllErrorOpensTheEditorOnlyOnYes) {
  Inject("\tinteger Half(integer x)", "\tinteger Half(integer x");
  presenter.Answer(kKvIdNo);
  EXPECT_EQ(Build(nullptr), 1);
  EXPECT_EQ(presenter.Boxes().at(0).style & kKvMbTypeMask, static_cast<std::uint32_t>(kKvMbYesNo));
  EXPECT_TRUE(editors.opened.empty());

  presenter.Answer(kKvIdYes);
  EXPECT_EQ(Build(nullptr), 1);
  ASSERT_EQ(editors.opened.size(), 1u);
  EXPECT_EQ(editors.opened[0], "DLL Function Definitions @2");
  EXPECT_EQ(editors.lastText, &program->DllHeaderText);
  EXPECT_EQ(program->DllEditorOpen, 1);

  // Open already: brought to the front at the line, its text copied back first.
  presenter.Answer(kKvIdYes);
  EXPECT_EQ(Build(nullptr), 1);
  EXPECT_EQ(editors.opened.size(), 1u);
  EXPECT_EQ(editors.updates, 1);
  EXPECT_EQ(editors.focuses, 1);
  EXPECT_EQ(editors.gotos, std::vector<int>{2});
}

TEST_F(BuildDriver, CustomErrorOpensItsEditorAtTheLineThenMovesTheOpenOne) {
  Inject("Count := Count * 2", "Count := Cnt * 2");
  EXPECT_EQ(Build(nullptr), 1);
  ASSERT_EQ(editors.opened.size(), 1u);
  EXPECT_EQ(editors.opened[0], "Custom VavurOrezo / Calc @2");
  EXPECT_EQ(program->CustomEditorOpen, 1);
  EXPECT_EQ(Build(nullptr), 1);
  EXPECT_EQ(editors.opened.size(), 1u);
  EXPECT_EQ(editors.focuses, 1);
  EXPECT_EQ(editors.gotos, std::vector<int>{2});
}

// A Custom VavurOrezo named "ERROR" is mapped with the same correction as any other.
TEST_F(BuildDriver, CustomNamedErrorGetsTheSameLine) {
  ASSERT_EQ(CustomPBAdd(program->CustomVavurOrezos(), "ERROR", &program->Symbols()), 0);
  {
    TProgram::DisableSymbolPageCheck all(*program);
    PBInstance* bump = InstanceOf(LookupSymbol("Bump", 34, &program->Symbols()));
    ASSERT_NE(bump, nullptr);
    bump->Companion = "ERROR";
  }
  Inject("Count := Count * 2", "Count := Cnt * 2");
  std::ostringstream log;
  EXPECT_EQ(Build(&log), 1);
  EXPECT_EQ(log.str(), "ERROR: Error on line 2 of Custom VavurOrezo \"ERROR\": Undefined name 'Cnt'\n");
}

TEST_F(BuildDriver, MissingIncludeNamesTheFile) {
  registry.Set(kKvProductKey, "IncludeDir", (folder / "nowhere").string());
  std::ostringstream log;
  EXPECT_EQ(Build(&log), 1);
  const std::string missing = (folder / "nowhere" / "ulvoinc.tsl").string();
  EXPECT_EQ(log.str(), "ERROR: Error @ 0 in " + missing + ": Cannot open file '" + missing + "'\n");
  EXPECT_FALSE(std::filesystem::exists(RunFile()));
}

TEST(BuildPrototypeLines, CountsOnlyTheGeneratedPrototypes) {
  EXPECT_EQ(CountPrototypeLines("funcdefs:\r\n\tinteger UserApp(x)\r\n\timport $$_A integer $$_A.AppManager()\r\n"
                                "\tinteger Dll(integer a)\r\n"),
            2);
  EXPECT_EQ(CountPrototypeLines("funcdefs:\n\timport $$_A integer $$_A.AppManager()\n"), 1);
  EXPECT_EQ(CountPrototypeLines("variables:\n\tinteger x\n"), 0);
}

}  // namespace zeph

namespace zeph {

TEST_F(BuildDriver, ExportsBuildTheCurrentProgramAndOpenTheEditors) {
  std::ofstream(folder / "demo.tsl", std::ios::binary) << script;
  _InitCompiler(&Declarations, nullptr);
  EXPECT_EQ(vlxBuildProgram((folder / "demo.ed").string().c_str(), 7, 42, 2, nullptr, 0, 0, 0), 0);
  _InitCompiler(nullptr, nullptr);
  EXPECT_TRUE(std::filesystem::exists(RunFile()));

  EXPECT_EQ(vlxOpenCustomPB("Nope"), 0);
  EXPECT_EQ(vlxOpenCustomPB("Calc"), 1);
  EXPECT_EQ(editors.opened, std::vector<std::string>{"Custom VavurOrezo / Calc @0"});
  // A code editor is open: a second one is refused with a box.
  EXPECT_EQ(vlxOpenCustomPB("Calc"), 0);
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(presenter.Boxes()[0].text,
            "You must first close the outstanding edit window before performing this operation");

  vlxDefineDLLProtoCommand();
  EXPECT_EQ(editors.opened.back(), "DLL Function Definitions @0");
  vlxDefineDLLProtoCommand();
  EXPECT_EQ(editors.opened.size(), 2u);
  EXPECT_EQ(editors.focuses, 1);

  vlxActivateProgram(nullptr);
  EXPECT_EQ(vlxBuildProgram((folder / "demo.ed").string().c_str(), 7, 42, 3, nullptr, 0, 0, 0), 1);
  EXPECT_EQ(vlxBuildLibrary((folder / "demo.ed").string().c_str(), 3, nullptr, 0, 0, 0), 1);
  vlxActivateProgram(handle);
}

}  // namespace zeph

namespace zeph {

// The program's own declarations: variables that the generator leaves out (scopes 0 to 2)
// and one line per called page with its interface, so that the script compiles.
TEST_F(BuildDriver, ProgramDeclarationsCompleteTheScript) {
  vlxHandleType sub = vlxCreatePage("Sub", 1, 0);
  ASSERT_NE(sub, nullptr);
  ASSERT_EQ(SBInterfaceTable(static_cast<Symbol*>(sub), &program->Symbols()).AddEntry("Amount", 3, 0, 0), 0);
  vlxActivatePage(vlxFindPage("Main"));
  Symbol* local = nullptr;
  ASSERT_EQ(program->AddNamedSymbol(&local, "Tally", 3, 4, 1, 0, false, 0, 1), 0);
  Symbol* global = nullptr;
  ASSERT_EQ(program->AddNamedSymbol(&global, "Shared", 3, 4, 1, 0, false, 0, 3), 0);

  const std::string text = ProgramDeclarationText(*program);
  EXPECT_NE(text.find("variables:\n\tinteger Tally\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Shared"), std::string::npos) << "scope 3 is the generator's";
  EXPECT_NE(text.find("pagedefs:\n\tinteger Sub(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, "
                      "structure AddrParm CurAddress, structure BodyStruct CurBody, any Amount)\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("integer Main("), std::string::npos);

  // What the script leaves out of the globals: voice sentences and resource items whole,
  // of a sentence variable the sentence itself (its "_T_" record is the script's).
  for (const auto& [name, type] : {std::pair<const char*, int>{"Greet", 35}, {"Hold", 46}, {"Perm", 21}}) {
    Symbol* s = nullptr;
    ASSERT_EQ(program->AddNamedSymbol(&s, name, type, 1, 1, 0, false, 0, 3), 0) << name;
  }
  const std::string globals = ProgramDeclarationText(*program);
  EXPECT_NE(globals.find("\tvsentence Greet\n\tstructure _TemplateStruct _T_Greet\n"), std::string::npos) << globals;
  EXPECT_NE(globals.find("\tvsentence Hold\n"), std::string::npos) << globals;
  EXPECT_EQ(globals.find("_T_Hold"), std::string::npos) << globals;
  EXPECT_NE(globals.find("\tinteger Perm\n"), std::string::npos) << globals;

  Inject("    Count := Count + 1\n", "    Count := Count + 1\n    Tally := Count\n");
  // Making the program registered its declarations with the compiler.
  const int rc = BuildProgram(program, (folder / "demo.ed").string().c_str(), 7, 42, 0, 3, nullptr, 0, 0, 0);
  _InitCompiler(nullptr, nullptr);
  EXPECT_EQ(rc, 0) << (presenter.Boxes().empty() ? "" : presenter.Boxes()[0].text);
}

}  // namespace zeph
