#pragma once
// The fixture of the model interface's tests: boxes answered by script, the library
// started, and a current program whose Main page is active.

#include <gtest/gtest.h>

#include "program_testutil.h"

#include "foundation/kvscrpres.h"
#include "model/interface/library.h"
#include "model/interface/vlx.h"
#include "model/program/program.h"

namespace zeph::test {

class VlxProgramTest : public ::testing::Test {
 protected:
  VlxProgramTest() {
    SetDialogModuleLoader(&FakeDialogModule);
    EnsureLibraryStarted();
    program = vlxAddProgram(nullptr, 0);
    mainPage = vlxCreatePage("Main", 1, 0);
    vlxActivatePage(mainPage);
  }
  ~VlxProgramTest() override {
    vlxRemoveProgram(program);
    SetDialogModuleLoader(nullptr);
  }
  TProgram& Program() { return *static_cast<TProgram*>(program); }

  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  vlxHandleType program = nullptr;
  vlxHandleType mainPage = nullptr;
};

}  // namespace zeph::test
