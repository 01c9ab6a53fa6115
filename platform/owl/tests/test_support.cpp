#include "test_support.h"

#include "owl/module.h"

TModule& TestPane() {
  static TModule module("owltestpane.dll");
  return module;
}

TModule& TestProgram() {
  static TModule module("owl_tests", ::GetModuleHandleA(nullptr));
  return module;
}

ScriptedMessageBoxes::ScriptedMessageBoxes(std::vector<int> answers)
    : Answers(std::move(answers)) {
  Previous = SetMessageBoxResponder(
      [this](HWND owner, const char* text, const char* caption, UINT type) {
        CallsMade.push_back({owner, text, caption, type});
        if (Answers.empty()) return IDOK;
        int answer = Answers.front();
        Answers.erase(Answers.begin());
        return answer;
      });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() { SetMessageBoxResponder(Previous); }
