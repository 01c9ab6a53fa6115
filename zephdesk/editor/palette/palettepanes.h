#pragma once
// The two panes of the palette window apart from their windows: the group pane shows the
// palette's groups and a click on one selects it; the VavurOrezo pane shows the types of
// the selected group. Both lay their icons out in cells from their layout entry.

#include <memory>
#include <vector>

#include "editor/panes/layout.h"
#include "editor/panes/objectpane.h"

namespace ed {

class GroupIcon;
class Icon;
class PaletteState;
class VavurOrezoIcon;

class PalettePane : public ObjectPane {
 public:
  PalettePane(EditorHost& host, PaneSurface* surface, const LayoutEntry& entry);
  // The icons laid out again for a pane of that client size (pixels).
  void Resize(std::int32_t width, std::int32_t height);
  // The height the icons need (the scroll range of the VavurOrezo pane).
  std::int32_t ContentHeight() const { return contentHeight_; }
  // The icon under a pane point, or null.
  Icon* IconAt(Point p) const;

 protected:
  // Makes one drawn object per icon, in the cells of the flow.
  template <class Drawn, class List>
  void Rebuild(const List& icons);
  virtual void RebuildIcons() = 0;

 private:
  const LayoutEntry& entry_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::int32_t contentHeight_ = 0;
};

class GroupPalettePane : public PalettePane {
 public:
  GroupPalettePane(EditorHost& host, PaneSurface* surface, const LayoutEntry& entry, PaletteState& state);
  // The groups of the palette were refilled: the icons are made again, the current group
  // selected.
  void GroupsChanged();
  // A left click at a pane point: a group other than the current one becomes the
  // selected group. True when the click was taken.
  bool Click(Point p);

 protected:
  void RebuildIcons() override;

 private:
  void SelectCurrent();
  PaletteState& state_;
};

class VavurOrezoPalettePane : public PalettePane {
 public:
  VavurOrezoPalettePane(EditorHost& host, PaneSurface* surface, const LayoutEntry& entry);
  // The selected group's types (null: none); the selection is cleared and the icons made again.
  void SetGroup(const std::vector<std::shared_ptr<VavurOrezoIcon>>* members);
  const std::vector<std::shared_ptr<VavurOrezoIcon>>* Members() const { return members_; }

 protected:
  void RebuildIcons() override;

 private:
  const std::vector<std::shared_ptr<VavurOrezoIcon>>* members_ = nullptr;
};

}  // namespace ed
