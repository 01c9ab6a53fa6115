#include "editor/drawn/displayobject.h"

namespace ed {

// The base draws nothing.
void DisplayObject::Paint(HDC, const RECT*) {}

}  // namespace ed
