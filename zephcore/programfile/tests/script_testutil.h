#pragma once
// Shared set-up of the script generator tests: a program with its Main page and Begin
// block made through the application object, fixed time, stamp and encoder, and helpers
// that set fields, write one block's code and generate the whole script.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "foundation/kvscrpres.h"
#include "scratch_folder.h"
#include "model/defset.h"
#include "model/interface/library.h"
#include "model/pbaccess.h"
#include "model/pbcat.h"
#include "model/program/program.h"
#include "programfile/script/blockcode.h"
#include "programfile/script/eventtemplate.h"
#include "programfile/script/buildoptions.h"
#include "programfile/script/scriptcontext.h"
#include "programfile/script/writescript.h"

namespace zeph::test {

inline void* ScriptDialogModule() {
  static int module = 1;
  return &module;
}

inline constexpr std::time_t kFixedNow = 1000000000;
inline constexpr const char* kFixedDate = "Sun Sep  9 01:46:40 2001";
inline constexpr const char* kFixedStamp = "Jun  3 2004\t11:29:28";

// A text with CR LF line ends read back as "\n" ones (the file must use CR LF throughout).
inline std::string ReadScript(const std::string& path, bool* onlyCrLf = nullptr) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  const std::string raw = ss.str();
  std::string out;
  bool clean = true;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\r') {
      if (i + 1 < raw.size() && raw[i + 1] == '\n') {
        out += '\n';
        ++i;
        continue;
      }
      clean = false;
    } else if (raw[i] == '\n') {
      clean = false;
    }
    out += raw[i];
  }
  if (onlyCrLf != nullptr) *onlyCrLf = clean;
  return out;
}

// Fixed time, date and stamp, the given options, no stub, segments counted from 0.
inline void InstallFixedServices(std::int32_t options) {
  ScriptServices services;
  services.Now = [] { return kFixedNow; };
  services.DateText = [](std::time_t) { return std::string(kFixedDate); };
  services.BuildStamp = [] { return std::string(kFixedStamp); };
  SetScriptServices(services);
  SetScriptBuildOptionsWord(options);
  SetScriptStubFlag(0);
  ResetSegmentCounterForTests();
}

class ScriptTest : public ::testing::Test {
 protected:
  ScriptTest() {
    SetDialogModuleLoader(&ScriptDialogModule);
    EnsureLibraryStarted();
    InstallFixedServices(kBuildBlockNames);
    GeneratorCounters().ResetScratch();
    program = std::make_unique<TProgram>();
    main = AddPage("Main", 1);
    program->SetCurrentPage(main);
    begin = Add(142, "Begin");
  }
  ~ScriptTest() override {
    program.reset();
    SetDialogModuleLoader(nullptr);
    ResetScriptServices();
    SetScriptBuildOptionsWord(kBuildBlockNames);
    SetScriptStubFlag(0);
  }

  Symbol* AddPage(const char* name, int invisible = 0, int type = 41) {
    Symbol* page = nullptr;
    EXPECT_EQ(program->AddNamedSymbol(&page, name, type, 1, 1, invisible, false), 0) << name;
    return page;
  }
  PBInstance* Add(int type, const char* name, const char* companion = "") {
    int userError = 0;
    PBInstance* block = program->AddVavurOrezo(type, name, companion, &userError);
    EXPECT_NE(block, nullptr) << name;
    return block;
  }
  // Sets a field by its name (check boxes and radio groups by number text).
  void Set(PBInstance* block, const char* field, const char* text) {
    TProgram::DisableSymbolPageCheck all(*program);
    PBFieldAccessor access(block, 0, nullptr, 1, &program->Symbols());
    ASSERT_GE(access.FindField(field), 0) << block->Name << ": no field " << field;
    EXPECT_EQ(access.SetEntryText(field, text), 1) << block->Name << "." << field << " = " << text;
  }
  void SetIndex(PBInstance* block, int index, const char* text) {
    TProgram::DisableSymbolPageCheck all(*program);
    PBFieldAccessor access(block, 0, nullptr, 1, &program->Symbols());
    EXPECT_EQ(access.SetEntryText(index, text), 1) << block->Name << "#" << index << " = " << text;
  }
  Symbol* AddVariable(const char* name, int type, int size = 0, int scope = 3, int arraySize = 0) {
    Symbol* s = nullptr;
    EXPECT_EQ(program->AddNamedSymbol(&s, name, type, size, 1, 0, false, 0, scope), 0) << name;
    if (s != nullptr) s->ArraySize = static_cast<std::int16_t>(arraySize);
    return s;
  }

  ScriptContext Context() {
    ScriptContext c;
    c.Program = program.get();
    c.Symbols = &program->Symbols();
    c.Customs = &program->CustomVavurOrezos();
    c.TargetVersion = version;
    c.Options = ScriptBuildOptionsWord();
    c.FileName = "demo";
    c.Folder = "C:\\apps\\";
    return c;
  }
  ScriptPage PageOf(const char* name, const char* prefix, int type = 41) {
    ScriptPage p;
    TProgram::DisableSymbolPageCheck all(*program);
    p.Page = LookupSymbol(name, type, &program->Symbols());
    p.PageType = type;
    p.Prefix = prefix;
    return p;
  }
  // The code of one block on Main (or the page given).
  std::string BlockCode(const PBInstance* block, const char* page = "Main", const char* prefix = "UserApp$",
                        int pageType = 41) {
    ScriptContext c = Context();
    std::string out;
    TProgram::DisableSymbolPageCheck all(*program);
    CodeWriteBlock(*block, PageOf(page, prefix, pageType), c, out);
    return out;
  }

  std::string ScriptPath(const char* name = "demo.tsl") const { return (folder / name).string(); }
  // Generates the script; the text read back with "\n" line ends.
  std::string Generate(int isLibrary = 0, int* rc = nullptr, ScriptReport* report = nullptr,
                       const char* name = "demo.tsl") {
    UpdateVavurOrezoDefinitionsForVersion();
    ScriptReport local;
    const int result = CodeWriteScript(ScriptPath(name).c_str(), 7, 42, isLibrary, nullptr,
                                       report != nullptr ? report : &local);
    if (rc != nullptr) {
      *rc = result;
    } else {
      EXPECT_EQ(result, 0) << (report != nullptr ? report->Message : local.Message);
    }
    bool clean = false;
    const std::string text = ReadScript(ScriptPath(name), &clean);
    EXPECT_TRUE(clean) << "every line ends with CR LF";
    return text;
  }
  void UpdateVavurOrezoDefinitionsForVersion() {}

  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  std::unique_ptr<TProgram> program;
  Symbol* main = nullptr;
  PBInstance* begin = nullptr;
  float version = 8.03f;
  test::ScratchFolder folder{"zeph_script_"};
};

}  // namespace zeph::test
