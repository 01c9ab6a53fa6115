#include "owl/combobox.h"

TComboBox::TComboBox(TWindow* parent, int id, int x, int y, int w, int h, DWORD style,
                     UINT textLimit, TModule* module)
    : TControl(parent, id, nullptr, x, y, w, h, module), TextLimit(textLimit) {
  Attr.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | style;
}

TComboBox::TComboBox(TWindow* parent, int resourceId, UINT textLimit, TModule* module)
    : TControl(parent, resourceId, module), TextLimit(textLimit) {}

void TComboBox::SetupWindow() {
  TControl::SetupWindow();
  if (TextLimit > 0) SendMessage(CB_LIMITTEXT, TextLimit - 1);
}

namespace {
LPARAM Text(const char* text) { return reinterpret_cast<LPARAM>(text ? text : ""); }
}  // namespace

int TComboBox::AddString(const char* text) {
  return HWindow ? int(SendMessage(CB_ADDSTRING, 0, Text(text))) : CB_ERR;
}

int TComboBox::InsertString(const char* text, int index) {
  return HWindow ? int(SendMessage(CB_INSERTSTRING, WPARAM(index), Text(text))) : CB_ERR;
}

int TComboBox::DeleteString(int index) {
  return HWindow ? int(SendMessage(CB_DELETESTRING, WPARAM(index))) : CB_ERR;
}

void TComboBox::ClearList() { SendMessage(CB_RESETCONTENT); }

int TComboBox::GetCount() const { return HWindow ? int(SendMessage(CB_GETCOUNT)) : 0; }

int TComboBox::FindString(const char* text, int startIndex) const {
  return HWindow ? int(SendMessage(CB_FINDSTRING, WPARAM(startIndex), Text(text))) : CB_ERR;
}

int TComboBox::FindExactString(const char* text, int startIndex) const {
  return HWindow ? int(SendMessage(CB_FINDSTRINGEXACT, WPARAM(startIndex), Text(text))) : CB_ERR;
}

int TComboBox::GetString(char* buf, int index) const {
  if (buf) buf[0] = '\0';
  return HWindow && buf
             ? int(SendMessage(CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(buf)))
             : CB_ERR;
}

int TComboBox::GetStringLen(int index) const {
  return HWindow ? int(SendMessage(CB_GETLBTEXTLEN, WPARAM(index))) : CB_ERR;
}

int TComboBox::GetSelIndex() const { return HWindow ? int(SendMessage(CB_GETCURSEL)) : CB_ERR; }

int TComboBox::SetSelIndex(int index) {
  return HWindow ? int(SendMessage(CB_SETCURSEL, WPARAM(index))) : CB_ERR;
}

LPARAM TComboBox::GetItemData(int index) const {
  return HWindow ? LPARAM(SendMessage(CB_GETITEMDATA, WPARAM(index))) : CB_ERR;
}

int TComboBox::SetItemData(int index, LPARAM data) {
  return HWindow ? int(SendMessage(CB_SETITEMDATA, WPARAM(index), data)) : CB_ERR;
}

void TComboBox::SetText(const char* text) {
  if (!HWindow) return;
  if ((::GetWindowLongPtrA(HWindow, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST)
    SetSelIndex(FindExactString(text));
  else
    SetWindowText(text);
}

void TComboBox::SetEditSel(int start, int end) {
  SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(start, end));
}
