#pragma once
// A group box that its check boxes and radio buttons tell when one of them is clicked.
#include "owl/control.h"

class TGroupBox : public TControl {
 public:
  TGroupBox(TWindow* parent, int id, const char* text, int x, int y, int w, int h,
            TModule* module = nullptr);
  TGroupBox(TWindow* parent, int resourceId, TModule* module = nullptr);

  const char* GetClassName() override { return "BUTTON"; }

  // A button of the group (controlId) was clicked. The base tells the parent window with a
  // WM_COMMAND of the group box's own id and BN_CLICKED, unless NotifyParent is off.
  virtual void SelectionChanged(int controlId);

  bool NotifyParent = true;
};
