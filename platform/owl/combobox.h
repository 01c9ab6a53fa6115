#pragma once
// A combo box. Indexes count from 0; the operations answer CB_ERR (-1) on failure. The
// text limit counts the terminating zero (0: no limit).
#include "owl/control.h"

class TComboBox : public TControl {
 public:
  // style: CBS_SIMPLE, CBS_DROPDOWN or CBS_DROPDOWNLIST.
  TComboBox(TWindow* parent, int id, int x, int y, int w, int h, DWORD style = CBS_DROPDOWN,
            UINT textLimit = 0, TModule* module = nullptr);
  TComboBox(TWindow* parent, int resourceId, UINT textLimit = 0, TModule* module = nullptr);

  const char* GetClassName() override { return "COMBOBOX"; }

  int AddString(const char* text);
  int InsertString(const char* text, int index);
  int DeleteString(int index);
  void ClearList();
  int GetCount() const;
  int FindString(const char* text, int startIndex = -1) const;
  int FindExactString(const char* text, int startIndex = -1) const;
  int GetString(char* buf, int index) const;
  int GetStringLen(int index) const;
  int GetSelIndex() const;
  int SetSelIndex(int index);
  LPARAM GetItemData(int index) const;
  int SetItemData(int index, LPARAM data);
  // The text of the edit field (or of the selected item of a drop-down list).
  int GetText(char* buf, int maxChars) const { return GetWindowText(buf, maxChars); }
  int GetTextLen() const { return GetWindowTextLength(); }
  // Sets the edit field; a drop-down list, which has none, selects the equal item.
  void SetText(const char* text);
  void SetEditSel(int start, int end);

 protected:
  void SetupWindow() override;

  UINT TextLimit;
};
