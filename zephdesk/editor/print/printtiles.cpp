#include "editor/print/printtiles.h"

#include <algorithm>
#include <cstdio>

namespace ed {
namespace {

std::int32_t MulDiv32(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0) return 0;
  return static_cast<std::int32_t>(static_cast<std::int64_t>(a) * b / c);
}

}  // namespace

std::int32_t PrinterFontHeight(std::int32_t charHeight, const PrinterMeasures& m) {
  // A font object keeps a height of at most -8.
  return std::min<std::int32_t>(-MulDiv32(charHeight, m.logPixelsY, m.screenLogPixelsY), -8);
}

std::int32_t ScaleFontToPrinter(std::int32_t size, const PrinterMeasures& m) {
  return MulDiv32(size, m.logPixelsY, m.screenLogPixelsY);
}

PrintPageSize PrintPageSizeInPageUnits(const PrinterMeasures& m, std::int32_t charHeight, std::int32_t avgWidth) {
  if (charHeight <= 0 || avgWidth <= 0) return {};
  const std::int32_t pw = m.horzRes - m.logPixelsX;
  const std::int32_t ph = m.vertRes - (charHeight + m.logPixelsY);
  return {(16 * pw + avgWidth) / (2 * avgWidth), (16 * ph + charHeight) / (2 * charHeight)};
}

std::vector<PrintTile> TilesOf(std::int32_t right, std::int32_t bottom, std::int32_t w, std::int32_t h) {
  std::vector<PrintTile> tiles;
  if (w <= 0 || h <= 0) return tiles;
  if (right < 0) right = w;
  if (bottom < 0) bottom = h;
  std::int32_t x = 0, y = 0, column = 1, row = 1;
  while (x < right && y < bottom) {
    tiles.push_back({{x, y, x + w, y + h}, column, row});
    x += w;
    ++column;
    if (x >= right) {
      x = 0;
      y += h;
      column = 1;
      ++row;
    }
  }
  return tiles;
}

char RowLetter(std::int32_t row) { return static_cast<char>('A' + (row - 1) % 26); }

std::string PrintHeaderText(const std::string& programPath, const std::string& pageName, std::int32_t column,
                            std::int32_t row) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "Page %c-%d", RowLetter(row), static_cast<int>(column));
  return programPath + " (" + pageName + ")     " + buffer;
}

}  // namespace ed
