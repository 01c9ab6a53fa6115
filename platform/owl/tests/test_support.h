#pragma once
// Helpers of the layer's tests: the test resource library, scripted message boxes and
// window pictures; message pumping and the modal-loop guard are the shared dialog driver's.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "owl/msgbox.h"
#include "owl/testing/dialog_driver.h"

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


// Saves what the window shows, frame and caption included, as a 24-bit BMP file under
// "screenshots/" in the current folder (the test's build folder), for a person to look at.
// Returns the file's path, or an empty text when the picture could not be taken.
std::string SaveWindowPicture(HWND window, const std::string& name);
