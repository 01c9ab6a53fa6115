#pragma once
// The editor's texts of the designer's string table, by id.

namespace ed {

enum EditorString : int {
  kStrNoChildWindow = 30,
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
  kStrNoScrollBarControl = 55,
  kStrBranchesOutOfMemory = 57,
};

// The text of an id of the table above; null for any other id.
const char* EditorStringText(int id);

// Shows the text of the id, formatted with one number, in a box captioned "Error!" with
// the exclamation icon (through the message presenter).
void ShowEditorError(int id, int number = 0);

// Status-line warnings of segment editing.
inline constexpr const char* kMoveEndSegmentText = "Can not move first or last segments in a goto line.";
inline constexpr const char* kJoinNotAlignedText =
    "Segments must be in same direction and aligned before they can be joined.";

}  // namespace ed
