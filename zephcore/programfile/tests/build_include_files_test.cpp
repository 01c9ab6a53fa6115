// The system include files: committed copies match what the catalogue writes today, they
// compile, and each catalogue call written the way the generator writes its arguments
// matches the arity of its prototype.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/pbcat.h"
#include "programfile/build/include_files.h"
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
