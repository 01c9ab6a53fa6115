#include "editor/routing/path.h"

#include "editor/canvas/gotoline.h"

namespace ed {

void Path::MergeStraightRuns() {
  PathSeg* point = newest;
  while (point != nullptr && point->older != nullptr) {
    if (point->older->direction == point->direction) {
      point->older = point->older->older;
      --pointCount;
    } else {
      point = point->older;
    }
  }
}

std::string Path::Describe() const {
  std::string text = "Value " + std::to_string(value) + " (obstacles " + std::to_string(pbIntersect) +
                     ", parallels " + std::to_string(parallels) + ", crossings " + std::to_string(gotoIntersect) +
                     ", turns " + std::to_string(turns) + ", distance " + std::to_string(distance) + ", estimate " +
                     std::to_string(estimate) + ")";
  for (const PathSeg* p = newest; p != nullptr; p = p->older) {
    switch (p->direction) {
      case kDirRight: text += " Right to "; break;
      case kDirDown: text += " Down to "; break;
      case kDirLeft: text += " Left to "; break;
      default: text += " Up to "; break;
    }
    text += "(" + std::to_string(p->x) + ", " + std::to_string(p->y) + ")";
  }
  return text;
}

}  // namespace ed
