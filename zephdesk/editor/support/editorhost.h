#pragma once
// What the graphical editor asks of the designer around it: options and grid size, the
// main frame's notifications and status line, message boxes, the main window's private
// messages, the settings file, the command states and the soft record bound to a block.
// The designer shell implements it; tests use a recording host.

#include <cstdint>

#include "foundation/kvwintypes.h"

namespace ed {

class KvTextUI;
class ProgramObject;
class PaletteIconList;
class VavurOrezo;

// Option bits of the application's option word.
enum EditorOption : std::uint32_t {
  kOptSmartRouting = 0x1,
  kOptLabelStubGotos = 0x10,
  kOptSnapToGrid = 0x20,
  kOptPrintGrid = 0x100,
  kOptPrintFrame = 0x200,
  kOptAutoName = 0x400,
};

// Private messages of the main window.
inline constexpr unsigned kMsgLocateVavurOrezo = 2027;
inline constexpr unsigned kMsgAfterRenameOrLine = 2029;

// Message-box styles the editor passes.
inline constexpr unsigned kBoxIconStop = 0x10;
inline constexpr unsigned kBoxIconExclamation = 0x30;

class EditorHost {
 public:
  virtual ~EditorHost() = default;

  virtual HWND MainWindow() = 0;
  // 1 when any bit of the mask is set in the option word.
  virtual bool IsOptionSet(std::uint32_t mask) = 0;
  // The step of the page grid, in page units.
  virtual std::int32_t GridSize() = 0;
  // The palette icon list built at start-up; null before it exists.
  virtual PaletteIconList* Palette() = 0;

  // Every page window's update member with the three values.
  virtual void NotifyChildren(ProgramObject* object, int kind, int scope) = 0;
  virtual void UpdateChildCaptions() = 0;
  virtual void UpdateCommandStates() = 0;
  // The status line: a transient text is cleared by the status line's timer.
  virtual void SetStatusText(const char* text, bool transient) = 0;
  // The status line's levelled texts (the router's progress): whether there is a status
  // line, setting a level's text and appending to it.
  virtual bool HasStatusLine() { return false; }
  virtual void SetStatusLevelText(int level, const char* text) { (void)level, (void)text; }
  virtual void AppendStatusLevelText(int level, const char* text) { (void)level, (void)text; }
  virtual void Beep(unsigned type) = 0;
  // A message of the designer's string table in a box captioned with the product name.
  virtual int MessageBoxRes(int stringId, unsigned style) = 0;
  virtual std::intptr_t SendMainWindowMessage(unsigned message, std::intptr_t wParam, std::intptr_t lParam) = 0;
  // An integer of the settings file's section "Default Positions".
  virtual std::int32_t ReadDefaultPosition(const char* key, std::int32_t fallback) = 0;

  // The soft record of the block's parameters: tells the model whether the block is
  // finished (nonzero when all required parameters are set) ...
  virtual int UpdateIconFinished(VavurOrezo& block) = 0;
  // ... and drops the block's references to voice and fax items and resource permissions.
  virtual void ReleaseReferences(VavurOrezo& block) = 0;
  // Shows the block's property form; 1 when the user accepted changes.
  virtual int EditProperties(VavurOrezo& block) = 0;
  // Gives a text note read from a file the font its description names (a font object
  // under an empty name). Where nothing is drawn (the command-line build) the note keeps
  // the description alone, and saves it unchanged.
  virtual void MakeNoteFont(KvTextUI& note) { (void)note; }
};

}  // namespace ed
