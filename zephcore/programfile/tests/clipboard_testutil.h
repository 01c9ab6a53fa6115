#pragma once
// Shared pieces of the clipboard tests: a clipboard with a program of its own, made before
// the tests' programs, and a recount of every use count by the model's counting rules.

#include <memory>
#include <string>

#include "edfile_testutil.h"
#include "programfile/clipboard/clipboard.h"
#include "programfile/clipboard/clipequal.h"

namespace zeph::test {

class ClipboardTest : public EdFileTest {
 protected:
  ClipboardTest() : clip(std::make_unique<TVlxClipboard>()) {}

  Symbol* AddVariable(TProgram& p, const char* name, int type, int size = 1, int scope = 0);
  // Sets a slot to a reference text of the program and counts it.
  void SetSlot(TProgram& p, SymP& slot, const char* text);
  PBInstance* AddBlock(TProgram& p, int type, const char* name, const char* companion = "");

  std::unique_ptr<TVlxClipboard> clip;
};

// "Outer" {Flag, In of "Inner" {Count, Label}} in the program; returns Outer.
StructDef* AddNestedStructures(SymbolTable& t);

// Every use count of the program that differs from a recount (symbols by the value slots,
// sentence items and symbols typed by a structure that name them, members by the slots
// that name them), one line each; empty when all agree.
std::string RecountDifferences(TProgram& program);

}  // namespace zeph::test
