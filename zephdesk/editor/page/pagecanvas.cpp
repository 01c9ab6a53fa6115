#include "editor/page/pagecanvas.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "editor/canvas/icons.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/drawn/blockobject.h"
#include "editor/drawn/lineobjects.h"
#include "editor/notes/textnote.h"
#include "editor/notes/textnoteobject.h"
#include "editor/page/dragmove.h"
#include "editor/page/placement.h"
#include "editor/support/editorhost.h"

namespace ed {
namespace {

constexpr std::uint32_t kStubFlags = kGotoStub | kGotoLabelledStub;

bool IsShownGotoBlock(const VavurOrezo& block, const GotoBlock& gotoBlock) {
  if (!gotoBlock.IsShownFlag()) return false;
  const OutputEntry* entry = block.FindOutput(gotoBlock.OutputName().c_str());
  return entry != nullptr && (block.Shown().Test(entry->bitIndex) || entry->name == "Rotary");
}

std::string TypeLabel(const VavurOrezo& block) {
  return block.Icon() ? block.Icon()->Text() : block.CustomTypeName();
}

}  // namespace

std::vector<GotoBlock*> ShownGotoBlocks(const VavurOrezo& block) {
  std::vector<GotoBlock*> shown;
  for (const auto& gotoBlock : block.GotoBlocks()) {
    if (IsShownGotoBlock(block, *gotoBlock)) shown.push_back(gotoBlock.get());
  }
  return shown;
}

PageCanvas::PageCanvas(Program& program, Page* page, CanvasWindow* window)
    : ObjectPane(program.Host(), window), program_(program), page_(page), window_(window) {
  ComputeExtent();
}

// The selection and the drawn objects go with the pane.
PageCanvas::~PageCanvas() = default;

void PageCanvas::ForgetPage() {
  ClearSelection();
  ClearDisplay();
  page_ = nullptr;
}

void PageCanvas::ComputeExtent() {
  if (window_ != nullptr) font_ = window_->Font();
  if (font_.lettersWidth > 0 && font_.charHeight > 0) view_.ComputeExtent(font_.lettersWidth, font_.charHeight);
}

Point PageCanvas::SnapCanvasPoint(Point p) const {
  if (!Host().IsOptionSet(kOptSnapToGrid)) return p;
  Point page = Scale().CanvasToPage(p);
  SnapPointToGrid(page.x, page.y, Host().GridSize());
  return Scale().PageToCanvas(page);
}

std::int32_t PageCanvas::Measure(const std::string& text) const {
  return window_ != nullptr ? window_->TextWidth(text) : 0;
}

void PageCanvas::Notify(ProgramObject* object, int kind, int scope) { Host().NotifyChildren(object, kind, scope); }

BlockMetrics PageCanvas::GetBlockMetrics() const {
  BlockMetrics m;
  m.textHeight = Sizes().labelHeight;
  m.gap = Sizes().marginY;
  m.iconSize = Sizes().iconWidth;
  m.labelMargin = Sizes().marginX;
  return m;
}

bool PageCanvas::Place(std::unique_ptr<DisplayObject> object, bool redraw) {
  if (!object) {
    Host().MessageBoxRes(kMsgDisplayOutOfMemory, kBoxIconExclamation);
    return false;
  }
  AddDrawnObject(std::move(object), redraw);
  return true;
}

// ---- building ---------------------------------------------------------------------------

int PageCanvas::BuildDisplay(bool verticalBar, bool horizontalBar) {
  if (page_ == nullptr) {
    Host().MessageBoxRes(kMsgNoPage, kBoxIconExclamation);
    return 0;
  }
  if (Host().IsOptionSet(kOptPrintGrid)) {
    std::int32_t width = 0, height = 0;
    if (window_ != nullptr) window_->PrintedPageSize(firstBuild_, width, height);
    view_.SetPrintedPageSize(width, height);
  } else {
    view_.SetPrintedPageSize(0, 0);
  }
  firstBuild_ = 0;
  ClearDisplay();
  if (window_ != nullptr) window_->SetBusy(true);
  bool ok = true;
  for (const auto& note : page_->Notes()) {
    if (ok) ok = BuildTextNoteObject(note.get(), false) != 0;
  }
  for (const auto& block : page_->Blocks()) {
    if (ok) ok = BuildBlockObjects(block.get(), false) != 0;
  }
  // Every line is routed again, after all blocks are drawn: the router reads the drawn
  // output boxes and blocks.
  std::vector<Goto*> lines;
  for (const auto& block : page_->Blocks()) {
    page_->MarkLinesToBlock(block.get());
    for (const auto& line : block->Gotos()) lines.push_back(line.get());
  }
  view_.SetScrollSteps(verticalBar ? kScrollStep : 0, horizontalBar ? kScrollStep : 0);
  if (window_ != nullptr) {
    window_->SetBusy(false);
    if (!window_->IsPrintSurface()) {
      window_->InvalidateAll();
      window_->UpdateNow();
    }
  }
  if (!ok) return 0;
  for (Goto* line : lines) {
    if (!BuildGotoObjects(line, false)) return 0;
  }
  return 1;
}

int PageCanvas::BuildBlockObjects(VavurOrezo* block, bool redraw) {
  if (block == nullptr) return 0;
  const Point at = Scale().PageToCanvas(Point{block->X(), block->Y()});
  std::unique_ptr<VavurOrezoObject> drawn(new (std::nothrow) VavurOrezoObject(this, block));
  if (!drawn) return Place(nullptr, redraw) ? 1 : 0;
  drawn->SetRect(BlockRectAt(Sizes(), at.x, at.y));
  drawn->Layout(GetBlockMetrics(), Measure(block->Name()), Measure(TypeLabel(*block)));
  const Rect icon = drawn->IconRect();
  Place(std::move(drawn), redraw);
  return BuildOutputs(block, icon, redraw);
}

int PageCanvas::BuildOutputs(VavurOrezo* block, const Rect& icon, bool redraw) {
  const std::vector<GotoBlock*> shown = ShownGotoBlocks(*block);
  std::int32_t widest = 0;
  for (GotoBlock* gotoBlock : shown) widest = std::max(widest, Measure(gotoBlock->OutputName()));
  const int entries = block->Record() != nullptr ? static_cast<int>(block->Record()->outputs.size()) : 0;
  CanvasFontMetrics metrics;
  metrics.charHeight = font_.charHeight;
  metrics.internalLeading = font_.internalLeading;
  const OutputBoxLayout layout =
      LayoutOutputBoxes(Sizes(), metrics, Scale(), icon, static_cast<int>(shown.size()), entries, widest);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    std::unique_ptr<GotoBlockObject> box(new (std::nothrow) GotoBlockObject(this, shown[i]));
    if (box) box->SetRect(layout.boxes[i]);
    if (!Place(std::move(box), redraw)) return 0;
  }
  const BranchShape branch = BranchGeometry(Scale(), layout);
  std::unique_ptr<BranchObject> fan(new (std::nothrow) BranchObject(this, block, branch.start, branch.points));
  if (fan) fan->SetRect(branch.rect);
  return Place(std::move(fan), redraw) ? 1 : 0;
}

int PageCanvas::BuildGotoObjects(Goto* line, bool redraw) {
  if (line == nullptr) return 0;
  const auto& segments = line->GetRoutedSegments(*this);
  Rect last;
  for (const auto& segment : segments) {
    const SegmentShape shape =
        SegmentRect(Scale(), font_.charHeight, {segment->fromX, segment->fromY}, {segment->toX, segment->toY});
    std::unique_ptr<LineSegmentObject> drawn(
        new (std::nothrow) LineSegmentObject(this, segment.get(), line, shape.horizontal));
    if (drawn) drawn->SetRect(shape.rect);
    if (!Place(std::move(drawn), redraw)) return 0;
    std::unique_ptr<LineBlockObject> joint(new (std::nothrow) LineBlockObject(this, segment.get(), line));
    if (joint) joint->SetRect(SegmentEndRect(shape.rect, segment->Direction()));
    if (!Place(std::move(joint), redraw)) return 0;
    last = shape.rect;
  }
  if (line->TestFlags(kGotoLabelledStub) && !segments.empty() && line->EndBlock() != nullptr) {
    std::unique_ptr<LineLabelObject> label(new (std::nothrow) LineLabelObject(this, line));
    if (label) label->SetRect(StubLabelRect(last, Measure(line->EndBlock()->Name()), font_.charHeight));
    if (!Place(std::move(label), redraw)) return 0;
  }
  return 1;
}

int PageCanvas::BuildTextNoteObject(KvTextUI* note, bool redraw) {
  if (note == nullptr) return 0;
  std::int32_t left = 0, right = 0, top = 0, bottom = 0;
  note->GetRect(left, right, top, bottom);
  std::unique_ptr<KvTextDObj> drawn(
      new (std::nothrow) KvTextDObj(this, note, window_ != nullptr ? window_->Notes() : nullptr));
  if (drawn) drawn->SetRect(Scale().PageToCanvas(Rect{left, top, right, bottom}));
  return Place(std::move(drawn), redraw) ? 1 : 0;
}

int PageCanvas::AddObjectDisplay(UIObject* object, int) {
  if (object == nullptr) return 0;
  auto* programObject = dynamic_cast<ProgramObject*>(object);
  if (programObject == nullptr || programObject->GetPage() != page_) return 0;
  int result = 0;
  switch (object->isA()) {
    case kClassVavurOrezo:
      result = BuildBlockObjects(static_cast<VavurOrezo*>(object), true);
      if (window_ != nullptr) window_->UpdateNow();
      break;
    case kClassGoto:
      result = BuildGotoObjects(static_cast<Goto*>(object), true);
      break;
    case kClassTextNote:
      result = BuildTextNoteObject(static_cast<KvTextUI*>(object), true);
      if (window_ != nullptr) window_->UpdateNow();
      break;
    default:
      break;
  }
  return result;
}

void PageCanvas::ObjectUpdate(UIObject* object, int kind, int scope) {
  if (object == nullptr) return;
  const int code = object->isA();
  if (kind == kUpdateRemoved) {
    if (code == kClassVavurOrezo && scope == 3) {
      // The block goes with all its lines, those marked not deletable too.
      for (const auto& line : static_cast<VavurOrezo*>(object)->Gotos()) line->ClearFlags(kGotoNotDeletable);
    } else if (code == kClassGoto) {
      auto* line = static_cast<Goto*>(object);
      if (line->Block() != nullptr && !line->Block()->CanRemoveGoto(line)) return;
    }
  }
  ObjectPane::ObjectUpdate(object, kind, scope);
  if (code == kClassVavurOrezo && page_ != nullptr) {
    auto* block = static_cast<VavurOrezo*>(object);
    if (scope & 0x1) {
      for (const auto& other : page_->Blocks()) {
        for (const auto& line : other->Gotos()) {
          if (line->EndBlock() == block) ObjectUpdate(line.get(), kind, 0);
        }
      }
    }
    if (scope & 0x2) {
      for (const auto& line : block->Gotos()) ObjectUpdate(line.get(), kind, 0);
    }
  } else if (code == kClassGoto) {
    auto* line = static_cast<Goto*>(object);
    if (kind == kUpdateRemoved) line->SetRerouteFlag();
    if ((kind == kUpdateRemoved || kind == kUpdateAdded || kind == kUpdateRemovedQuietly) && line->Block() != nullptr) {
      ObjectUpdate(line->Block(), kUpdateRedraw, 0);
    }
  }
}

Rect PageCanvas::GetDrawingBounds() const {
  std::vector<Rect> rects;
  for (int layer = 0; layer < kPaneLayers; ++layer) {
    for (const auto& d : Layer(layer)) rects.push_back(d->Bounds());
  }
  return DrawingBounds(rects);
}

// ---- selection --------------------------------------------------------------------------

int PageCanvas::SelectObject(UIObject* object, int exclusive, int code) {
  if (object == nullptr) return 0;
  UIObject* first = FirstSelected();
  if (object->isA() == kClassVavurOrezo && first != nullptr && first->isA() == kClassGotoBlock) {
    auto* target = static_cast<VavurOrezo*>(object);
    const std::uint32_t stub = Host().IsOptionSet(kOptLabelStubGotos) ? kGotoLabelledStub : kGotoStub;
    const std::vector<UIObject*> outputs = Selection();
    for (UIObject* selected : outputs) {
      if (selected->isA() != kClassGotoBlock) continue;
      auto* gotoBlock = static_cast<GotoBlock*>(selected);
      VavurOrezo* owner = gotoBlock->Block();
      if (owner == nullptr) continue;
      const std::string output = gotoBlock->OutputName();
      if (Goto* line = owner->FindGoto(output.c_str())) {
        if (line->EndBlock() == target) {
          line->SetRerouteFlag();
          line->ClearFlags(kStubFlags);
          if (code == 2) line->SetFlags(stub);
          Notify(line, kUpdateChanged, 0);
          continue;
        }
        if (line->TestFlags(kGotoNotDeletable)) continue;
        Notify(line, kUpdateRemoved, 0);
        owner->DeleteGoto(line);
      }
      if (Goto* made = owner->CreateGoto(target, output.c_str(), 0)) {
        if (code == 2) made->SetFlags(stub);
        Notify(made, kUpdateAdded, 0);
      }
    }
    ClearSelection();
    Host().UpdateCommandStates();
    return 0;
  }
  if (object->isA() == kClassSegment) {
    if (Goto* line = static_cast<Segment*>(object)->Line()) object = line;
  }
  const int selected = ObjectPane::SelectObject(object, exclusive, code);
  Host().UpdateCommandStates();
  return selected;
}

void PageCanvas::SelectObjectsInBand(const Rect& band) {
  const std::pair<int, int> passes[] = {{0, kDrawnTextNote}, {1, kDrawnVavurOrezo}};
  for (const auto& [layer, drawnClass] : passes) {
    std::vector<UIObject*> hit;
    for (const auto& d : Layer(layer)) {
      if (d->isA() == drawnClass && d->Object() != nullptr && d->Intersects(band)) hit.push_back(d->Object());
    }
    for (UIObject* object : hit) SelectObject(object, 0, 1);
  }
}

void PageCanvas::SelectLine(Goto* line) {
  if (line != nullptr) SelectObject(line, 1, 1);
}

void PageCanvas::ShowPage(Page* page) {
  if (window_ != nullptr) window_->ShowPage(page);
}

// ---- editing ----------------------------------------------------------------------------

int PageCanvas::CanDrop(const DragRecord& drag) const {
  if (drag.owner == nullptr) return 0;
  switch (drag.owner->isA()) {
    case kClassVavurOrezo:
    case kClassVavurOrezoIcon:
    case kClassTextNote:
      return 2;
    case kClassSegment: {
      Goto* line = static_cast<Segment*>(drag.owner)->Line();
      return line != nullptr && line->GetPage() == page_ && !line->IsStubbed() ? 2 : 0;
    }
    default:
      return 0;
  }
}

void PageCanvas::MoveDraggedObjects(const DragRecord& drag, std::int32_t x, std::int32_t y) {
  auto* owner = dynamic_cast<ProgramObject*>(drag.owner);
  if (owner == nullptr || page_ == nullptr) return;
  if (owner->GetPage() != page_) {
    Host().MessageBoxRes(kMsgMoveBetweenPages, kBoxIconExclamation);
    return;
  }
  std::vector<VavurOrezo*> blocks;
  std::vector<KvTextUI*> notes;
  std::vector<Point> positions;
  for (UIObject* object : drag.objects) {
    if (object->isA() == kClassVavurOrezo) {
      auto* block = static_cast<VavurOrezo*>(object);
      blocks.push_back(block);
      positions.push_back({block->X(), block->Y()});
    } else if (object->isA() == kClassTextNote) {
      auto* note = static_cast<KvTextUI*>(object);
      notes.push_back(note);
      positions.push_back({note->Base().Bounds().left, note->Base().Bounds().top});
    }
  }
  const Point pointer = Scale().CanvasToPage(Point{x, y});
  const Point pressed = Scale().CanvasToPage(Point{drag.pressedRect.left, drag.pressedRect.top});
  const Point offset = DragMoveOffset(positions, pointer, pressed);
  for (KvTextUI* note : notes) {
    const Rect r = note->Base().Bounds();
    note->SetRect(r.left + offset.x, r.right + offset.x, r.top + offset.y, r.bottom + offset.y);
    Notify(note, kUpdateChanged, 0);
  }
  for (VavurOrezo* block : blocks) {
    block->MoveTo(block->X() + offset.x, block->Y() + offset.y);
    Notify(block, kUpdateChanged, 0);
  }
  RouteMarkedLines();
  for (VavurOrezo* block : blocks) MarkLinesCrossingBlock(block);
}

void PageCanvas::MoveDraggedSegment(const DragRecord& drag, std::int32_t x, std::int32_t y) {
  if (drag.owner == nullptr || drag.owner->isA() != kClassSegment) return;
  auto* segment = static_cast<Segment*>(drag.owner);
  Goto* line = segment->Line();
  if (line == nullptr) return;
  const Point at = Scale().CanvasToPage(Point{x, y});
  Segment::Move(line, segment, at.x, at.y);
  Notify(line, kUpdateChanged, 0);
}

namespace {

// The owning pointer of a palette icon: the designer's palette or the program's own groups.
std::shared_ptr<VavurOrezoIcon> SharedIcon(Program& program, const UIObject* icon) {
  std::vector<std::shared_ptr<GroupIcon>> groups;
  if (PaletteIconList* palette = program.Host().Palette()) groups = palette->Groups();
  for (const auto& g : program.ImportGroups()) groups.push_back(g);
  for (GroupIcon* own : {program.CustomGroup(), program.SuperBlockGroup(0), program.SuperBlockGroup(1)}) {
    if (own != nullptr) {
      for (const auto& i : own->Icons())
        if (i.get() == icon) return i;
    }
  }
  for (const auto& g : groups) {
    if (!g) continue;
    for (const auto& i : g->Icons())
      if (i.get() == icon) return i;
  }
  return nullptr;
}

}  // namespace

bool PageCanvas::DropObjects(const DragRecord& drag, Point at) {
  const int code = drag.owner != nullptr ? drag.owner->isA() : 0;
  const Point grabbed{at.x - (drag.start.x - drag.pressedRect.left), at.y - (drag.start.y - drag.pressedRect.top)};
  switch (code) {
    case kClassVavurOrezo:
    case kClassTextNote: {
      const Point p = SnapCanvasPoint(grabbed);
      MoveDraggedObjects(drag, p.x, p.y);
      return true;
    }
    case kClassVavurOrezoIcon: {
      const Point p = SnapCanvasPoint(grabbed);
      AddBlock(SharedIcon(program_, drag.owner), p.x, p.y, false);
      return true;
    }
    case kClassSegment:
      MoveDraggedSegment(drag, at.x, at.y);
      return true;
    default:
      Host().Beep(kBoxIconExclamation);
      return false;
  }
}

std::vector<Rect> PageCanvas::OutlineAt(const DragRecord& drag, Point at) const {
  std::vector<Rect> out;
  const int code = drag.owner != nullptr ? drag.owner->isA() : 0;
  const Point shift{at.x - drag.pressedRect.left, at.y - drag.pressedRect.top};
  auto moved = [&shift](Rect r) { return Rect{r.left + shift.x, r.top + shift.y, r.right + shift.x, r.bottom + shift.y}; };
  if (code == kClassVavurOrezo || code == kClassTextNote) {
    for (UIObject* object : drag.objects) {
      if (object->isA() == kClassVavurOrezo) {
        auto* block = static_cast<VavurOrezo*>(object);
        const Point p = Scale().PageToCanvas(Point{block->X(), block->Y()});
        out.push_back(moved(IconRectAt(Sizes(), p.x, p.y)));
      } else if (object->isA() == kClassTextNote) {
        out.push_back(moved(Scale().PageToCanvas(static_cast<KvTextUI*>(object)->Base().Bounds())));
      }
    }
  } else if (code == kClassVavurOrezoIcon) {
    out.push_back(IconRectAt(Sizes(), at.x, at.y));
  } else if (code == kClassSegment) {
    const auto* segment = static_cast<const Segment*>(drag.owner);
    const Point a = Scale().PageToCanvas(Point{segment->fromX, segment->fromY});
    const Point b = Scale().PageToCanvas(Point{segment->toX, segment->toY});
    const Point p1 = a.x == b.x ? Point{at.x, a.y} : Point{a.x, at.y};
    const Point p2 = a.x == b.x ? Point{at.x, b.y} : Point{b.x, at.y};
    for (const auto& [from, to] : {std::pair{a, p1}, std::pair{p1, p2}, std::pair{p2, b}}) {
      out.push_back({std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y)});
    }
  }
  return out;
}

VavurOrezo* PageCanvas::AddBlock(const std::shared_ptr<VavurOrezoIcon>& icon, std::int32_t x, std::int32_t y,
                                 bool autoName) {
  if (!icon || page_ == nullptr) return nullptr;
  const Point at = Scale().CanvasToPage(Point{x, y});
  VavurOrezo* block = nullptr;
  if (autoName) {
    block = AddAutoNamedBlock(*page_, icon, at.x, at.y);
  } else {
    char caption[80];
    std::snprintf(caption, sizeof caption, "Add %.50s Block", icon->Text().c_str());
    std::string name;
    for (;;) {
      if (window_ == nullptr || !window_->AskBlockName(caption, name)) return nullptr;
      int refused = 0;
      std::unique_ptr<VavurOrezo> made(new (std::nothrow)
                                           VavurOrezo(page_, name.c_str(), icon->Record(), icon, at.x, at.y, refused));
      if (!made) {
        Host().MessageBoxRes(kMsgNoNewBlock, kBoxIconExclamation);
        return nullptr;
      }
      if (refused != 0) continue;  // the model refused the name: asked again as typed
      if (made->Handle() == nullptr) return nullptr;
      block = made.release();
      page_->AddVavurOrezo(block);
      break;
    }
  }
  if (block == nullptr) return nullptr;
  Notify(block, kUpdateAdded, 0);
  MarkLinesCrossingBlock(block);
  Notify(block, kUpdateRemoved, 2);
  block->ConnectGotos(0, 0, 1);
  Notify(block, kUpdateAdded, 2);
  return block;
}

void PageCanvas::MarkLinesCrossingBlock(VavurOrezo* block) {
  if (block == nullptr || !Host().IsOptionSet(kOptSmartRouting)) return;
  const Point at = Scale().PageToCanvas(Point{block->X(), block->Y()});
  const Rect area = BlockRectAt(Sizes(), at.x, at.y);
  std::vector<Goto*> marked;
  GridQuery query;
  while (DisplayObject* d = PaneGrid().NextInRect(query, area)) {
    if (d->isA() != kDrawnSegment) continue;
    Goto* line = static_cast<LineSegmentObject*>(d)->Line();
    if (line == nullptr || line->Block() == block || line->EndBlock() == block) continue;
    if (std::find(marked.begin(), marked.end(), line) != marked.end()) continue;
    line->SetRerouteFlag();
    line->ClearFlags(kGotoHandEdited);
    marked.push_back(line);
  }
  for (Goto* line : marked) Notify(line, kUpdateChanged, 0);
}

void PageCanvas::RouteMarkedLines() {
  if (page_ == nullptr) return;
  std::vector<Goto*> order;
  for (const auto& block : page_->Blocks()) {
    for (int pass = 0; pass < 2; ++pass) {
      for (const auto& line : block->Gotos()) {
        if (line->NeedsRouting() && line->IsStubbed() == (pass == 0)) order.push_back(line.get());
      }
    }
  }
  for (Goto* line : order) Notify(line, kUpdateChanged, 0);
}

// ---- the router's end points ------------------------------------------------------------

void PageCanvas::OutputConnection(VavurOrezo& block, const char* output, Point& at, std::int32_t& halfWidth) {
  at = {};
  halfWidth = 0;
  GotoBlock* gotoBlock = block.FindGotoBlock(output);
  DisplayObject* drawn = FindDrawnObject(gotoBlock, kDrawnGotoBlock);
  if (drawn == nullptr) return;
  const Rect r = drawn->Bounds();
  at = Scale().CanvasToPage(Point{r.left + r.Width() / 2, r.top + r.Height() / 2});
  halfWidth = Scale().CanvasToPageX(r.Width() / 2);
}

void PageCanvas::EntryPoint(VavurOrezo& block, Point& at, std::int32_t& reachA, std::int32_t& reachB) {
  at = {};
  reachA = reachB = 0;
  auto* drawn = static_cast<VavurOrezoObject*>(FindDrawnObject(&block, kDrawnVavurOrezo));
  if (drawn == nullptr) return;
  const Rect& icon = drawn->IconRect();
  at = Scale().CanvasToPage(Point{icon.left, icon.top + icon.Height() / 2});
  reachA = Scale().CanvasToPageX(std::max(0, icon.left - drawn->NameRect().left));
  reachB = Scale().CanvasToPageX(std::max(0, icon.left - drawn->LabelRect().left));
}

Rect PageCanvas::BlockRect(VavurOrezo& block) {
  if (DisplayObject* drawn = FindDrawnObject(&block, kDrawnVavurOrezo)) return Scale().CanvasToPage(drawn->Bounds());
  const Point at = Scale().PageToCanvas(Point{block.X(), block.Y()});
  return Scale().CanvasToPage(BlockRectAt(Sizes(), at.x, at.y));
}

bool PageCanvas::HasStatusLine() const { return Host().HasStatusLine(); }
void PageCanvas::SetStatusMessage(int level, const char* text) { Host().SetStatusLevelText(level, text); }
void PageCanvas::AppendStatusMessage(int level, const char* text) { Host().AppendStatusLevelText(level, text); }

}  // namespace ed
