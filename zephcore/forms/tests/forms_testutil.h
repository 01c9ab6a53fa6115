#pragma once
// Shared pieces of the form tests: fake controls that record what the engine and the
// rules do to them, and a fixture with a current program and scripted message boxes.

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "forms/engine/fieldcontrol.h"
#include "foundation/tests/fault_capture.h"
#include "model/pbfielddef.h"
#include "model/predef_structs.h"
#include "model/tests/modeltest_util.h"

namespace zeph::test {

class FakeControl : public FieldControl {
 public:
  explicit FakeControl(int buttons = 0) : buttons_(buttons) {}
  std::string Text(int limit) const override {
    return text.size() < static_cast<std::size_t>(limit) ? text : text.substr(0, static_cast<std::size_t>(limit - 1));
  }
  void SetText(const std::string& t) override { text = t; }
  int Checked() const override { return checked; }
  void SetChecked(int c) override { checked = c; }
  int CheckedButton() const override { return button; }
  int ButtonCount() const override { return buttons_; }
  void CheckButton(int b) override { button = b >= 0 && b < buttons_ ? b : -1; }
  void SelectString(const std::string& t) override { text = t; }
  void Focus() override { ++focused; }
  bool Enabled() const override { return enabled; }
  void SetWindowState(int state) override {
    if (state == kStateEnable) enabled = true;
    if (state == kStateDisable) enabled = false;
    if (state == kStateHide) visible = false;
    if (state == kStateShow) visible = true;
  }

  std::string text;
  int checked = 0;
  int button = -1;
  int focused = 0;
  bool enabled = true;
  bool visible = true;

 private:
  int buttons_;
};

// An entry of a test table.
inline PBFieldDef Entry(const char* name, int ui, int repr, int type, int offset) {
  PBFieldDef e;
  std::snprintf(e.Name, sizeof e.Name, "%s", name);
  e.UIElement = static_cast<std::uint8_t>(ui);
  e.FieldRepresentation = static_cast<std::uint8_t>(repr);
  e.ScalarType = static_cast<std::int16_t>(type);
  e.FieldOffset = static_cast<std::int16_t>(offset);
  e.Allowed1 = 0x18007E;
  e.Allowed2 = 0;
  return e;
}

// A table with its end entry and a fake control on every entry.
class TestTable {
 public:
  explicit TestTable(std::vector<PBFieldDef> entries) : entries_(std::move(entries)) {
    entries_.push_back(PBFieldDef());
    for (std::size_t i = 0; i + 1 < entries_.size(); ++i) {
      const PBFieldDef& e = entries_[i];
      const int buttons = e.NumRadioInArray < 0 ? -e.NumRadioInArray : e.NumRadioInArray;
      controls_.push_back(std::make_unique<FakeControl>(e.UIElement == scribe::kUIRadioGroup ? buttons : 0));
      entries_[i].ControlPtr = controls_.back().get();
    }
  }
  PBFieldDef* Entries() { return entries_.data(); }
  PBFieldDef& operator[](int i) { return entries_[static_cast<std::size_t>(i)]; }
  FakeControl& Control(int i) { return *controls_[static_cast<std::size_t>(i)]; }

 private:
  std::vector<PBFieldDef> entries_;
  std::vector<std::unique_ptr<FakeControl>> controls_;
};

class FormsFixture : public ::testing::Test {
 protected:
  FormsFixture() { t.Structures().First = PredefinedStructHead(); }
  Symbol* Var(const char* name, int type, int arraySize = 0, int size = 1) {
    return AddVariable(t, name, type, arraySize, size);
  }
  const std::vector<KvScriptedPresenter::Box>& Boxes() const { return faults.presenter.Boxes(); }

  FaultCapture faults;
  CurrentTable ct;
  SymbolTable& t = ct.table;
};

}  // namespace zeph::test
