#pragma once
// Shared set-up of the field-entry, interface-table and conversion tests: a current
// program with the predefined structures, VavurOrezo symbols with their instances, field
// tables written in the catalogue's field text, scripted message boxes and a recording
// notification sender.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/tests/fault_capture.h"
#include "model/pbaccess.h"
#include "model/pbaccess_notify.h"
#include "model/pbcat.h"
#include "model/pbentry_instance.h"
#include "model/predef_structs.h"
#include "modeltest_util.h"
#include "scribe/fielddesc.h"

namespace zeph::test {

// Records what the field entries and interface tables tell the designer.
class RecordingNotifier : public PBNotifier {
 public:
  RecordingNotifier() { SetPBNotifier(this); }
  ~RecordingNotifier() override { SetPBNotifier(nullptr); }
  void VavurOrezoChanged(PBInstance& instance) override { changed.push_back(&instance); }
  void PageListChanged(int pageKind) override { pageKinds.push_back(pageKind); }
  std::vector<PBInstance*> changed;
  std::vector<int> pageKinds;
};

// Counts code 1 (a VavurOrezo's exits changed) per VavurOrezo symbol.
class RecordingHooks : public SymbolTableHooks {
 public:
  void NotifyVavurOrezoChanged(SymbolTable&, Symbol& vavurOrezo) override {
    interfaceChanged.push_back(&vavurOrezo);
  }
  std::vector<Symbol*> interfaceChanged;
};

// A field table built from the catalogue's field text.
inline std::unique_ptr<scribe::FieldTable> BuildTable(const char* text,
                                                      scribe::ParmLayout layout = scribe::ParmLayout::Extended) {
  std::string error;
  auto table = scribe::BuildFieldTable(text, layout, &error);
  EXPECT_EQ(error, "") << text;
  return table;
}

class ModelFixture : public ::testing::Test {
 protected:
  ModelFixture() {
    t.Structures().First = PredefinedStructHead();
    t.SetHooks(&hooks);
    TheCatalogue();
  }

  // A VavurOrezo symbol with its instance, as the application object files them.
  PBInstance& AddPB(const char* name, int type, const char* companion = "") {
    Symbol* s = AddVavurOrezoSymbol(name, &t);
    auto inst = std::make_unique<PBInstance>();
    inst->Name = name;
    inst->Type = static_cast<std::int16_t>(type);
    inst->Companion = companion;
    PBInstance& ref = *inst;
    s->Data = std::move(inst);
    return ref;
  }
  Symbol* PBSymbol(const char* name) { return LookupSymbol(name, kTypeVavurOrezo, &t); }
  Symbol* Var(const char* name, int type, int size = 1) { return AddVariable(t, name, type, 0, size); }

  FaultCapture faults;
  RecordingNotifier notifier;
  RecordingHooks hooks;
  CurrentTable ct;
  SymbolTable& t = ct.table;
};

}  // namespace zeph::test
