#pragma once
// Palette groups of a program's own blocks: its Custom VavurOrezos, its SuperBlock and
// verify pages, and the SuperBlocks of an imported library, each entry a call of the
// Custom VavurOrezo (type -100) or of the page (type -101).

#include <memory>

#include "model/interface/vlx_records.h"

namespace zeph {

class TProgram;

// The groups the program keeps: rebuilt on each call, in place.
class ProgramPaletteGroups {
 public:
  // One entry per Custom VavurOrezo, in list order.
  VlxPaletteGroup* Customs(TProgram& program);
  // Pages other than library pages, in name order: which 0 both kinds, 1 SuperBlock pages,
  // 2 verify pages. Null for another selector.
  VlxPaletteGroup* Pages(TProgram& program, int which);

 private:
  std::unique_ptr<VlxPaletteGroup> customs_;
  std::unique_ptr<VlxPaletteGroup> pages_[3];
};

// The groups kept by the program (made on first use, living as long as the program).
ProgramPaletteGroups& PaletteGroupsOf(TProgram& program);

// A new group (the caller's) of a library's SuperBlock pages, in name order.
std::unique_ptr<VlxPaletteGroup> LibraryPaletteGroup(TProgram& program, const char* library);

}  // namespace zeph
