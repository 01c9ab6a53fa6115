#include "editor/notes/commentdlg.h"

#include <vector>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"

namespace ed {
namespace {

constexpr int kCommentDialog = 1;
constexpr int kCommentEdit = 101;

// Runs the dialog on a copy of the comment; true with the new text after Done.
bool RunCommentDialog(HWND parent, const std::string& comment, const char* caption, std::string& result) {
  std::vector<char> buffer(kCommentBufferSize, '\0');
  comment.copy(buffer.data(), kCommentBufferSize - 1);
  TSBCommentDlg dialog(parent, buffer.data());
  dialog.SetCaption(caption);
  if (dialog.Execute() != IDOK) return false;
  result = buffer.data();
  return true;
}

}  // namespace

int TSBCommentDlg::Execute() {
  return static_cast<int>(::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kCommentDialog), parent_,
                                            &TSBCommentDlg::Proc, reinterpret_cast<LPARAM>(this)));
}

INT_PTR CALLBACK TSBCommentDlg::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TSBCommentDlg*>(::GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      self = reinterpret_cast<TSBCommentDlg*>(lParam);
      ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      ::SendDlgItemMessageA(dialog, kCommentEdit, EM_LIMITTEXT, kCommentBufferSize, 0);
      ::SetDlgItemTextA(dialog, kCommentEdit, self->buffer_);
      if (!self->caption_.empty()) ::SetWindowTextA(dialog, self->caption_.c_str());
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        ::GetDlgItemTextA(dialog, kCommentEdit, self->buffer_, kCommentBufferSize);
        ::EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

int EditPageComment(HWND parent, Page& page) {
  std::string result;
  if (!RunCommentDialog(parent, page.Comment(), "SuperBlock Comment", result)) return 0;
  page.SetComment(result.c_str());
  page.SetModified();
  return 1;
}

int EditProgramComment(HWND parent, Program& program) {
  std::string result;
  if (!RunCommentDialog(parent, program.Comment(), "Program Comment", result)) return 0;
  program.SetComment(result.c_str());
  program.SetModified();
  return 1;
}

}  // namespace ed
