#include "owl/button.h"

TButton::TButton(TWindow* parent, int id, const char* text, int x, int y, int w, int h,
                 bool isDefault, TModule* module)
    : TControl(parent, id, text, x, y, w, h, module) {
  Attr.Style |= isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

TButton::TButton(TWindow* parent, int resourceId, TModule* module)
    : TControl(parent, resourceId, module) {}
