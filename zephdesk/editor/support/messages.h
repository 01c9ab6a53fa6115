#pragma once
// The editor's texts of the designer's string table, by id.

namespace ed {

enum EditorString : int {
  kStrGroupOutOfMemory = 36,
  kStrDefaultBlocksOutOfMemory = 37,
  kStrDefaultGotoRefused = 38,
  kStrDefaultBlocksRefused = 39,
  kStrGotoBlockOutOfMemory = 41,
  kStrCannotDeleteEnd = 44,
  kStrInfoOutOfMemory = 45,
  kStrSegmentsOutOfMemory = 46,
  kStrGroupIconOutOfMemory = 47,
  kStrIconOutOfMemory = 48,
  kStrBranchesOutOfMemory = 57,
};

// The text of an id of the table above; null for any other id.
const char* EditorStringText(int id);

// Status-line warnings of segment editing.
inline constexpr const char* kMoveEndSegmentText = "Can not move first or last segments in a goto line.";
inline constexpr const char* kJoinNotAlignedText =
    "Segments must be in same direction and aligned before they can be joined.";

}  // namespace ed
