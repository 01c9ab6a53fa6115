#pragma once
// The drawn objects of the palette panes: one icon cell per group of the group pane and
// per VavurOrezo type of the VavurOrezo pane, with the status-line texts each gives.

#include <string>

#include "editor/drawn/displayobject.h"

namespace ed {

class Icon;

enum PaletteDrawnClass : int {
  kDrawnGroupIcon = 306,
  kDrawnVavurOrezoIcon = 307,
};

// One icon in a cell of the pane's icon flow; drawn as its label in a raised frame,
// sunken while selected.
class IconObject : public DisplayObject {
 public:
  IconObject(DrawnCanvas* canvas, Icon& icon, const Rect& cell);
  Icon& GetIcon() const { return icon_; }
  // The icon's label while an output waits for its target.
  std::string GetStatusText() const override;
#ifdef _WIN32
  void Paint(HDC dc, const RECT* update) override;
#endif

 private:
  Icon& icon_;
};

class VavurOrezoIconObject : public IconObject {
 public:
  using IconObject::IconObject;
  int isA() const override { return kDrawnVavurOrezoIcon; }
  std::string GetActionText() const override { return "Dragging new Block..."; }
  std::string GetHint() const override { return "Drag new Block to the desired location in the workspace."; }
};

class VavurOrezoGroupIconObject : public IconObject {
 public:
  using IconObject::IconObject;
  int isA() const override { return kDrawnGroupIcon; }
  std::string GetHint() const override { return GetStatusText(); }
};

}  // namespace ed
