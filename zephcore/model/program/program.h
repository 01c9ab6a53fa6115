#pragma once
// The application object: one per open program. It owns the program's symbol table, its
// Custom VavurOrezos, its four default folders and its build state, and makes them the
// library's current ones while it is the current program. The designer reaches it only
// through the model interface.

#include <cstdint>
#include <functional>
#include <string>

#include "foundation/kvwintypes.h"
#include "model/custompb.h"
#include "model/pbentry_instance.h"
#include "model/pendinggotos.h"
#include "model/symtable.h"

namespace zeph {

inline constexpr int kDefaultFolderCount = 4;
inline constexpr int kDefaultFolderTextSize = 50;

// The module that holds the model's dialogs (the dialog resource library), or null when it
// could not be had. On Windows the library is found or loaded by name; tests install their
// own loader, and null restores the platform's.
using DialogModuleLoader = void* (*)();
void SetDialogModuleLoader(DialogModuleLoader loader);

// Window messages the model sends to the designer's window (2029 after a VavurOrezo was
// added or its form closed with OK). On Windows they are sent; tests install a recorder,
// and null restores the platform's sender.
// post: the message is posted rather than sent.
using WindowMessageSender = void (*)(HWND window, unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam, bool post);
void SetWindowMessageSender(WindowMessageSender sender);
void SendModelWindowMessage(HWND window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
void PostModelWindowMessage(HWND window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
inline constexpr unsigned kMsgVavurOrezoChanged = 2029;

class TProgram;

// What the symbol table asks of the program it belongs to: its Custom VavurOrezos, the goto
// slots of its VavurOrezos, its default folders, and the notice that a VavurOrezo's gotos
// were resolved (code 1).
class ProgramHooks : public SymbolTableHooks {
 public:
  explicit ProgramHooks(TProgram& program) : program_(program) {}
  bool IsCustomVavurOrezo(const SymbolTable& table, const char* name) override;
  void ForEachGotoSlot(SymbolTable& table, Symbol& vavurOrezo,
                       const std::function<void(SymP&)>& visit) override;
  const char* DefaultFolderText(const SymbolTable& table, int index) override;
  void NotifyVavurOrezoChanged(SymbolTable& table, Symbol& vavurOrezo) override;
  void CloseFaxEditors(SymbolTable& table) override;

 private:
  TProgram& program_;
};

class TProgram {
 public:
  // Makes the program and makes it current. ownerWindow: the designer's main window (null
  // allowed); libraryModule: the model library's own module object.
  explicit TProgram(HWND ownerWindow = nullptr, void* libraryModule = nullptr);
  // Closes the program's fax item editors and empties it. A program that was current
  // leaves no current program behind; otherwise the current one stays.
  ~TProgram();
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  // The library's current program, or null.
  static TProgram* Current();
  // Whether the pointer is a program that exists now (handles from the designer are checked).
  static bool IsLive(const TProgram* program);
  // Makes this program current, with its symbol table and its Custom VavurOrezo list.
  void Activate();
  // Leaves no program current: no symbol table, no Custom VavurOrezo list.
  static void Deactivate();
  // Empties the program: its symbols, structures and Custom VavurOrezos, and its own words
  // (the VavurOrezo count, the DLL text and the editor state).
  void Reset();

  // How often the program was emptied: walks over its symbols end when it changes.
  std::uint32_t ResetCount() const { return resets_; }
  // Shows a model code's text (warning icon, caption "Flowsmith").
  void ShowCode(int code) const;

  SymbolTable& Symbols() { return symbols_; }
  const PendingGotoIndex& PendingGotos() const { return pendingGotos_; }
  CustomPBList& CustomVavurOrezos() { return customs_; }
  std::uint32_t SerialNumber() const { return serial_; }
  HWND OwnerWindow() const { return ownerWindow_; }
  void* LibraryModule() const { return libraryModule_; }
  void* DialogModule() const { return dialogModule_; }

  // The page new VavurOrezos go on. A page named "Main" keeps names unqualified; any other
  // page qualifies them; null clears the page and qualifies names.
  void SetCurrentPage(Symbol* page);
  Symbol* CurrentPage() const { return currentPage_; }
  const std::string& CurrentPageName() const { return symbols_.CurrentPageName(); }

  // Files a symbol of any type code: a variable, a page (41) or verify page (43), a
  // library (65) or a header (66). size, canDelete and invisible are the symbol's
  // attributes; a visible page tells the designer that the page list changed. Names are
  // never cut: one longer than a symbol holds is refused with -148, a page name already
  // held by a page of either kind with -168. 0, or a model code
  // (shown first when showMessages is set); *out gets the symbol on success.
  int AddNamedSymbol(Symbol** out, const char* name, int type, int size, int canDelete,
                     int invisible, bool showMessages, int pageKind = 0, int scope = 0);
  // Deletes a symbol: -109 while it is referenced, -110 when it may not be deleted and
  // force is not set; 0 once marked deleted. internal: a page removed by the program
  // itself, which sends no page-list notification.
  int DeleteNamedSymbol(Symbol* symbol, bool force, bool showMessages, bool internal = false);
  // The page kind of a page, -1 when no page of that name has page data.
  int GetPageKind(const char* pageName);
  int SetPageKind(const char* pageName, int kind);
  // Renames a voice or fax item on the current page: 0, or the refusing model code (shown).
  int RenameVoiceFaxItem(Symbol* item, const char* newName);

  // "'\VLX\PRMT\", "'\VLX\UVOICE\", "'\VLX\VOICE\SYS.IDX" and "'\VLX\VOICE\".
  const char* DefaultFolder(int index) const;
  // Sets a default folder's text (the application file gives them back): false for a bad
  // index or a text longer than a folder holds.
  bool SetDefaultFolder(int index, const char* text);
  // The text each default folder of a new program has.
  static const char* StandardDefaultFolder(int index);

  // Adds a VavurOrezo of a type to the current page under the name (qualified with the
  // page's name off Main). companion: the Custom VavurOrezo (-100), the called page (-101)
  // or the used symbol (409). Null on a refusal, which is shown and leaves nothing behind;
  // *userError is set when the name itself was at fault.
  PBInstance* AddVavurOrezo(int type, const char* name, const char* companion, int* userError);
  // Deletes a VavurOrezo: its End Block exit, its uses and what it holds are given back.
  int DeleteVavurOrezo(PBInstance* instance);
  // Renames a VavurOrezo on its own page: 0, or the refusing model code (shown).
  int RenameVavurOrezo(PBInstance* instance, const char* newName);
  // Points the n-th goto at the named VavurOrezo: 1, or 0 when there is no such goto.
  int ConnectGoto(PBInstance* instance, const char* target, int n);
  int ConnectGoto(PBInstance* instance, const PBInstance& target, int n);
  // Clears the goto with that exit label: 1, or 0 when there is none.
  int DisconnectGoto(PBInstance* instance, const char* label);
  // Runs the VavurOrezo's property form: 1 when it was closed with OK (the designer's window
  // then hears 2029); 0 when cancelled or when no form could be made.
  int EditVavurOrezo(PBInstance* instance);

  // Clears the page-scope check for its lifetime and restores the previous value after.
  class DisableSymbolPageCheck {
   public:
    explicit DisableSymbolPageCheck(TProgram& program);
    ~DisableSymbolPageCheck();
    DisableSymbolPageCheck(const DisableSymbolPageCheck&) = delete;
    DisableSymbolPageCheck& operator=(const DisableSymbolPageCheck&) = delete;

   private:
    TProgram& program_;
    int previous_;
  };

  int SuperBlockPasteMode = 0;
  int VariablePickerScope = 1;
  int Emptying = 0;
  double FileVersion = 0;
  std::int32_t VavurOrezoCount = 0;
  std::string DllHeaderText;
  int CustomEditorOpen = 0;
  int DllEditorOpen = 0;

 private:
  HWND ownerWindow_;
  void* libraryModule_;
  void* dialogModule_ = nullptr;
  std::string QualifiedName(const char* name) const;
  // Sets a goto with every page in scope; the instance's filled flag follows.
  template <class SetGoto>
  int ConnectWith(PBInstance& instance, SetGoto set);
  void ShowText(const char* text, bool stopIcon = false) const;

  SymbolTable symbols_;
  ProgramHooks hooks_{*this};
  PendingGotoIndex pendingGotos_;
  CustomPBList customs_;
  Symbol* currentPage_ = nullptr;
  char folders_[kDefaultFolderCount][kDefaultFolderTextSize] = {};
  std::uint32_t serial_ = 0;
  std::uint32_t resets_ = 0;
};

// The number the next program gets (tests only: the counter lives for the process).
std::uint32_t NextProgramSerial();

}  // namespace zeph
