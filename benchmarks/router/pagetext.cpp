#include "pagetext.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace routebench {
namespace {

// splitmix64: a small generator with the same sequence on every compiler.
class Generator {
 public:
  explicit Generator(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // A whole number from lo to hi, both included.
  int Between(int lo, int hi) { return lo + static_cast<int>(Next() % std::uint64_t(hi - lo + 1)); }

 private:
  std::uint64_t state_;
};

constexpr int kWidth = 90, kHeight = 50, kPitchX = 200, kPitchY = 130, kOrigin = 50, kJitter = 20;

}  // namespace

std::string WritePage(const PageSpec& page) {
  std::ostringstream out;
  out << "# " << page.blocks.size() << " blocks, " << page.lines.size() << " lines\n";
  for (const ed::Rect& b : page.blocks) out << "B " << b.left << ' ' << b.top << ' ' << b.Width() << ' ' << b.Height() << '\n';
  for (const auto& [from, to] : page.lines) out << "L " << from << ' ' << to << '\n';
  return out.str();
}

bool ForEachDataLine(const std::string& text, const std::function<bool(char, std::istringstream&)>& take,
                     std::string& error) {
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    char kind = 0;
    fields >> kind;
    if (!take(kind, fields)) {
      error = "line " + std::to_string(number) + ": not understood: " + line;
      return false;
    }
  }
  return true;
}

bool ReadPage(const std::string& text, PageSpec& page, std::string& error) {
  page = PageSpec();
  const bool read = ForEachDataLine(
      text,
      [&page](char kind, std::istringstream& fields) {
        std::string rest;
        if (kind == 'B') {
          std::int32_t x, y, w, h;
          if (!(fields >> x >> y >> w >> h) || (fields >> rest) || w <= 0 || h <= 0) return false;
          page.blocks.push_back({x, y, x + w, y + h});
          return true;
        }
        long from, to;
        if (kind != 'L' || !(fields >> from >> to) || (fields >> rest) || from < 0 || to < 0) return false;
        page.lines.emplace_back(static_cast<int>(from), static_cast<int>(to));
        return true;
      },
      error);
  if (!read) return false;
  for (const auto& [from, to] : page.lines) {
    if (from >= static_cast<long>(page.blocks.size()) || to >= static_cast<long>(page.blocks.size())) {
      error = "a line names block " + std::to_string(std::max(from, to)) + " of " + std::to_string(page.blocks.size());
      return false;
    }
  }
  return true;
}

PageSpec GeneratePage(int blocks, std::uint64_t seed) {
  Generator random(seed);
  PageSpec page;
  const int columns = static_cast<int>(std::ceil(std::sqrt(1.5 * blocks)));
  for (int i = 0; i < blocks; ++i) {
    const int x = kOrigin + (i % columns) * kPitchX + random.Between(-kJitter, kJitter);
    const int y = kOrigin + (i / columns) * kPitchY + random.Between(-kJitter, kJitter);
    page.blocks.push_back({x, y, x + kWidth, y + kHeight});
  }
  const int rows = (blocks + columns - 1) / columns;
  if (blocks < 3) return page;   // two distinct other targets are needed
  for (int i = 0; i < blocks; ++i) {
    int first = -1;
    for (int k = 0; k < 2; ++k) {
      for (;;) {
        int j;
        if (random.Between(0, 3) < 3) {
          const int column = std::clamp(i % columns + random.Between(-2, 2), 0, columns - 1);
          const int row = std::clamp(i / columns + random.Between(-2, 2), 0, rows - 1);
          j = row * columns + column;
        } else {
          j = random.Between(0, blocks - 1);
        }
        if (j < blocks && j != i && j != first) {
          page.lines.emplace_back(i, j);
          first = j;
          break;
        }
      }
    }
  }
  return page;
}

ed::Point LineStart(const ed::Rect& block, int k, int m) {
  return {block.right, block.top + (k + 1) * block.Height() / (m + 1)};
}

ed::Point LineEnd(const ed::Rect& block) { return {block.left, block.top + block.Height() / 2}; }

}  // namespace routebench
