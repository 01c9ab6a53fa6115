// Hand editing of a goto line's segments: moving one sideways, splitting one in two and
// joining one with the segment before it.
#include "editor/canvas/gotoline.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/support/messages.h"
#include "editor/support/statusmsg.h"

namespace ed {
namespace {

void Warn(Goto* line, const char* text) {
  if (Program* program = line->GetProgram()) ShowStatusMessage(program->Host(), text, true);
}

bool Parallel(const Segment& a, const Segment& b) {
  return ((a.Direction() & kDirHorizontal) != 0) == ((b.Direction() & kDirHorizontal) != 0);
}

}  // namespace

void Segment::Move(Goto* line, Segment* segment, std::int32_t x, std::int32_t y) {
  if (line == nullptr || segment == nullptr) return;
  const int index = line->IndexOfSegment(segment);
  const int count = static_cast<int>(line->GetSegments().size());
  if (index <= 0 || index >= count - 1) {
    Warn(line, kMoveEndSegmentText);
    return;
  }
  const Point oldFrom{segment->fromX, segment->fromY};
  const Point oldTo{segment->toX, segment->toY};
  Point newFrom = oldFrom;
  Point newTo = oldTo;
  if (segment->IsHorizontal()) {
    newFrom.y = y;
    newTo.y = y;
  } else {
    newFrom.x = x;
    newTo.x = x;
  }
  Segment* towardsOutput = line->GetSegments()[index + 1].get();
  if (!Parallel(*towardsOutput, *segment)) {
    towardsOutput->toX = newFrom.x;
    towardsOutput->toY = newFrom.y;
  } else {
    line->PlaceSegment(oldFrom.x, oldFrom.y, newFrom.x, newFrom.y, index + 1);
  }
  Segment* towardsEnd = line->GetSegments()[index - 1].get();
  if (!Parallel(*towardsEnd, *segment)) {
    towardsEnd->fromX = newTo.x;
    towardsEnd->fromY = newTo.y;
  } else {
    line->PlaceSegment(newTo.x, newTo.y, oldTo.x, oldTo.y, index);
  }
  segment->fromX = newFrom.x;
  segment->fromY = newFrom.y;
  segment->toX = newTo.x;
  segment->toY = newTo.y;
  line->SetFlags(kGotoHandEdited);
  line->SetModified();
}

void Segment::Split(Goto* line, Segment* segment, std::int32_t x, std::int32_t y) {
  if (line == nullptr || segment == nullptr) return;
  const int index = line->IndexOfSegment(segment);
  if (index < 0) return;
  const Point at = segment->IsHorizontal() ? Point{x, segment->fromY} : Point{segment->fromX, y};
  const Point from{segment->fromX, segment->fromY};
  const Point to{segment->toX, segment->toY};
  line->PlaceSegment(from.x, from.y, at.x, at.y, index);
  line->PlaceSegment(at.x, at.y, to.x, to.y, index);
  line->DropSegment(index + 2);
  line->SetFlags(kGotoHandEdited);
  line->SetModified();
}

void Segment::Join(Goto* line, Segment* segment) {
  if (line == nullptr || segment == nullptr) return;
  int index = line->IndexOfSegment(segment);
  while (index > 0) {
    Segment* before = line->GetSegments()[index - 1].get();
    if (before->Direction() == segment->Direction()) {
      segment->toX = before->toX;
      segment->toY = before->toY;
      line->RemoveSegment(before);
      return;
    }
    if (!before->IsPoint()) {
      Warn(line, kJoinNotAlignedText);
      return;
    }
    line->RemoveSegment(before);
    --index;
  }
}

}  // namespace ed
