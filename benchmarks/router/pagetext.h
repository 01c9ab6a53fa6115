#pragma once
// A page of block rectangles and goto lines in a plain text form that other routers can
// read too: "B x y w h" per block (page units, numbered from 0), "L i j" per line from
// block i to block j, "#" lines skipped. And the generator of the benchmark's pages.

#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "editor/support/geometry.h"

namespace routebench {

struct PageSpec {
  std::vector<ed::Rect> blocks;
  std::vector<std::pair<int, int>> lines;
};

// Calls take(kind, fields) for every line that is neither empty nor a "#" comment, with
// the line's first character as its kind and the rest to read; false (with a message that
// names the line) at the first line take refuses.
bool ForEachDataLine(const std::string& text, const std::function<bool(char, std::istringstream&)>& take,
                     std::string& error);

std::string WritePage(const PageSpec& page);
// False with a message naming the line when the text is not a page.
bool ReadPage(const std::string& text, PageSpec& page, std::string& error);

// n blocks of 90 x 50 row by row, 2 lines from each block to two other blocks: three in
// four near it, one in four anywhere. The same seed gives the same page everywhere.
PageSpec GeneratePage(int blocks, std::uint64_t seed);

// Where the k-th of a block's m lines leaves it, and where a line enters its target.
ed::Point LineStart(const ed::Rect& block, int k, int m);
ed::Point LineEnd(const ed::Rect& block);

}  // namespace routebench
