#pragma once
// The interactive object pane apart from its window: the drawn objects of its canvas
// objects in six layers and in the spatial grid, the selection, the answers to changes of
// canvas objects, and the flow of icons in cells. The page canvas and the palette panes
// derive from it; their windows paint the layers and feed the mouse.

#include <cstdint>
#include <memory>
#include <unordered_set>
#include <vector>

#include "editor/drawn/displayobject.h"
#include "editor/drawn/grid.h"

namespace ed {

class EditorHost;
class UIObject;

inline constexpr int kPaneLayers = 6;

// What a pane asks of its window.
class PaneSurface {
 public:
  virtual ~PaneSurface() = default;
  // Repaints a rectangle given in canvas units (the window grows it by 2 pixels a side).
  virtual void InvalidateCanvasRect(const Rect& r) = 0;
  virtual void InvalidateAll() = 0;
  // Paints what is invalid now.
  virtual void UpdateNow() {}
};

// Update kinds of NotifyChildren and of the pane itself.
enum UpdateKind : int {
  kUpdateRedraw = 1,
  kUpdateChanged = 2,
  kUpdateRemoved = 3,
  kUpdateAdded = 4,
  kUpdateRemovedQuietly = 5,
  kUpdateRebuilt = 6,
};

class ObjectPane : public DrawnCanvas {
 public:
  // surface may be null (nothing is repainted).
  ObjectPane(EditorHost& host, PaneSurface* surface);
  ~ObjectPane() override;
  ObjectPane(const ObjectPane&) = delete;
  ObjectPane& operator=(const ObjectPane&) = delete;

  EditorHost& Host() const { return host_; }
  void SetSurface(PaneSurface* surface) { surface_ = surface; }
  PaneSurface* Surface() const { return surface_; }

  // ---- drawn objects
  // Appends the object to the layer it names and registers it in the grid.
  DisplayObject* AddDrawnObject(std::unique_ptr<DisplayObject> object, bool invalidate = false);
  // Takes the object out of its layer and the grid and deletes it; while a drawn
  // object's mouse handler runs, the deletion waits until that handler has returned.
  void RemoveDrawnObject(DisplayObject* object, bool invalidate);
  void ClearDisplay();
  // Runs the drawn object's mouse handler (its answer). A handler may change its canvas
  // object so that the pane removes the drawn object that is running it: the object
  // stays allocated until the outermost handler returns. stillShown, when given, tells
  // whether the object is still on the pane afterwards (else it must not be used).
  int RunMouseEvent(DisplayObject* object, std::int32_t x, std::int32_t y, int event, bool* stillShown = nullptr);
  bool Owns(const DisplayObject* object) const { return owned_.count(object) != 0; }
  const std::vector<std::unique_ptr<DisplayObject>>& Layer(int layer) const { return layers_[layer]; }
  std::size_t DrawnCount() const { return owned_.size(); }
  // The topmost drawn object under a canvas point, or null.
  DisplayObject* FindObjectAt(std::int32_t x, std::int32_t y) const { return grid_.HitTest(x, y); }
  // The first of the object's drawn objects on this pane of the class (kDrawnBase: any).
  DisplayObject* FindDrawnObject(const UIObject* object, int drawnClass = kDrawnBase) const;
  // The drawn objects that intersect the rectangle, in painting order: through the grid
  // for an area of under 5 cells, else layer by layer.
  std::vector<DisplayObject*> ObjectsToPaint(const Rect& r) const;
  const Grid& PaneGrid() const { return grid_; }
  void InvalidateObject(const DisplayObject* object);

  // ---- changes of canvas objects
  virtual void ObjectUpdate(UIObject* object, int kind, int scope);
  // Builds the drawn objects of one canvas object; flag 1 when rebuilding. 1 on success.
  virtual int AddObjectDisplay(UIObject* object, int flag);

  // ---- selection
  // 1 when the object is (now) selected.
  virtual int SelectObject(UIObject* object, int exclusive, int code);
  void DeselectObject(UIObject* object);
  void ClearSelection();
  const std::vector<UIObject*>& Selection() const { return selection_; }
  virtual bool AllowsMultiSelect() const { return false; }

  // ---- the mouse mode of the pane (see the mouse machine)
  int Mode() const { return mode_; }
  void SetMode(int mode) { mode_ = mode; }

  // DrawnCanvas
  bool IsSelected(const UIObject* object) const override;
  UIObject* FirstSelected() const override { return selection_.empty() ? nullptr : selection_.front(); }
  int SelectionCount() const override { return static_cast<int>(selection_.size()); }
  int LineEditState() const override { return singleSelection_; }
  int MouseMode() const override { return mode_; }
  Point ToPage(std::int32_t x, std::int32_t y) const override { return {x, y}; }
  void SelectLine(Goto*) override {}
  void ShowPage(Page*) override {}
  void RefreshStatusLine() override {}
  BlockMetrics GetBlockMetrics() const override { return {}; }

 protected:
  // Removes the drawn objects of this pane that show the object; the number removed.
  int RemoveObjectDisplay(UIObject* object, bool deselect);

 private:
  // Keeps a drawn object taken off the pane alive while a mouse handler runs.
  void Retire(std::unique_ptr<DisplayObject> object);

  EditorHost& host_;
  PaneSurface* surface_;
  std::vector<std::unique_ptr<DisplayObject>> layers_[kPaneLayers];
  std::unordered_set<const DisplayObject*> owned_;
  // Drawn objects removed while a mouse handler ran, deleted when it returns.
  int handlerDepth_ = 0;
  std::vector<std::unique_ptr<DisplayObject>> retired_;
  Grid grid_;
  std::vector<UIObject*> selection_;
  int singleSelection_ = 0;
  int mode_ = 0;
};

// The icon flow of a palette pane: cells of cell size spaced by the gap (pixels), in rows
// (or in columns when byColumns) that wrap at the pane's width (height).
struct IconFlow {
  std::vector<Rect> cells;
  std::int32_t rows = 0;
  std::int32_t columns = 0;
};
IconFlow FlowIcons(int count, std::int32_t cellWidth, std::int32_t cellHeight, std::int32_t gapX,
                   std::int32_t gapY, std::int32_t paneWidth, std::int32_t paneHeight, bool byColumns);

}  // namespace ed
