#include "editor/drawn/lineobjects.h"

#include "editor/canvas/gotoline.h"
#include "editor/canvas/icons.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/support/editorhost.h"
#include "editor/support/messages.h"

#include <new>

namespace ed {
namespace {

constexpr const char* kBreakLineText = "Double click to break line into separate segments for rerouting.";
constexpr const char* kClickAgainText = "Click again to break line into smaller lines or drag line to manually reroute.";
constexpr const char* kJoinText = "Double click to remove break and join line segments.";

bool Rerouting(const DrawnCanvas* canvas) { return canvas != nullptr && canvas->LineEditState() == 1; }

void Notify(Goto* line, int kind) {
  if (Program* program = line->GetProgram()) program->Host().NotifyChildren(line, kind, 0);
}

}  // namespace

// ---- GotoBlockObject ---------------------------------------------------------------------

GotoBlockObject::GotoBlockObject(DrawnCanvas* canvas, GotoBlock* gotoBlock)
    : DisplayObject(canvas, gotoBlock), block_(gotoBlock != nullptr ? gotoBlock->Block() : nullptr) {
  if (block_ != nullptr) block_->AddDrawn(this);
}

GotoBlockObject::~GotoBlockObject() {
  if (block_ != nullptr) block_->RemoveDrawn(this);
}

void GotoBlockObject::DetachFrom(const UIObject* object) {
  DisplayObject::DetachFrom(object);
  if (block_ != nullptr && object == static_cast<const UIObject*>(block_)) block_ = nullptr;
}

GotoBlock* GotoBlockObject::Target() const { return static_cast<GotoBlock*>(Object()); }

bool GotoBlockObject::IsFor(const UIObject* object) const {
  return object == Object() || (object != nullptr && object == block_);
}

std::string GotoBlockObject::GetStatusText() const {
  if (Canvas() != nullptr && Canvas()->FirstSelected() == Object()) return "Select Block to connect to.";
  return "Click to connect this output to a Block.";
}

// ---- LineSegmentObject -------------------------------------------------------------------

LineSegmentObject::LineSegmentObject(DrawnCanvas* canvas, Segment* segment, Goto* line, bool horizontal)
    : DisplayObject(canvas, segment), line_(line), horizontal_(horizontal) {
  if (line_ != nullptr) line_->AddDrawn(this);
}

LineSegmentObject::~LineSegmentObject() {
  if (line_ != nullptr) line_->RemoveDrawn(this);
}

void LineSegmentObject::DetachFrom(const UIObject* object) {
  DisplayObject::DetachFrom(object);
  if (line_ != nullptr && object == static_cast<const UIObject*>(line_)) line_ = nullptr;
}

bool LineSegmentObject::IsFor(const UIObject* object) const {
  return object == Object() || (object != nullptr && object == line_);
}

int LineSegmentObject::MouseEvent(std::int32_t x, std::int32_t y, int event) {
  if (event != 3 || line_ == nullptr || Object() == nullptr || line_->IsStubbed() || Canvas() == nullptr) return 0;
  if (!Rerouting(Canvas())) {
    Canvas()->SelectLine(line_);
    return 0;
  }
  const Point at = Canvas()->ToPage(x, y);
  Notify(line_, 5);
  Segment::Split(line_, static_cast<Segment*>(Object()), at.x, at.y);
  Notify(line_, 6);
  Canvas()->RefreshStatusLine();
  return 1;
}

std::string LineSegmentObject::GetStatusText() const {
  if (line_ == nullptr) return {};
  const bool selected = Canvas() != nullptr && Canvas()->IsSelected(line_);
  if (!selected || line_->IsStubbed()) {
    const VavurOrezo* target = line_->EndBlock();
    if (target == nullptr) return {};
    const std::string label = target->Icon() ? target->Icon()->Text() : std::string();
    return "Connected to: " + label + " / " + target->Name();
  }
  if (Rerouting(Canvas())) return kBreakLineText;
  if (Canvas()->SelectionCount() == 1) return kClickAgainText;
  return {};
}

std::string LineSegmentObject::GetHint() const {
  if (line_ == nullptr || line_->IsStubbed()) return {};
  return Rerouting(Canvas()) ? kBreakLineText : kClickAgainText;
}

// ---- LineLabelObject ---------------------------------------------------------------------

LineLabelObject::LineLabelObject(DrawnCanvas* canvas, Goto* line) : DisplayObject(canvas, line), line_(line) {}

void LineLabelObject::FitToName(std::int32_t nameWidth) {
  Rect r = Bounds();
  r.right = r.left + nameWidth;
  SetRect(r);
}

// ---- LineBlockObject ---------------------------------------------------------------------

LineBlockObject::LineBlockObject(DrawnCanvas* canvas, UIObject* object, Goto* line)
    : DisplayObject(canvas, object), line_(line) {
  if (line_ != nullptr) line_->AddDrawn(this);
}

LineBlockObject::~LineBlockObject() {
  if (line_ != nullptr) line_->RemoveDrawn(this);
}

void LineBlockObject::DetachFrom(const UIObject* object) {
  DisplayObject::DetachFrom(object);
  if (line_ != nullptr && object == static_cast<const UIObject*>(line_)) line_ = nullptr;
}

bool LineBlockObject::IsFor(const UIObject* object) const {
  return object == Object() || (object != nullptr && object == line_);
}

bool LineBlockObject::Visible() const {
  return line_ != nullptr && Canvas() != nullptr && Canvas()->IsSelected(line_) && !line_->IsStubbed() && Rerouting(Canvas()) &&
         Canvas()->MouseMode() != 2;
}

int LineBlockObject::MouseEvent(std::int32_t, std::int32_t, int event) {
  if (event != 3 || line_ == nullptr || line_->IsStubbed() || Canvas() == nullptr) return 0;
  if (!Rerouting(Canvas())) {
    Canvas()->SelectLine(line_);
    return 0;
  }
  Notify(line_, 5);
  if (Object() != nullptr && Object()->isA() == kClassSegment) Segment::Join(line_, static_cast<Segment*>(Object()));
  Notify(line_, 6);
  Canvas()->RefreshStatusLine();
  return 1;
}

std::string LineBlockObject::GetStatusText() const {
  if (line_ == nullptr) return {};
  const bool selected = Canvas() != nullptr && Canvas()->IsSelected(line_);
  if (!selected || line_->IsStubbed()) return {};
  if (Rerouting(Canvas())) return kJoinText;
  if (Canvas()->SelectionCount() == 1) return "Click again to add/remove line segments for rerouting.";
  return {};
}

std::string LineBlockObject::GetHint() const {
  if (line_ == nullptr || line_->IsStubbed()) return {};
  return Rerouting(Canvas()) ? kJoinText : kClickAgainText;
}

// ---- BranchObject ------------------------------------------------------------------------

BranchObject::BranchObject(DrawnCanvas* canvas, VavurOrezo* block, Point junction, const std::vector<Point>& outputs)
    : DisplayObject(canvas, block), junction_(junction) {
  try {
    outputs_ = outputs;
  } catch (const std::bad_alloc&) {
    // Without its points the fan draws nothing.
    outputs_.clear();
    Program* program = block != nullptr ? block->GetProgram() : nullptr;
    if (program != nullptr) program->Host().MessageBoxRes(kStrBranchesOutOfMemory, kBoxIconExclamation);
  }
}

}  // namespace ed
