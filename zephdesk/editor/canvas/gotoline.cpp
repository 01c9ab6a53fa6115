#include "editor/canvas/gotoline.h"

#include <algorithm>
#include <new>

#include "editor/canvas/modelport.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/support/editorhost.h"
#include "editor/support/messages.h"

namespace ed {
namespace {
SmartRouter* g_router = nullptr;
// Segments a routed line usually has.
constexpr std::size_t kUsualSegments = 4;
}  // namespace

void SetSmartRouter(SmartRouter* router) { g_router = router; }
SmartRouter* GetSmartRouter() { return g_router; }

int SetBusyState(int, int, const void*) { return 1; }

// ---- GotoBlock ---------------------------------------------------------------------------

GotoBlock::GotoBlock(VavurOrezo* owner, const char* outputName)
    : ProgramObject(owner), outputName_(outputName != nullptr ? outputName : "") {}

GotoBlock::GotoBlock() : ProgramObject(nullptr) {}

VavurOrezo* GotoBlock::Block() const { return static_cast<VavurOrezo*>(Owner()); }
Program* GotoBlock::GetProgram() { return Block() != nullptr ? Block()->GetProgram() : nullptr; }
Page* GotoBlock::GetPage() { return Block() != nullptr ? Block()->GetPage() : nullptr; }

// ---- Segment -----------------------------------------------------------------------------

Segment::Segment(Goto* owner, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
    : ProgramObject(owner), fromX(x1), fromY(y1), toX(x2), toY(y2) {}

Goto* Segment::Line() const { return static_cast<Goto*>(Owner()); }
Program* Segment::GetProgram() { return Line() != nullptr ? Line()->GetProgram() : nullptr; }
Page* Segment::GetPage() { return Line() != nullptr ? Line()->GetPage() : nullptr; }

int Segment::Direction() const {
  if (fromX < toX) return kDirRight;
  if (fromY < toY) return kDirDown;
  if (toX < fromX) return kDirLeft;
  return kDirUp;
}

bool Segment::IsEndSegment() const { return Line() != nullptr && Line()->IndexOfSegment(this) == 0; }

// ---- Goto --------------------------------------------------------------------------------

Goto::Goto(const OutputEntry* output, VavurOrezo* owner, VavurOrezo* endBlock, int noModel)
    : ProgramObject(owner), flags_(kGotoReroute), endBlock_(endBlock) {
  if (output != nullptr) outputName_ = output->name;
  CreateInModel(output, noModel);
}

Goto::Goto(const Goto& other)
    : ProgramObject(nullptr), outputName_(other.outputName_), colour_(other.colour_), flags_(other.flags_) {}

Goto::Goto() : ProgramObject(nullptr) {}

Goto::~Goto() {
  MarkDestroying();
  Program* program = GetProgram();
  VavurOrezo* owner = Block();
  if (endBlock_ != nullptr && program != nullptr && !program->IsBeingDestroyed() && !TestFlags(kGotoNoModel) &&
      owner != nullptr) {
    program->Activate();
    program->Model().DeleteGoto(owner->Handle(), outputName_.c_str());
  }
}

VavurOrezo* Goto::Block() const { return static_cast<VavurOrezo*>(Owner()); }
Program* Goto::GetProgram() { return Block() != nullptr ? Block()->GetProgram() : nullptr; }
Page* Goto::GetPage() { return Block() != nullptr ? Block()->GetPage() : nullptr; }

void Goto::CreateInModel(const OutputEntry* output, int noModel) {
  VavurOrezo* owner = Block();
  if (output == nullptr && owner != nullptr) output = owner->FindOutput(outputName_.c_str());
  if (output == nullptr || owner == nullptr) return;
  if (output->IsSummary()) {
    flags_ |= kGotoNoModel;
    return;
  }
  if (noModel) return;
  const int index = owner->ModelOutputIndex(output->name.c_str());
  Program* program = GetProgram();
  if (program == nullptr) {
    endBlock_ = nullptr;
    return;
  }
  program->Activate();
  if (program->Model().CreateGoto(owner->Handle(), endBlock_ != nullptr ? endBlock_->Handle() : nullptr, index) != 0) {
    // Refused: the line stays on the canvas, unconnected.
    endBlock_ = nullptr;
  }
}

void Goto::ToggleStub(bool labelStubs) {
  if (TestFlags(kGotoStub | kGotoLabelledStub)) {
    ClearFlags(kGotoStub | kGotoLabelledStub);
  } else {
    SetFlags(labelStubs ? kGotoLabelledStub : kGotoStub);
  }
  SetFlags(kGotoReroute);
  ClearFlags(kGotoHandEdited);
  SetModified();
  if (Program* program = GetProgram()) program->Host().NotifyChildren(this, 2, 0);
}

Segment* Goto::PlaceSegment(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int index) {
  try {
    auto segment = std::make_unique<Segment>(this, x1, y1, x2, y2);
    Segment* made = segment.get();
    if (index < 0 || index >= static_cast<int>(segments_.size())) {
      segments_.push_back(std::move(segment));
    } else {
      segments_.insert(segments_.begin() + index, std::move(segment));
    }
    return made;
  } catch (const std::bad_alloc&) {
    if (Program* program = GetProgram()) program->Host().MessageBoxRes(kStrSegmentsOutOfMemory, kBoxIconExclamation);
    return nullptr;
  }
}

void Goto::DropSegment(int index) {
  if (index < 0 || index >= static_cast<int>(segments_.size())) return;
  segments_.erase(segments_.begin() + index);
}

void Goto::DropAllSegments() { segments_.clear(); }

Segment* Goto::AddSegment(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int index) {
  Segment* made = PlaceSegment(x1, y1, x2, y2, index);
  if (made != nullptr) SetModified();
  return made;
}

void Goto::AppendSegment(Segment* segment) {
  if (segment == nullptr) return;
  segment->SetOwner(this);
  // A routed line has a few segments: room for them at the first, not one growth each.
  if (segments_.empty()) segments_.reserve(kUsualSegments);
  segments_.emplace_back(segment);
}

void Goto::RemoveSegment(Segment* segment) {
  const int index = IndexOfSegment(segment);
  if (index < 0) return;
  DropSegment(index);
  SetModified();
}

int Goto::IndexOfSegment(const Segment* segment) const {
  for (std::size_t i = 0; i < segments_.size(); ++i) {
    if (segments_[i].get() == segment) return static_cast<int>(i);
  }
  return -1;
}

const std::vector<std::unique_ptr<Segment>>& Goto::GetRoutedSegments(LineCanvas& canvas) {
  if (segments_.empty() || NeedsRouting()) Route(canvas);
  return segments_;
}

}  // namespace ed
