#pragma once
// The base of the control objects. A control is either made by Create (with an id and a
// place in its parent) or, made with just its id, bound to the control of that id in its
// parent dialog's template when the dialog sets up.
#include "owl/window.h"

class TControl : public TWindow {
 public:
  TControl(TWindow* parent, int id, const char* title, int x, int y, int w, int h,
           TModule* module = nullptr);
  TControl(TWindow* parent, int resourceId, TModule* module = nullptr);

 protected:
  // A control made by Create takes its parent's font.
  void SetupWindow() override;
};
