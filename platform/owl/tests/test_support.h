#pragma once
// Helpers of the layer's tests: message pumping with time-outs, the test resource library,
// scripted message boxes and a guard that ends a modal loop a test failed to end.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "owl/msgbox.h"

class TModule;

// Dispatches this thread's messages until done() holds or the time runs out.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);
// Dispatches what is waiting now.
void PumpPending();

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

// Cancels every window of this thread once the time is up, so that a broken test fails
// instead of hanging in a modal loop.
class ModalGuard {
 public:
  explicit ModalGuard(UINT timeoutMs = 5000);
  ~ModalGuard();
  bool Fired() const;

 private:
  UINT_PTR Timer;
};

// Saves what the window shows, frame and caption included, as a 24-bit BMP file under
// "screenshots/" in the current folder (the test's build folder), for a person to look at.
// Returns the file's path, or an empty text when the picture could not be taken.
std::string SaveWindowPicture(HWND window, const std::string& name);
