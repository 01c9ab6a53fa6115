#pragma once
// Shared pieces of the application-file tests: a program with something of every kind
// in it, saving and loading through string streams, and a dump of a whole program to
// compare two programs by.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "foundation/kvscrpres.h"
#include "model/program/program.h"

namespace zeph::test {

class EdFileTest : public ::testing::Test {
 protected:
  EdFileTest();
  ~EdFileTest() override;

  // A fresh program, made current.
  std::unique_ptr<TProgram> NewProgram();
  // Fills the program with structures, variables of many types with values and arrays,
  // constants, pages of the three kinds with tables, voice sentences with item
  // references, a resource permission, a fax item, VavurOrezos of every catalogue type
  // that can stand alone, Custom and SuperBlock-call blocks, Custom code, DLL text and
  // changed default folders. Without everyType only a few catalogue types are added.
  void FillRich(TProgram& program, bool everyType = true);

  // The model part as written (mode 1: problems are logged, never asked).
  std::string Save(TProgram& program, int* rc = nullptr);
  // Reads text into the program (emptied first). The result of the read.
  int Load(TProgram& program, const std::string& text, short mode = 1);

  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  std::FILE* file = nullptr;   // the designer's file; the text form reads only the stream
};

// Every part of a program in a readable form, so that two programs compare as texts.
std::string DumpProgram(TProgram& program);

// Compares two texts line by line; a failure names the first line that differs.
::testing::AssertionResult SameLines(const std::string& expected, const std::string& actual);

}  // namespace zeph::test
