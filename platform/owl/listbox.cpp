#include "owl/listbox.h"

TListBox::TListBox(TWindow* parent, int id, int x, int y, int w, int h, TModule* module)
    : TControl(parent, id, nullptr, x, y, w, h, module) {
  Attr.Style |= LBS_STANDARD;
}

TListBox::TListBox(TWindow* parent, int resourceId, TModule* module)
    : TControl(parent, resourceId, module) {}

namespace {
LPARAM Text(const char* text) { return reinterpret_cast<LPARAM>(text ? text : ""); }
}  // namespace

int TListBox::AddString(const char* text) {
  return HWindow ? int(SendMessage(LB_ADDSTRING, 0, Text(text))) : LB_ERR;
}

int TListBox::InsertString(const char* text, int index) {
  return HWindow ? int(SendMessage(LB_INSERTSTRING, WPARAM(index), Text(text))) : LB_ERR;
}

int TListBox::DeleteString(int index) {
  return HWindow ? int(SendMessage(LB_DELETESTRING, WPARAM(index))) : LB_ERR;
}

void TListBox::ClearList() { SendMessage(LB_RESETCONTENT); }

int TListBox::GetCount() const { return HWindow ? int(SendMessage(LB_GETCOUNT)) : 0; }

int TListBox::FindString(const char* text, int startIndex) const {
  return HWindow ? int(SendMessage(LB_FINDSTRING, WPARAM(startIndex), Text(text))) : LB_ERR;
}

int TListBox::FindExactString(const char* text, int startIndex) const {
  return HWindow ? int(SendMessage(LB_FINDSTRINGEXACT, WPARAM(startIndex), Text(text))) : LB_ERR;
}

int TListBox::GetString(char* buf, int index) const {
  if (buf) buf[0] = '\0';
  return HWindow && buf ? int(SendMessage(LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(buf)))
                        : LB_ERR;
}

int TListBox::GetStringLen(int index) const {
  return HWindow ? int(SendMessage(LB_GETTEXTLEN, WPARAM(index))) : LB_ERR;
}

int TListBox::GetSelIndex() const { return HWindow ? int(SendMessage(LB_GETCURSEL)) : LB_ERR; }

int TListBox::SetSelIndex(int index) {
  return HWindow ? int(SendMessage(LB_SETCURSEL, WPARAM(index))) : LB_ERR;
}

int TListBox::GetSelCount() const { return HWindow ? int(SendMessage(LB_GETSELCOUNT)) : 0; }

LPARAM TListBox::GetItemData(int index) const {
  return HWindow ? LPARAM(SendMessage(LB_GETITEMDATA, WPARAM(index))) : LB_ERR;
}

int TListBox::SetItemData(int index, LPARAM data) {
  return HWindow ? int(SendMessage(LB_SETITEMDATA, WPARAM(index), data)) : LB_ERR;
}

bool TListBox::SetTabStops(int numTabs, const int* tabs) {
  return HWindow && SendMessage(LB_SETTABSTOPS, WPARAM(numTabs), reinterpret_cast<LPARAM>(tabs));
}

void TListBox::SetHorizontalExtent(int extent) { SendMessage(LB_SETHORIZONTALEXTENT, WPARAM(extent)); }

int TListBox::GetTopIndex() const { return HWindow ? int(SendMessage(LB_GETTOPINDEX)) : LB_ERR; }

int TListBox::SetTopIndex(int index) {
  return HWindow ? int(SendMessage(LB_SETTOPINDEX, WPARAM(index))) : LB_ERR;
}
