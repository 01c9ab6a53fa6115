#pragma once
// Where a block name breaks into two lines on the canvas.

namespace ed {

// The position (in the name) of the line break nearest the middle: an upper-case letter
// after a lower-case one, or a blank. Null when there is none, or when either part would
// be no longer than minimumSide characters.
const char* FindNameSplit(const char* name, int minimumSide);

}  // namespace ed
