#pragma once
// The dialog controls with the MFC names, as owl controls bound by id. Texts are
// std::string; a control whose window does not exist answers empty texts and CB_ERR.
#include <string>

#include "owl/button.h"
#include "owl/combobox.h"
#include "owl/edit.h"
#include "owl/static.h"

// The whole text of a window ("" without a window).
std::string WindowText(const TWindow& window);

class CEdit : public TEdit {
 public:
  // maxChars characters may be typed (0: no limit).
  CEdit(TWindow* parent, int id, UINT maxChars = 0) : TEdit(parent, id, maxChars ? maxChars + 1 : 0) {}
  std::string Text() const { return WindowText(*this); }
  void SetText(const std::string& text) { SetWindowText(text.c_str()); }
};

class CStatic : public TStatic {
 public:
  CStatic(TWindow* parent, int id) : TStatic(parent, id) {}
  std::string Text() const { return WindowText(*this); }
  void SetText(const std::string& text) { SetWindowText(text.c_str()); }
};

class CButton : public TButton {
 public:
  CButton(TWindow* parent, int id) : TButton(parent, id) {}
  std::string Text() const { return WindowText(*this); }
  void SetText(const std::string& text) { SetWindowText(text.c_str()); }
  bool IsEnabled() const { return HWindow && ::IsWindowEnabled(HWindow); }
};

class CComboBox : public TComboBox {
 public:
  CComboBox(TWindow* parent, int id) : TComboBox(parent, id) {}
  // The text of item index ("" when there is none).
  std::string ItemText(int index) const;
  // The selected item's text ("" when nothing is selected).
  std::string SelectedText() const;
  void ResetContent() { ClearList(); }
};

// The hourglass while an object lives; the previous cursor comes back afterwards.
class CWaitCursor {
 public:
  CWaitCursor() : previous_(::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)))) {}
  ~CWaitCursor() { ::SetCursor(previous_); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  HCURSOR previous_;
};
