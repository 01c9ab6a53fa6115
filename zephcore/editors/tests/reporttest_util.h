#pragma once
// A current program with VavurOrezos on its Main page for the report tests; each block
// gets a field table of its own written in the catalogue's field text.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/datatypes.h"
#include "model/pbaccess.h"
#include "model/pbcat.h"
#include "model/pbentry_instance.h"
#include "model/program/program.h"
#include "scribe/fielddesc.h"

namespace zeph::test {

inline void* ReportDialogModule() {
  static int module = 1;
  return &module;
}

class ReportProgram : public ::testing::Test {
 protected:
  ReportProgram() {
    TheCatalogue();
    SetDialogModuleLoader(&ReportDialogModule);
    program = std::make_unique<TProgram>();
    Symbol* main = nullptr;
    EXPECT_EQ(program->AddNamedSymbol(&main, "Main", kTypeSuperBlock, 1, 1, 1, false), 0);
    program->SetCurrentPage(main);
  }
  ~ReportProgram() override {
    program.reset();
    SetDialogModuleLoader(nullptr);
  }

  // A VavurOrezo of a catalogue type whose fields are the given table.
  PBInstance& Block(const char* name, const char* fields, int type = 134) {
    int userError = 0;
    PBInstance* instance = program->AddVavurOrezo(type, name, "", &userError);
    EXPECT_NE(instance, nullptr) << name;
    std::string error;
    tables.push_back(scribe::BuildFieldTable(fields, scribe::ParmLayout::Extended, &error));
    EXPECT_EQ(error, "") << fields;
    instance->OwnTable = std::make_unique<PBOwnFieldTable>(tables.back()->Entries());
    return *instance;
  }
  void Set(PBInstance& block, const char* field, const char* text) {
    PBFieldAccessor access(&block, 0, nullptr, 0, &program->Symbols());
    EXPECT_EQ(access.SetEntryText(field, text), 1) << field << "=" << text;
  }

  std::unique_ptr<TProgram> program;
  std::vector<std::unique_ptr<scribe::FieldTable>> tables;
};

}  // namespace zeph::test
