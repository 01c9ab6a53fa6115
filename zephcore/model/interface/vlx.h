#pragma once
// The model library's interface as the designer sees it: the opaque handle, the records,
// the exported functions and the four exported flags. Every export checks its arguments
// and lets no exception out. Without a current program a status export gives -3, a
// handle or pointer export null, a yes/no export 0, and one without a result does nothing.
//
// Result codes of the status exports: 0 done; -1 refused (name in use or invalid); -2 out
// of memory; -3 no current program; -10 a file could not be read or written; -11 an
// internal limit was reached; 9754 passed through from the application file.

#include <cstdint>
#include <cstdio>
#include <iosfwd>
#include <string>
#include <vector>

#include "foundation/kvwintypes.h"
#include "model/interface/vlx_api.h"
#include "model/interface/vlx_records.h"
// A VavurOrezo's parameters by field name.
#include "model/pbaccess_export.h"

// The Windows headers declare these the same way.
struct HDC__;
typedef HDC__* HDC;


typedef void* vlxHandleType;

class TWindow;      // the window-class layer's window
class PrintState;   // the printing layer's page state
class fstreams;     // the designer's named-field stream of the application file
namespace zeph {
struct Symbol;
class SymbolData;
struct ComboStruct;
class ReportCanvas;
class ReportPages;
struct TClipInfo;   // one entry of the model clipboard
}  // namespace zeph

using zeph::IconInfoTable;
using zeph::VariableInfo;
using zeph::VavurOrezoInfo;
using zeph::VlxMainPageRecord;
using zeph::VlxNotifyRecord;
using zeph::VlxPaletteGroup;
using zeph::VlxVavurOrezoSummary;

extern "C" {
// Set when an error was written to a caller's log stream; the designer reads and clears them.
ZEPHCORE_API extern std::int32_t _appErrorExists;
ZEPHCORE_API extern std::int32_t _clbFailure;
// Set by the designer: import and build even when errors exist.
ZEPHCORE_API extern std::int32_t _UnconditionalBuild;
ZEPHCORE_API extern std::int32_t _IgnoreVoiceSentenceError;
}

// ---- Library and programs ------------------------------------------------------------

ZEPHCORE_API int vlxGetVersion();
ZEPHCORE_API const char* vlxGetProductName();
ZEPHCORE_API const char* vlxGetVoiceType();
ZEPHCORE_API int vlxMaxVavurOrezoType();
ZEPHCORE_API int vlxCustomVavurOrezoType();
// The window message of the notices (0 until set); returns it.
ZEPHCORE_API unsigned vlxSetNotificationMessage(unsigned message);

// A new program for the designer's window, made current; with the clipboard flag, the
// clipboard's program. Null when it could not be made.
ZEPHCORE_API vlxHandleType vlxAddProgram(HWND mainWindow, int clipboard);
// Destroys a program (never the clipboard's). 0, or -3 for a handle that is no program.
ZEPHCORE_API int vlxRemoveProgram(vlxHandleType program);
// Makes the program current (null: none). 0, or -3 for a handle that is no program.
ZEPHCORE_API int vlxActivateProgram(vlxHandleType program);

// ---- Pages -----------------------------------------------------------------------------

// kind 1 a SuperBlock page, 2 a Verification Block page; with the clipboard flag the page
// is made in the clipboard's program and not activated.
ZEPHCORE_API vlxHandleType vlxCreatePage(const char* name, int kind, int clipboard);
// Renames a page and every name on it, all or nothing; kind is the page kind announced.
ZEPHCORE_API void vlxRenamePage(vlxHandleType page, const char* newName, int kind, int clipboard);
// A page in use changes nothing; otherwise its VavurOrezos are released, the page and every
// symbol of it ("Page$...") deleted.
ZEPHCORE_API void vlxRemovePage(vlxHandleType page, int clipboard);
ZEPHCORE_API void vlxActivatePage(vlxHandleType page);
ZEPHCORE_API vlxHandleType vlxFindPage(const char* name);
// 1 while the page is referenced or a live SuperBlock call names it.
ZEPHCORE_API int vlxPageInUse(vlxHandleType page);
ZEPHCORE_API int vlxGetPageType(vlxHandleType program, const char* name);
ZEPHCORE_API int vlxSetPageType(vlxHandleType program, const char* name, int type);
ZEPHCORE_API int vlxGetAllPageNames(const char** names, unsigned short capacity);
ZEPHCORE_API int vlxIsPBInPage(vlxHandleType vavurOrezoSymbol, const char* pageName);

// ---- VavurOrezos -----------------------------------------------------------------------

ZEPHCORE_API vlxHandleType vlxCreateVavurOrezo(int type, const char* name, int& refused, const char* text);
ZEPHCORE_API int vlxDeleteVavurOrezo(vlxHandleType vavurOrezo, int clipboard);
ZEPHCORE_API int vlxRenameVavurOrezo(vlxHandleType vavurOrezo, const char* newName, int& refused);
// Runs the VavurOrezo's property form.
ZEPHCORE_API void vlxModifyVavurOrezo(vlxHandleType vavurOrezo);
ZEPHCORE_API vlxHandleType vlxFindVavurOrezo(const char* name, int wholeProgram, int clipboard);
ZEPHCORE_API int vlxIsVavurOrezoFinished(vlxHandleType vavurOrezo);
ZEPHCORE_API int vlxIsPBComplete(vlxHandleType vavurOrezoSymbol);
ZEPHCORE_API int vlxUsesDefaultVavurOrezoInfo(vlxHandleType vavurOrezo);
ZEPHCORE_API int vlxUpdatePBInfo(vlxHandleType vavurOrezo);
ZEPHCORE_API void vlxVerifyPBEntries(vlxHandleType vavurOrezo);
// Fills the exits of the record; null when the type has no field table or has more than
// 40 exits.
ZEPHCORE_API VavurOrezoInfo* vlxGetVavurOrezoInfo(vlxHandleType vavurOrezo, VavurOrezoInfo* info);
// The walk over a program's VavurOrezos: the next one, or null at the end. Another
// program starts a new walk.
ZEPHCORE_API VlxVavurOrezoSummary* vlxGetVavurOrezoInfo(vlxHandleType program);
ZEPHCORE_API int vlxGetNumPBs();
ZEPHCORE_API const char* vlxGetSymbolName(vlxHandleType symbol);
ZEPHCORE_API const char* vlxGetSBName(vlxHandleType vavurOrezoSymbol);
ZEPHCORE_API int vlxGetPBType(vlxHandleType vavurOrezoSymbol);
// Fills the array (sized by vlxGetNumPBs) with every live VavurOrezo symbol.
ZEPHCORE_API int vlxGetAllPBSymbols(vlxHandleType* symbols);
ZEPHCORE_API const char* vlxGetVavurOrezoName(int type);
ZEPHCORE_API int vlxItsAReservedPB(const char* name);
ZEPHCORE_API int vlxIsPBUseVariable(vlxHandleType vavurOrezoSymbol, const char* variableName);
ZEPHCORE_API int vlxIsPBUseVSentence(vlxHandleType vavurOrezoSymbol, const char* sentenceName);
ZEPHCORE_API void vlxSetSQLPBFinished(vlxHandleType vavurOrezo, int finished);
ZEPHCORE_API void vlxTurnObsoletePBPink(vlxHandleType vavurOrezo);
ZEPHCORE_API int vlxIsNameUsed(const char* name, int kind);

// ---- Gotos -----------------------------------------------------------------------------

// 0, -11 when there is no such goto, -3 without a program.
ZEPHCORE_API int vlxCreateGoto(vlxHandleType source, vlxHandleType target, int exitIndex);
ZEPHCORE_API void vlxDeleteGoto(vlxHandleType source, const char* exitLabel);
ZEPHCORE_API vlxHandleType vlxGetGotoConnection(vlxHandleType source, int n);

// ---- Variables and symbols -------------------------------------------------------------

// The chosen reference (the library's reference node), or null after Cancel, without an
// owner window (the fax item list runs instead) or without a program. kind: -1 the masks
// as given, 16 every variable a field can take, else the bits 0x1 text, 0x2 number, 0x4
// VavurOrezo, 0x8 date.
ZEPHCORE_API vlxHandleType vlxSelectVariable(const char* field, int kind, std::int32_t mask1, std::int32_t mask2,
                                             HWND owner);
// 0; -5 name in use; -7 reserved word; -2 out of memory; -6 any other refusal.
ZEPHCORE_API int vlxAddVariable(const char* name, int type, int size, int tag, int attribute1, int attribute2);
// 0; -4 in use; -8 not deletable; -9 other.
ZEPHCORE_API int vlxDeleteVariable(vlxHandleType reference, int force);
ZEPHCORE_API int vlxDeleteVariable(const char* reference, int force);
ZEPHCORE_API void vlxReferenceVariable(vlxHandleType reference, int add);
ZEPHCORE_API void vlxReferenceVariable(const char* reference, int add);
ZEPHCORE_API VariableInfo* vlxGetVariableInfo(vlxHandleType reference);
ZEPHCORE_API VariableInfo* vlxGetVariableInfo(const char* reference, int shortName);
ZEPHCORE_API int vlxSetupVariable(const char* reference, const char* value);
// Files a symbol with the data given (the symbol owns it from then on); false for an empty
// name or one longer than 31 characters.
ZEPHCORE_API bool vlxAddSymbol(zeph::Symbol*& out, const char* name, int type, int size, int tag,
                               int attribute1, int attribute2, zeph::SymbolData* data);
ZEPHCORE_API bool vlxDeleteSymbol(const char* name, int type);
ZEPHCORE_API int vlxIsNameInUse(const char* name);
ZEPHCORE_API vlxHandleType vlxFindSymbol(const char* name);
// Fills the array (sized by vlxGetTreeSize) with the live symbols of a type tree.
ZEPHCORE_API int vlxGetATypeOfSymbols(vlxHandleType* symbols, short type);
ZEPHCORE_API int vlxGetTreeSize(short type);
ZEPHCORE_API int vlxIsTextInVSentence(vlxHandleType sentence, const char* text);

// ---- Palette and type lists ------------------------------------------------------------

// 0, or -11 after too many groups. The groups are the caller's to free (delete).
ZEPHCORE_API int vlxGetVavurOrezoList(IconInfoTable* table, int backPalette, int, int, int, int);
ZEPHCORE_API void vlxToggleBackTypes();

// ---- Parameter fields of a type or a VavurOrezo ----------------------------------------

ZEPHCORE_API int vlxSDOGetSymbolOffset(int type, const char* field);
ZEPHCORE_API unsigned char vlxSDOGetSymbolType(int type, const char* field);
ZEPHCORE_API void* vlxSDOGetSymbolPtr(int type, const char* field, vlxHandleType vavurOrezo, int offset);
ZEPHCORE_API void* vlxSDOAllocateMem(int type, const char* field, vlxHandleType vavurOrezo, int offset);
// Bytes that vlxSDOAllocateMem gives the field (a text field's StrSize); 0 for an unknown
// field or without a program.
ZEPHCORE_API int vlxSDOGetAllocatedSize(int type, const char* field);
ZEPHCORE_API const char* vlxSDOGetOutputDataName(int type, int n, vlxHandleType unused);
ZEPHCORE_API const char* vlxSDOGetOutputDataConnection(int type, int n, vlxHandleType vavurOrezo);
ZEPHCORE_API unsigned char* vlxSDOGetOutputDataRequired(int type, int n, vlxHandleType vavurOrezo);
ZEPHCORE_API void vlxSDOSetOutputDataRequired(int type, int n, vlxHandleType vavurOrezo, unsigned char value);
ZEPHCORE_API int vlxSDOIsPBUnfinished(vlxHandleType vavurOrezo, int complete);
// 0x1000 applicable, 0x10 connected, 0x1 may be left blank; 0xFFFF without a program.
ZEPHCORE_API unsigned short vlxSDOIsOutputOptionalApplicable(int type, vlxHandleType vavurOrezo, const char* label);
ZEPHCORE_API void vlxSDOSetIconFinished(vlxHandleType vavurOrezo, int finished);

// ---- Application files and build -------------------------------------------------------

ZEPHCORE_API int vlxReadProgram(std::FILE* file, fstreams* stream, short mode, std::ofstream* log);
ZEPHCORE_API int vlxWriteProgram(std::FILE* file, fstreams* stream, short mode);
ZEPHCORE_API int vlxBuildProgram(const char* output, int customerId, int applicationId, int stage,
                                 std::ofstream* log, int trace, int templates, int stubs);
ZEPHCORE_API int vlxBuildLibrary(const char* output, int stage, std::ofstream* log, int trace,
                                 int templates, int stubs);
// Chooses the definition set for the server's version text.
ZEPHCORE_API void vlxUpdateVavurorezoDefinitions(const char* serverVersion);

// ---- Libraries of SuperBlocks, headers and palette groups of a program ------------------

ZEPHCORE_API void vlxGetRLList(vlxHandleType program, std::vector<std::string>& names);
ZEPHCORE_API int vlxImportAllRLLs(vlxHandleType program, std::ofstream* log);
ZEPHCORE_API const char* vlxImportRLL(vlxHandleType program, const char* name, std::ofstream* log);
ZEPHCORE_API int vlxRemoveRLL(vlxHandleType program, const char* name);
ZEPHCORE_API int vlxRLLInUse(vlxHandleType program, const char* name);
ZEPHCORE_API void vlxGetHeaderList(vlxHandleType program, std::vector<std::string>& names);
ZEPHCORE_API int vlxImportAllHeaders(vlxHandleType program, vlxHandleType scratch, std::ofstream* log);
ZEPHCORE_API int vlxImportHeader(vlxHandleType program, vlxHandleType scratch, const char* name,
                                 std::ofstream* log);
ZEPHCORE_API int vlxRemoveHeader(vlxHandleType program, vlxHandleType scratch, const char* name);
// Kept by the program.
ZEPHCORE_API VlxPaletteGroup* vlxGetCustomVavurOrezos(vlxHandleType program);
ZEPHCORE_API VlxPaletteGroup* vlxGetPageVavurOrezos(vlxHandleType program, int which);
// A new group, the caller's to free.
ZEPHCORE_API VlxPaletteGroup* vlxGetRLLPageVavurOrezos(vlxHandleType program, const char* library);

// ---- Clipboard -------------------------------------------------------------------------

ZEPHCORE_API int vlxCopyVavurorezos(const char* name);
ZEPHCORE_API int vlxCheckSuperVerBlockForConf(const char* name, char* buffer);
ZEPHCORE_API void vlxSetupPasteSuperVerBlock(int mode);
ZEPHCORE_API short vlxPasteVavurorezos(int updateParameters, int how);
ZEPHCORE_API int vlxGetAllNameConflicts(std::vector<zeph::TClipInfo>& conflicts);
ZEPHCORE_API std::vector<zeph::TClipInfo>* vlxGetClipboardList();
ZEPHCORE_API int vlxResolveNameConflicts();
ZEPHCORE_API int vlxCanIPaste(int kind);
ZEPHCORE_API int vlxAddSymToClipboard(const char* name);
ZEPHCORE_API int vlxWhatIsNewName(const char* name, char* buffer);
ZEPHCORE_API int vlxCheckForSuperVerInCopy(const char* name, char* buffer);
ZEPHCORE_API void vlxPageToCopy(const char* pageName, short flag);
ZEPHCORE_API int vlxIsSuperBeingPasted(const char* name);
ZEPHCORE_API int vlxDisplayClipboard();
ZEPHCORE_API void vlxEmptyClipboard();
ZEPHCORE_API int vlxSetClipType(int kind);
ZEPHCORE_API void vlxUpdateParmsAfterPaste(int mode);

// ---- Editor commands, printing and the designer's tables --------------------------------

// The Define commands' dialogs, owned by the program's owner window: the fax item list,
// the structure list, the Custom VavurOrezos dialog (refused while its code editor is
// open), the DLL prototype editor and the voice file list (0).
ZEPHCORE_API void vlxDefineVariableCommand();
ZEPHCORE_API void vlxDefineStructureCommand();
ZEPHCORE_API void vlxCustomVavurOrezoCommand();
ZEPHCORE_API void vlxDefineDLLProtoCommand();
ZEPHCORE_API int vlxDefineVoiceSentenceCommand();
// The voice sentence picker with the named sentence preset (empty: none); the sentence
// chosen, or the preset one after Cancel.
ZEPHCORE_API zeph::Symbol* vlxPickVoiceSentence(TWindow* owner, const char* initialName);
ZEPHCORE_API int vlxOpenCustomPB(const char* name);
ZEPHCORE_API bool vlxCloseGFaxEditor(vlxHandleType program);
ZEPHCORE_API int vlxIdleAction(std::int32_t value);
ZEPHCORE_API int vlxActivateMainPage(vlxHandleType editorWindow);
ZEPHCORE_API int vlxPrintAppPB(const char* name, HDC dc, PrintState* state, int& line, int& page);
// The same on the caller's report canvas and page sequence, so that the block's lines join
// the caller's report whatever surface it prints on.
ZEPHCORE_API int vlxPrintAppPBOnCanvas(const char* name, zeph::ReportCanvas& canvas, zeph::ReportPages& pages,
                                       int& line, int& page);
ZEPHCORE_API void vlxPrintVoiceSentenceCommand();
ZEPHCORE_API void vlxPrintPBInfoCommand();
ZEPHCORE_API void vlxSetupComboString(int mode, zeph::ComboStruct* first, zeph::ComboStruct* second,
                                      zeph::ComboStruct* third, zeph::ComboStruct* fourth,
                                      zeph::ComboStruct* fifth);
ZEPHCORE_API int vlxLoadUserDefINI();
ZEPHCORE_API int vlxFreeUserDefINI();
// 0; -2 out of memory; -1 refused (shown); -3 no program.
ZEPHCORE_API int vlxRenameVoiceFaxItem(zeph::Symbol* item, const char* newName);
