#pragma once
// A static text. The text limit counts the terminating zero: a limit of 80 holds 79
// characters (0: no limit).
#include "owl/control.h"

class TStatic : public TControl {
 public:
  TStatic(TWindow* parent, int id, const char* title, int x, int y, int w, int h,
          UINT textLimit = 0, TModule* module = nullptr);
  TStatic(TWindow* parent, int resourceId, UINT textLimit = 0, TModule* module = nullptr);

  const char* GetClassName() override { return "STATIC"; }

  // Copies at most maxChars - 1 characters and a terminating zero; answers the length.
  int GetText(char* buf, int maxChars) const { return GetWindowText(buf, maxChars); }
  int GetTextLen() const { return GetWindowTextLength(); }
  void SetText(const char* text) { SetWindowText(text); }
  void Clear() { SetText(""); }
  UINT GetTextLimit() const { return TextLimit; }

  // TextLimit characters (with the zero) in the transfer buffer; off unless enabled.
  UINT Transfer(void* buffer, TTransferDirection direction) override;

 protected:
  UINT TextLimit;
};
