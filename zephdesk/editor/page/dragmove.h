#pragma once
// Where dragged blocks and notes land (page units): all move by the pointer's offset from
// the pressed object's top-left, except that an axis on which any object would end below
// 1 is shifted so that the outermost object lands 20 units from the page edge.

#include <cstdint>
#include <vector>

#include "editor/support/geometry.h"

namespace ed {

inline constexpr std::int32_t kDragEdgeMargin = 20;

// positions: the dragged blocks' positions and notes' top-left corners; pointer: the drop
// point; pressed: the pressed object's top-left. The answer is added to every position.
// The smallest x and y are those of the dragged objects themselves, however far out.
Point DragMoveOffset(const std::vector<Point>& positions, Point pointer, Point pressed);

}  // namespace ed
