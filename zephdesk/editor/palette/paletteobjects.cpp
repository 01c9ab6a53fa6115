#include "editor/palette/paletteobjects.h"

#include "editor/canvas/icons.h"

namespace ed {

IconObject::IconObject(DrawnCanvas* canvas, Icon& icon, const Rect& cell) : DisplayObject(canvas, &icon), icon_(icon) {
  SetRect(cell);
}

std::string IconObject::GetStatusText() const { return icon_.Text(); }

}  // namespace ed
