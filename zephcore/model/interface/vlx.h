#pragma once
// The model library's exported interface as the designer sees it: opaque handles, the
// exported functions and the four exported flags. Every export checks its arguments; none
// lets an exception out.

#include <cstdint>
#include <cstdio>
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

// Pages. kind 1 a SuperBlock page, 2 a Verification Block page; with the clipboard flag
// the page is made in the clipboard's program and not activated.
vlxHandleType vlxCreatePage(const char* name, int kind, int clipboard);
// A page in use changes nothing; otherwise its VavurOrezos are released, the page and every
// symbol of it ("Page$...") deleted.
void vlxRemovePage(vlxHandleType page, int clipboard);
void vlxActivatePage(vlxHandleType page);
vlxHandleType vlxFindPage(const char* name);
// 1 while the page is referenced or a live SuperBlock call names it.
int vlxPageInUse(vlxHandleType page);
int vlxGetPageType(vlxHandleType program, const char* name);
int vlxSetPageType(vlxHandleType program, const char* name, int type);
int vlxGetAllPageNames(const char** names, unsigned short capacity);
int vlxIsPBInPage(vlxHandleType vavurOrezoSymbol, const char* pageName);

// VavurOrezos.
vlxHandleType vlxCreateVavurOrezo(int type, const char* name, int& refused, const char* text);
int vlxDeleteVavurOrezo(vlxHandleType vavurOrezo, int clipboard);
int vlxRenameVavurOrezo(vlxHandleType vavurOrezo, const char* newName, int& refused);
vlxHandleType vlxFindVavurOrezo(const char* name, int wholeProgram, int clipboard);
int vlxIsVavurOrezoFinished(vlxHandleType vavurOrezo);
int vlxIsPBComplete(vlxHandleType vavurOrezoSymbol);
int vlxUsesDefaultVavurOrezoInfo(vlxHandleType vavurOrezo);
int vlxUpdatePBInfo(vlxHandleType vavurOrezo);
int vlxGetNumPBs();
const char* vlxGetSymbolName(vlxHandleType symbol);
const char* vlxGetSBName(vlxHandleType vavurOrezoSymbol);
int vlxGetPBType(vlxHandleType vavurOrezoSymbol);
int vlxGetAllPBSymbols(vlxHandleType* symbols);
const char* vlxGetVavurOrezoName(int type);

// Files: the model part of the application file, written and read through the designer's
// open file and text stream (a null stream reads the raw form of older files). mode is
// the load/save error mode; a read reports errors to the log stream when one is given.
// Reading empties the current program first. 0; -3 without a program; 9754 when the user
// stopped; -10 after a reported failure (-2 when converting old voice sentences failed).
int vlxReadProgram(std::FILE* file, std::iostream* stream, short mode, std::ostream* log);
int vlxWriteProgram(std::FILE* file, std::iostream* stream, short mode);
