#pragma once
// The code callbacks of the type slots whose code the generator does not write from the
// call template: error processing, event returns, event handlers and the multiple compare.

namespace zeph {

class PBCatalogue;

// Answer bits of a code callback.
enum CodeCallbackAnswer : int {
  kNoCallStatement = 1,
  kNoEventTest = 2,
  kNoExitLines = 4,
  kPassDone = 8,
};

// Puts the callbacks into their type slots (144, 246, 247, 215 and 261).
void InstallCodeCallbacks(PBCatalogue& catalogue);

}  // namespace zeph
