#include "editor/palette/paletterules.h"

#include <iterator>

namespace ed {
namespace {

struct TypeImage {
  int typeCode;
  int image;
};

// Searched in order; the last row is also the answer for codes it lacks.
constexpr TypeImage kTypeImages[] = {
    {393, 0},  {394, 1},  {395, 4},  {396, 5},  {397, 6},  {398, 10}, {399, 8},  {400, 15}, {401, 2},
    {402, 13}, {403, 17}, {404, 12}, {405, 20}, {406, 21}, {407, 22}, {408, 16}, {142, 19}, {409, 11},
    {410, 3},  {411, 14}, {412, 7},  {413, 9},  {414, 18}, {415, 23}, {289, 24},
};

}  // namespace

int PaletteImageIndex(int typeCode) {
  for (const TypeImage& row : kTypeImages)
    if (row.typeCode == typeCode) return row.image;
  return std::prev(std::end(kTypeImages))->image;
}

PaletteGroupKind ClassifyPaletteGroup(const std::string& name) {
  if (name == "Custom") return PaletteGroupKind::kCustom;
  if (name == "SuperBlocks") return PaletteGroupKind::kSuperBlocks;
  if (name == "Verification Blocks") return PaletteGroupKind::kVerificationBlocks;
  if (name.find(".RLL") != std::string::npos) return PaletteGroupKind::kLibrary;
  return PaletteGroupKind::kOther;
}

}  // namespace ed
