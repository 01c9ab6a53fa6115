#pragma once
// The two code editors a build opens at the line of an error: the Custom VavurOrezo
// editor (one at a time, library-wide) and the DLL prototype editor of a program. The
// windows themselves belong to the platform (scribe); the model reaches them through
// this interface, which tests replace.

#include <string>

#include "foundation/kvwintypes.h"

namespace zeph {

class TProgram;
struct CustomPBEntry;

class CodeEditorHost {
 public:
  virtual ~CodeEditorHost() = default;
  // Opens an editor on *text at a line; 0, or non-zero when out of memory. The editor
  // clears *openFlag when it closes and keeps its handle in *buffer.
  virtual int MakeFileWindow(HWND owner, const char* title, std::string* text, int* openFlag, void** buffer,
                             int line) = 0;
  // Copies the editor's text back into the text it was opened on.
  virtual void UpdateBuffer(void* buffer) = 0;
  // Moves the caret to a line and gives the editor the keyboard focus.
  virtual void GotoLine(void* buffer, int line) = 0;
  virtual void Focus(void* buffer) = 0;
};

// The host in use: the platform's editor windows on Windows; none natively until set.
CodeEditorHost* CurrentCodeEditorHost();
void SetCodeEditorHost(CodeEditorHost* host);  // null restores the platform's

// The Custom VavurOrezo being edited and the editor buffers.
CustomPBEntry* EditedCustomPB();
void* CustomEditorBuffer();
void* DllEditorBuffer(const TProgram& program);

// Opens the editor of the edited Custom VavurOrezo (made the edited one first by the
// callers) or of the program's DLL text at a line; "Out of memory" when it cannot.
void OpenCustomPBEditor(TProgram& program, CustomPBEntry& entry, int line);
void OpenDLLEditor(TProgram& program, int line);
// Brings the open DLL editor to the front, or opens it at line 0.
void DefineDLLProtoCommand(TProgram& program);
// Copies the open editors' texts back into the program (before a build).
void UpdateOpenEditors(TProgram& program);
// Goes to an error line of a Custom VavurOrezo: focus to the open editor (and the line when
// it shows that entry), or open the editor on the entry at the line.
void ShowCustomPBLine(TProgram& program, CustomPBEntry& entry, int line);
// Goes to an error line of the DLL text: the open editor to the front at the line, or open it.
void ShowDLLLine(TProgram& program, int line);

}  // namespace zeph
