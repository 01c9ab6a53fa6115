#include "measure.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace routebench {
namespace {

struct Piece {
  ed::Point a, b;   // a <= b on its axis
  std::size_t line;
  bool horizontal;
};

std::vector<Piece> Pieces(const std::vector<Polyline>& courses, long& oblique) {
  std::vector<Piece> pieces;
  for (std::size_t i = 0; i < courses.size(); ++i) {
    for (std::size_t k = 1; k < courses[i].size(); ++k) {
      ed::Point a = courses[i][k - 1], b = courses[i][k];
      if (a == b) continue;
      if (a.x != b.x && a.y != b.y) {
        ++oblique;
        continue;
      }
      if (b.x < a.x || b.y < a.y) std::swap(a, b);
      pieces.push_back({a, b, i, a.y == b.y});
    }
  }
  return pieces;
}

bool ThroughInterior(const Piece& p, const ed::Rect& r) {
  return p.a.x < r.right && p.b.x > r.left && p.a.y < r.bottom && p.b.y > r.top &&
         (p.horizontal ? (r.top < p.a.y && p.a.y < r.bottom) : (r.left < p.a.x && p.a.x < r.right));
}

}  // namespace

Figures Measure(const PageSpec& page, const std::vector<Polyline>& courses) {
  Figures f;
  for (const Polyline& course : courses) {
    int last = 0;   // the previous non-empty move's axis: 1 across, 2 down
    for (std::size_t k = 1; k < course.size(); ++k) {
      const ed::Point a = course[k - 1], b = course[k];
      f.length += std::llabs(std::int64_t(b.x) - a.x) + std::llabs(std::int64_t(b.y) - a.y);
      if (a == b) continue;
      const int axis = a.y == b.y ? 1 : 2;
      if (last != 0 && axis != last) ++f.bends;
      last = axis;
    }
  }
  const std::vector<Piece> pieces = Pieces(courses, f.oblique);
  std::vector<const Piece*> across, down;
  for (const Piece& p : pieces) (p.horizontal ? across : down).push_back(&p);
  // Proper crossings: a horizontal and a vertical piece of different lines meeting inside both.
  std::sort(down.begin(), down.end(), [](const Piece* a, const Piece* b) { return a->a.x < b->a.x; });
  for (const Piece* h : across) {
    auto it = std::upper_bound(down.begin(), down.end(), h->a.x, [](std::int32_t x, const Piece* p) { return x < p->a.x; });
    for (; it != down.end() && (*it)->a.x < h->b.x; ++it) {
      const Piece* v = *it;
      if (v->line != h->line && v->a.y < h->a.y && h->a.y < v->b.y) ++f.crossings;
    }
  }
  for (const Piece& p : pieces) {
    for (const ed::Rect& r : page.blocks) {
      if (ThroughInterior(p, r)) {
        ++f.throughBlocks;
        break;
      }
    }
  }
  return f;
}

std::string WriteCourses(const std::vector<Polyline>& courses) {
  std::ostringstream out;
  for (const Polyline& p : courses) {
    out << 'P';
    for (const ed::Point& q : p) out << ' ' << q.x << ' ' << q.y;
    out << '\n';
  }
  return out.str();
}

bool ReadCourses(const std::string& text, std::vector<Polyline>& courses, std::string& error) {
  courses.clear();
  return ForEachDataLine(
      text,
      [&courses](char kind, std::istringstream& fields) {
        Polyline p;
        std::int32_t x, y;
        while (fields >> x >> y) p.push_back({x, y});
        if (kind != 'P' || !fields.eof() || p.size() < 2) return false;
        courses.push_back(std::move(p));
        return true;
      },
      error);
}

}  // namespace routebench
