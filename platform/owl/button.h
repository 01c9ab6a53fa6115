#pragma once
// A push button.
#include "owl/control.h"

class TButton : public TControl {
 public:
  TButton(TWindow* parent, int id, const char* text, int x, int y, int w, int h,
          bool isDefault = false, TModule* module = nullptr);
  TButton(TWindow* parent, int resourceId, TModule* module = nullptr);

  const char* GetClassName() override { return "BUTTON"; }
};
