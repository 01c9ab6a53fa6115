// The system include files: committed copies match what the catalogue writes today, they
// compile, and each catalogue call written the way the generator writes its arguments
// matches the arity of its prototype.
#include <gtest/gtest.h>

#include "script_testutil.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/datatypes.h"
#include "model/pbcat.h"
#include "model/structops.h"
#include "programfile/build/include_files.h"
#include "programfile/script/buildoptions.h"
#include "programfile/script/typewords.h"
#include "quay/compiler.h"
#include "scratch_folder.h"

namespace {

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

const std::filesystem::path kCommitted = std::filesystem::path(ZEPH_TEST_DATA_DIR).parent_path().parent_path() /
                                         "build" / "include";

int CompileWith(const std::filesystem::path& folder, const char* inc, const char* funcs, const std::string& script,
                quay::ErrorRecord& error) {
  quay::CompileRequest request;
  request.paths = {(folder / inc).string(), "script.tsl", (folder / funcs).string(), ""};
  request.scriptText = script;
  quay::RunImage image;
  return quay::CompileProgram(request, image, error);
}

}  // namespace

TEST(BuildIncludeFiles, CommittedFilesRegenerateByteForByte) {
  // ZEPH_WRITE_INCLUDES=1 refreshes the committed copies after a catalogue change.
  if (const char* refresh = std::getenv("ZEPH_WRITE_INCLUDES"); refresh && std::string(refresh) == "1") {
    std::filesystem::create_directories(kCommitted);
    ASSERT_EQ(zeph::WriteIncludeFiles(kCommitted.string()), 0);
  }
  zeph::test::ScratchFolder temp{"build_inc_"};
  ASSERT_EQ(zeph::WriteIncludeFiles(temp.string()), 0);
  for (const auto& file : zeph::MakeIncludeFiles()) {
    const std::string fresh = ReadBytes(temp / file.name);
    ASSERT_FALSE(fresh.empty()) << file.name;
    EXPECT_EQ(ReadBytes(kCommitted / file.name), fresh)
        << file.name << " is out of date: regenerate it with WriteIncludeFiles";
    EXPECT_NE(fresh.find("\r\n"), std::string::npos);
  }
}

TEST(BuildIncludeFiles, EachPairOfFilesCompiles) {
  zeph::test::ScratchFolder temp{"build_inc_"};
  ASSERT_EQ(zeph::WriteIncludeFiles(temp.string()), 0);
  const char* pairs[3][2] = {{"ulvoinc.tsl", "ulvofunc.tsl"}, {"sysinc.tsl", "sysfuncs.tsl"},
                             {"sysincst.tsl", "sysfunst.tsl"}};
  for (const auto& p : pairs) {
    quay::ErrorRecord error;
    EXPECT_EQ(CompileWith(temp, p[0], p[1], "functions:\n", error), 0)
        << p[0] << ": " << quay::ErrorText(error.code, error.detail) << " in " << error.file << " line "
        << error.position;
  }
}

// Every catalogue call, with its arguments written as the generator writes each template
// kind, compiles against the prototype the include files give it.
TEST(BuildIncludeFiles, CallTemplateArityMatchesItsPrototype) {
  zeph::test::ScratchFolder temp{"build_inc_"};
  ASSERT_EQ(zeph::WriteIncludeFiles(temp.string()), 0);
  auto argumentText = [](int kind) -> std::string {
    switch (kind) {
      case -291: return "no_value,no_value";
      case -289: return "Error, datadef Error";
      case -286: return "0,0,0,0,0,0";
      case -298: return "no_value, Error, Error, no_value, no_value, no_value";
      case -276: return "1,0,0,0,0,0,0,0,0,0,0,0";
      case -304: return "CurAddress";
      case -296: return "\"_F1\\cust\\x\"";
      default: return kind >= 0 ? "Error" : "0";
    }
  };
  std::string body;
  int calls = 0;
  for (int type = 0; type < zeph::kPBCatalogueSize; ++type) {
    const zeph::PBType* slot = zeph::GetPBType(type);
    if (!slot || !slot->InternalName || !slot->FieldTable || !slot->ParmTemplate) continue;
    const int arity = zeph::IncludeFunctionArity(slot->InternalName);
    if (arity < 0) continue;  // a type whose statements the generator writes itself
    std::string args;
    std::string first;
    const zeph::PBTemplatePair* p = slot->ParmTemplate;
    for (; !scribe::IsTemplateEnd(*p); ++p) first += (first.empty() ? "" : ",") + argumentText(p->Kind);
    args = first;
    int commas = 0;
    for (char c : args) commas += c == ',';
    if (commas + (args.empty() ? 0 : 1) != arity) {
      // The head types call their internal name with the second list instead.
      ++p;
      while (!scribe::IsTemplateEnd(*p)) ++p;
      ++p;
      args.clear();
      for (; !scribe::IsTemplateEnd(*p); ++p) args += (args.empty() ? "" : ",") + argumentText(p->Kind);
    }
    body += "    " + std::string(slot->InternalName) + "(" + args + ")\n";
    ++calls;
  }
  ASSERT_GT(calls, 100);
  const std::string script = "funcdefs:\n\tinteger F(structure AddrParm CurAddress)\nfunctions:\nF {\n" + body + "}\n";
  quay::ErrorRecord error;
  EXPECT_EQ(CompileWith(temp, "ulvoinc.tsl", "ulvofunc.tsl", script, error), 0)
      << quay::ErrorText(error.code, error.detail) << " at script line " << error.position;
}

// What the generator writes beside the catalogue's templates: the mailbox search keys it
// declares as scratch variables and fills member by member, and the call of a type without
// a template, which has no arguments.
TEST(BuildIncludeFiles, ScratchKeysAndCallsWithoutTemplateCompile) {
  zeph::test::ScratchFolder temp{"build_inc_"};
  ASSERT_EQ(zeph::WriteIncludeFiles(temp.string()), 0);
  EXPECT_EQ(zeph::IncludeFunctionArity("PObsolete"), 0);
  const std::string script =
      "globalseg L1:\n\tstructure bMailBoxKey0 __ScrapMBMin1__\n\tstructure bMailBoxKey0 __ScrapMBMax1__\n"
      "funcdefs:\n\tinteger F()\nfunctions:\nF {\n"
      "    __ScrapMBMin1__.MBState := 1\n    __ScrapMBMin1__.Category4 := 2\n"
      "    __ScrapMBMax1__.OwnerID := \"0042\"\n    PObsolete()\n}\n";
  quay::ErrorRecord error;
  EXPECT_EQ(CompileWith(temp, "ulvoinc.tsl", "ulvofunc.tsl", script, error), 0)
      << quay::ErrorText(error.code, error.detail) << " at script line " << error.position;
}

// A script as the generator writes it (two pages, a Custom VavurOrezo, a SuperBlock call,
// DLL prototypes, the event template of each page) compiles against the committed
// includes once the program supplies its page's interface.
TEST(BuildIncludeFiles, GeneratedScriptCompilesAgainstTheIncludes) {
  quay::CompileRequest request;
  request.paths = {(kCommitted / "ulvoinc.tsl").string(), std::string(ZEPH_TEST_DATA_DIR) + "/generated_demo.tsl",
                   (kCommitted / "ulvofunc.tsl").string(), ""};
  request.declarations =
      "pagedefs:\n\tinteger Sub(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, "
      "structure AddrParm CurAddress, structure BodyStruct CurBody, any Amount)\n";
  quay::RunImage image;
  quay::ErrorRecord error;
  ASSERT_EQ(quay::CompileProgram(request, image, error), 0)
      << quay::ErrorText(error.code, error.detail) << " at " << error.position;
  EXPECT_EQ(image.functions.size(), 2u);
  EXPECT_EQ(image.customerId, 7);
  EXPECT_EQ(image.applicationId, 42);

  // Without the page's interface the call has nothing to bind to.
  request.declarations.clear();
  EXPECT_EQ(quay::CompileProgram(request, image, error), quay::kErrUndefinedName);
  EXPECT_EQ(error.detail, "Sub");
}

namespace zeph::test {
namespace {

class BuildIncludeRecords : public ScriptTest {};

// A program with a global variable of every built-in type the generator has a word for
// (records such as bDBInfo and bSQLInfo among them, and the members of a structure of the
// program) writes a script that compiles against the committed includes.
TEST_F(BuildIncludeRecords, AVariableOfEveryBuiltInTypeCompiles) {
  StructDef* rec = NewStructureDef("Rec", 0, 0, &program->Symbols());
  ASSERT_NE(rec, nullptr);
  std::vector<std::string> declared;
  const StructList none;
  for (int code = 0; code < kBuiltinTypeCount; ++code) {
    std::string word;
    // Pages, blocks and labels are no variables.
    if (code == kTypeStruct || code == kTypeSuperBlock || code == kTypeVerificationBlock || code == kTypeVavurOrezo ||
        code == kTypeLabel || !CodeTypeText(code, 1, nullptr, none, word)) {
      continue;
    }
    const std::string name = "V" + std::to_string(code);
    Symbol* s = nullptr;
    if (program->AddNamedSymbol(&s, name.c_str(), code, code == kTypeString ? 40 : 1, 1, 0, false, 0, 3) != 0) continue;
    s->RefCnt = 1;  // only variables in use are written
    declared.push_back(word);
  }
  for (const char* record : {"structure bDBInfo", "structure bSQLInfo", "structure bFileHandle", "structure bMailBox"})
    EXPECT_NE(std::find(declared.begin(), declared.end(), record), declared.end()) << record;

  Add(126, "Target");
  Set(begin, "Goto", "Target");
  const std::string text = Generate();
  EXPECT_NE(text.find("structure bDBInfo V7"), std::string::npos) << text;
  quay::CompileRequest request;
  request.paths = {(kCommitted / "ulvoinc.tsl").string(), ScriptPath(), (kCommitted / "ulvofunc.tsl").string(), ""};
  quay::RunImage image;
  quay::ErrorRecord error;
  ASSERT_EQ(quay::CompileProgram(request, image, error), 0)
      << quay::ErrorText(error.code, error.detail) << " in " << error.section << " line " << error.line << "\n"
      << text;
  // The record keeps the size of its type.
  const auto v7 = std::find_if(image.variables.begin(), image.variables.end(),
                               [&](const quay::RunVariable& v) { return image.strings[v.name] == "V7"; });
  ASSERT_NE(v7, image.variables.end());
  EXPECT_EQ(v7->size * v7->count, static_cast<std::uint32_t>(GetBuiltinTypeEntry(7)->Size));
}

// Program and library builds, with trace and with stubs, of a program whose pages call
// a runtime function and each other compile against the include files of their kind.
TEST_F(BuildIncludeRecords, ProgramAndLibraryBuildsCompileWithTraceAndStubs) {
  Symbol* sub = AddPage("Sub");
  program->SetCurrentPage(sub);
  PBInstance* subBegin = Add(142, "Begin");
  PBInstance* wait = Add(134, "Wait");
  Add(181, "Out");
  Set(subBegin, "Goto", "Sub$Wait");
  Set(wait, "Pause Time (mSec)", "'250");
  Set(wait, "Goto", "Sub$Out");
  program->SetCurrentPage(main);
  PBInstance* call = Add(-101, "CallSub", "Sub");
  Add(126, "Finish");
  Set(begin, "Goto", "CallSub");
  Set(call, "Out", "Finish");
  const char* declarations =
      "pagedefs:\n\tinteger Sub(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, "
      "structure AddrParm CurAddress, structure BodyStruct CurBody)\n";
  struct Case {
    int library;
    bool trace;
    int stubs;
    const char* include;
    const char* functions;
  };
  const Case cases[] = {{0, false, 0, "ulvoinc.tsl", "ulvofunc.tsl"}, {0, true, 0, "ulvoinc.tsl", "ulvofunc.tsl"},
                        {1, false, 0, "sysinc.tsl", "sysfuncs.tsl"},  {1, true, 0, "sysinc.tsl", "sysfuncs.tsl"},
                        {1, false, 1, "sysincst.tsl", "sysfunst.tsl"}, {1, true, 1, "sysincst.tsl", "sysfunst.tsl"}};
  for (const Case& c : cases) {
    SetScriptBuildOptionsWord(MakeScriptBuildOptions(c.trace, false));
    SetScriptStubFlag(c.stubs);
    const std::string text = Generate(c.library);
    quay::CompileRequest request;
    request.paths = {(kCommitted / c.include).string(), ScriptPath(), (kCommitted / c.functions).string(), ""};
    request.declarations = declarations;
    quay::RunImage image;
    quay::ErrorRecord error;
    EXPECT_EQ(quay::CompileProgram(request, image, error), 0)
        << c.include << (c.trace ? " trace" : "") << ": " << quay::ErrorText(error.code, error.detail) << " in "
        << error.section << " line " << error.line << "\n"
        << text;
    EXPECT_EQ(image.kind, c.library ? 1 : 0) << c.include;
  }
}

}  // namespace
}  // namespace zeph::test
