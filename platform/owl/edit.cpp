#include "owl/edit.h"

#include <cstring>
#include <vector>

TEdit::TEdit(TWindow* parent, int id, const char* text, int x, int y, int w, int h,
             UINT textLimit, bool multiline, TModule* module)
    : TStatic(parent, id, text, x, y, w, h, textLimit, module) {
  Attr.Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_LEFT;
  Attr.ExStyle = WS_EX_CLIENTEDGE;
  if (multiline) Attr.Style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
  else Attr.Style |= ES_AUTOHSCROLL;
  TransferEnabled = true;
}

TEdit::TEdit(TWindow* parent, int resourceId, UINT textLimit, TModule* module)
    : TStatic(parent, resourceId, textLimit, module) {
  TransferEnabled = true;
}

void TEdit::SetupWindow() {
  TStatic::SetupWindow();
  if (TextLimit > 0) SendMessage(EM_LIMITTEXT, TextLimit - 1);
}

void TEdit::LimitText(int maxChars) {
  TextLimit = maxChars > 0 ? UINT(maxChars) + 1 : 0;
  SendMessage(EM_LIMITTEXT, WPARAM(maxChars > 0 ? maxChars : 0));
}

bool TEdit::GetLine(char* buf, int size, int lineNumber) const {
  if (buf == nullptr || size <= 0) return false;
  buf[0] = '\0';
  if (!HWindow || lineNumber < 0 || lineNumber >= GetNumLines()) return false;
  int length = GetLineLength(lineNumber);
  // EM_GETLINE takes the buffer size in its first WORD and writes no terminating zero.
  std::vector<char> line(size_t(length) + 2, '\0');
  WORD room = WORD(length + 1);
  std::memcpy(line.data(), &room, sizeof room);
  int copied = int(SendMessage(EM_GETLINE, WPARAM(lineNumber), reinterpret_cast<LPARAM>(line.data())));
  if (copied < 0) copied = 0;
  if (copied > length) copied = length;
  int kept = copied < size - 1 ? copied : size - 1;
  std::memcpy(buf, line.data(), size_t(kept));
  buf[kept] = '\0';
  return kept == copied;
}

int TEdit::GetNumLines() const { return HWindow ? int(SendMessage(EM_GETLINECOUNT)) : 0; }

int TEdit::GetLineLength(int lineNumber) const {
  if (!HWindow) return 0;
  LRESULT start = SendMessage(EM_LINEINDEX, WPARAM(lineNumber));
  if (start < 0) return 0;
  return int(SendMessage(EM_LINELENGTH, WPARAM(start)));
}

void TEdit::SetSelection(int start, int end) { SendMessage(EM_SETSEL, WPARAM(start), LPARAM(end)); }

void TEdit::GetSelection(int& start, int& end) const {
  DWORD first = 0, last = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  start = int(first);
  end = int(last);
}

void TEdit::Insert(const char* text) {
  SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text ? text : ""));
}

bool TEdit::IsModified() const { return SendMessage(EM_GETMODIFY) != 0; }

void TEdit::ClearModify() { SendMessage(EM_SETMODIFY, FALSE); }

void TEdit::SetReadOnly(bool readOnly) { SendMessage(EM_SETREADONLY, readOnly); }
