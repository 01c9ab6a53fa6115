#pragma once
// The page canvas apart from its window: one page of a program as drawn objects laid out
// by the canvas geometry, the page as the line router sees it, the selection with its
// output connection rule, and the editing that moves, adds and reroutes. The window
// (EditChild) paints it, converts the mouse's device points and asks the user.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/canvas/gotoline.h"
#include "editor/page/blockgeometry.h"
#include "editor/page/pageview.h"
#include "editor/panes/objectpane.h"
#include "editor/routing/routepage.h"

namespace ed {

class KvTextUI;
class NoteCanvas;
class Page;
class Program;
class VavurOrezo;
class VavurOrezoIcon;

// The canvas font as the layout reads it.
struct CanvasFont {
  std::int32_t lettersWidth = 0;     // the extent of the 52 letters A-Z, a-z
  std::int32_t charHeight = 0;       // text-metric height less internal leading
  std::int32_t internalLeading = 0;
};

// What the page canvas asks of its window beyond repainting.
class CanvasWindow : public PaneSurface {
 public:
  virtual CanvasFont Font() = 0;
  // The width of a text in the canvas font, canvas units.
  virtual std::int32_t TextWidth(const std::string& text) = 0;
  // The double click of a text note opens its editor through this.
  virtual NoteCanvas* Notes() { return nullptr; }
  virtual bool IsPrintSurface() const { return false; }
  // The hourglass while the page is built or pasted into.
  virtual void SetBusy(bool busy) { (void)busy; }
  // The printed sheet in page units (0 by 0 without a printer); firstBuild is 2 on the
  // canvas's first build.
  virtual void PrintedPageSize(int firstBuild, std::int32_t& width, std::int32_t& height) {
    (void)firstBuild;
    width = height = 0;
  }
  // Brings the page's window to the front, opening it when it is not open.
  virtual void ShowPage(Page* page) { (void)page; }
  // The name of a block dropped from the palette: false when the user cancelled (or the
  // dialog could not be made, after its message).
  virtual bool AskBlockName(const std::string& caption, std::string& name) {
    (void)caption;
    (void)name;
    return false;
  }
};

// The one drag in progress: the dragged objects (the source pane's selection when the
// drag began), the owner and rectangle of the pressed drawn object, the source pane and
// the start point in canvas units.
struct DragRecord {
  std::vector<UIObject*> objects;
  UIObject* owner = nullptr;
  Rect pressedRect;
  ObjectPane* source = nullptr;
  Point start;
};

// Messages of the designer's string table that the canvas shows.
inline constexpr int kMsgNoPage = 50;
inline constexpr int kMsgDisplayOutOfMemory = 49;
inline constexpr int kMsgMoveBetweenPages = 52;
inline constexpr int kMsgNoNewBlock = 53;

class PageCanvas : public ObjectPane, public LineCanvas, public RoutePage {
 public:
  // window may be null (nothing measured: names count as 0 wide).
  PageCanvas(Program& program, Page* page, CanvasWindow* window);
  ~PageCanvas() override;

  Program& GetProgram() const { return program_; }
  Page* GetShownPage() const { return page_; }
  // The page is being removed: the drawing goes and nothing reads the page any more.
  void ForgetPage();
  CanvasWindow* Window() const { return window_; }
  PageView& View() { return view_; }
  const PageView& View() const { return view_; }
  const CanvasScale& Scale() const { return view_.Scale(); }
  const CanvasSizes& Sizes() const { return view_.Sizes(); }

  // The scale and sizes from the canvas font.
  void ComputeExtent();
  // Snaps a canvas point to the page grid when Snap to Grid is on.
  Point SnapCanvasPoint(Point p) const;

  // ---- building
  // Builds every drawn object of the page: notes, blocks, then every line routed again.
  // The scroll bars that exist give the page's extent. 0 after a message.
  int BuildDisplay(bool verticalBar, bool horizontalBar);
  int BuildBlockObjects(VavurOrezo* block, bool redraw);
  int BuildGotoObjects(Goto* line, bool redraw);
  int BuildTextNoteObject(KvTextUI* note, bool redraw);
  int AddObjectDisplay(UIObject* object, int flag) override;
  void ObjectUpdate(UIObject* object, int kind, int scope) override;
  // The union of all drawn rectangles.
  Rect GetDrawingBounds() const;
  std::int32_t FirstBuild() const { return firstBuild_; }
  // The next build measures the printed sheet on the printer of the set-up again, as the
  // first build does (after the printer was changed).
  void MeasurePrinterAgain() { firstBuild_ = 2; }

  // ---- selection
  int SelectObject(UIObject* object, int exclusive, int code) override;
  bool AllowsMultiSelect() const override { return true; }
  // Notes, then blocks, that the band touches join the selection.
  void SelectObjectsInBand(const Rect& band);

  // ---- editing (canvas units in, page units stored)
  // 2 accepts the drop, 0 refuses it.
  int CanDrop(const DragRecord& drag) const;
  // Moves the dragged blocks and notes so that the pressed one's corner lands at (x, y).
  void MoveDraggedObjects(const DragRecord& drag, std::int32_t x, std::int32_t y);
  void MoveDraggedSegment(const DragRecord& drag, std::int32_t x, std::int32_t y);
  // The drop of an outline drag at a canvas point: blocks and notes less the grab offset
  // (snapped), a palette icon as a new named block, a segment moved. false after a beep.
  bool DropObjects(const DragRecord& drag, Point at);
  // The rectangles of the drag's outline at a canvas point (canvas units): a block's
  // icon square or a note's rectangle each, a palette icon's square; for a segment the
  // three lines of its new course as thin rectangles from point to point.
  std::vector<Rect> OutlineAt(const DragRecord& drag, Point at) const;
  // A block of the icon's type at (x, y): named through the window's name dialog (asked
  // again after a refused name), or automatically with autoName. Null when none was made.
  VavurOrezo* AddBlock(const std::shared_ptr<VavurOrezoIcon>& icon, std::int32_t x, std::int32_t y, bool autoName);
  // With Smart Routing: marks the lines of other blocks that the block now lies on.
  void MarkLinesCrossingBlock(VavurOrezo* block);
  // Routes again every marked line of the page, stubs of each block first.
  void RouteMarkedLines();

  // ---- DrawnCanvas
  Point ToPage(std::int32_t x, std::int32_t y) const override { return Scale().CanvasToPage(Point{x, y}); }
  void SelectLine(Goto* line) override;
  void ShowPage(Page* page) override;
  void RefreshStatusLine() override {}
  BlockMetrics GetBlockMetrics() const override;

  // ---- LineCanvas (page units)
  void OutputConnection(VavurOrezo& block, const char* output, Point& at, std::int32_t& halfWidth) override;
  void EntryPoint(VavurOrezo& block, Point& at, std::int32_t& reachA, std::int32_t& reachB) override;
  Rect BlockRect(VavurOrezo& block) override;
  RoutePage* RoutingPage() override { return this; }

  // ---- RoutePage
  const Grid& PageGrid() const override { return PaneGrid(); }
  Point PageToCanvas(std::int32_t x, std::int32_t y) const override { return Scale().PageToCanvas(Point{x, y}); }
  bool HasStatusLine() const override;
  void SetStatusMessage(int level, const char* text) override;
  void AppendStatusMessage(int level, const char* text) override;

 private:
  int BuildOutputs(VavurOrezo* block, const Rect& icon, bool redraw);
  // Adds a drawn object; false (after the message) when it could not be made.
  bool Place(std::unique_ptr<DisplayObject> object, bool redraw);
  std::int32_t Measure(const std::string& text) const;
  void Notify(ProgramObject* object, int kind, int scope);

  Program& program_;
  Page* page_;
  CanvasWindow* window_;
  PageView view_;
  CanvasFont font_;
  std::int32_t firstBuild_ = 2;
};

// The goto blocks of the block whose outputs are drawn, in the block's order.
std::vector<GotoBlock*> ShownGotoBlocks(const VavurOrezo& block);

}  // namespace ed
