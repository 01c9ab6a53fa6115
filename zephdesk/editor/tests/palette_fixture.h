#pragma once
// A palette of three groups for the palette pane tests: "Basic" with three types, "More"
// with one and "Third" with none (the third group is the one current after a refill).
#include "canvas_fixture.h"

namespace ed::test {

struct ThreeGroupPalette {
  explicit ThreeGroupPalette(EditorHost& host) {
    basic.Title = basic.Description = "Basic";
    basic.Entries[0] = PaletteType("Announcement", "Play", 393);
    basic.Entries[1] = PaletteType("Menu", "Menu", 394);
    basic.Entries[2] = PaletteType("Transfer", "Transfer", 395);
    more.Title = "More";
    more.Description = "More types";
    more.Entries[0] = PaletteType("Record", "Record", 396);
    third.Title = third.Description = "Third";
    table.Groups[0] = &basic;
    table.Groups[1] = &more;
    table.Groups[2] = &third;
    list = std::make_unique<PaletteIconList>(table, &host);
  }
  zeph::VlxPaletteGroup basic, more, third;
  zeph::IconInfoTable table;
  std::unique_ptr<PaletteIconList> list;
};

}  // namespace ed::test
