#include "editor/palette/palettepanes.h"

#include <algorithm>

#include "editor/canvas/icons.h"
#include "editor/palette/paletteobjects.h"
#include "editor/palette/palettestate.h"

namespace ed {

PalettePane::PalettePane(EditorHost& host, PaneSurface* surface, const LayoutEntry& entry)
    : ObjectPane(host, surface), entry_(entry) {}

void PalettePane::Resize(std::int32_t width, std::int32_t height) {
  width_ = width;
  height_ = height;
  RebuildIcons();
}

template <class Drawn, class List>
void PalettePane::Rebuild(const List& icons) {
  ClearDisplay();
  const IconFlow flow = FlowIcons(static_cast<int>(icons.size()), entry_.cellWidth, entry_.cellHeight, entry_.gapX,
                                  entry_.gapY, width_, height_, (entry_.flags & kLayoutIconsInColumns) != 0);
  contentHeight_ = 0;
  for (std::size_t i = 0; i < icons.size(); ++i) {
    AddDrawnObject(std::make_unique<Drawn>(this, *icons[i], flow.cells[i]));
    contentHeight_ = std::max(contentHeight_, flow.cells[i].bottom + std::max<std::int32_t>(entry_.gapY, 0));
  }
  if (Surface() != nullptr) Surface()->InvalidateAll();
}

Icon* PalettePane::IconAt(Point p) const {
  DisplayObject* d = FindObjectAt(p.x, p.y);
  return d != nullptr ? &static_cast<IconObject*>(d)->GetIcon() : nullptr;
}

GroupPalettePane::GroupPalettePane(EditorHost& host, PaneSurface* surface, const LayoutEntry& entry,
                                   PaletteState& state)
    : PalettePane(host, surface, entry), state_(state) {}

void GroupPalettePane::RebuildIcons() {
  ClearSelection();
  Rebuild<VavurOrezoGroupIconObject>(state_.Groups());
  SelectCurrent();
}

void GroupPalettePane::GroupsChanged() { RebuildIcons(); }

void GroupPalettePane::SelectCurrent() {
  ClearSelection();
  if (GroupIcon* current = state_.CurrentGroup()) SelectObject(current, 1, 1);
  if (Surface() != nullptr) Surface()->InvalidateAll();
}

bool GroupPalettePane::Click(Point p) {
  auto* group = dynamic_cast<GroupIcon*>(IconAt(p));
  if (group == nullptr || !state_.GroupClicked(group)) return false;
  SelectCurrent();
  return true;
}

VavurOrezoPalettePane::VavurOrezoPalettePane(EditorHost& host, PaneSurface* surface, const LayoutEntry& entry)
    : PalettePane(host, surface, entry) {}

void VavurOrezoPalettePane::SetGroup(const std::vector<std::shared_ptr<VavurOrezoIcon>>* members) {
  ClearSelection();
  members_ = members;
  RebuildIcons();
}

void VavurOrezoPalettePane::RebuildIcons() {
  static const std::vector<std::shared_ptr<VavurOrezoIcon>> kNone;
  Rebuild<VavurOrezoIconObject>(members_ != nullptr ? *members_ : kNone);
}

}  // namespace ed
