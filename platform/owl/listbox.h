#pragma once
// A list box. Indexes count from 0; the operations answer LB_ERR (-1) on failure.
#include "owl/control.h"

class TListBox : public TControl {
 public:
  // Made by Create: sorted, with notifications, a border and a vertical scroll bar.
  TListBox(TWindow* parent, int id, int x, int y, int w, int h, TModule* module = nullptr);
  TListBox(TWindow* parent, int resourceId, TModule* module = nullptr);

  const char* GetClassName() override { return "LISTBOX"; }

  int AddString(const char* text);
  int InsertString(const char* text, int index);
  int DeleteString(int index);
  void ClearList();
  int GetCount() const;
  // The first string from startIndex on that begins with text (case-insensitive), or the
  // one equal to it; -1 searches the whole list.
  int FindString(const char* text, int startIndex = -1) const;
  int FindExactString(const char* text, int startIndex = -1) const;
  // buf must hold GetStringLen(index) + 1 characters.
  int GetString(char* buf, int index) const;
  int GetStringLen(int index) const;
  int GetSelIndex() const;
  int SetSelIndex(int index);
  int GetSelCount() const;
  LPARAM GetItemData(int index) const;
  int SetItemData(int index, LPARAM data);
  bool SetTabStops(int numTabs, const int* tabs);
  void SetHorizontalExtent(int extent);
  int GetTopIndex() const;
  int SetTopIndex(int index);
};
