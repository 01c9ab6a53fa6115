#pragma once
// Helpers of the layer's tests: the test resource library and scripted message boxes;
// message pumping, the modal-loop guard and window pictures are the shared test helpers'.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "owl/msgbox.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"

class TModule;

// owltestpane.dll, loaded once for the whole run.
TModule& TestPane();
// The test program's own module.
TModule& TestProgram();

// Answers every message box with the next scripted answer (IDOK when none is left) and
// remembers what was asked.
class ScriptedMessageBoxes {
 public:
  explicit ScriptedMessageBoxes(std::vector<int> answers = {});
  ~ScriptedMessageBoxes();

  struct Asked {
    HWND Owner;
    std::string Text;
    std::string Caption;
    UINT Type;
  };
  const std::vector<Asked>& Calls() const { return CallsMade; }

 private:
  std::vector<int> Answers;
  std::vector<Asked> CallsMade;
  TMessageBoxResponder Previous;
};

