#pragma once
// The model library's exported interface as the designer sees it: opaque handles, the
// exported functions and the four exported flags. Every export checks its arguments; none
// lets an exception out.

#include <cstdint>
#include <iosfwd>

#include "foundation/kvwintypes.h"

typedef void* vlxHandleType;

extern "C" {
// Set when an error was written to a caller's log stream; the designer reads and clears them.
extern std::int32_t _appErrorExists;
extern std::int32_t _clbFailure;
// Set by the designer: build even when errors exist.
extern std::int32_t _UnconditionalBuild;
extern std::int32_t _IgnoreVoiceSentenceError;
}

int vlxGetVersion();
const char* vlxGetProductName();
const char* vlxGetVoiceType();
int vlxMaxVavurOrezoType();
int vlxCustomVavurOrezoType();
unsigned vlxSetNotificationMessage(unsigned message);

// A new program for the designer's window, made current; with the clipboard flag, the
// clipboard's program. Null when it could not be made.
vlxHandleType vlxAddProgram(HWND mainWindow, int clipboard);
// Destroys a program (never the clipboard's). 0, or -3 for a handle that is no program.
int vlxRemoveProgram(vlxHandleType program);
// Makes the program current (null: none). 0, or -3 for a handle that is no program.
int vlxActivateProgram(vlxHandleType program);
