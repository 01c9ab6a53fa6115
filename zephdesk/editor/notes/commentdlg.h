#pragma once
// The comment dialog of a SuperBlock page or of the whole program.

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace ed {

class Page;
class Program;

inline constexpr int kCommentBufferSize = 32767;

#ifdef _WIN32
// Dialog resource 1 with one multi-line edit control (101) over the caller's buffer of
// kCommentBufferSize characters; OK ("Done") copies back at most 32766 of them.
class TSBCommentDlg {
 public:
  TSBCommentDlg(HWND parent, char* buffer) : parent_(parent), buffer_(buffer) {}
  void SetCaption(const char* caption) { caption_ = caption != nullptr ? caption : ""; }
  // IDOK or IDCANCEL.
  int Execute();

 private:
  static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  HWND parent_;
  char* buffer_;
  std::string caption_;
};

// The canvas's comment commands: 1 after Done (the comment replaced, the program marked
// modified), 0 after Cancel.
int EditPageComment(HWND parent, Page& page);
int EditProgramComment(HWND parent, Program& program);
#endif

}  // namespace ed
