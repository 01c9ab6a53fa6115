#pragma once
// What the exports share: the program they work on and the guard that keeps exceptions
// inside the library.

#include <new>

#include "model/interface/library.h"
#include "model/program/program.h"

namespace zeph {

// The current program (null when none), the library started first.
inline TProgram* ExportProgram() {
  EnsureLibraryStarted();
  return TProgram::Current();
}

// With the clipboard flag, the clipboard's program; else the current one.
inline TProgram* ExportProgram(int clipboard) {
  EnsureLibraryStarted();
  return clipboard != 0 ? &ClipboardProgram() : TProgram::Current();
}

// Runs the work of an export; running out of memory, or any other exception, gives the
// export's out-of-memory answer instead of crossing into the designer.
template <class R, class F>
R GuardExport(R outOfMemory, F&& work) {
  try {
    return work();
  } catch (...) {
    return outOfMemory;
  }
}

}  // namespace zeph
