#pragma once
// The model library's start-up and the way its exports report errors.

#include <iosfwd>

namespace zeph {

class TProgram;

// Runs the library's start-up once, before the first export works: the catalogue and its
// sorted reserved words, the SuperBlock lookups, the notifier and the clipboard's program.
void EnsureLibraryStarted();
// The library's own module ("vlxDLL"), made by the DLL's entry point; null when the
// model is linked into a program.
void SetLibraryModule(void* module);
void* LibraryModule();
// The clipboard's program: made at start-up, it lives as long as the library.
TProgram& ClipboardProgram();

// A model code's text: one "ERROR: " line on the log stream (and both error flags set), or,
// without one, a stop box with an empty caption. A code without a text is named by number.
void ReportModelError(int code, std::ostream* log);

}  // namespace zeph
