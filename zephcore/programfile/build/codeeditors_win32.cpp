// The platform's code editors: the editor windows of scribe.
#include "programfile/build/codeeditors.h"
#include "scribe/codeeditor.h"

namespace zeph {

namespace {

class ScribeEditors : public CodeEditorHost {
 public:
  int MakeFileWindow(HWND owner, const char* title, std::string* text, int* openFlag, void** buffer,
                     int line) override {
    return scribe::_MakeFileWindow(owner, title, text, openFlag, buffer, line);
  }
  void UpdateBuffer(void* buffer) override { scribe::_CUpdateBuffer(buffer); }
  void GotoLine(void* buffer, int line) override { scribe::_CGotoLine(buffer, line); }
  void Focus(void* buffer) override {
    if (HWND window = scribe::EditorWindow(buffer)) {
      SetForegroundWindow(window);
      SetFocus(window);
    }
  }
};

}  // namespace

CodeEditorHost* PlatformCodeEditorHost() {
  static ScribeEditors editors;
  return &editors;
}

}  // namespace zeph
