#include "editor/drawn/displayobject.h"

#include "editor/canvas/uiobject.h"

namespace ed {

DisplayObject::DisplayObject(DrawnCanvas* canvas, UIObject* object) : canvas_(canvas), object_(object) {
  if (object_ != nullptr) object_->AddDrawn(this);
}

DisplayObject::~DisplayObject() {
  if (object_ != nullptr) object_->RemoveDrawn(this);
}

void DisplayObject::DetachFrom(const UIObject* object) {
  if (object_ == object) object_ = nullptr;
}

UIObject::~UIObject() {
  const std::vector<DisplayObject*> drawn = drawn_;
  for (DisplayObject* d : drawn) d->DetachFrom(this);
}

int DisplayObject::MouseEvent(std::int32_t, std::int32_t, int) { return 0; }

}  // namespace ed
