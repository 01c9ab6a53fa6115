#pragma once
// An edit control. The text limit counts the terminating zero: a limit of 31 lets the user
// type 30 characters (0: no limit).
#include "owl/static.h"

class TEdit : public TStatic {
 public:
  TEdit(TWindow* parent, int id, const char* text, int x, int y, int w, int h,
        UINT textLimit = 0, bool multiline = false, TModule* module = nullptr);
  TEdit(TWindow* parent, int resourceId, UINT textLimit = 0, TModule* module = nullptr);

  const char* GetClassName() override { return "EDIT"; }

  // At most maxChars characters may be typed from now on.
  void LimitText(int maxChars);
  // Copies at most size - 1 characters of line lineNumber (from 0) and a terminating zero;
  // false when there is no such line or it did not fit.
  bool GetLine(char* buf, int size, int lineNumber) const;
  int GetNumLines() const;
  int GetLineLength(int lineNumber) const;
  void SetSelection(int start, int end);
  void GetSelection(int& start, int& end) const;
  // Replaces the selection.
  void Insert(const char* text);
  bool IsModified() const;
  void ClearModify();
  void SetReadOnly(bool readOnly);

 protected:
  void SetupWindow() override;
};
