#include "scribe/codeeditor.h"

namespace scribe {

namespace {

const char kClassName[] = "ZephCodeEditor";

struct Editor {
  HWND frame = nullptr;
  HWND edit = nullptr;
  std::string* text = nullptr;
  int* openFlag = nullptr;
  void** buffer = nullptr;
};

// The edit control wants CR LF line ends.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

LRESULT CALLBACK EditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* editor = reinterpret_cast<Editor*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_SIZE:
      if (editor && editor->edit) MoveWindow(editor->edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      if (editor && editor->edit) SetFocus(editor->edit);
      return 0;
    case WM_DESTROY:
      if (editor) {
        if (editor->openFlag) *editor->openFlag = 0;
        if (editor->buffer && *editor->buffer == editor) *editor->buffer = nullptr;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete editor;
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterEditorClass() {
  static bool registered = false;
  if (registered) return true;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = EditorProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClassName;
  registered = RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  return registered;
}

}  // namespace

int _MakeFileWindow(HWND owner, const char* title, std::string* text, int* openFlag, void** buffer, int line) {
  if (!text || !buffer || !RegisterEditorClass()) return 1;
  auto* editor = new Editor;
  editor->text = text;
  editor->openFlag = openFlag;
  editor->buffer = buffer;
  editor->frame = CreateWindowExA(0, kClassName, title ? title : "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 640, 400, owner, nullptr, GetModuleHandleA(nullptr), editor);
  if (!editor->frame) {
    delete editor;
    return 1;
  }
  RECT client;
  GetClientRect(editor->frame, &client);
  editor->edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                     ES_AUTOHSCROLL | ES_WANTRETURN,
                                 0, 0, client.right, client.bottom, editor->frame, nullptr, GetModuleHandleA(nullptr),
                                 nullptr);
  if (!editor->edit) {
    DestroyWindow(editor->frame);
    return 1;
  }
  SendMessageA(editor->edit, EM_SETLIMITTEXT, 0, 0);
  SendMessageA(editor->edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
  SetWindowTextA(editor->edit, WithCrLf(*text).c_str());
  *buffer = editor;
  if (openFlag) *openFlag = 1;
  _CGotoLine(editor, line);
  return 0;
}

void _CUpdateBuffer(void* buffer) {
  auto* editor = static_cast<Editor*>(buffer);
  if (!editor || !editor->edit || !editor->text) return;
  const int length = GetWindowTextLengthA(editor->edit);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(editor->edit, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  *editor->text = text;
}

void _CGotoLine(void* buffer, int line) {
  auto* editor = static_cast<Editor*>(buffer);
  if (!editor || !editor->edit) return;
  const int lines = static_cast<int>(SendMessageA(editor->edit, EM_GETLINECOUNT, 0, 0));
  int index = line > 0 ? line - 1 : 0;
  if (index >= lines) index = lines > 0 ? lines - 1 : 0;
  const LRESULT at = SendMessageA(editor->edit, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
  SendMessageA(editor->edit, EM_SETSEL, static_cast<WPARAM>(at), static_cast<LPARAM>(at));
  SendMessageA(editor->edit, EM_SCROLLCARET, 0, 0);
  SetForegroundWindow(editor->frame);
  SetFocus(editor->edit);
}

HWND EditorWindow(void* buffer) {
  auto* editor = static_cast<Editor*>(buffer);
  return editor ? editor->frame : nullptr;
}

}  // namespace scribe
