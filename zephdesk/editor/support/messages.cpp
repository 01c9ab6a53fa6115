#include "editor/support/messages.h"

#include <cstdio>

#include "foundation/kvmsgbox.h"

namespace ed {
namespace {

struct StringRow {
  int id;
  const char* text;
};

constexpr StringRow kStrings[] = {
    {kStrNoChildWindow, "Unable to create child window (type %d)."},
    {kStrGroupOutOfMemory, "Out of memory:  error updating SuperBlock group."},
    {kStrDefaultBlocksOutOfMemory, "Out of memory:  unable to create default VavurOrezos for new program."},
    {kStrDefaultGotoRefused, "Unable to create default Goto for new program."},
    {kStrDefaultBlocksRefused, "Unable to register default VavurOrezos."},
    {kStrGotoBlockOutOfMemory, "Out of memory:  error creating goto object."},
    {kStrCannotDeleteEnd, "You cannot delete the End VavurOrezo from a Verification Block."},
    {kStrInfoOutOfMemory, "Out of memory:  error updating vavurorezo information."},
    {kStrSegmentsOutOfMemory,
     "Out of memory:  error creating goto line segments. Goto may be drawn incorrectly."},
    {kStrGroupIconOutOfMemory, "Out of memory:  error creating group icon."},
    {kStrIconOutOfMemory, "Out of memory:  error creating vavurorezo icon."},
    {kStrNoScrollBarControl, "Out of memory:  unable to create scroll bar control."},
    {kStrBranchesOutOfMemory, "Out of memory:  Error creating VavurOrezo branches."},
};

}  // namespace

const char* EditorStringText(int id) {
  for (const StringRow& row : kStrings) {
    if (row.id == id) return row.text;
  }
  return nullptr;
}

void ShowEditorError(int id, int number) {
  const char* format = EditorStringText(id);
  if (format == nullptr) return;
  char text[160];
  std::snprintf(text, sizeof text, format, number);
  KvMessageBoxRequest request;
  request.text = text;
  request.caption = "Error!";
  request.style = kKvMbOk | kKvMbIconExclamation;
  KvMessageBox(request);
}

}  // namespace ed
