#pragma once
// A radio button, optionally one of a group box's buttons.
#include "owl/checkbox.h"

class TRadioButton : public TCheckBox {
 public:
  TRadioButton(TWindow* parent, int id, const char* title, int x, int y, int w, int h,
               TGroupBox* group = nullptr, TModule* module = nullptr);
  TRadioButton(TWindow* parent, int resourceId, TGroupBox* group = nullptr,
               TModule* module = nullptr);

 protected:
  // A radio button without the automatic style is checked here and the other radio
  // buttons of its dialog group are unchecked.
  void BNClicked() override;
};
